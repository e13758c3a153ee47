#include <gtest/gtest.h>

#include "FreshAppState.h"
#include "TestFolder.h"
#include "commands/SettingsCommands.h"
#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "ui/panel/ControlPanel.h"
#include "ui/caption/CaptionContent.h"
#include "ui/caption/CaptionMotion.h"
#include "core/caption/StripTiles.h"
#include "ui/panel/PanelViews.h"

namespace {

TEST(StripTiles, BlendSpansAreClippedToTheView) {
    BlendSpan s = ClipBlendSpan(100.0, 500, 1920);
    EXPECT_EQ(s.destination, 100);
    EXPECT_EQ(s.source, 0);
    EXPECT_EQ(s.length, 500);
    s = ClipBlendSpan(-30.7, 500, 1920);  // truncated toward zero: -30
    EXPECT_EQ(s.destination, 0);
    EXPECT_EQ(s.source, 30);
    EXPECT_EQ(s.length, 470);
    s = ClipBlendSpan(1800.0, 500, 1920);
    EXPECT_EQ(s.destination, 1800);
    EXPECT_EQ(s.length, 120);
    s = ClipBlendSpan(-600.0, 500, 1920);
    EXPECT_LE(s.length, 0);
    s = ClipBlendSpan(2000.0, 500, 1920);
    EXPECT_LE(s.length, 0);
    s = ClipBlendSpan(-100.0, 5000, 1920);  // wider than the view on both sides
    EXPECT_EQ(s.source, 100);
    EXPECT_EQ(s.length, 1920);
}

TEST(StripTiles, OnlyTilesMeetingTheViewAreNeeded) {
    // A strip of 10,000 pixels in 512-pixel tiles, view 1920 wide.
    EXPECT_EQ(TileCount(10000, 512), 20);
    EXPECT_EQ(TileCount(512, 512), 1);
    EXPECT_EQ(TileCount(0, 512), 0);
    TileRange r = TilesInView(0.0, 10000, 1920, 512, 0);
    EXPECT_EQ(r.first, 0);
    EXPECT_EQ(r.last, 3);
    r = TilesInView(-5000.0, 10000, 1920, 512, 1);
    EXPECT_EQ(r.first, 9);   // strip pixel 5000
    EXPECT_EQ(r.last, 14);   // pixel 6919 is in tile 13, plus one ahead
    r = TilesInView(-9900.0, 10000, 1920, 512, 1);
    EXPECT_EQ(r.first, 19);
    EXPECT_EQ(r.last, 19);   // never past the last tile
    // Wholly past the view: nothing.
    r = TilesInView(-20000.0, 10000, 1920, 512, 1);
    EXPECT_LT(r.last, r.first);
    // About to enter at the right edge: the first tile is drawn ahead.
    r = TilesInView(1950.0, 10000, 1920, 512, 1);
    EXPECT_EQ(r.first, 0);
    EXPECT_EQ(r.last, 0);
    r = TilesInView(5000.0, 10000, 1920, 512, 1);
    EXPECT_LT(r.last, r.first);
}

TEST(CaptionMetrics, FontPixelsFollowPointsAndAreClamped) {
    StartFreshAppState();  // no panel: the screen's DPI, 96 under Xvfb
    g_app.settings.fontSize = 35;
    EXPECT_EQ(CaptionFontPixels(), 47);  // 35 × 96 / 72 = 46.7
    g_app.settings.fontSize = 1;
    EXPECT_EQ(CaptionFontPixels(), 10);
    g_app.settings.fontSize = 500;
    EXPECT_EQ(CaptionFontPixels(), 640);
    g_app.settings.textOutline = true;
    g_app.settings.outlineSize = 2;
    EXPECT_EQ(GlyphPadding(), 6);
}

TEST(CaptionMetrics, SwitchingDirectionRestartsTheScroll) {
    StartFreshAppState();
    TestFolder folder;
    g_app.settingsPath = folder.File(L"settings.ini");  // a switch saves
    g_app.caption->motion.scrollOffset = 321.0f;
    SwitchDirection(g_app, ProgramViews(), ScrollDirection::Vertical);
    EXPECT_FLOAT_EQ(g_app.caption->motion.scrollOffset, 0.0f);
    g_app.caption->motion.scrollOffset = 50.0f;
    InvalidateCaptionLayout();  // a list or style change keeps the position
    EXPECT_FLOAT_EQ(g_app.caption->motion.scrollOffset, 50.0f);
}

}  // namespace
