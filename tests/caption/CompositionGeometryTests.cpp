// The composition renderer's strip measured entry by entry: the full
// layout's positions bit for bit, lookups along the strip, and a line height
// that grows with the tallest run measured.
#include <gtest/gtest.h>

#include <vector>

#include "SameCompositionLayout.h"
#include "core/caption/CompositionGeometry.h"

namespace {

// Fractional sizes that vary from entry to entry, as DirectWrite measures;
// `tallAt` gets a taller name, as a fallback font's line gives.
CompositionSizes SizesFor(size_t count, size_t tallAt = static_cast<size_t>(-1)) {
    CompositionSizes sizes;
    sizes.title = {0, 0, 183.37f, 47.91f};
    sizes.separator = {0, 0, 21.125f, 47.91f};
    sizes.emptyNotice = {0, 0, 260.5f, 47.91f};
    for (size_t i = 0; i < count; ++i) {
        const float name = 96.3f + static_cast<float>(i % 11) * 17.173f;
        const float amount = 71.09f + static_cast<float>(i % 3) * 9.7f;
        const float height = i == tallAt ? 63.375f : 47.91f;
        sizes.entries.push_back({RunBox{0, 0, name, height}, RunBox{0, 0, amount, 47.91f}});
    }
    return sizes;
}

CaptionContent CommonWith(bool title, int gap) {
    CaptionContent c;
    if (title) c.titlePrefix = L"捐款人名单:";
    c.separator = L"、";
    c.nameAmountGap = gap;
    return c;
}

CompositionParameters ParametersOf(ScrollDirection direction, const CaptionContent& c, const CompositionSizes& s,
                                   int width, int height) {
    CompositionParameters p;
    p.direction = direction;
    p.viewWidth = width;
    p.viewHeight = height;
    p.nameAmountGap = c.nameAmountGap;
    p.titlePresent = !c.titlePrefix.empty();
    p.title = {s.title.width, s.title.height};
    p.separator = {s.separator.width, s.separator.height};
    p.emptyNotice = {s.emptyNotice.width, s.emptyNotice.height};
    p.fontPixels = 48.0f;
    p.entryCount = s.entries.size();
    return p;
}

CompositionEntrySizes EntrySizes(const std::pair<RunBox, RunBox>& e) {
    return {{e.first.width, e.first.height}, {e.second.width, e.second.height}};
}

TEST(CompositionGeometry, MeasuredEntryByEntryItLaysOutAsTheFullLayout) {
    for (ScrollDirection direction : {ScrollDirection::Horizontal, ScrollDirection::Vertical}) {
        // Across the checkpoints (every 64 entries) and with the tall run early, late or nowhere.
        for (size_t count : {0u, 1u, 2u, 63u, 64u, 65u, 200u}) {
            for (size_t tallAt : {static_cast<size_t>(-1), size_t{0}, count > 0 ? count - 1 : 0}) {
                for (bool title : {true, false}) {
                    const CaptionContent c = CommonWith(title, title ? 10 : 0);
                    const CompositionSizes sizes = SizesFor(count, tallAt);
                    CompositionGeometry g;
                    g.Reset(ParametersOf(direction, c, sizes, 1920, 128));
                    for (const auto& e : sizes.entries) ASSERT_TRUE(g.Add(EntrySizes(e)));
                    EXPECT_FALSE(g.Add(EntrySizes(sizes.entries.empty() ? std::pair<RunBox, RunBox>{} : sizes.entries[0])));
                    EXPECT_TRUE(SameCompositionLayout(g, LayoutCompositionStrip(direction, c, sizes, 1920, 128, 48.0f)))
                        << (direction == ScrollDirection::Horizontal ? "horizontal, " : "vertical, ") << count
                        << " entries, tall at " << static_cast<long long>(tallAt) << ", title " << title;
                }
            }
        }
    }
}

// 300,000 entries reach about 100 million pixels; the starts summed again
// from a checkpoint are the very doubles the full layout sums.
TEST(CompositionGeometry, FarAlongALongStripPlacesAreExactAndCostSixteenBytesAnEntry) {
    const CaptionContent c = CommonWith(true, 10);
    const CompositionSizes sizes = SizesFor(300000);
    CompositionGeometry g;
    g.Reset(ParametersOf(ScrollDirection::Horizontal, c, sizes, 1920, 128));
    for (const auto& e : sizes.entries) g.Add(EntrySizes(e));
    const CompositionStrip full = LayoutCompositionStrip(ScrollDirection::Horizontal, c, sizes, 1920, 128, 48.0f);
    ASSERT_GT(full.stripWidth, 5.0e7);
    EXPECT_TRUE(SameCompositionLayout(g, full));
    EXPECT_LE(g.bytes(), 300000u * 17u);
}

TEST(CompositionGeometry, TheFirstEntryEndingAfterAPointIsFoundAnywhereAlongTheStrip) {
    for (ScrollDirection direction : {ScrollDirection::Horizontal, ScrollDirection::Vertical}) {
        const CaptionContent c = CommonWith(true, 10);
        const CompositionSizes sizes = SizesFor(300);
        CompositionGeometry g;
        g.Reset(ParametersOf(direction, c, sizes, 1920, 128));
        for (size_t i = 0; i < 250; ++i) g.Add(EntrySizes(sizes.entries[i]));  // part measured
        const auto expected = [&](double from) {
            size_t i = 0;
            while (i < g.measured() && g.Place(i).axisEnd <= from) ++i;
            return i;
        };
        std::vector<double> points{-500.0, 0.0, 1.0e12};
        for (size_t i = 0; i < g.measured(); i += 7) {
            const CompositionEntry e = g.Place(i);
            points.insert(points.end(), {e.axisStart, e.axisEnd, e.axisEnd - 0.001, (e.axisStart + e.axisEnd) / 2});
        }
        for (double from : points) EXPECT_EQ(g.FirstEntryEndingAfter(from), expected(from)) << from;
    }
}

// While measuring, a horizontal strip's entries never move along the line
// and only the line's height follows the tallest run measured so far; the
// vertical rows follow it too, which the renderer makes up for in its offset.
TEST(CompositionGeometry, PartlyMeasuredPlacesAreTheFullOnesSaveForTheLineHeight) {
    const CaptionContent c = CommonWith(true, 10);
    const CompositionSizes sizes = SizesFor(300, 150);
    const CompositionStrip full = LayoutCompositionStrip(ScrollDirection::Horizontal, c, sizes, 1920, 128, 48.0f);
    CompositionGeometry g;
    g.Reset(ParametersOf(ScrollDirection::Horizontal, c, sizes, 1920, 128));
    for (size_t i = 0; i < 150; ++i) g.Add(EntrySizes(sizes.entries[i]));
    EXPECT_FALSE(g.complete());
    EXPECT_EQ(g.lineHeight(), 47.91f);
    EXPECT_EQ(g.MeasuredLength(), full.entries[149].axisEnd);
    for (size_t i = 0; i < 150; ++i) {
        EXPECT_EQ(g.Place(i).name.x, full.entries[i].name.x) << i;
        EXPECT_EQ(g.Place(i).amount.x, full.entries[i].amount.x) << i;
    }
    g.Add(EntrySizes(sizes.entries[150]));
    EXPECT_EQ(g.lineHeight(), 63.375f);
    EXPECT_EQ(g.Place(3).name.y, full.entries[3].name.y);

    CompositionGeometry v;
    v.Reset(ParametersOf(ScrollDirection::Vertical, c, sizes, 1920, 1040));
    for (size_t i = 0; i < 150; ++i) v.Add(EntrySizes(sizes.entries[i]));
    const float before = v.rowHeight();
    EXPECT_EQ(v.MeasuredLength(), 151.0 * before);  // the title's row and 150 entries
    v.Add(EntrySizes(sizes.entries[150]));
    EXPECT_FLOAT_EQ(v.rowHeight(), before + (63.375f - 47.91f));
}

}  // namespace

namespace {

// A tall run measured deep in a vertical list makes every row taller; the
// offset that follows keeps the row at the view's top where it was, where
// the unchanged offset would jump the picture by the growth of every row above.
TEST(CompositionGeometry, RowsThatGrowWhileMeasuredKeepTheRowInViewInPlace) {
    const CaptionContent c = CommonWith(true, 10);
    const CompositionSizes sizes = SizesFor(300, 250);
    CompositionGeometry g;
    g.Reset(ParametersOf(ScrollDirection::Vertical, c, sizes, 1920, 1040));
    for (size_t i = 0; i < 200; ++i) g.Add(EntrySizes(sizes.entries[i]));
    const double view = 1040;
    const double offset = view + g.Place(100).axisStart;  // row 100 at the view's top
    const float before = g.rowHeight();
    for (size_t i = 200; i < 260; ++i) g.Add(EntrySizes(sizes.entries[i]));
    ASSERT_GT(g.rowHeight(), before);
    const auto rowInView = [&](double at, size_t row) { return view - at + g.Place(row).axisStart; };
    EXPECT_GT(rowInView(offset, 100), 1000.0) << "without the new offset the rows jump";
    const double kept = OffsetAfterRowsGrew(offset, view, before, g.rowHeight());
    EXPECT_NEAR(rowInView(kept, 100), 0.0, 1e-6);
    EXPECT_NEAR(rowInView(kept, 110), 10 * g.rowHeight(), 1e-3);
    // Before the strip reaches the view's top, nothing has to move.
    EXPECT_EQ(OffsetAfterRowsGrew(600.0, view, before, g.rowHeight()), 600.0);
}

}  // namespace
