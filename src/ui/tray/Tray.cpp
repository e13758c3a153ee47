#include "ui/tray/Tray.h"

#include <shellapi.h>

#include "app/AppState.h"
#include "ui/panel/ControlPanel.h"
#include "app/Playback.h"
#include "app/Startup.h"
#include "ui/panel/PanelIds.h"

// The full Unicode record of 64-bit Windows.
static_assert(sizeof(NOTIFYICONDATAW) == 976, "notification icon record size");

void AddTrayIcon() {
    HWND panel = g_app.panel->window;
    if (!panel) return;
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(NOTIFYICONDATAW);
    data.hWnd = panel;
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = LoadApplicationIcon(GetSystemMetrics(SM_CXSMICON));
    lstrcpynW(data.szTip, L"Velmaro", 128);
    if (Shell_NotifyIconW(NIM_ADD, &data)) g_app.notifyIcon = data;
}

HMENU BuildTrayMenu(bool paused) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    AppendMenuW(menu, MF_STRING, kIdTrayShowPanel, L"显示控制面板");
    AppendMenuW(menu, MF_STRING, kIdTrayTogglePlayback, paused ? L"继续" : L"暂停");
    AppendMenuW(menu, MF_STRING, kIdTrayRestoreDefaults, L"恢复默认设置");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kIdTrayExit, L"退出程序");
    return menu;
}

namespace {

void ShowTrayMenu() {
    HWND panel = g_app.panel->window;
    HMENU menu = BuildTrayMenu(g_app.paused);
    if (!panel || !menu) {
        if (menu) DestroyMenu(menu);
        return;
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    // Without the panel in front the menu would not close when clicked away.
    SetForegroundWindow(panel);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_BOTTOMALIGN | TPM_LEFTALIGN, cursor.x, cursor.y, 0, panel, nullptr);
    DestroyMenu(menu);
}

}  // namespace

void OnTrayCallback(LPARAM lParam) {
    switch (LOWORD(lParam)) {
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK: ShowControlPanel(); break;
        case WM_RBUTTONUP: ShowTrayMenu(); break;
        default: break;
    }
}
