// Playback, hotkeys, the tray callback and the exit path, driven through the
// real windows with the messages an operator's actions produce.
#include <gtest/gtest.h>

#include "ProgramWindowsTest.h"
#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "app/MessageLoop.h"
#include "app/Playback.h"
#include "app/Startup.h"
#include "ui/tray/Tray.h"
#include "ui/caption/CaptionMotion.h"
#include "ui/help/HelpWindow.h"
#include "ui/import/ImportWindow.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/PanelIds.h"
#include "app/Hotkeys.h"

namespace {


class PlaybackWindowTest : public ProgramWindowsTest {
protected:
    void SetUp() override {
        ProgramWindowsTest::SetUp();
        g_app.list = {{L"张三", L"100元"}};
        playButton_ = GetDlgItem(g_app.panel->window, kIdPlayButton);
        ASSERT_NE(playButton_, nullptr);
        RegisterHotkeys();
    }
    void TearDown() override {
        if (g_app.panel->window) UnregisterHotkeys(g_app.panel->window);
        ProgramWindowsTest::TearDown();
    }

    std::wstring PlayLabel() const {
        wchar_t text[32] = {};
        GetWindowTextW(playButton_, text, 32);
        return text;
    }

    HWND playButton_ = nullptr;
};

TEST_F(PlaybackWindowTest, ThePlayButtonShowsAndHidesTheCaption) {
    EXPECT_FALSE(IsWindowVisible(g_app.caption->window));
    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdPlayButton, BN_CLICKED), 0);
    EXPECT_FALSE(g_app.paused);
    EXPECT_TRUE(IsWindowVisible(g_app.caption->window));
    EXPECT_EQ(PlayLabel(), L"暂停并隐藏");

    g_app.caption->motion.scrollOffset = 123.0f;
    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdPlayButton, BN_CLICKED), 0);
    EXPECT_TRUE(g_app.paused);
    EXPECT_FALSE(IsWindowVisible(g_app.caption->window));
    EXPECT_EQ(PlayLabel(), L"继续播放");

    // A minute later the caption continues where it was hidden.
    g_app.lastFrameCounter -= 60 * g_app.counterFrequency;
    SendMessageW(g_app.panel->window, WM_HOTKEY, 4, 0);
    EXPECT_FALSE(g_app.paused);
    SendMessageW(g_app.caption->window, WM_TIMER, kCaptionWindowTimer, 0);
    EXPECT_LT(g_app.caption->motion.scrollOffset, 123.0f + 50 * 0.0625f * 3 + 0.01f);
    EXPECT_GE(g_app.caption->motion.scrollOffset, 123.0f);
}

TEST_F(PlaybackWindowTest, ClosingThePanelOnlyHidesItWhileHotkeysCanBringItBack) {
    ASSERT_EQ(g_app.registeredHotkeyCount, 4);
    ShowWindow(g_app.panel->window, SW_SHOW);
    SendMessageW(g_app.panel->window, WM_HOTKEY, 4, 0);  // playing
    SendMessageW(g_app.panel->window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(g_app.exiting);
    EXPECT_FALSE(IsWindowVisible(g_app.panel->window));
    EXPECT_TRUE(IsWindowVisible(g_app.caption->window));
    // The hotkeys are still ours.
    EXPECT_FALSE(RegisterHotKey(nullptr, 77, MOD_CONTROL | MOD_ALT, 'D'));
    EXPECT_EQ(GetLastError(), 1409u);  // ERROR_HOTKEY_ALREADY_REGISTERED
}

TEST_F(PlaybackWindowTest, HotkeyOneRestoresAMinimisedPanelAndHidesAVisibleOne) {
    ShowWindow(g_app.panel->window, SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(IsIconic(g_app.panel->window));
    SendMessageW(g_app.panel->window, WM_HOTKEY, 1, 0);
    EXPECT_FALSE(IsIconic(g_app.panel->window));
    EXPECT_TRUE(IsWindowVisible(g_app.panel->window));
    SendMessageW(g_app.panel->window, WM_HOTKEY, 1, 0);
    EXPECT_FALSE(IsWindowVisible(g_app.panel->window));
    EXPECT_TRUE(g_app.paused);  // the caption is not affected
}

TEST_F(PlaybackWindowTest, HotkeyTwoWhileHorizontalPlaysChangesAndSavesNothing) {
    SendMessageW(g_app.panel->window, WM_HOTKEY, 2, 0);
    EXPECT_FALSE(FileExists(g_app.settingsPath));
    SendMessageW(g_app.panel->window, WM_HOTKEY, 3, 0);
    EXPECT_EQ(g_app.settings.direction, ScrollDirection::Vertical);
    EXPECT_TRUE(FileExists(g_app.settingsPath));
}

TEST_F(PlaybackWindowTest, ALeftClickOnTheTrayIconShowsThePanel) {
    ShowWindow(g_app.panel->window, SW_HIDE);
    SendMessageW(g_app.panel->window, kTrayCallbackMessage, kTrayIconId, WM_LBUTTONUP);
    EXPECT_TRUE(IsWindowVisible(g_app.panel->window));
    ShowWindow(g_app.panel->window, SW_HIDE);
    SendMessageW(g_app.panel->window, kTrayCallbackMessage, kTrayIconId, WM_MOUSEMOVE);
    EXPECT_FALSE(IsWindowVisible(g_app.panel->window));
    SendMessageW(g_app.panel->window, kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(g_app.panel->window));
}

TEST_F(PlaybackWindowTest, TheHotkeyPageAppliesItsFields) {
    const int ids[] = {kIdHotkeyPanelField, kIdHotkeyHorizontalField, kIdHotkeyVerticalField, kIdHotkeyPauseField};
    const wchar_t* texts[] = {L"ctrl+alt+x", L"Alt", L"", L" Ctrl+Shift+F9 "};
    for (int i = 0; i < 4; ++i) {
        CreateWindowExW(0, L"EDIT", texts[i], WS_CHILD, 0, 0, 100, 20, g_app.panel->window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids[i])), nullptr, nullptr);
    }
    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdApplyHotkeys, BN_CLICKED), 0);
    EXPECT_EQ(g_app.settings.value, L"ctrl+alt+x");  // saved as typed
    EXPECT_EQ(g_app.settings.horizontal, L"Ctrl+Alt+H");
    EXPECT_EQ(g_app.settings.vertical, L"Ctrl+Alt+V");
    EXPECT_EQ(g_app.settings.pause, L"Ctrl+Shift+F9");
    EXPECT_TRUE(FileExists(g_app.settingsPath));
    EXPECT_FALSE(RegisterHotKey(nullptr, 78, MOD_CONTROL | MOD_ALT, 'X'));  // Ctrl+Alt+X is ours
}

TEST_F(PlaybackWindowTest, ASecondInstanceRunsWithoutTheTakenHotkeys) {
    // The first instance holds them (registered in SetUp); a second panel gets none.
    HWND first = g_app.panel->window;
    HWND second = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    g_app.panel->window = second;
    RegisterHotkeys();
    EXPECT_EQ(g_app.registeredHotkeyCount, 0);
    EXPECT_EQ(g_app.settings.value, L"Ctrl+Alt+D");  // the texts are kept
    g_app.panel->window = first;
    DestroyWindow(second);
}

TEST_F(PlaybackWindowTest, ExitUnregistersSavesDestroysAndEndsTheLoop) {
    g_app.list.push_back({L"李四", L"200元"});
    // Open help and import windows go with the panel.
    ShowHelp(2);
    OpenImportWindow();
    HWND help = g_app.helpWindow;
    HWND import = g_app.importWindow;
    ASSERT_TRUE(IsWindow(help));
    ASSERT_TRUE(IsWindow(import));
    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdTrayExit, 0), 0);
    EXPECT_TRUE(g_app.exiting);
    EXPECT_EQ(g_app.caption->window, nullptr);
    EXPECT_EQ(g_app.panel->window, nullptr);
    EXPECT_FALSE(IsWindow(help));
    EXPECT_FALSE(IsWindow(import));
    EXPECT_EQ(g_app.helpWindow, nullptr);
    EXPECT_EQ(g_app.importWindow, nullptr);
    EXPECT_EQ(g_app.registeredHotkeyCount, 0);
    EXPECT_TRUE(RegisterHotKey(nullptr, 79, MOD_CONTROL | MOD_ALT, 'D'));  // released
    UnregisterHotKey(nullptr, 79);
    EXPECT_TRUE(FileExists(g_app.settingsPath));
    EXPECT_NE(ReadBytes(g_app.listPath).find("\xE6\x9D\x8E\xE5\x9B\x9B,200"), std::string::npos);
    EXPECT_EQ(RunMessageLoop(), 0);
}

}  // namespace
