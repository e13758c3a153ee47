// The composition renderer's layout far along a long strip.
#include <gtest/gtest.h>

#include "core/caption/CompositionLayout.h"

namespace {

// 200,000 entries reach 60 million pixels, where a float's steps are 4 px:
// every gap and box must still be exactly as measured.
TEST(CompositionLayout, RunsFarAlongALongStripKeepTheirExactGaps) {
    CaptionContent common;
    common.titlePrefix = L"名单:";
    common.nameAmountGap = 10;
    CompositionSizes sizes;
    sizes.title = {0, 0, 83.25f, 40.5f};
    sizes.separator = {0, 0, 21.125f, 40.5f};
    sizes.emptyNotice = {0, 0, 160.0f, 40.5f};
    for (int i = 0; i < 200000; ++i) {
        const float name = 150.3f + static_cast<float>(i % 7) * 12.17f;
        sizes.entries.push_back({RunBox{0, 0, name, 40.5f}, RunBox{0, 0, 111.7f, 40.5f}});
    }
    const CompositionStrip strip =
        LayoutCompositionStrip(ScrollDirection::Horizontal, common, sizes, 1920, 128, 48.0f);
    ASSERT_GT(strip.stripWidth, 5.0e7);
    double expected = 83.25 + 10;
    for (size_t i = 0; i < strip.entries.size(); ++i) {
        const CompositionEntry& e = strip.entries[i];
        if (i > 0) {
            ASSERT_DOUBLE_EQ(e.separatorX, expected) << i;
            expected += 21.125;
        }
        ASSERT_NEAR(e.name.x, expected, 1e-6) << i;
        ASSERT_NEAR(e.amount.x - e.name.x, static_cast<double>(e.name.width) + 10, 1e-6) << i;
        expected += static_cast<double>(e.width);
        ASSERT_NEAR(e.axisEnd, expected, 1e-6) << i;
    }
    EXPECT_NEAR(strip.stripWidth, expected, 1e-6);
    EXPECT_DOUBLE_EQ(strip.cycleLength, 1920 + strip.stripWidth + 80);
}

}  // namespace
