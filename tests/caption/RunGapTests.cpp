// The blank space between a name and its amount, read from the drawn pixels:
// whatever the script of the name, the gap the operator set is what shows.
#include <gtest/gtest.h>

#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ComposedFrame.h"
#include "GdiplusSuite.h"
#include "FreshAppState.h"
#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "ui/caption/CaptionMotion.h"
#include "ui/caption/LayeredRenderer.h"
#include "core/caption/GlyphRuns.h"
#include "ui/caption/CaptionText.h"

namespace {

constexpr int kViewWidth = 1920;
constexpr int kViewHeight = 128;

// Names drawn in pure green, amounts in pure red: the channels tell the runs apart.
bool Green(uint32_t p) { return ((p >> 8) & 0xFF) > 24 && ((p >> 8) & 0xFF) > ((p >> 16) & 0xFF); }
bool Red(uint32_t p) { return ((p >> 16) & 0xFF) > 24 && ((p >> 16) & 0xFF) > ((p >> 8) & 0xFF); }

struct InkColumns {
    int lastName = -1;
    int firstAmount = -1;
    int Blank() const { return firstAmount - lastName - 1; }
};

class RunGapTest : public WithGdiplus<testing::TestWithParam<bool>> {
protected:

    void SetUp() override {
        StartFreshAppState();
        g_app.settings.textColor = RGB(0, 255, 0);
        g_app.settings.amountColor = RGB(255, 0, 0);
        g_app.settings.titlePrefix.clear();
        g_app.settings.nameAmountGap = 10;
        g_app.settings.textOutline = GetParam();
        g_app.settings.outlineColor = RGB(0, 0, 0);
        g_app.settings.textShadow = false;
    }
    void TearDown() override { renderer_.Release(); }

    // Draws one entry at the view's left edge and finds the ink on either side of the gap.
    InkColumns DrawEntry(const std::wstring& name, const std::wstring& amount) {
        g_app.list = {{name, amount}};
        g_app.captionStripDirty = true;
        g_app.caption->motion.scrollOffset = static_cast<float>(kViewWidth);
        InkColumns ink;
        if (!ComposeProgramFrame(renderer_, kViewWidth, kViewHeight)) return ink;
        const uint32_t* pixels = renderer_.backBuffer().pixels();
        for (int x = 0; x < kViewWidth; ++x) {
            bool green = false;
            bool red = false;
            for (int y = 0; y < kViewHeight; ++y) {
                green = green || Green(pixels[y * kViewWidth + x]);
                red = red || Red(pixels[y * kViewWidth + x]);
            }
            if (green) ink.lastName = x;
            if (red && ink.firstAmount < 0) ink.firstAmount = x;
        }
        return ink;
    }

    LayeredCaptionRenderer renderer_;
};

TEST_P(RunGapTest, TheBlankBetweenNameAndAmountIsTheSameForEveryScript) {
    const std::vector<std::pair<std::wstring, std::wstring>> entries = {
        {L"张三", L"100元"},
        {L"Maria García", L"200元"},
        {L"O'Brien & Sons", L"$1,500"},
        {L"上海某某科技有限公司（捐赠部）", L"3000元"},
        {L"王五", L"750€"},
        {L"李四 Li Si 2024", L"（匿名）88元"},
        {L"1234567", L"1元"},
    };
    std::vector<int> blanks;
    for (const auto& [name, amount] : entries) {
        const InkColumns ink = DrawEntry(name, amount);
        ASSERT_GE(ink.lastName, 0) << "no name ink for entry";
        EXPECT_GT(ink.firstAmount, ink.lastName) << "amount ink overlaps the name";
        blanks.push_back(ink.Blank());
    }
    const auto [low, high] = std::minmax_element(blanks.begin(), blanks.end());
    std::wstring all;
    for (int b : blanks) all += std::to_wstring(b) + L" ";
    EXPECT_LE(*high - *low, 2) << "blank columns per entry: " << std::string(all.begin(), all.end());
    // The gap of 10 shows as about 10 blank columns (padding and the outline's edge aside), never as none.
    EXPECT_GE(*low, 6);
}

TEST_P(RunGapTest, AWiderGapWidensTheBlankByTheSameAmount) {
    const int before = DrawEntry(L"Maria García", L"200元").Blank();
    g_app.settings.nameAmountGap = 40;
    const int after = DrawEntry(L"Maria García", L"200元").Blank();
    EXPECT_NEAR(after - before, 30, 1);
}

INSTANTIATE_TEST_SUITE_P(PlainAndOutlined, RunGapTest, testing::Bool());

}  // namespace

namespace {

class GlyphCacheTest : public WithGdiplus<testing::Test> {};

// The widths made from cached glyph metrics equal those of the whole run's
// path, for every script the caption meets and for both kinds of extent.
TEST_F(GlyphCacheTest, GlyphByGlyphWidthsEqualTheWholePath) {
    const std::wstring texts[] = {
        L"张三", L"上海某某科技有限公司（捐赠部）", L"Maria García", L"O'Brien & Sons", L"1234567", L"1,500元",
        L"750€", L"$1,500", L"李四 Li Si 2024", L"（匿名）88元", L"Ærø Ökonomie ñandú", L"Ωμέγα Ψ", L"Жанна",
        L"、", L" | ", L"捐款人名单: ", L"A", L"——《》“”", L"全角１２３ＡＢＣ", L"x y  z",
    };
    HDC dc = CreateCompatibleDC(nullptr);
    for (bool bold : {false, true}) {
        for (float em : {26.0f, 47.0f, 96.0f}) {
            CaptionTextStyle style;
            style.face = L"宋体";
            style.emPixels = em;
            style.bold = bold;
            CaptionTextEngine engine;
            ASSERT_TRUE(engine.SetStyle(style));
            for (const std::wstring& text : texts) {
                for (CaptionRunKind kind : {CaptionRunKind::Name, CaptionRunKind::Separator}) {
                    const RunSize cached = engine.Measure(dc, text, kind);
                    const RunSize whole = engine.MeasureByPaths(dc, text, kind);
                    EXPECT_EQ(cached.width, whole.width)
                        << std::string(text.begin(), text.end()) << " at " << em << " px, bold " << bold
                        << (kind == CaptionRunKind::Separator ? ", advance" : ", ink");
                    EXPECT_EQ(cached.height, whole.height);
                }
            }
            engine.Reset();
        }
    }
    DeleteDC(dc);
}

TEST(GlyphRuns, ShapedTextsAreMeasuredWhole) {
    EXPECT_TRUE(SetGlyphByGlyph(L"张三 Maria García 1,500元（捐赠部）"));
    EXPECT_FALSE(SetGlyphByGlyph(L"e\u0301"));             // a combining accent
    EXPECT_FALSE(SetGlyphByGlyph(L"\u0645\u062d\u0645\u062f"));  // Arabic joins
    EXPECT_FALSE(SetGlyphByGlyph(L"\U0001F600"));          // a surrogate pair
    EXPECT_FALSE(SetGlyphByGlyph(L"a\u200db"));            // a joiner
    EXPECT_FALSE(SetGlyphByGlyph(L"\u0915\u094d\u0937"));  // Devanagari conjunct
}

}  // namespace

namespace {

// Drawing only the glyphs that reach a window gives there the same pixels as
// drawing the whole run.
TEST_F(GlyphCacheTest, AClippedRunDrawsTheSamePixelsInItsWindow) {
    const int width = 2400;
    const int height = 80;
    std::wstring name;
    for (int i = 0; i < 60; ++i) name += L"张García（捐）1,2€ ";
    name += L"尾";
    for (bool outline : {false, true}) {
        CaptionTextStyle style;
        style.face = L"宋体";
        style.emPixels = 40.0f;
        style.outline = outline;
        style.outlineWidth = 2.0f;
        style.outlineColor = RGB(0, 0, 255);
        style.shadow = outline;
        style.shadowDistance = 3.0f;
        style.shadowColor = RGB(0, 255, 0);
        CaptionTextEngine engine;
        ASSERT_TRUE(engine.SetStyle(style));
        std::vector<uint32_t> whole(static_cast<size_t>(width) * height, 0);
        std::vector<uint32_t> clipped(whole.size(), 0);
        const float x = -5000.0f;  // the run starts far left of the window
        const float clipLeft = 700.0f;
        const float clipRight = 1500.0f;
        for (auto* pixels : {&whole, &clipped}) {
            Gdiplus::Bitmap surface(width, height, width * 4, PixelFormat32bppPARGB,
                                    reinterpret_cast<BYTE*>(pixels->data()));
            Gdiplus::Graphics graphics(&surface);
            if (pixels == &whole) {
                engine.Draw(graphics, x, 10.0f, name, CaptionRunKind::Name, RGB(255, 0, 0));
            } else {
                engine.Draw(graphics, x, 10.0f, name, CaptionRunKind::Name, RGB(255, 0, 0), clipLeft, clipRight);
            }
        }
        int inked = 0;
        int differing = 0;
        for (int row = 0; row < height; ++row) {
            for (int column = static_cast<int>(clipLeft); column < static_cast<int>(clipRight); ++column) {
                const size_t i = static_cast<size_t>(row) * width + column;
                inked += whole[i] >> 24 ? 1 : 0;
                differing += whole[i] != clipped[i] ? 1 : 0;
            }
        }
        EXPECT_GT(inked, 1000) << "outline " << outline;
        EXPECT_EQ(differing, 0) << "outline " << outline;
        // Far outside the window nothing was drawn.
        int outside = 0;
        for (int row = 0; row < height; ++row) {
            for (int column = 0; column < 400; ++column) outside += clipped[static_cast<size_t>(row) * width + column] ? 1 : 0;
        }
        EXPECT_EQ(outside, 0);
        engine.Reset();
    }
}

}  // namespace
