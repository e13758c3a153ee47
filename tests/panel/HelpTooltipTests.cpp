// The tip of the help button leaves the way clear for the menu it opens.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "ProgramWindowsTest.h"
#include "app/AppState.h"
#include "ui/panel/PanelIds.h"

namespace {

struct OpenMenu {
    HWND tooltip = nullptr;
    bool menuSeen = false;
    bool tipVisible = false;
    bool tipOverMenu = false;
};

// Runs beside the menu's modal loop: looks at the screen while the menu is
// open, then closes it with Esc.
DWORD WINAPI LookAtTheMenu(void* data) {
    auto* seen = static_cast<OpenMenu*>(data);
    for (int i = 0; i < 200; ++i) {
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (menu && IsWindowVisible(menu)) {
            Sleep(150);  // long enough for a tip to show again
            seen->menuSeen = true;
            seen->tipVisible = IsWindowVisible(seen->tooltip) != FALSE;
            RECT menuRect{};
            RECT tipRect{};
            RECT overlap{};
            GetWindowRect(menu, &menuRect);
            GetWindowRect(seen->tooltip, &tipRect);
            seen->tipOverMenu = seen->tipVisible && IntersectRect(&overlap, &menuRect, &tipRect);
            PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
            return 0;
        }
        Sleep(25);
    }
    return 0;
}

// Dispatches messages for a while, as the loop does while the mouse rests.
void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        DrainMessages();
        Sleep(10);
    }
}

class HelpTooltipTest : public ProgramWindowsTest {};

TEST_F(HelpTooltipTest, TheHelpButtonsTipIsGoneWhileItsMenuIsOpenAndComesBackAfter) {
    ShowWindow(g_app.panel->window, SW_SHOW);
    SetForegroundWindow(g_app.panel->window);
    DrainMessages();
    HWND help = Control(kIdHelpButton);
    HWND tooltip = g_app.panel->tooltip;
    ASSERT_NE(tooltip, nullptr);
    // The operator rests the mouse on the button: its tip shows.
    RECT r{};
    GetWindowRect(help, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    POINT inside{(r.right - r.left) / 2, (r.bottom - r.top) / 2};
    PostMessageW(help, WM_MOUSEMOVE, 0, MAKELPARAM(inside.x, inside.y));
    PumpFor(1500);
    ASSERT_TRUE(IsWindowVisible(tooltip)) << "the tip did not show; nothing to check";

    OpenMenu seen;
    seen.tooltip = tooltip;
    HANDLE thread = CreateThread(nullptr, 0, LookAtTheMenu, &seen, 0, nullptr);
    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdHelpButton, BN_CLICKED), 0);
    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
    ASSERT_TRUE(seen.menuSeen);
    EXPECT_FALSE(seen.tipVisible);
    EXPECT_FALSE(seen.tipOverMenu);

    // After the menu the tips work again.
    PostMessageW(help, WM_MOUSEMOVE, 0, MAKELPARAM(inside.x + 1, inside.y));
    PumpFor(1500);
    EXPECT_TRUE(IsWindowVisible(tooltip));
    SendMessageW(tooltip, TTM_POP, 0, 0);
}

}  // namespace
