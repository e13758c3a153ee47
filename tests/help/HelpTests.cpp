// The help: chapter texts with the current hotkeys, and the window opened by
// F1 and the help menu.
#include <gtest/gtest.h>

#include "KeyInput.h"
#include "TableTestHelpers.h"
#include "core/help/HelpChapters.h"
#include "ui/help/HelpWindow.h"

namespace {

std::wstring FirstLine(const std::wstring& text) { return text.substr(0, text.find(L"\r\n")); }

TEST(HelpChapters, TitlesOpenTheirChaptersAndIndicesAreClamped) {
    const AppSettings settings;
    for (int i = 0; i < 5; ++i) EXPECT_EQ(FirstLine(HelpChapterText(i, settings)), kHelpChapterTitles[static_cast<size_t>(i)]);
    EXPECT_EQ(FirstLine(HelpChapterText(5, settings)), L"Velmaro v2.1.3");
    EXPECT_EQ(HelpChapterText(-3, settings), HelpChapterText(0, settings));
    EXPECT_EQ(HelpChapterText(9, settings), HelpChapterText(5, settings));
    // Paragraphs are separated by an empty line: two CR LF in a row.
    const std::wstring opening = L"快速上手教程\r\n\r\n1. 添加名单\r\n";
    EXPECT_EQ(HelpChapterText(0, settings).substr(0, opening.size()), opening);
    EXPECT_NE(HelpChapterText(1, settings).find(L"\r\n张三    1000\r\n李四    1888.88\r\n"), std::wstring::npos);
}

TEST(HelpChapters, TheHotkeyChapterShowsTheStoredTexts) {
    AppSettings settings;
    settings.pause = L"ctrl+shift+F9";
    const std::wstring text = HelpChapterText(3, settings);
    EXPECT_NE(text.find(L"当前全局快捷键\r\n显示或隐藏控制面板：Ctrl+Alt+D\r\n横向滚动：Ctrl+Alt+H\r\n纵向滚动：Ctrl+Alt+V\r\n"
                        L"暂停隐藏或继续：ctrl+shift+F9\r\n\r\n这些全局快捷键"),
              std::wstring::npos);
}

class HelpWindowTest : public TableTest {
protected:
    void TearDown() override {
        if (g_app.helpWindow) DestroyWindow(g_app.helpWindow);
        g_app.helpWindow = nullptr;
        TableTest::TearDown();
    }

    HWND Item(int id) const { return GetDlgItem(g_app.helpWindow, id); }
    int Chapter() const { return static_cast<int>(SendMessageW(Item(kIdHelpChapterList), CB_GETCURSEL, 0, 0)); }
};

TEST_F(HelpWindowTest, F1SwitchesAnOpenWindowToTheFirstChapter) {
    ShowHelp(4);
    HWND window = g_app.helpWindow;
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(TextOf(window), L"帮助 - Velmaro");
    EXPECT_EQ(Chapter(), 4);
    EXPECT_EQ(FirstLine(TextOf(Item(kIdHelpText))), L"保存、备份与恢复");
    EXPECT_EQ(SendMessageW(Item(kIdHelpChapterList), CB_GETCOUNT, 0, 0), 6);
    EXPECT_EQ(GetFocus(), Item(kIdHelpText));

    SetFocus(Control(kIdNameBox));
    RouteKey(Control(kIdNameBox), WM_KEYDOWN, VK_F1);
    EXPECT_EQ(g_app.helpWindow, window);  // not a second window
    EXPECT_EQ(Chapter(), 0);

    RECT r{};
    GetWindowRect(window, &r);
    EXPECT_EQ(r.right - r.left, 760);
    EXPECT_EQ(r.bottom - r.top, 620);
    MINMAXINFO info{};
    SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 460);
    EXPECT_EQ(info.ptMinTrackSize.y, 360);
}

TEST_F(HelpWindowTest, ChoosingAChapterOpensItAtItsTop) {
    ShowHelp(1);
    HWND text = Item(kIdHelpText);
    SendMessageW(text, EM_LINESCROLL, 0, 10);
    ASSERT_GT(SendMessageW(text, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    SendMessageW(Item(kIdHelpChapterList), CB_SETCURSEL, 2, 0);
    SendMessageW(g_app.helpWindow, WM_COMMAND, MAKEWPARAM(kIdHelpChapterList, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Item(kIdHelpChapterList)));
    EXPECT_EQ(FirstLine(TextOf(text)), L"播放与双屏演示");
    EXPECT_EQ(SendMessageW(text, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_F(HelpWindowTest, TheHotkeyChapterReopenedShowsAChangedHotkey) {
    ShowHelp(3);
    g_app.settings.pause = L"Ctrl+Alt+F8";
    ShowHelp(3);
    EXPECT_NE(TextOf(Item(kIdHelpText)).find(L"暂停隐藏或继续：Ctrl+Alt+F8"), std::wstring::npos);
}

TEST_F(HelpWindowTest, CloseDestroysTheWindow) {
    ShowHelp(0);
    HWND window = g_app.helpWindow;
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(kIdHelpCloseButton, BN_CLICKED), 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(g_app.helpWindow, nullptr);
}

}  // namespace
