#include <gtest/gtest.h>

#include "FreshAppState.h"
#include "Confirmation.h"
#include "FakeMonitors.h"
#include "TestFolder.h"
#include "app/AppState.h"
#include "ui/panel/ControlPanel.h"
#include "ui/caption/CaptionContent.h"
#include "ui/caption/CaptionPlacement.h"
#include "commands/SettingsCommands.h"
#include "ui/panel/PanelViews.h"

namespace {

// Two screens side by side: a primary 1920 × 1080 with a 40-pixel taskbar and
// a 2560 × 1440 stage screen to its left.
class SettingsRecordTest : public testing::Test {
protected:
    void SetUp() override {
        StartFreshAppState();
        g_app.monitors = {FakeScreen(L"\\\\.\\DISPLAY1", {0, 0, 1920, 1080}, true, 40),
                          FakeScreen(L"\\\\.\\DISPLAY2", {-2560, 0, 0, 1440}, false)};
        g_app.settingsPath = folder_.File(L"settings.ini");
        g_app.settings = MakeDefaultSettings();
        g_app.directions = MakeDefaultDirectionRecords(PrimaryWorkArea());
        g_app.list = {{L"张三", L"100元"}};
    }

    TestFolder folder_;
};

TEST_F(SettingsRecordTest, DefaultsComeFromThePrimaryWorkArea) {
    const AppSettings& s = g_app.settings;
    EXPECT_EQ(s.monitor, L"\\\\.\\DISPLAY1");
    EXPECT_EQ(s.x, 0);
    EXPECT_EQ(s.y, 1040 - 128);
    EXPECT_EQ(s.width, 1920);
    EXPECT_EQ(s.height, 128);
    const DirectionLayout& v = g_app.directions.layouts[1];
    EXPECT_EQ(v.height, 1040);
    EXPECT_EQ(v.nameAmountGap, 30);
    EXPECT_EQ(g_app.directions.docks[0].edge, DockEdge::Bottom);
    EXPECT_EQ(g_app.directions.docks[1].edge, DockEdge::Top);
}

TEST_F(SettingsRecordTest, SwitchingThereAndBackRestoresEveryActiveValue) {
    AppSettings& s = g_app.settings;
    s.x = 33;
    s.y = 800;
    s.width = 1500;
    s.height = 150;
    s.nameAmountGap = 17;
    s.speed = 9;
    SwitchDirection(g_app, ProgramViews(), ScrollDirection::Vertical);
    EXPECT_EQ(s.direction, ScrollDirection::Vertical);
    EXPECT_EQ(s.height, 1040);
    EXPECT_EQ(s.nameAmountGap, 30);
    EXPECT_TRUE(FileExists(g_app.settingsPath));  // a switch saves
    s.speed = 4;
    SwitchDirection(g_app, ProgramViews(), ScrollDirection::Horizontal);
    EXPECT_EQ(s.x, 33);
    EXPECT_EQ(s.y, 800);
    EXPECT_EQ(s.width, 1500);
    EXPECT_EQ(s.height, 150);
    EXPECT_EQ(s.nameAmountGap, 17);
    EXPECT_EQ(s.speed, 9);
    EXPECT_EQ(g_app.directions.layouts[1].speed, 4);
    EXPECT_EQ(g_app.directions.lastAppliedDirection, ScrollDirection::Horizontal);
    // The bottom dock offset was recorded from the active rectangle: 1040 − 950.
    EXPECT_EQ(g_app.directions.docks[0].bottomOffset, 90);
}

TEST_F(SettingsRecordTest, SwitchingToThePlayingDirectionChangesAndSavesNothing) {
    g_app.settings.speed = 11;
    SwitchDirection(g_app, ProgramViews(), ScrollDirection::Horizontal);
    EXPECT_EQ(g_app.settings.speed, 11);
    EXPECT_FALSE(FileExists(g_app.settingsPath));
}

TEST_F(SettingsRecordTest, RecordDockOffsetUpdatesOnlyTheCurrentEdge) {
    g_app.settings.y = 1040 - 20 - 128;
    RecordDockOffset(ScrollDirection::Horizontal);
    EXPECT_EQ(g_app.directions.docks[0].bottomOffset, 20);
    EXPECT_EQ(g_app.directions.docks[0].topOffset, 70);
}

TEST_F(SettingsRecordTest, RestoringDefaultsKeepsTheListAndResetsEverythingElse) {
    AppSettings& s = g_app.settings;
    s.thousandsSeparator = true;
    s.fontFace = L"黑体";
    s.value = L"Ctrl+F1";
    SelectTargetScreen(g_app, ProgramViews(), 1);
    SwitchDirection(g_app, ProgramViews(), ScrollDirection::Vertical);
    ASSERT_EQ(s.monitor, L"\\\\.\\DISPLAY2");

    RestoreDefaultSettings(g_app, ProgramViews());
    EXPECT_EQ(g_app.list.size(), 1u);
    EXPECT_FALSE(s.thousandsSeparator);
    EXPECT_EQ(s.fontFace, L"宋体");
    EXPECT_EQ(s.value, L"Ctrl+Alt+D");
    EXPECT_EQ(s.pause, L"Ctrl+Alt+P");
    EXPECT_EQ(s.direction, ScrollDirection::Horizontal);
    EXPECT_EQ(s.monitor, L"\\\\.\\DISPLAY1");
    EXPECT_EQ(s.x, 0);
    EXPECT_EQ(s.y, 1040 - 128);
    EXPECT_EQ(s.width, 1920);
    EXPECT_EQ(s.height, 128);
    EXPECT_TRUE(s.topMost);
    EXPECT_EQ(g_app.directions.layouts[1].x, 0);
    EXPECT_EQ(g_app.directions.docks[0].bottomOffset, 0);
}

TEST_F(SettingsRecordTest, PickingAnotherScreenMovesBothLayoutsByTheirDockEdges) {
    AppSettings& s = g_app.settings;
    s.y = 1040 - 128 - 30;  // 30 above the taskbar
    SelectTargetScreen(g_app, ProgramViews(), 1);
    EXPECT_EQ(s.monitor, L"\\\\.\\DISPLAY2");
    EXPECT_EQ(s.x, -2560);
    EXPECT_EQ(s.width, 2560);
    EXPECT_EQ(s.height, 177);  // 128 × 1440 / 1040 = 177.2
    EXPECT_EQ(s.y, 1440 - 177 - 30);
    const DirectionLayout& v = g_app.directions.layouts[1];
    EXPECT_EQ(v.x, -2560);
    EXPECT_EQ(v.y, 70);  // docked at the top with the default offset
    EXPECT_EQ(v.height, 1440);
    EXPECT_TRUE(FileExists(g_app.settingsPath));

    // Picking the screen that already is the target moves nothing.
    const int x = s.x;
    SelectTargetScreen(g_app, ProgramViews(), 1);
    EXPECT_EQ(s.x, x);
}

TEST_F(SettingsRecordTest, ALargeFontMakesTheHorizontalCaptionTaller) {
    AppSettings& s = g_app.settings;
    s.fontSize = 100;  // well over a 128-pixel caption
    const int minimum = MinimumCaptionHeight();
    ASSERT_GT(minimum, 128);
    EnsureMinimumCaptionHeight();
    EXPECT_EQ(s.height, minimum);
    EXPECT_EQ(s.y + s.height, 1040);  // it sat on the bottom edge and stays there
    EXPECT_EQ(g_app.directions.layouts[0].height, minimum);

    // The vertical direction has no such rule.
    SwitchDirection(g_app, ProgramViews(), ScrollDirection::Vertical);
    s.height = 50;
    EnsureMinimumCaptionHeight();
    EXPECT_EQ(s.height, 50);
}

}  // namespace

namespace {

TEST_F(SettingsRecordTest, AnUnpluggedTargetHandsTheCaptionToTheRemainingScreen) {
    AppSettings& s = g_app.settings;
    // The caption was set up on a screen that is no longer attached.
    s.monitor = L"\\\\.\\DISPLAY9";
    s.x = 6000;
    s.y = 900;
    g_app.directions.layouts[1] = DirectionLayout{6000, 0, 1920, 1080, 30, 3};
    HandleDisplayChange();  // the real screens of this display
    ASSERT_FALSE(g_app.monitors.empty());
    const MonitorEntry* primary = &g_app.monitors[0];
    for (const MonitorEntry& m : g_app.monitors) {
        if (m.primary) primary = &m;
    }
    EXPECT_EQ(s.monitor, primary->deviceName);
    RECT caption = ActiveCaptionRect(s);
    RECT overlap{};
    EXPECT_TRUE(IntersectRect(&overlap, &caption, &primary->workArea)) << "the caption must be findable";
    const DirectionLayout& v = g_app.directions.layouts[1];
    caption = RECT{v.x, v.y, v.x + v.width, v.y + v.height};
    EXPECT_TRUE(IntersectRect(&overlap, &caption, &primary->workArea));
}

TEST_F(SettingsRecordTest, TargetScreenListShowsEveryScreenAndSelectsTheTarget) {
    HWND panel = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    HWND combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 100, 200, panel,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(1046)), nullptr, nullptr);
    ASSERT_NE(combo, nullptr);
    g_app.panel->window = panel;
    g_app.settings.monitor = L"\\\\.\\DISPLAY2";
    FillTargetScreenCombo();
    FillTargetScreenCombo();  // refilling does not add the entries twice
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
    wchar_t text[64] = {};
    SendMessageW(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"显示器 1（主屏）  1920×1080");
    SendMessageW(combo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"显示器 2  2560×1440");
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
    g_app.panel->window = nullptr;
    DestroyWindow(panel);
}

}  // namespace

namespace {

ConfirmationSeen ConfirmAndAnswer(int answer) {
    return AnswerConfirmation(L"恢复默认", answer, [] { ConfirmRestoreDefaults(g_app, ProgramViews()); });
}

TEST_F(SettingsRecordTest, RestoreDefaultsAsksFirstAndNoChangesNothing) {
    g_app.settings.fontSize = 77;
    ConfirmationSeen seen = ConfirmAndAnswer(IDNO);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.text, L"确定要恢复默认设置吗？名单不会被清空。");
    EXPECT_TRUE(seen.yesAndNo);
    EXPECT_EQ(g_app.settings.fontSize, 77);
    EXPECT_FALSE(FileExists(g_app.settingsPath));

    seen = ConfirmAndAnswer(IDYES);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(g_app.settings.fontSize, 35);
    EXPECT_TRUE(FileExists(g_app.settingsPath));
    EXPECT_EQ(g_app.list.size(), 1u);
}

}  // namespace
