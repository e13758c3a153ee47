#include "app/Playback.h"

#include "app/AppState.h"
#include "app/ListFileWatch.h"
#include "ui/caption/Caption.h"
#include "commands/ExitCommands.h"
#include "ui/caption/CaptionMotion.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/PanelIds.h"
#include "commands/ListStore.h"
#include "app/Hotkeys.h"
#include "commands/SettingsCommands.h"
#include "ui/panel/PanelViews.h"

namespace {


void SetPlayButtonText() {
    if (!g_app.panel->window) return;
    if (HWND button = GetDlgItem(g_app.panel->window, kIdPlayButton)) {
        SetWindowTextW(button, PlayButtonText(g_app.paused, g_app.playbackEverToggled));
    }
}

}  // namespace

const wchar_t* PlayButtonText(bool paused, bool everToggled) {
    if (!everToggled) return L"开始播放";
    return paused ? L"继续播放" : L"暂停并隐藏";
}

const wchar_t* CurrentPlayButtonText() { return PlayButtonText(g_app.paused, g_app.playbackEverToggled); }

void ShowPlaybackState() {
    if (g_app.paused) {
        PauseCaptionMotion();
    } else {
        ResumeCaptionMotion();
    }
    SetPlayButtonText();
    if (g_app.panel->panelReady) RefreshPanelIndicators();
}

void ShowControlPanel() {
    HWND panel = g_app.panel->window;
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
    // Nothing is torn down before the list is safe or the operator has chosen.
    if (!SaveBeforeExit(g_app, ProgramViews())) return;
    LeaveProgram();
}

void LeaveProgram() {
    g_app.exiting = true;
    g_app.listWatch->Stop();
    if (g_app.panel->window) UnregisterHotkeys(g_app.panel->window);
    g_app.registeredHotkeyCount = 0;
    if (g_app.notifyIcon.cbSize != 0) Shell_NotifyIconW(NIM_DELETE, &g_app.notifyIcon);
    SaveSettings(g_app);
    SaveDonationList();
    if (g_app.caption->window) DestroyWindow(g_app.caption->window);
    if (g_app.panel->window) DestroyWindow(g_app.panel->window);
}
