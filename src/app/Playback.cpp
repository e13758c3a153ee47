#include "app/Playback.h"

#include "app/AppState.h"
#include "list/ListFile.h"
#include "settings/Hotkeys.h"
#include "settings/SettingsFile.h"

void ShowControlPanel() {
    HWND panel = g_app.controlPanel;
    if (!panel) return;
    if (IsIconic(panel)) {
        ShowWindow(panel, SW_RESTORE);
    } else if (!IsWindowVisible(panel)) {
        ShowWindow(panel, SW_SHOW);
    }
    SetForegroundWindow(panel);
}

bool PanelCanBeBroughtBack() { return g_app.notifyIcon.cbSize != 0 || g_app.registeredHotkeyCount > 0; }

void ExitProgram() {
    g_app.exiting = true;
    if (g_app.controlPanel) UnregisterHotkeys(g_app.controlPanel);
    g_app.registeredHotkeyCount = 0;
    if (g_app.notifyIcon.cbSize != 0) Shell_NotifyIconW(NIM_DELETE, &g_app.notifyIcon);
    SaveSettings();
    SaveDonationList();
    if (g_app.captionWindow) DestroyWindow(g_app.captionWindow);
    if (g_app.controlPanel) DestroyWindow(g_app.controlPanel);
}
