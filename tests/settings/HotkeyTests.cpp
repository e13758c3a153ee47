#include <gtest/gtest.h>

#include "FreshAppState.h"
#include "RecordingViews.h"
#include "TestFolder.h"
#include "app/AppState.h"
#include "ui/panel/ControlPanel.h"
#include "app/Playback.h"
#include "ui/tray/Tray.h"
#include "commands/SettingsCommands.h"
#include "app/Hotkeys.h"
#include "ui/panel/PanelViews.h"

namespace {

void ExpectParse(const wchar_t* text, UINT modifiers, UINT key, bool valid) {
    const ParsedHotkey p = ParseHotkey(text);
    EXPECT_EQ(p.binding.modifiers, modifiers) << text;
    EXPECT_EQ(p.binding.virtualKey, key) << text;
    EXPECT_EQ(p.valid, valid) << text;
}

TEST(Hotkeys, TheGrammarOfTheExamples) {
    ExpectParse(L"Ctrl+Alt+D", MOD_CONTROL | MOD_ALT, 'D', true);
    ExpectParse(L" ctrl + shift + f5 ", MOD_CONTROL | MOD_SHIFT, VK_F5, true);
    ExpectParse(L"Ctrl+Alt+F", MOD_CONTROL | MOD_ALT, 'F', true);
    ExpectParse(L"Ctrl+Alt+D+E", MOD_CONTROL | MOD_ALT, 'E', true);
    ExpectParse(L"Control+Win+9", MOD_CONTROL | MOD_WIN, '9', true);
    ExpectParse(L"Alt+F25", MOD_ALT, 0, false);
    ExpectParse(L"Ctrl+Alt+Del", MOD_CONTROL | MOD_ALT, 0, false);
    ExpectParse(L"D", 0, 'D', false);
    ExpectParse(L"", 0, 0, false);
}

TEST(Hotkeys, FunctionKeysAndOddTokens) {
    ExpectParse(L"Alt+F1", MOD_ALT, VK_F1, true);
    ExpectParse(L"Alt+F24", MOD_ALT, VK_F24, true);
    ExpectParse(L"Alt+F0", MOD_ALT, 0, false);
    ExpectParse(L"Alt+F12x", MOD_ALT, VK_F12, true);  // anything after the digits is ignored
    ExpectParse(L"Alt+Fx", MOD_ALT, 0, false);
    ExpectParse(L"Alt++F3+", MOD_ALT, VK_F3, true);  // empty tokens are ignored
    ExpectParse(L"ALT+SHIFT+\tq\r\n", MOD_ALT | MOD_SHIFT, 'Q', true);
    ExpectParse(L"Ctrl+Ä", MOD_CONTROL, 0, false);  // only ASCII letters count
}

class HotkeyRegistrationTest : public testing::Test {
protected:
    void SetUp() override {
        StartFreshAppState();
        g_app.settingsPath = folder_.File(L"settings.ini");
        g_app.panel->window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                             nullptr, nullptr);
        ASSERT_NE(g_app.panel->window, nullptr);
    }
    void TearDown() override {
        UnregisterHotkeys(g_app.panel->window);
        DestroyWindow(g_app.panel->window);
        g_app.panel->window = nullptr;
    }
    TestFolder folder_;
};

TEST_F(HotkeyRegistrationTest, UnusableTextsAreReplacedByTheirDefaults) {
    g_app.settings.value = L"Alt";
    g_app.settings.pause = L"ctrl+alt+x";
    KeepUsableHotkeys(g_app);
    RegisterHotkeys();
    EXPECT_EQ(g_app.settings.value, L"Ctrl+Alt+D");
    EXPECT_EQ(g_app.settings.pause, L"ctrl+alt+x");  // kept as typed
    EXPECT_EQ(g_app.registeredHotkeyCount, 4);
    // Registering again first removes all four, so nothing is held twice.
    RegisterHotkeys();
    EXPECT_EQ(g_app.registeredHotkeyCount, 4);
    // The combination is really ours now: a second registration of it fails.
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_FALSE(RegisterHotKey(other, 9, MOD_CONTROL | MOD_ALT, 'X'));
    DestroyWindow(other);
}

TEST_F(HotkeyRegistrationTest, ApplyingTheFieldsFillsEmptyOnesWithDefaultsAndSaves) {
    ApplyHotkeyTexts(g_app, ProgramViews(), {L"  ", L"Ctrl+Shift+F9", L"", L"Alt"});
    EXPECT_EQ(g_app.settings.value, L"Ctrl+Alt+D");
    EXPECT_EQ(g_app.settings.horizontal, L"Ctrl+Shift+F9");
    EXPECT_EQ(g_app.settings.vertical, L"Ctrl+Alt+V");
    EXPECT_EQ(g_app.settings.pause, L"Ctrl+Alt+P");
    EXPECT_TRUE(FileExists(g_app.settingsPath));
}

TEST_F(HotkeyRegistrationTest, HotkeyOneTogglesThePanel) {
    ShowWindow(g_app.panel->window, SW_SHOW);
    EXPECT_TRUE(HandleHotkey(1));
    EXPECT_FALSE(IsWindowVisible(g_app.panel->window));
    EXPECT_TRUE(HandleHotkey(1));
    EXPECT_TRUE(IsWindowVisible(g_app.panel->window));
    EXPECT_FALSE(HandleHotkey(7));
}

TEST(Playback, ButtonTextsFollowTheState) {
    EXPECT_STREQ(PlayButtonText(true, false), L"开始播放");
    EXPECT_STREQ(PlayButtonText(false, true), L"暂停并隐藏");
    EXPECT_STREQ(PlayButtonText(true, true), L"继续播放");
}

TEST(Playback, TogglingPausesAndContinues) {
    AppState app;  // a record of its own: the command needs no window
    RecordingViews views;
    ASSERT_TRUE(app.paused);
    TogglePlayback(app, views);
    EXPECT_FALSE(app.paused);
    EXPECT_TRUE(app.playbackEverToggled);
    TogglePlayback(app, views);
    EXPECT_TRUE(app.paused);
    EXPECT_EQ(views.playbackChanges, 2);
}

TEST(Tray, MenuItemsFollowThePlaybackState) {
    for (bool paused : {true, false}) {
        HMENU menu = BuildTrayMenu(paused);
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(GetMenuItemCount(menu), 5);
        const UINT ids[] = {40001, 40004, 40003, 0, 40002};
        const wchar_t* texts[] = {L"显示控制面板", paused ? L"继续" : L"暂停", L"恢复默认设置", L"", L"退出程序"};
        for (int i = 0; i < 5; ++i) {
            wchar_t text[32] = {};
            GetMenuStringW(menu, static_cast<UINT>(i), text, 32, MF_BYPOSITION);
            EXPECT_STREQ(text, texts[i]);
            if (ids[i] != 0) {
                EXPECT_EQ(GetMenuItemID(menu, i), ids[i]);
            }
        }
        DestroyMenu(menu);
    }
}

}  // namespace
