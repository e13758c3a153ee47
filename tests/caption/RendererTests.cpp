// The layered renderer drawing real text with GDI+ into its back buffer.
#include <gtest/gtest.h>

#include <objidl.h>
#include <gdiplus.h>

#include "ComposedFrame.h"
#include "SameLayout.h"
#include "GdiplusSuite.h"
#include "FreshAppState.h"
#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "ui/caption/CaptionMotion.h"
#include "ui/caption/LayeredRenderer.h"
#include "core/caption/StripTiles.h"
#include "ui/caption/DibSurface.h"
#include "ui/caption/CaptionText.h"
#include "platform/WinHandles.h"
#include "TestFolder.h"
#include "commands/ListStore.h"
#include "core/list/DisplayText.h"

#include <chrono>

#include <algorithm>
#include <vector>

#include <cstdio>

namespace {

class RendererTest : public WithGdiplus<testing::Test> {
protected:

    void SetUp() override {
        StartFreshAppState();
        g_app.settings.textColor = RGB(255, 255, 255);
        g_app.settings.amountColor = RGB(255, 255, 255);
        g_app.list = {{L"张三", L"100元"}, {L"李四", L"2000元"}};
        g_app.captionStripDirty = true;
    }
    void TearDown() override {
        renderer_.Release();
    }

    // Places the strip's left edge at x in a 1920 × 128 view.
    void ComposeAt(int x) {
        g_app.caption->motion.scrollOffset = static_cast<float>(1920 - x);
        ASSERT_TRUE(ComposeProgramFrame(renderer_, 1920, 128));
    }

    // The program's caption laid out whole, in the renderer's font.
    CaptionStrip FullLayout(int width = 1920, int height = 128) const {
        CaptionTextEngine engine;
        engine.SetStyle(CurrentCaptionTextStyle());
        MemoryDC dc(nullptr);
        CaptionStrip strip = LayoutCaptionStrip(
            g_app.settings.direction, CaptionContentOf(g_app.settings, g_app.list), width, height,
            [&](const std::wstring& text, CaptionRunKind kind) { return engine.Measure(dc.get(), text, kind); });
        engine.Reset();
        return strip;
    }

    uint32_t Pixel(int x, int y) const { return renderer_.backBuffer().pixels()[y * 1920 + x]; }

    int CountAlpha(int x0, int x1, bool (*test)(unsigned)) const {
        int count = 0;
        for (int y = 0; y < 128; ++y) {
            for (int x = x0; x < x1; ++x) {
                if (test(Pixel(x, y) >> 24)) ++count;
            }
        }
        return count;
    }

    LayeredCaptionRenderer renderer_;
};

bool Opaque(unsigned a) { return a == 255; }
bool Partial(unsigned a) { return a > 0 && a < 255; }
bool Visible(unsigned a) { return a > 0; }

TEST_F(RendererTest, WhiteTextIsOpaqueOnATransparentBackground) {
    ComposeAt(0);
    const StripGeometry& strip = renderer_.strip();
    ASSERT_GT(strip.parameters().title.width, 0);
    EXPECT_GT(CountAlpha(0, strip.parameters().title.width, Opaque), 20);
    // Beyond the strip nothing is drawn.
    EXPECT_EQ(CountAlpha(strip.stripWidth() + 10, 1920, Visible), 0);
    // Premultiplied: no colour byte exceeds alpha, and white stays white.
    bool premultiplied = true;
    bool sawWhite = false;
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < strip.stripWidth(); ++x) {
            const uint32_t p = Pixel(x, y);
            const unsigned a = p >> 24;
            if ((p & 0xFF) > a || ((p >> 8) & 0xFF) > a || ((p >> 16) & 0xFF) > a) premultiplied = false;
            if (p == 0xFFFFFFFFu) sawWhite = true;
        }
    }
    EXPECT_TRUE(premultiplied);
    EXPECT_TRUE(sawWhite);
}

// Whether this GDI+ anti-aliases the path fills the runs are drawn with
// (Windows does; Wine 8 fills paths without it, as regions).
bool PathFillsAreAntiAliased() {
    DibSurface probe;
    if (!probe.Create(32, 32)) return false;
    {
        Gdiplus::Graphics graphics(probe.dc());
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
        Gdiplus::FontFamily family(L"宋体");
        Gdiplus::GraphicsPath ring;
        ring.AddString(L"O", 1, &family, Gdiplus::FontStyleRegular, 24.0f, Gdiplus::PointF(2.3f, 2.3f),
                       Gdiplus::StringFormat::GenericTypographic());
        Gdiplus::SolidBrush white(Gdiplus::Color(255, 255, 255, 255));
        graphics.FillPath(&white, &ring);
    }
    for (int i = 0; i < 32 * 32; ++i) {
        const unsigned blue = probe.pixels()[i] & 0xFF;
        if (blue > 0 && blue < 255) return true;
    }
    return false;
}

TEST_F(RendererTest, RedTextIsOpaqueWithFadingEdges) {
    g_app.settings.textColor = RGB(255, 0, 0);
    ComposeAt(0);
    const int width = renderer_.strip().parameters().title.width;
    EXPECT_GT(CountAlpha(0, width, Opaque), 20);
    if (PathFillsAreAntiAliased()) {
        EXPECT_GT(CountAlpha(0, width, Partial), 5);
    } else {
        std::printf("note: this GDI+ fills paths without anti-aliasing; the fading edges are not checked\n");
    }
    // Every visible pixel is pure red in premultiplied form.
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t p = Pixel(x, y);
            if (p >> 24) {
                EXPECT_EQ(p & 0x0000FFFFu, 0u);
            }
        }
    }
}

TEST_F(RendererTest, AnOutlineWidensTheTextAndABlackOutlineOrShadowShowsOpaque) {
    g_app.settings.textColor = RGB(255, 255, 255);
    ComposeAt(0);
    const int plain = CountAlpha(0, 1920, Visible);

    g_app.settings.textOutline = true;
    g_app.settings.outlineColor = RGB(255, 0, 0);
    g_app.captionStripDirty = true;
    ComposeAt(0);
    const int outlined = CountAlpha(0, 1920, Visible);
    EXPECT_GT(outlined, plain + plain / 4);

    // Alpha is the drawing's coverage, not its colour: black shows as much as red.
    const auto opaqueBlack = [this] {
        int count = 0;
        for (int y = 0; y < 128; ++y) {
            for (int x = 0; x < 1920; ++x) count += Pixel(x, y) == 0xFF000000u ? 1 : 0;
        }
        return count;
    };
    g_app.settings.outlineColor = RGB(0, 0, 0);
    g_app.captionStripDirty = true;
    ComposeAt(0);
    EXPECT_EQ(CountAlpha(0, 1920, Visible), outlined);
    EXPECT_GT(opaqueBlack(), plain / 4) << "the black outline's core is not opaque";

    g_app.settings.textOutline = false;
    g_app.settings.textShadow = true;
    g_app.settings.shadowColor = RGB(0, 0, 0);
    g_app.captionStripDirty = true;
    ComposeAt(0);
    EXPECT_GT(CountAlpha(0, 1920, Visible), plain);
    EXPECT_GT(opaqueBlack(), plain / 10) << "the black shadow is not opaque";
}

TEST_F(RendererTest, ACopyLeftOfTheViewIsClipped) {
    ComposeAt(0);
    std::vector<uint32_t> atZero(renderer_.backBuffer().pixels(), renderer_.backBuffer().pixels() + 1920 * 128);
    ComposeAt(-30);
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 600; ++x) {
            ASSERT_EQ(Pixel(x, y), atZero[static_cast<size_t>(y) * 1920 + x + 30]) << x << "," << y;
        }
    }
}

TEST_F(RendererTest, ALongListKeepsTheStripMemoryBounded) {
    g_app.list.clear();
    for (int i = 0; i < 20000; ++i) g_app.list.push_back({L"捐赠人" + std::to_wstring(i), std::to_wstring(i) + L"元"});
    ComposeAt(-500000);  // deep inside the list
    const StripGeometry& strip = renderer_.strip();
    ASSERT_GT(strip.stripWidth(), 1000000);
    EXPECT_GT(CountAlpha(0, 1920, Visible), 100);
    const size_t bound = static_cast<size_t>(1920 + 3 * kStripTileExtent) * 128 * 4 * 2;
    EXPECT_LE(renderer_.tileBytes(), bound);
    EXPECT_LE(renderer_.tileCount(), 12u);

    // An appended donor measures its own two texts only; the others keep their sizes.
    g_app.list.push_back({L"新捐赠人", L"88888元"});
    g_app.captionStripDirty = true;
    ComposeAt(-500000);
    EXPECT_EQ(renderer_.textsMeasured(), 2u);
    EXPECT_EQ(renderer_.strip().entryCount(), 20001u);
    // So does one inserted near the front: the entries behind it moved, their texts did not.
    g_app.list.insert(g_app.list.begin() + 3, {L"插入的捐赠人", L"5元"});
    g_app.captionStripDirty = true;
    ComposeAt(-500000);
    EXPECT_EQ(renderer_.textsMeasured(), 2u);
    EXPECT_TRUE(SameLayout(renderer_.strip(), FullLayout()));
}

TEST_F(RendererTest, TheOffsetWrapsIntoTheCycleAndSurvivesAListChange) {
    ComposeAt(0);
    const double cycle = renderer_.strip().cycleLength();
    g_app.caption->motion.scrollOffset = static_cast<float>(cycle + 12.0);
    ASSERT_TRUE(ComposeProgramFrame(renderer_, 1920, 128));
    EXPECT_FLOAT_EQ(g_app.caption->motion.scrollOffset, 12.0f);
    g_app.caption->motion.scrollOffset = 900.0f;
    g_app.list.pop_back();
    g_app.captionStripDirty = true;
    ASSERT_TRUE(ComposeProgramFrame(renderer_, 1920, 128));
    EXPECT_FLOAT_EQ(g_app.caption->motion.scrollOffset, 900.0f);  // the list changed, the position did not
}

// Names with a combining accent are measured from their whole path, not
// from cached glyphs: slow enough that measuring a long list outlasts a frame.
void FillSlowList(size_t count) {
    g_app.list.clear();
    for (size_t i = 0; i < count; ++i) {
        g_app.list.push_back({L"Rene\u0301 " + std::to_wstring(i), std::to_wstring(i) + L"元"});
    }
}

TEST_F(RendererTest, ALongListShowsAtOnceAndIsMeasuredOverFramesToTheFullLayout) {
    FillSlowList(5000);
    g_app.paused = false;
    ComposeAt(1000);
    // The first frame measured what the view and its look-ahead need, not the list.
    EXPECT_LT(renderer_.strip().measured(), 200u);
    EXPECT_TRUE(renderer_.measuring());
    EXPECT_GT(CountAlpha(1000, 1920, Visible), 100);
    int frames = 1;
    while (renderer_.measuring() && frames < 5000) {
        ASSERT_TRUE(ComposeProgramFrame(renderer_, 1920, 128));
        ++frames;
    }
    EXPECT_GT(frames, 2);
    EXPECT_TRUE(SameLayout(renderer_.strip(), FullLayout()));
    // The picture is the one a strip measured at once gives.
    ComposeAt(-3000);
    const std::vector<uint32_t> progressive(renderer_.backBuffer().pixels(), renderer_.backBuffer().pixels() + 1920 * 128);
    g_app.paused = true;
    renderer_.Release();
    g_app.captionStripDirty = true;
    ComposeAt(-3000);
    EXPECT_TRUE(std::equal(progressive.begin(), progressive.end(), renderer_.backBuffer().pixels()));
    g_app.paused = true;
}

TEST_F(RendererTest, AVerticalListShowsAtOnceAndItsTextBandGrowsWithWhatIsMeasured) {
    FillSlowList(4000);
    g_app.list[3500].name = L"一位名字特别特别特别特别长的捐赠人";  // the widest row, measured last
    g_app.settings.direction = ScrollDirection::Vertical;
    g_app.paused = false;
    g_app.caption->motion.scrollOffset = 300.0f;
    ASSERT_TRUE(ComposeProgramFrame(renderer_, 1920, 1040));
    EXPECT_LT(renderer_.strip().measured(), 200u);
    const RECT first = renderer_.TextBand();
    int frames = 1;
    while (renderer_.measuring() && frames < 5000) {
        ASSERT_TRUE(ComposeProgramFrame(renderer_, 1920, 1040));
        ++frames;
    }
    EXPECT_GT(frames, 2);
    EXPECT_TRUE(SameLayout(renderer_.strip(), FullLayout(1920, 1040)));
    EXPECT_GT(renderer_.TextBand().right, first.right) << "the widest row did not widen the band";
    g_app.settings.direction = ScrollDirection::Horizontal;
    g_app.paused = true;
}

TEST_F(RendererTest, ANewFontShowsAtOnceAtTheStartAndDeepInTheListOnceTheViewIsMeasured) {
    FillSlowList(5000);
    g_app.paused = false;
    ComposeAt(0);
    while (renderer_.measuring()) ASSERT_TRUE(ComposeProgramFrame(renderer_, 1920, 128));
    const int oldHeight = renderer_.strip().parameters().title.height;

    // At the start of the list the new font shows in the next frame.
    g_app.settings.fontSize = 60;
    g_app.caption->font.reset();
    g_app.captionStripDirty = true;
    ComposeAt(0);
    EXPECT_FALSE(renderer_.restyling());
    EXPECT_GT(renderer_.strip().parameters().title.height, oldHeight);
    EXPECT_TRUE(renderer_.measuring());
    while (renderer_.measuring()) ASSERT_TRUE(ComposeProgramFrame(renderer_, 1920, 128));
    EXPECT_TRUE(SameLayout(renderer_.strip(), FullLayout()));

    // Deep in the list the old strip plays on until the new font reaches the view.
    const double oldCycle = renderer_.strip().cycleLength();
    const int newHeight = renderer_.strip().parameters().title.height;
    g_app.settings.fontSize = 35;
    g_app.caption->font.reset();
    g_app.captionStripDirty = true;
    ComposeAt(-static_cast<int>(oldCycle * 0.6));
    EXPECT_TRUE(renderer_.restyling());
    EXPECT_EQ(renderer_.strip().cycleLength(), oldCycle);
    EXPECT_GT(CountAlpha(0, 1920, Visible), 100) << "the old strip is not shown meanwhile";
    int frames = 1;
    while (renderer_.restyling() && frames < 5000) {
        ASSERT_TRUE(ComposeProgramFrame(renderer_, 1920, 128));
        ++frames;
    }
    EXPECT_GT(frames, 2);
    EXPECT_LT(renderer_.strip().parameters().title.height, newHeight);
    while (renderer_.measuring()) ASSERT_TRUE(ComposeProgramFrame(renderer_, 1920, 128));
    EXPECT_TRUE(SameLayout(renderer_.strip(), FullLayout()));
    g_app.paused = true;
}

// A direction change keeps every entry's sizes, but on a long list even
// keeping them takes frames: the new direction shows in the next one all
// the same, never the old strip in a window of the new shape.
TEST_F(RendererTest, ADirectionChangeOnALongPlayingListShowsInTheNextFrame) {
    g_app.list.clear();
    for (int i = 0; i < 300000; ++i) g_app.list.push_back({L"捐赠人" + std::to_wstring(i), L"100元"});
    ComposeAt(1000);  // still: measured whole
    ASSERT_FALSE(renderer_.measuring());
    g_app.paused = false;
    g_app.settings.direction = ScrollDirection::Vertical;
    g_app.caption->motion.scrollOffset = 900.0;
    g_app.captionStripDirty = true;
    ASSERT_TRUE(ComposeProgramFrame(renderer_, 1920, 1040));
    EXPECT_EQ(renderer_.strip().direction(), ScrollDirection::Vertical);
    EXPECT_EQ(renderer_.strip().parameters().viewHeight, 1040);
    EXPECT_TRUE(renderer_.measuring()) << "300,000 kept sizes took a single frame: the case is not shown";
    int frames = 1;
    while (renderer_.measuring() && frames < 5000) {
        ASSERT_TRUE(ComposeProgramFrame(renderer_, 1920, 1040));
        ++frames;
    }
    EXPECT_EQ(renderer_.textsMeasured(), 0u) << "sizes do not depend on the direction";
    EXPECT_TRUE(SameLayout(renderer_.strip(), FullLayout(1920, 1040)));
    g_app.settings.direction = ScrollDirection::Horizontal;
    g_app.paused = true;
}

TEST_F(RendererTest, AListChangeWhileMeasuringShowsOnlyEntriesOfTheStripShown) {
    FillSlowList(3000);
    g_app.paused = false;
    ComposeAt(0);
    ASSERT_TRUE(renderer_.measuring());
    // Entries removed from the front: until the new strip shows, no entry is
    // drawn in another's box, and the new one is the full layout once measured.
    g_app.list.erase(g_app.list.begin(), g_app.list.begin() + 2);
    g_app.list.push_back({L"最后一位", L"1元"});
    g_app.captionStripDirty = true;
    ComposeAt(0);
    const std::vector<uint32_t> next(renderer_.backBuffer().pixels(), renderer_.backBuffer().pixels() + 1920 * 128);
    int frames = 1;
    while (renderer_.measuring() && frames < 5000) {
        ASSERT_TRUE(ComposeProgramFrame(renderer_, 1920, 128));
        ++frames;
    }
    // The frame right after the change shows the list as it now is.
    g_app.paused = true;
    LayeredCaptionRenderer whole;
    CaptionFrame frame = ProgramCaptionFrame(1920, 128, true);
    ASSERT_TRUE(whole.ComposeFrame(frame));
    EXPECT_TRUE(std::equal(next.begin(), next.end(), whole.backBuffer().pixels()));
    whole.Release();
    EXPECT_EQ(renderer_.strip().entryCount(), 2999u);
    EXPECT_TRUE(SameLayout(renderer_.strip(), FullLayout()));
    g_app.paused = true;
}

TEST_F(RendererTest, EditsAnywhereInTheListKeepTheSizesOfEveryOtherEntry) {
    FillSlowList(3000);
    ComposeAt(0);
    ASSERT_FALSE(renderer_.measuring());
    // Rows removed in three places, one edited, one inserted and a block removed.
    g_app.list.erase(g_app.list.begin() + 1200);
    g_app.list.erase(g_app.list.begin() + 500);
    g_app.list.erase(g_app.list.begin() + 10);
    g_app.list[2000].amount = L"999999元";
    g_app.list.insert(g_app.list.begin() + 2500, {L"插入的捐赠人", L"5元"});
    g_app.list.erase(g_app.list.begin() + 100, g_app.list.begin() + 160);
    g_app.captionStripDirty = true;
    ComposeAt(0);
    EXPECT_EQ(renderer_.textsMeasured(), 4u) << "more than the edited and the inserted entry were measured";
    EXPECT_TRUE(SameLayout(renderer_.strip(), FullLayout()));
}

TEST_F(RendererTest, AHugeNameShowsCutWithAnEllipsisAndIsSavedWhole) {
    const std::wstring huge = std::wstring(4194304, L'名') + L"尾";
    const std::wstring cut = std::wstring(kCaptionTextLimit, L'名') + L"\x2026";
    g_app.list = {{huge, L"100元"}, {L"张三", L"5元"}};
    g_app.paused = false;
    const auto started = std::chrono::steady_clock::now();
    ComposeAt(0);
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count(), 1.0);
    EXPECT_EQ(ProgramCaptionSource().Entry(0).first, cut);

    // The end of the name in view: exactly the picture of the cut name, ellipsis and all.
    const int nameEnd = renderer_.strip().Place(0).nameX + renderer_.strip().Place(0).name.width;
    ComposeAt(1700 - nameEnd);
    const std::vector<uint32_t> shown(renderer_.backBuffer().pixels(), renderer_.backBuffer().pixels() + 1920 * 128);
    EXPECT_GT(CountAlpha(1600, 1700, Visible), 20);
    g_app.list[0].name = cut;
    g_app.captionStripDirty = true;
    ComposeAt(1700 - nameEnd);
    EXPECT_TRUE(std::equal(shown.begin(), shown.end(), renderer_.backBuffer().pixels()));
    g_app.list[0].name = std::wstring(kCaptionTextLimit, L'名');  // no ellipsis: a different end
    g_app.captionStripDirty = true;
    ComposeAt(1700 - nameEnd);
    EXPECT_FALSE(std::equal(shown.begin(), shown.end(), renderer_.backBuffer().pixels()));
    g_app.paused = true;

    // The list file keeps every character.
    TestFolder folder;
    g_app.listPath = folder.File(L"donations.txt");
    g_app.list[0].name = huge;
    SaveDonationList();
    ASSERT_TRUE(g_app.listSaved);
    const std::string file = ReadBytes(g_app.listPath);
    EXPECT_GT(file.size(), 4194304u * 3);
    EXPECT_NE(file.find("\xe5\x90\x8d\xe5\xb0\xbe,100"), std::string::npos) << "the name's end is not in the file";
}

TEST_F(RendererTest, ANewFontOnAShortListOrWhilePausedTakesEffectAtOnce) {
    g_app.paused = false;
    ComposeAt(0);
    const int oldHeight = renderer_.strip().parameters().title.height;
    g_app.settings.fontSize = 60;
    g_app.caption->font.reset();
    g_app.captionStripDirty = true;
    ASSERT_TRUE(ComposeProgramFrame(renderer_, 1920, 128));
    EXPECT_FALSE(renderer_.measuring());
    const int newHeight = renderer_.strip().parameters().title.height;
    EXPECT_GT(newHeight, oldHeight);

    for (int i = 0; i < 5000; ++i) g_app.list.push_back({L"捐赠人" + std::to_wstring(i), L"1元"});
    g_app.paused = true;
    g_app.settings.fontSize = 20;
    g_app.caption->font.reset();
    g_app.captionStripDirty = true;
    ComposeAt(-20000);
    EXPECT_FALSE(renderer_.measuring());
    EXPECT_LT(renderer_.strip().parameters().title.height, newHeight);
    EXPECT_TRUE(SameLayout(renderer_.strip(), FullLayout()));
}

}  // namespace

namespace {

// Only the band that can hold text is presented after the first frame, so
// no pixel outside it may ever be drawn.
TEST_F(RendererTest, EveryDrawnPixelLiesInTheTextBand) {
    g_app.settings.textOutline = true;
    g_app.settings.textShadow = true;
    g_app.list = {{L"张三", L"100元"}, {L"Maria García", L"2,000元"}, {L"（匿名）", L"50元"}};
    g_app.captionStripDirty = true;
    for (int x : {0, 300, 900}) {
        ComposeAt(x);
        const RECT band = renderer_.TextBand();
        EXPECT_GT(band.top, 0);
        EXPECT_LT(band.bottom, 128);
        int outside = 0;
        int inside = 0;
        for (int y = 0; y < 128; ++y) {
            for (int px = 0; px < 1920; ++px) {
                if (!(Pixel(px, y) >> 24)) continue;
                (y >= band.top && y < band.bottom) ? ++inside : ++outside;
            }
        }
        EXPECT_EQ(outside, 0) << "at " << x;
        EXPECT_GT(inside, 100) << "at " << x;
    }
}

}  // namespace
