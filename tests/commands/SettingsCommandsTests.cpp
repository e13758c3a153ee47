// The settings commands on a record of their own, without a window: what
// they change, what they tell the views, and what reaches settings.ini.
#include <gtest/gtest.h>

#include "FakeMonitors.h"
#include "RecordingViews.h"
#include "TestFolder.h"
#include "app/AppState.h"
#include "commands/SettingsCommands.h"

namespace {

class SettingsCommandsTest : public testing::Test {
protected:
    void SetUp() override {
        app_.monitors = {FakeScreen(L"\\\\.\\DISPLAY1", {0, 0, 1920, 1080}, true, 40)};
        app_.settingsPath = folder_.File(L"settings.ini");
        RestoreDefaultSettings(app_, views_);
    }

    // What a fresh start would read from the file.
    AppSettings Reread() const {
        AppState again;
        again.monitors = app_.monitors;
        again.settingsPath = app_.settingsPath;
        LoadSettings(again);
        return again.settings;
    }

    TestFolder folder_;
    AppState app_;
    RecordingViews views_;
};

TEST_F(SettingsCommandsTest, DefaultsComeFromThePrimaryScreenAndAreSaved) {
    EXPECT_EQ(views_.settingsChanges, std::vector<SettingsChange>{SettingsChange::Everything});
    EXPECT_EQ(app_.settings.width, 1920);
    EXPECT_EQ(app_.settings.y, 1040 - 128);
    EXPECT_EQ(app_.settings.monitor, L"\\\\.\\DISPLAY1");
    const AppSettings again = Reread();
    EXPECT_EQ(again.y, app_.settings.y);
    EXPECT_EQ(again.monitor, app_.settings.monitor);
}

TEST_F(SettingsCommandsTest, ASwitchTellsTheViewsOnceAndTheFileKeepsIt) {
    SwitchDirection(app_, views_, ScrollDirection::Vertical);
    ASSERT_EQ(views_.settingsChanges.size(), 2u);
    EXPECT_EQ(views_.settingsChanges[1], SettingsChange::Direction);
    EXPECT_EQ(app_.settings.direction, ScrollDirection::Vertical);
    EXPECT_EQ(Reread().direction, ScrollDirection::Vertical);

    // The direction in force: nothing to do, nothing told.
    SwitchDirection(app_, views_, ScrollDirection::Vertical);
    EXPECT_EQ(views_.settingsChanges.size(), 2u);

    // Back again: the horizontal layout it left is the one it finds.
    SwitchDirection(app_, views_, ScrollDirection::Horizontal);
    EXPECT_EQ(app_.settings.height, 128);
    EXPECT_EQ(app_.settings.width, 1920);
}

TEST_F(SettingsCommandsTest, RestoringTheDefaultsAsksFirstAndNoChangesNothing) {
    app_.settings.fontSize = 60;
    views_.answer = false;
    ConfirmRestoreDefaults(app_, views_);
    EXPECT_EQ(views_.asked, std::vector<ConfirmKind>{ConfirmKind::RestoreDefaults});
    EXPECT_EQ(app_.settings.fontSize, 60);
    EXPECT_EQ(views_.settingsChanges.size(), 1u);

    views_.answer = true;
    ConfirmRestoreDefaults(app_, views_);
    EXPECT_EQ(app_.settings.fontSize, AppSettings{}.fontSize);
    EXPECT_EQ(views_.settingsChanges.size(), 2u);
}

TEST_F(SettingsCommandsTest, AppliedValuesBelongToTheDirectionThatWasShowing) {
    AppSettings read = app_.settings;
    read.fontSize = 48;
    EXPECT_TRUE(ApplySettings(app_, views_, read));
    EXPECT_EQ(views_.settingsChanges.back(), SettingsChange::Applied);
    EXPECT_EQ(Reread().fontSize, 48);

    // The width was typed for the horizontal caption, then vertical chosen.
    read = app_.settings;
    read.width = 1234;
    read.direction = ScrollDirection::Vertical;
    EXPECT_TRUE(ApplySettings(app_, views_, read));
    EXPECT_EQ(views_.settingsChanges.back(), SettingsChange::AppliedNewDirection);
    EXPECT_EQ(app_.settings.direction, ScrollDirection::Vertical);
    EXPECT_NE(app_.settings.width, 1234);
    SwitchDirection(app_, views_, ScrollDirection::Horizontal);
    EXPECT_EQ(app_.settings.width, 1234);
    EXPECT_EQ(app_.settings.fontSize, 48);
}

TEST_F(SettingsCommandsTest, OneControlsChangeTellsWhatToRedoAndSaves) {
    EXPECT_TRUE(ChangeSettings(app_, views_, SettingsChange::Amounts, [](AppSettings& s) {
        s.thousandsSeparator = !AppSettings{}.thousandsSeparator;
    }));
    EXPECT_EQ(views_.settingsChanges.back(), SettingsChange::Amounts);
    EXPECT_EQ(Reread().thousandsSeparator, !AppSettings{}.thousandsSeparator);
}

TEST_F(SettingsCommandsTest, ADockPresetTakesTheTypedGeometryToTheEdge) {
    const int topOffset = app_.directions.docks[static_cast<size_t>(DirectionIndex(ScrollDirection::Horizontal))].topOffset;
    AppSettings typed = app_.settings;
    typed.height = 200;
    typed.y = 1040 - 200 - 10;  // typed 10 pixels above the taskbar
    EXPECT_TRUE(DockCaption(app_, views_, typed, DockEdge::Top));
    EXPECT_EQ(views_.settingsChanges.back(), SettingsChange::Placement);
    EXPECT_EQ(app_.settings.height, 200);
    EXPECT_EQ(app_.settings.y, topOffset);
    // Back at the bottom, at the distance the bottom edge remembered.
    EXPECT_TRUE(DockCaption(app_, views_, app_.settings, DockEdge::Bottom));
    EXPECT_EQ(app_.settings.y, 1040 - 200 - 10);
    EXPECT_EQ(Reread().y, 1040 - 200 - 10);
}

TEST_F(SettingsCommandsTest, ATargetScreenTakesBothLayoutsAlong) {
    app_.monitors.push_back(FakeScreen(L"\\\\.\\DISPLAY2", {1920, 0, 1920 + 2560, 1440}, false));
    SelectTargetScreen(app_, views_, 1);
    EXPECT_EQ(views_.settingsChanges.back(), SettingsChange::Screen);
    EXPECT_EQ(app_.settings.monitor, L"\\\\.\\DISPLAY2");
    EXPECT_GE(app_.settings.x, 1920);
    const DirectionLayout& vertical = app_.directions.layouts[static_cast<size_t>(DirectionIndex(ScrollDirection::Vertical))];
    EXPECT_GE(vertical.x, 1920);
    EXPECT_EQ(Reread().monitor, L"\\\\.\\DISPLAY2");

    // Out of range: nothing happens.
    const size_t told = views_.settingsChanges.size();
    SelectTargetScreen(app_, views_, 2);
    EXPECT_EQ(views_.settingsChanges.size(), told);
}

TEST_F(SettingsCommandsTest, AnUnpluggedTargetHandsTheCaptionToThePrimaryScreen) {
    app_.monitors.push_back(FakeScreen(L"\\\\.\\DISPLAY2", {1920, 0, 1920 + 2560, 1440}, false));
    SelectTargetScreen(app_, views_, 1);
    std::vector<MonitorEntry> left = {app_.monitors[0]};
    TakeInScreens(app_, views_, left);
    EXPECT_EQ(app_.monitors.size(), 1u);
    EXPECT_EQ(app_.settings.monitor, L"\\\\.\\DISPLAY1");
    EXPECT_LT(app_.settings.x, 1920) << "the caption is on a screen that exists";
    EXPECT_EQ(views_.settingsChanges.back(), SettingsChange::Screen);

    // The same screens again: the target stays, nothing is moved.
    const int x = app_.settings.x;
    TakeInScreens(app_, views_, left);
    EXPECT_EQ(app_.settings.x, x);
    EXPECT_EQ(views_.settingsChanges.back(), SettingsChange::Applied);
}

TEST_F(SettingsCommandsTest, EmptyHotkeyTextsGiveTheDefaults) {
    ApplyHotkeyTexts(app_, views_, {L"  ", L"Ctrl+Shift+F9", L"", L"Alt+P"});
    EXPECT_EQ(views_.settingsChanges.back(), SettingsChange::Hotkeys);
    EXPECT_EQ(app_.settings.value, DefaultHotkeyText(1));
    EXPECT_EQ(app_.settings.horizontal, L"Ctrl+Shift+F9");
    EXPECT_EQ(app_.settings.vertical, DefaultHotkeyText(3));
    EXPECT_EQ(Reread().pause, L"Alt+P");
}

TEST_F(SettingsCommandsTest, OnlyHotkeyTextsTheGrammarCannotReadBecomeDefaults) {
    app_.settings.value = L"Alt";         // no key
    app_.settings.vertical = L"Ctrl+";    // no key either
    app_.settings.pause = L"ctrl+alt+x";  // readable: kept as typed
    KeepUsableHotkeys(app_);
    EXPECT_EQ(app_.settings.value, DefaultHotkeyText(1));
    EXPECT_EQ(app_.settings.vertical, DefaultHotkeyText(3));
    EXPECT_EQ(app_.settings.pause, L"ctrl+alt+x");
}

TEST_F(SettingsCommandsTest, ALowCaptionGrowsInsideItsScreen) {
    app_.settings.height = 40;
    app_.settings.y = 1040 - 40;  // on the taskbar's edge
    KeepMinimumCaptionHeight(app_, 100);
    EXPECT_EQ(app_.settings.height, 100);
    EXPECT_EQ(app_.settings.y + app_.settings.height, 1040) << "it grows upwards, not under the taskbar";
    KeepMinimumCaptionHeight(app_, 60);  // already high enough
    EXPECT_EQ(app_.settings.height, 100);
    app_.settings.direction = ScrollDirection::Vertical;
    app_.settings.height = 40;
    KeepMinimumCaptionHeight(app_, 100);  // a vertical caption has no such rule
    EXPECT_EQ(app_.settings.height, 40);
}

TEST_F(SettingsCommandsTest, ASaveThatCannotWriteSaysSo) {
    ASSERT_TRUE(SaveSettings(app_));
    ASSERT_TRUE(SetFileAttributesW(app_.settingsPath.c_str(), FILE_ATTRIBUTE_READONLY));
    app_.settings.fontSize = 50;
    EXPECT_FALSE(SaveSettings(app_));
    SetFileAttributesW(app_.settingsPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_NE(Reread().fontSize, 50);
    EXPECT_TRUE(SaveSettings(app_));
    EXPECT_EQ(Reread().fontSize, 50);
}

}  // namespace
