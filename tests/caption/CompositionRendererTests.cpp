// The composition renderer's real drawing (Direct3D 11, Direct2D and
// DirectWrite) on an offscreen target read back pixel by pixel; only the
// presentation is a test's own.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "CompositionFixture.h"
#include "SameCompositionLayout.h"
#include "core/caption/CompositionLayout.h"
#include "ui/caption/composition/CompositionRenderer.h"

namespace {

TEST_F(CompositionTest, TheStripStartsAtTheViewWidthMinusTheOffsetAndRepeatsEachCycle) {
    for (float offset : {300.0f, 1000.0f}) {
        ASSERT_TRUE(Render(1920, 128, offset));
        const int x = static_cast<int>(1920 - offset);
        const auto [first, last] = InkColumns(0, 1920);
        ASSERT_GE(first, 0) << "nothing drawn at offset " << offset;
        EXPECT_GE(first, x) << offset;
        EXPECT_LE(first, x + 6) << offset;  // the title's first glyph, its side bearing aside
        EXPECT_LE(last, x + static_cast<int>(std::ceil(renderer_->strip().stripWidth()))) << offset;
    }
    // One cycle later the picture is the same: the offset wraps into the cycle.
    const double cycle = renderer_->strip().cycleLength();
    EXPECT_DOUBLE_EQ(cycle, 1920 + renderer_->strip().stripWidth() + 80);
    ASSERT_TRUE(Render(1920, 128, 700.0f));
    const std::vector<uint32_t> once = pixels_;
    ASSERT_TRUE(Render(1920, 128, static_cast<float>(700.0 + cycle)));
    EXPECT_EQ(pixels_, once);
}

TEST_F(CompositionTest, AVerticalStripStartsAtTheViewHeightMinusTheOffset) {
    ASSERT_TRUE(Render(800, 600, 200.0f, ScrollDirection::Vertical));
    int firstRow = -1;
    for (int y = 0; y < Height() && firstRow < 0; ++y) {
        for (int x = 0; x < 800; ++x) {
            if (Alpha(At(x, y)) > 64) {
                firstRow = y;
                break;
            }
        }
    }
    const CompositionGeometry& strip = renderer_->strip();
    EXPECT_EQ(strip.direction(), ScrollDirection::Vertical);
    ASSERT_GE(firstRow, 400);  // y = 600 − 200, then the title centred in its row
    EXPECT_LE(firstRow, 400 + static_cast<int>(strip.rowHeight()));
    // The rows start at x 20.
    const auto [first, last] = InkColumns(0, 800);
    EXPECT_GE(first, 20);
    EXPECT_LE(first, 26);
    EXPECT_LE(last, static_cast<int>(std::ceil(strip.stripWidth())));
    EXPECT_DOUBLE_EQ(strip.cycleLength(), strip.stripHeight());
}

bool OpaqueBlack(uint32_t p) { return p == 0xFF000000u; }
bool OpaqueWhite(uint32_t p) { return p == 0xFFFFFFFFu; }

TEST_F(CompositionTest, ABlackOutlineAndABlackShadowAreVisible) {
    source_.look.style.outline = true;
    source_.look.style.outlineWidth = 3.0f;
    source_.look.style.outlineColor = RGB(0, 0, 0);
    source_.look.style.padding = 8;
    ASSERT_TRUE(Render(1920, 128, 1000.0f));
    EXPECT_GT(Count(OpaqueWhite), 100);
    EXPECT_GT(Count(OpaqueBlack), 300) << "the black outline has no opaque pixels";

    source_.look.style.outline = false;
    source_.look.style.shadow = true;
    source_.look.style.shadowDistance = 4.0f;
    source_.look.style.shadowColor = RGB(0, 0, 0);
    MarkStale();
    ASSERT_TRUE(Render(1920, 128, 1000.0f));
    EXPECT_GT(Count(OpaqueBlack), 100) << "the black shadow has no opaque pixels";
    // Premultiplied everywhere: no colour byte above alpha.
    for (uint32_t p : pixels_) {
        ASSERT_LE(p & 0xFF, Alpha(p));
        ASSERT_LE((p >> 16) & 0xFF, Alpha(p));
    }
}

TEST_F(CompositionTest, TheChineseTitleAndNamesHaveInkWhereTheirBoxesAre) {
    ASSERT_TRUE(Render(1920, 128, 1500.0f));
    const CompositionGeometry& strip = renderer_->strip();
    const float x = 1920 - 1500.0f;
    const auto inkIn = [&](const RunBox& box) {
        const auto [first, last] = InkColumns(static_cast<int>(x + box.x), static_cast<int>(x + box.x + box.width));
        return last - first;
    };
    EXPECT_GT(inkIn(strip.Title()), static_cast<int>(strip.Title().width * 0.8f));
    ASSERT_EQ(strip.measured(), 2u);
    EXPECT_GT(inkIn(strip.Place(0).name), static_cast<int>(strip.Place(0).name.width * 0.7f));
    EXPECT_GT(inkIn(strip.Place(1).amount), static_cast<int>(strip.Place(1).amount.width * 0.7f));
    // The amount is yellow: red and green, no blue.
    const int ax = static_cast<int>(x + strip.Place(0).amount.x + strip.Place(0).amount.width / 2);
    bool yellow = false;
    for (int y = 0; y < Height(); ++y) yellow = yellow || At(ax, y) == 0xFFFFFF00u;
    EXPECT_TRUE(yellow);
}


// Columns of the view where two pictures differ by more than 2 in any channel.
std::vector<int> DifferingColumns(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b, int width) {
    std::vector<int> columns;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        for (int shift = 0; shift < 32; shift += 8) {
            const int d = std::abs(static_cast<int>((a[i] >> shift) & 0xFF) - static_cast<int>((b[i] >> shift) & 0xFF));
            if (d > 2) {
                columns.push_back(static_cast<int>(i % static_cast<size_t>(width)));
                break;
            }
        }
    }
    return columns;
}

TEST_F(CompositionTest, ALongStripIsTiledAndAVeryLongOneDrawnDirectlyWithTheSamePixels) {
    ManyEntries(source_, 80);
    ASSERT_TRUE(Render(1920, 128, 4000.0f));
    const CompositionGeometry& strip = renderer_->strip();
    ASSERT_GT(strip.stripWidth(), 30000.0);
    ASSERT_LT(strip.stripWidth(), 40000.0);
    const TilePlan plan = PlanStripTiles(static_cast<int>(std::ceil(strip.stripWidth())), 128,
                                         renderer_->devices().dc->GetMaximumBitmapSize());
    ASSERT_TRUE(plan.usable);
    EXPECT_EQ(static_cast<int>(renderer_->tileCount()), plan.columns * plan.rows);
    EXPECT_TRUE(renderer_->lastFrame().tiled);
    const std::vector<uint32_t> tiled = pixels_;
    // A normal frame: a few blits, no text drawn.
    ASSERT_TRUE(Render(1920, 128, 5000.0f));
    EXPECT_EQ(renderer_->lastFrame().textDraws, 0);
    EXPECT_LE(renderer_->lastFrame().bitmapDraws, 2);
    const std::vector<uint32_t> tiledAcrossASeam = pixels_;

    // The same pixels drawn directly, but in the runs whose origin lies left
    // of their target's edge (the view's for direct drawing, a tile's for
    // the tiles): Wine rounds such glyph origins a pixel the other way.
    renderer_->AllowTiles(false);
    const float seam = static_cast<float>(plan.edge);
    for (const auto& [offset, withTiles] : {std::pair<float, const std::vector<uint32_t>*>{4000.0f, &tiled},
                                            {5000.0f, &tiledAcrossASeam}}) {
        ASSERT_TRUE(Render(1920, 128, offset));
        EXPECT_FALSE(renderer_->lastFrame().tiled);
        EXPECT_GT(Count([](uint32_t p) { return Alpha(p) > 200; }), 500);
        const float x = 1920 - offset;
        const std::vector<int> columns = DifferingColumns(*withTiles, pixels_, 1920);
        EXPECT_LT(columns.size(), 400u);
        for (int column : columns) {
            const float at = static_cast<float>(column) - x;  // strip coordinates
            bool crossing = false;
            for (size_t i = 0; i < strip.measured(); ++i) {
                const CompositionEntry e = strip.Place(i);
                for (const RunBox& box : {e.name, e.amount}) {
                    const bool acrossAnEdge = (box.x < seam && box.x + box.width > seam) ||
                                              (box.x < -x && box.x + box.width > -x);
                    if (acrossAnEdge && at >= box.x - 2 && at <= box.x + box.width + 2) crossing = true;
                }
            }
            ASSERT_TRUE(crossing) << "tiles and direct drawing differ at column " << column << ", offset " << offset;
        }
    }

    renderer_->AllowTiles(true);
    ManyEntries(source_, 700);
    MarkStale();
    ASSERT_TRUE(Render(1920, 128, 100000.0f));
    EXPECT_GT(renderer_->strip().stripWidth(), 200000.0);
    EXPECT_FALSE(renderer_->lastFrame().tiled) << "about 100 MB of strip was tiled";
    EXPECT_EQ(renderer_->tileCount(), 0u);
    EXPECT_GT(Count([](uint32_t p) { return Alpha(p) > 200; }), 500);
}

TEST_F(CompositionTest, DirectDrawingOnlyDrawsRunsWithinEightyPixelsOfTheView) {
    ManyEntries(source_, 300);
    renderer_->AllowTiles(false);
    const float offset = 20000.0f;
    ASSERT_TRUE(Render(1920, 128, offset));
    const CompositionGeometry& strip = renderer_->strip();
    const double x = 1920 - offset;
    const auto meets = [&](double start, double width) { return x + start + width > -80 && x + start < 1920 + 80; };
    int expected = 0;
    for (size_t i = 0; i < strip.measured(); ++i) {
        const CompositionEntry e = strip.Place(i);
        if (e.separatorX >= 0 && meets(e.separatorX, strip.Separator().width)) ++expected;
        if (meets(e.name.x, e.name.width)) ++expected;
        if (meets(e.amount.x, e.amount.width)) ++expected;
    }
    EXPECT_GT(expected, 10);
    EXPECT_EQ(renderer_->lastFrame().textDraws, expected);
    EXPECT_LT(expected, 300);  // far fewer than the strip's 900 runs
}

TEST_F(CompositionTest, ASizeChangeResizesTheTargetAndRebuildsStripAndTiles) {
    ASSERT_TRUE(Render(1920, 128, 100.0f));
    EXPECT_EQ(presenter_->targetsMade, 1);
    EXPECT_EQ(presenter_->resizes, 0);
    const double cycle = renderer_->strip().cycleLength();
    ASSERT_TRUE(Render(1920, 128, 110.0f));
    EXPECT_EQ(presenter_->resizes, 0);
    ASSERT_TRUE(Render(1600, 160, 120.0f));
    EXPECT_EQ(presenter_->targetsMade, 1);
    EXPECT_EQ(presenter_->resizes, 1);
    EXPECT_EQ(renderer_->strip().parameters().viewWidth, 1600);
    EXPECT_EQ(renderer_->strip().parameters().viewHeight, 160);
    EXPECT_DOUBLE_EQ(renderer_->strip().cycleLength(), cycle - 320);
    EXPECT_TRUE(renderer_->lastFrame().tiled);
    EXPECT_GT(renderer_->lastFrame().textDraws, 0);  // the tiles were drawn again
}

TEST_F(CompositionTest, FrameResultsDecideBetweenPresentedFailedAndLost) {
    ASSERT_TRUE(Render(1920, 128, 100.0f));
    presenter_->presentedResult = DXGI_STATUS_OCCLUDED;
    EXPECT_TRUE(Render(1920, 128, 110.0f)) << "an occluded present counts as presented";
    EXPECT_TRUE(renderer_->ready());
    presenter_->presentedResult = E_FAIL;
    EXPECT_FALSE(Render(1920, 128, 120.0f));
    EXPECT_TRUE(renderer_->ready()) << "another failure leaves the fallback to the window";
    presenter_->presentedResult = S_OK;
    presenter_->drawnResult = static_cast<HRESULT>(D2DERR_RECREATE_TARGET);
    EXPECT_FALSE(Render(1920, 128, 130.0f));
    EXPECT_FALSE(renderer_->ready()) << "a lost target releases the renderer";
    presenter_->drawnResult = S_OK;
    EXPECT_TRUE(renderer_->Initialise(nullptr));
    presenter_->presentedResult = static_cast<HRESULT>(DXGI_ERROR_DEVICE_REMOVED);
    EXPECT_FALSE(Render(1920, 128, 140.0f));
    EXPECT_FALSE(renderer_->ready());
}

TEST(CompositionOutcome, FollowsTheFailureRules) {
    const HRESULT removed = static_cast<HRESULT>(DXGI_ERROR_DEVICE_REMOVED);
    const HRESULT reset = static_cast<HRESULT>(DXGI_ERROR_DEVICE_RESET);
    const HRESULT recreate = static_cast<HRESULT>(D2DERR_RECREATE_TARGET);
    EXPECT_EQ(OutcomeOf({S_OK, S_OK}), FrameOutcome::Presented);
    EXPECT_EQ(OutcomeOf({S_OK, DXGI_STATUS_OCCLUDED}), FrameOutcome::Presented);
    EXPECT_EQ(OutcomeOf({removed, S_OK}), FrameOutcome::DeviceLost);
    EXPECT_EQ(OutcomeOf({reset, S_OK}), FrameOutcome::DeviceLost);
    EXPECT_EQ(OutcomeOf({recreate, S_OK}), FrameOutcome::DeviceLost);
    EXPECT_EQ(OutcomeOf({E_FAIL, S_OK}), FrameOutcome::Failed);
    EXPECT_EQ(OutcomeOf({S_OK, removed}), FrameOutcome::DeviceLost);
    EXPECT_EQ(OutcomeOf({S_OK, recreate}), FrameOutcome::Failed);  // only the drawing can ask for a new target
    EXPECT_EQ(OutcomeOf({S_OK, E_OUTOFMEMORY}), FrameOutcome::Failed);
}

}  // namespace

namespace {

TEST_F(CompositionTest, AListChangeMeasuresOnlyItsNewTextsAndLaysOutAsAFreshStrip) {
    ManyEntries(source_, 3000);
    MarkStale();
    ASSERT_TRUE(Render(1920, 128, 100.0f));
    EXPECT_EQ(renderer_->textsMeasured(), 6000u);
    source_.content.entries.push_back({L"新捐赠人", L"88888元"});
    source_.content.entries.erase(source_.content.entries.begin() + 40);
    source_.content.entries[7].second = L"7元";
    MarkStale();
    ASSERT_TRUE(Render(1920, 128, 100.0f));
    EXPECT_EQ(renderer_->textsMeasured(), 4u) << "entries that kept their texts were measured again";

    auto fresh = std::make_unique<CompositionCaptionRenderer>(std::make_unique<OffscreenPresenter>());
    ASSERT_TRUE(fresh->Initialise(nullptr));
    CaptionFrame frame;
    frame.source = &source_;
    frame.width = 1920;
    frame.height = 128;
    frame.scrollOffset = 100.0f;
    do {
        ASSERT_TRUE(fresh->RenderFrame(nullptr, frame));
    } while (fresh->measuring());
    EXPECT_TRUE(SameCompositionLayout(renderer_->strip(), FullLayoutOf(fresh->strip(), source_.Common())));
    fresh->Release();

    // A new font measures everything again.
    source_.look.style.emPixels = 40.0f;
    MarkStale();
    ASSERT_TRUE(Render(1920, 128, 100.0f));
    EXPECT_EQ(renderer_->textsMeasured(), 6000u);
}

TEST_F(CompositionTest, OnlyTheEntriesInViewHoldTextLayouts) {
    ManyEntries(source_, 3000);
    renderer_->AllowTiles(false);
    MarkStale();
    ASSERT_TRUE(Render(1920, 128, 30000.0f));
    const size_t held = renderer_->heldLayouts();
    EXPECT_GT(held, 3u);
    EXPECT_LT(held, 60u) << "layouts are held for entries out of view";
    const int draws = renderer_->lastFrame().textDraws;
    // A little further on: the same few, and a picture drawn from them.
    ASSERT_TRUE(Render(1920, 128, 30003.0f));
    EXPECT_LE(renderer_->heldLayouts(), held + 2);
    EXPECT_NEAR(renderer_->lastFrame().textDraws, draws, 6);
    EXPECT_GT(Count([](uint32_t p) { return Alpha(p) > 200; }), 500);
}

}  // namespace
