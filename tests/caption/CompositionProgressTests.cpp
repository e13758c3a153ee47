// The composition renderer on a long list while the caption plays: the
// first frame shows before the list is measured, the rest is measured frame
// by frame into the full layout, and a new font, list or direction shows
// without a wrong picture in between. Every picture is compared, pixel for
// pixel, with a renderer that measured the whole list at once.
#include <gtest/gtest.h>

#include "CompositionFixture.h"
#include "SameCompositionLayout.h"

namespace {

constexpr size_t kLongList = 20000;

// A renderer of its own that measures the whole source while still, before it draws the picture.
struct WholeRenderer {
    OffscreenPresenter* presenter = nullptr;
    std::unique_ptr<CompositionCaptionRenderer> renderer;

    WholeRenderer() {
        auto owned = std::make_unique<OffscreenPresenter>();
        presenter = owned.get();
        renderer = std::make_unique<CompositionCaptionRenderer>(std::move(owned));
        EXPECT_TRUE(renderer->Initialise(nullptr));
    }
    ~WholeRenderer() { renderer->Release(); }

    std::vector<uint32_t> Picture(const CaptionSource& source, int width, int height, double offset,
                                  ScrollDirection direction = ScrollDirection::Horizontal) {
        CaptionFrame frame = FrameOf(source, width, height, offset, direction);
        do {
            if (!renderer->RenderFrame(nullptr, frame)) return {};
        } while (renderer->measuring());
        return presenter->ReadPixels(*renderer->devices().dc.Get());
    }
};

class CompositionProgressTest : public CompositionTest {
protected:
    // Plays on, 3 px a frame, until nothing is left to measure; the frames it took.
    int PlayUntilMeasured(int width, int height, ScrollDirection direction) {
        int frames = 0;
        while (renderer_->measuring() && frames < 100000) {
            const size_t before = renderer_->strip().measured();
            const bool restyling = renderer_->restyling();
            if (!Render(width, height, offset_ + 3.0, direction)) return -1;
            ++frames;
            // Every frame gets on with it.
            if (!restyling && renderer_->strip().measured() == before && renderer_->measuring()) return -1;
        }
        return frames;
    }
};

TEST_F(CompositionProgressTest, APlayingLongListShowsAtOnceAndIsMeasuredFrameByFrameIntoTheFullLayout) {
    ManyEntries(source_, kLongList);
    for (ScrollDirection direction : {ScrollDirection::Horizontal, ScrollDirection::Vertical}) {
        const int width = 1920;
        const int height = direction == ScrollDirection::Horizontal ? 128 : 1040;
        const double offset = direction == ScrollDirection::Horizontal ? 1500.0 : 900.0;
        WholeRenderer whole;
        renderer_->Release();
        ASSERT_TRUE(renderer_->Initialise(nullptr));
        playing_ = true;
        MarkStale();
        ASSERT_TRUE(Render(width, height, offset, direction));
        EXPECT_TRUE(renderer_->measuring());
        EXPECT_LT(renderer_->textsMeasured(), 4000u) << "the first frame measured far more than the view";
        EXPECT_GT(Count([](uint32_t p) { return Alpha(p) > 200; }), 500);
        EXPECT_EQ(pixels_, whole.Picture(source_, width, height, offset, direction));

        const int frames = PlayUntilMeasured(width, height, direction);
        ASSERT_GT(frames, 0) << "a frame measured nothing";
        EXPECT_EQ(renderer_->textsMeasured(), 2 * kLongList) << "each text is measured once";
        EXPECT_TRUE(SameCompositionLayout(renderer_->strip(), FullLayoutOf(whole.renderer->strip(), source_.Common())));
        EXPECT_EQ(pixels_, whole.Picture(source_, width, height, offset_, direction));
        // Sixteen bytes of sizes and eight of key an entry, and nothing else held per entry.
        EXPECT_LE(renderer_->entryBytes(), kLongList * 25);
    }
}

TEST_F(CompositionProgressTest, ANewFontDeepInTheListShowsOnceItReachesTheViewAndAtTheStartAtOnce) {
    ManyEntries(source_, kLongList);
    ASSERT_TRUE(Render(1920, 128, 100.0));  // still: measured whole
    const double deep = renderer_->strip().stripWidth() / 2;
    playing_ = true;
    ASSERT_TRUE(Render(1920, 128, deep));
    source_.look.style.emPixels = 40.0f;
    MarkStale();
    ASSERT_TRUE(Render(1920, 128, deep));
    EXPECT_TRUE(renderer_->restyling());
    EXPECT_EQ(renderer_->strip().parameters().fontPixels, 48.0f) << "the old strip plays on meanwhile";
    EXPECT_GT(Count([](uint32_t p) { return Alpha(p) > 200; }), 500);
    int frames = 1;
    while (renderer_->restyling() && frames < 100000) {
        ASSERT_TRUE(Render(1920, 128, offset_ + 3.0));
        ++frames;
    }
    EXPECT_GT(frames, 2);
    EXPECT_EQ(renderer_->strip().parameters().fontPixels, 40.0f);
    WholeRenderer whole;
    EXPECT_EQ(pixels_, whole.Picture(source_, 1920, 128, offset_));

    source_.look.style.emPixels = 44.0f;
    MarkStale();
    ASSERT_TRUE(Render(1920, 128, 300.0));
    EXPECT_FALSE(renderer_->restyling()) << "at the start of the list the new font shows in the next frame";
    EXPECT_EQ(renderer_->strip().parameters().fontPixels, 44.0f);
    EXPECT_EQ(pixels_, whole.Picture(source_, 1920, 128, 300.0));
}

TEST_F(CompositionProgressTest, AListChangeWhilePlayingNeverDrawsAnEntryInAnothersBox) {
    ManyEntries(source_, kLongList);
    ASSERT_TRUE(Render(1920, 128, 1500.0));
    playing_ = true;
    // Every amount changed (as by an import): nothing keeps its sizes, so the
    // new strip takes many frames to measure, but the old one, whose texts
    // are no longer the list's, must not show meanwhile.
    for (auto& entry : source_.content.entries) entry.second = L"200元";
    MarkStale();
    ASSERT_TRUE(Render(1920, 128, 1500.0));
    EXPECT_TRUE(renderer_->measuring());
    WholeRenderer whole;
    EXPECT_EQ(pixels_, whole.Picture(source_, 1920, 128, 1500.0));
    ASSERT_GT(PlayUntilMeasured(1920, 128, ScrollDirection::Horizontal), -1);
    // Rows removed in front: every entry in view now has another's texts.
    source_.content.entries.erase(source_.content.entries.begin(), source_.content.entries.begin() + 5);
    MarkStale();
    ASSERT_TRUE(Render(1920, 128, 1500.0));
    EXPECT_EQ(pixels_, whole.Picture(source_, 1920, 128, 1500.0));
    ASSERT_GT(PlayUntilMeasured(1920, 128, ScrollDirection::Horizontal), -1);
    EXPECT_EQ(renderer_->textsMeasured(), 0u) << "the rows that stayed kept their sizes";
    // One appended at the end: the view is unchanged, whichever strip shows it.
    source_.content.entries.push_back({L"新捐赠人", L"88888元"});
    MarkStale();
    ASSERT_TRUE(Render(1920, 128, offset_ + 3.0));
    EXPECT_EQ(pixels_, whole.Picture(source_, 1920, 128, offset_));
    ASSERT_GT(PlayUntilMeasured(1920, 128, ScrollDirection::Horizontal), -1);
    EXPECT_EQ(renderer_->textsMeasured(), 2u);
    EXPECT_TRUE(SameCompositionLayout(renderer_->strip(), FullLayoutOf(whole.renderer->strip(), source_.Common())));
}

TEST_F(CompositionProgressTest, ADirectionChangeShowsInTheNextFrameAndKeepsEverySize) {
    ManyEntries(source_, kLongList);
    ASSERT_TRUE(Render(1920, 128, 1500.0));
    playing_ = true;
    ASSERT_TRUE(Render(1920, 1040, 900.0, ScrollDirection::Vertical));
    EXPECT_EQ(renderer_->strip().direction(), ScrollDirection::Vertical);
    EXPECT_FALSE(renderer_->restyling());
    WholeRenderer whole;
    EXPECT_EQ(pixels_, whole.Picture(source_, 1920, 1040, 900.0, ScrollDirection::Vertical));
    ASSERT_GT(PlayUntilMeasured(1920, 1040, ScrollDirection::Vertical), -1);
    EXPECT_EQ(renderer_->textsMeasured(), 0u) << "sizes do not depend on the direction";
    EXPECT_TRUE(SameCompositionLayout(renderer_->strip(), FullLayoutOf(whole.renderer->strip(), source_.Common())));
}

}  // namespace
