// The real windows, created in this process, driven by the messages an
// operator's actions produce.
#include <gtest/gtest.h>

#include <vector>

#include "CommonDialogs.h"
#include "KeyInput.h"
#include "ProgramWindowsTest.h"
#include "app/Accelerators.h"
#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "platform/Dpi.h"
#include "app/MessageLoop.h"
#include "app/Startup.h"
#include "ui/caption/CaptionMotion.h"
#include "ui/caption/DibSurface.h"
#include "ui/caption/CaptionPlacement.h"
#include "ui/caption/CaptionWindow.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/PanelIds.h"
#include "ui/panel/SettingsControls.h"
#include "ui/panel/PanelPaint.h"

namespace {

std::vector<int> g_panelCommands;
WNDPROC g_originalPanelProc = nullptr;

// Records the clicks, menu and accelerator commands that reach the panel
// (not the edit boxes' notifications), then lets the panel act on them.
LRESULT CALLBACK RecordingPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) <= 1) g_panelCommands.push_back(LOWORD(wParam));
    return CallWindowProcW(g_originalPanelProc, window, message, wParam, lParam);
}

class WindowTest : public ProgramWindowsTest {
protected:
    void SetUp() override {
        ProgramWindowsTest::SetUp();
        g_panelCommands.clear();
        g_originalPanelProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(g_app.panel->window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingPanelProc)));
    }

    void TearDown() override {
        SetKeyDown(VK_CONTROL, false);
        for (HWND* w : {&g_app.helpWindow, &g_app.importWindow}) {
            if (*w && IsWindow(*w)) DestroyWindow(*w);
            *w = nullptr;
        }
        ProgramWindowsTest::TearDown();
    }

    HWND MakeChildWindow(HWND parent) {
        return CreateWindowExW(0, L"STATIC", L"", parent ? WS_CHILD | WS_VISIBLE : WS_POPUP, 0, 0, 10, 10, parent,
                               nullptr, g_app.instance, nullptr);
    }
};

TEST_F(WindowTest, PanelAndCaptionAreCreatedAsTheProgramNeedsThem) {
    wchar_t title[64] = {};
    GetWindowTextW(g_app.panel->window, title, 64);
    EXPECT_STREQ(title, L"Velmaro v2.1.3");
    wchar_t className[64] = {};
    GetClassNameW(g_app.panel->window, className, 64);
    EXPECT_STREQ(className, L"VelmaroControlPanel");
    const LONG_PTR panelStyle = GetWindowLongPtrW(g_app.panel->window, GWL_STYLE);
    EXPECT_EQ(panelStyle & (WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);

    GetClassNameW(g_app.caption->window, className, 64);
    EXPECT_STREQ(className, L"VelmaroWindow");
    const LONG_PTR exStyle = GetWindowLongPtrW(g_app.caption->window, GWL_EXSTYLE);
    const LONG_PTR wanted = WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_TOPMOST;
    EXPECT_EQ(exStyle & wanted, wanted);
    EXPECT_EQ(GetWindowLongPtrW(g_app.caption->window, GWL_STYLE) & WS_POPUP, WS_POPUP);
    EXPECT_FALSE(IsWindowVisible(g_app.caption->window));
    EXPECT_EQ(SendMessageW(g_app.caption->window, WM_NCHITTEST, 0, MAKELPARAM(20, 620)), HTTRANSPARENT);
}

TEST_F(WindowTest, PlacingAPausedCaptionMovesItButNeverShowsIt) {
    ShowWindow(g_app.caption->window, SW_SHOWNOACTIVATE);
    g_app.settings.x = 40;
    g_app.settings.y = 500;
    g_app.settings.width = 700;
    g_app.settings.height = 140;
    ApplyCaptionPlacement();
    EXPECT_FALSE(IsWindowVisible(g_app.caption->window));
    RECT r{};
    GetWindowRect(g_app.caption->window, &r);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 500);
    EXPECT_EQ(r.right - r.left, 700);
    EXPECT_EQ(r.bottom - r.top, 140);
}

TEST_F(WindowTest, TopmostOrderFollowsTheSetting) {
    g_app.settings.topMost = false;
    ApplyCaptionPlacement();
    EXPECT_EQ(GetWindowLongPtrW(g_app.caption->window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    g_app.settings.topMost = true;
    ApplyCaptionPlacement();
    EXPECT_EQ(GetWindowLongPtrW(g_app.caption->window, GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
}

TEST_F(WindowTest, WindowTimerTicksMoveAPlayingCaption) {
    g_app.paused = false;
    g_app.counterFrequency = 0;  // each tick then counts as 16 ms
    g_app.caption->motion.scrollOffset = 0.0f;
    g_app.settings.speed = 3;
    SendMessageW(g_app.caption->window, WM_TIMER, kCaptionWindowTimer, 0);
    SendMessageW(g_app.caption->window, WM_TIMER, kCaptionWindowTimer, 0);
    EXPECT_FLOAT_EQ(g_app.caption->motion.scrollOffset, 2 * 16 * 0.0625f * 3);
    // The frame message clears the pending flag that the timer callback set.
    g_app.caption->motion.framePending = 1;
    SendMessageW(g_app.caption->window, kCaptionFrameMessage, 0, 0);
    EXPECT_EQ(g_app.caption->motion.framePending.load(), 0);
    g_app.paused = true;
    const float paused = g_app.caption->motion.scrollOffset;
    SendMessageW(g_app.caption->window, WM_TIMER, kCaptionWindowTimer, 0);
    EXPECT_FLOAT_EQ(g_app.caption->motion.scrollOffset, paused);
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    g_app.counterFrequency = frequency.QuadPart;
}

TEST_F(WindowTest, TheCaptionIsMadeTopmostAgainWhileItPlays) {
    g_app.paused = false;
    ShowWindow(g_app.caption->window, SW_SHOWNOACTIVATE);
    SetWindowPos(g_app.caption->window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_EQ(GetWindowLongPtrW(g_app.caption->window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    g_app.caption->motion.lastTopmostCheck = 0;
    KeepCaptionTopmost(g_app.caption->window);
    EXPECT_EQ(GetWindowLongPtrW(g_app.caption->window, GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);

    // With the setting off nothing is re-asserted.
    g_app.settings.topMost = false;
    SetWindowPos(g_app.caption->window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    g_app.caption->motion.lastTopmostCheck = 0;
    KeepCaptionTopmost(g_app.caption->window);
    EXPECT_EQ(GetWindowLongPtrW(g_app.caption->window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    g_app.paused = true;
}

TEST_F(WindowTest, ClosingWithoutAWayBackExitsAndSavesTheList) {
    g_app.list = {{L"张三", L"100元"}};
    SendMessageW(g_app.panel->window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(g_app.exiting);
    EXPECT_EQ(g_app.caption->window, nullptr);
    EXPECT_EQ(g_app.panel->window, nullptr);
    EXPECT_TRUE(TakeQuitMessage());
    EXPECT_EQ(ReadBytes(g_app.listPath), "\xEF\xBB\xBF# name,amount\n\xE5\xBC\xA0\xE4\xB8\x89,100\xE5\x85\x83\n");
}

TEST_F(WindowTest, ClosingWhileAHotkeyCanBringItBackOnlyHidesThePanel) {
    g_app.registeredHotkeyCount = 1;
    ShowWindow(g_app.panel->window, SW_SHOW);
    SendMessageW(g_app.panel->window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(g_app.exiting);
    ASSERT_NE(g_app.panel->window, nullptr);
    EXPECT_TRUE(IsWindow(g_app.panel->window));
    EXPECT_FALSE(IsWindowVisible(g_app.panel->window));
    EXPECT_TRUE(IsWindow(g_app.caption->window));
    EXPECT_FALSE(TakeQuitMessage());
}

TEST_F(WindowTest, DestroyingTheCaptionOutsideTheExitPathDoesNotQuit) {
    DestroyWindow(g_app.caption->window);
    EXPECT_EQ(g_app.caption->window, nullptr);
    EXPECT_FALSE(TakeQuitMessage());
}

TEST_F(WindowTest, CtrlSOnThePanelAppliesAndSaves) {
    g_app.list = {{L"A", L"1元"}};
    ShowWindow(g_app.panel->window, SW_SHOW);
    SetFocus(g_app.panel->window);
    ASSERT_EQ(GetFocus(), g_app.panel->window);
    SetKeyDown(VK_CONTROL, true);
    RouteKey(g_app.panel->window, WM_KEYDOWN, 'S');
    SetKeyDown(VK_CONTROL, false);
    ASSERT_EQ(g_panelCommands.size(), 1u);
    EXPECT_EQ(g_panelCommands[0], kIdApplyAndSave);
    EXPECT_TRUE(FileExists(g_app.listPath));
}

TEST_F(WindowTest, AltKeysReachThePanelAsAcceleratorCommands) {
    g_app.accelerators.reset(CreateAltAcceleratorTable());
    ShowWindow(g_app.panel->window, SW_SHOW);
    SetFocus(g_app.panel->window);
    RouteKey(g_app.panel->window, WM_SYSKEYDOWN, '6');
    EXPECT_EQ(GetFocus(), FindPanelControl(1054));  // Alt+6 focuses its box
    DialogAnswer cancel{kColourRedEdit, {}, IDCANCEL};  // Alt+7 opens the colour dialog
    EXPECT_TRUE(AnswerNextDialog(cancel, [&] { RouteKey(g_app.panel->window, WM_SYSKEYDOWN, '7'); }));
    // Alt+7 presses its check box, which reports the click to the panel.
    ASSERT_EQ(g_panelCommands.size(), 3u);
    EXPECT_EQ(g_panelCommands[0], 50033);
    EXPECT_EQ(g_panelCommands[1], 50032);
    EXPECT_EQ(g_panelCommands[2], 1053);

    // A key for the help window never reaches the accelerators.
    g_panelCommands.clear();
    g_app.helpWindow = MakeChildWindow(nullptr);
    RouteKey(g_app.helpWindow, WM_SYSKEYDOWN, 'N');
    EXPECT_TRUE(g_panelCommands.empty());

    g_app.accelerators.reset();
}

TEST_F(WindowTest, EscapeClosesTheHelpAndImportWindows) {
    g_app.helpWindow = MakeChildWindow(nullptr);
    HWND helpChild = MakeChildWindow(g_app.helpWindow);
    RouteKey(helpChild, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(IsWindow(g_app.helpWindow));
    g_app.helpWindow = nullptr;

    g_app.importWindow = MakeChildWindow(nullptr);
    RouteKey(g_app.importWindow, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(IsWindow(g_app.importWindow));
    g_app.importWindow = nullptr;
}

// Reads one pixel of a top-down 32-bit DIB as COLORREF.
COLORREF PixelAt(const unsigned* bits, int width, int x, int y) {
    const unsigned p = bits[y * width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

TEST(PanelPaint, FrameZonesHaveTheirColoursAtAnyScale) {
    for (double scale : {1.0, 1.5}) {
        SCOPED_TRACE(scale);
        const int width = ScaleLogical(1160, scale);
        const int height = ScaleLogical(850, scale);
        DibSurface surface;
        ASSERT_TRUE(surface.Create(width, height));

        PanelFrame frame;
        frame.clientWidth = width;
        frame.clientHeight = height;
        frame.dpiScale = scale;
        frame.entryCount = 12;
        PaintPanelFrame(surface.dc(), frame);
        GdiFlush();

        const auto* p = reinterpret_cast<const unsigned*>(surface.pixels());
        auto S = [scale](int v) { return ScaleLogical(v, scale); };
        const int paneLeft = S(1160 - 368);
        EXPECT_EQ(PixelAt(p, width, 5, 5), RGB(0xFF, 0xFF, 0xFF));                      // header band
        EXPECT_EQ(PixelAt(p, width, 5, S(126) + 5), RGB(0xF6, 0xF8, 0xF9));             // list area
        EXPECT_EQ(PixelAt(p, width, paneLeft, S(300)), RGB(0xDD, 0xE3, 0xE7));          // divider
        EXPECT_EQ(PixelAt(p, width, paneLeft + S(20), S(300)), RGB(0xFF, 0xFF, 0xFF));  // right pane
        EXPECT_EQ(PixelAt(p, width, width / 2, height - 2), RGB(0xEC, 0xF1, 0xF3));     // status strip
        EXPECT_EQ(PixelAt(p, width, paneLeft + S(20), S(126) - 1), RGB(0xFF, 0xFF, 0xFF));

        // The entry count and the playback state are drawn into the status strip.
        auto inkIn = [&](int left, int right) {
            int ink = 0;
            for (int y = height - S(32); y < height; ++y) {
                for (int x = left; x < right; ++x) {
                    if (PixelAt(p, width, x, y) != RGB(0xEC, 0xF1, 0xF3)) ++ink;
                }
            }
            return ink;
        };
        EXPECT_GT(inkIn(width - S(120), width - S(24)), 0);
        EXPECT_GT(inkIn(S(24), S(176)), 0);
        EXPECT_EQ(inkIn(S(400), S(700)), 0);
    }
}

}  // namespace
