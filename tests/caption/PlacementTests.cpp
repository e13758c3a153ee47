#include <gtest/gtest.h>

#include "FakeMonitors.h"
#include "app/AppState.h"
#include "ui/caption/CaptionContent.h"
#include "ui/caption/CaptionPlacement.h"

namespace {

TEST(Screens, SortedByDeviceNameCodeUnitByCodeUnit) {
    std::vector<MonitorEntry> list = {FakeScreen(L"\\\\.\\DISPLAY2", {1920, 0, 3840, 1080}, false),
                                      FakeScreen(L"\\\\.\\DISPLAY10", {-1280, 0, 0, 1024}, false),
                                      FakeScreen(L"\\\\.\\DISPLAY1", {0, 0, 1920, 1080}, true),
                                      FakeScreen(L"\\\\.\\DISPLAY", {0, 0, 800, 600}, false)};
    SortMonitorsByDeviceName(list);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].deviceName, L"\\\\.\\DISPLAY");
    EXPECT_EQ(list[1].deviceName, L"\\\\.\\DISPLAY1");
    EXPECT_EQ(list[2].deviceName, L"\\\\.\\DISPLAY10");
    EXPECT_EQ(list[3].deviceName, L"\\\\.\\DISPLAY2");
}

TEST(Screens, ListTextsNameTheNumberPrimaryAndSize) {
    EXPECT_EQ(MonitorListText(FakeScreen(L"\\\\.\\DISPLAY1", {0, 0, 1920, 1080}, true)), L"显示器 1（主屏）  1920×1080");
    EXPECT_EQ(MonitorListText(FakeScreen(L"\\\\.\\DISPLAY12", {-2560, 0, 0, 1440}, false)), L"显示器 12  2560×1440");
    EXPECT_EQ(MonitorListText(FakeScreen(L"4711", {0, 0, 800, 600}, false)), L"显示器 4711  800×600");
    EXPECT_EQ(MonitorListText(FakeScreen(L"\\\\.\\PROJECTOR", {0, 0, 1024, 768}, false)), L"显示器 ?  1024×768");
}

TEST(Screens, ScaleFollowsTheTargetHeightWithinHalfAndFour) {
    const std::vector<MonitorEntry> list = {
        FakeScreen(L"A1", {0, 0, 1920, 1080}, true), FakeScreen(L"A2", {1920, 0, 5760, 2160}, false),
        FakeScreen(L"A3", {0, -400, 640, 0}, false), FakeScreen(L"A4", {0, 1080, 100, 6000}, false),
        FakeScreen(L"A5", {0, 0, 100, 0}, false)};
    EXPECT_DOUBLE_EQ(ScreenScaleIn(list, 0), 1.0);
    EXPECT_DOUBLE_EQ(ScreenScaleIn(list, 1), 2.0);
    EXPECT_DOUBLE_EQ(ScreenScaleIn(list, 2), 0.5);  // 400 / 1080 clamped
    EXPECT_DOUBLE_EQ(ScreenScaleIn(list, 3), 4.0);  // 4920 / 1080 clamped
    EXPECT_DOUBLE_EQ(ScreenScaleIn(list, 4), 1.0);  // no height
    EXPECT_DOUBLE_EQ(ScreenScaleIn(list, -1), 1.0);
    EXPECT_DOUBLE_EQ(ScreenScaleIn({}, 0), 1.0);
}

TEST(Screens, TargetIsTheNamedThenTheNearestThenThePrimaryScreen) {
    const std::vector<MonitorEntry> list = {FakeScreen(L"\\\\.\\DISPLAY1", {0, 0, 1920, 1080}, false),
                                            FakeScreen(L"\\\\.\\DISPLAY2", {1920, 0, 3840, 1080}, true)};
    EXPECT_EQ(TargetMonitorIndexIn(list, L"\\\\.\\display1", list[1].handle), 0);  // name, any case
    EXPECT_EQ(TargetMonitorIndexIn(list, L"\\\\.\\DISPLAY7", list[0].handle), 0);  // nearest
    EXPECT_EQ(TargetMonitorIndexIn(list, L"", nullptr), 1);                        // primary
    EXPECT_EQ(TargetMonitorIndexIn({}, L"\\\\.\\DISPLAY1", nullptr), -1);
    const std::vector<MonitorEntry> noPrimary = {list[0]};
    EXPECT_EQ(TargetMonitorIndexIn(noPrimary, L"x", nullptr), 0);
}

TEST(Placement, BottomSnapDistanceGrowsWithTheWorkArea) {
    EXPECT_EQ(BottomSnapDistance(600), 24);
    EXPECT_EQ(BottomSnapDistance(719), 24);
    EXPECT_EQ(BottomSnapDistance(720), 24);   // 2 × 12
    EXPECT_EQ(BottomSnapDistance(1040), 34);  // 2 × 17
    EXPECT_EQ(BottomSnapDistance(2160), 72);
    EXPECT_EQ(BottomSnapDistance(5000), 72);
}

TEST(Placement, MinimumHeightGrowsUpwardOnTheBottomEdgeOnly) {
    const RECT w{0, 0, 1920, 1040};
    // On the bottom edge: grows upward and stays there.
    VerticalSpan span = GrowToMinimumHeight(980, 60, 100, w);
    EXPECT_EQ(span.y, 940);
    EXPECT_EQ(span.height, 100);
    // 30 pixels above the bottom is within the snap distance of 34.
    span = GrowToMinimumHeight(950, 60, 100, w);
    EXPECT_EQ(span.y, 940);
    // Far from the bottom: grows downward.
    span = GrowToMinimumHeight(100, 60, 100, w);
    EXPECT_EQ(span.y, 100);
    EXPECT_EQ(span.height, 100);
    // Never beyond the work area's height.
    span = GrowToMinimumHeight(0, 50, 5000, RECT{0, -300, 800, 300});
    EXPECT_EQ(span.height, 600);
    EXPECT_EQ(span.y, 0);
    // Tall enough already: unchanged.
    span = GrowToMinimumHeight(10, 200, 100, w);
    EXPECT_EQ(span.y, 10);
    EXPECT_EQ(span.height, 200);
}

TEST(Placement, MovingToAnotherScreenKeepsTheDockEdgeAndScalesTheWidth) {
    const RECT from{0, 0, 1920, 1040};
    const RECT to{-1280, 0, 0, 984};
    const DirectionLayout bottom{0, 892, 1920, 128, 10, 3};
    const DockState bottomDock{DockEdge::Bottom, 70, 20};
    const DirectionLayout moved = MoveLayoutToScreen(bottom, bottomDock, from, to);
    EXPECT_EQ(moved.x, -1280);
    EXPECT_EQ(moved.width, 1280);
    EXPECT_EQ(moved.height, 121);  // 128 × 984 / 1040 = 121.1
    EXPECT_EQ(moved.y, 984 - 121 - 20);
    EXPECT_EQ(moved.nameAmountGap, 10);
    EXPECT_EQ(moved.speed, 3);

    const DirectionLayout top{960, 50, 400, 300, 30, 5};
    const DirectionLayout movedTop = MoveLayoutToScreen(top, DockState{DockEdge::Top, 70, 0}, from, to);
    EXPECT_EQ(movedTop.x, -1280 + 640);
    EXPECT_EQ(movedTop.y, 70);  // the offset decides, not the old y

    // A tiny screen never makes the caption narrower than 180 or lower than 40.
    const DirectionLayout tiny = MoveLayoutToScreen(DirectionLayout{0, 0, 200, 50, 0, 1}, bottomDock, from,
                                                    RECT{0, 0, 100, 60});
    EXPECT_EQ(tiny.width, 180);
    EXPECT_EQ(tiny.height, 40);
}

TEST(Placement, ACaptionLeftOnAnUnpluggedScreenComesBack) {
    const std::vector<MonitorEntry> remaining = {FakeScreen(L"\\\\.\\DISPLAY1", {0, 0, 1920, 1080}, true, 40)};
    const RECT work = remaining[0].workArea;
    // It was on a screen to the right that is gone now.
    const DirectionLayout lost{2200, 952, 2560, 128, 10, 3};
    const DirectionLayout back = BringLayoutOntoScreen(lost, DockState{DockEdge::Bottom, 70, 0}, work, remaining);
    EXPECT_EQ(back.x, 0);
    EXPECT_EQ(back.width, 1920);
    EXPECT_EQ(back.height, 128);
    EXPECT_EQ(back.y, 1040 - 128);
    // A huge top offset cannot push it below the screen.
    const DirectionLayout clamped = BringLayoutOntoScreen(lost, DockState{DockEdge::Top, 5000, 0}, work, remaining);
    EXPECT_EQ(clamped.y, 1040 - 128);
    // A caption still partly on a screen is left where the operator put it.
    const DirectionLayout partly{1800, 500, 600, 128, 10, 3};
    const DirectionLayout kept = BringLayoutOntoScreen(partly, DockState{}, work, remaining);
    EXPECT_EQ(kept.x, 1800);
    EXPECT_EQ(kept.y, 500);
}

TEST(Placement, GlyphPaddingMakesRoomForOutlineAndShadow) {
    EXPECT_EQ(GlyphPaddingFor(false, 2, false, 3, 1.0), 0);
    EXPECT_EQ(GlyphPaddingFor(true, 2, false, 3, 1.0), 6);     // po = 3, 3 + max(3, 0)
    EXPECT_EQ(GlyphPaddingFor(false, 2, true, 3, 1.0), 4);     // ps = 4, 0 + max(0, 4)
    EXPECT_EQ(GlyphPaddingFor(true, 2, true, 10, 1.0), 14);    // 3 + 11
    EXPECT_EQ(GlyphPaddingFor(true, 12, true, 20, 4.0), 66);   // 25 + 41
    EXPECT_EQ(GlyphPaddingFor(true, 1, false, 1, 0.25), 4);    // po = ceiling(0.5) + 1 = 2, twice
}

}  // namespace
