#include "app/Hotkeys.h"
#include "commands/SettingsCommands.h"

#include "app/AppState.h"
#include "ui/panel/ControlPanel.h"
#include "app/Playback.h"
#include "core/list/AmountText.h"
#include "ui/panel/SettingsControls.h"
#include "ui/panel/PanelViews.h"

const std::wstring& HotkeyText(int id) {
    const AppSettings& s = g_app.settings;
    switch (id) {
        case 1: return s.value;
        case 2: return s.horizontal;
        case 3: return s.vertical;
        default: return s.pause;
    }
}

void UnregisterHotkeys(HWND window) {
    for (int id = 1; id <= kHotkeyCount; ++id) UnregisterHotKey(window, id);
}

void RegisterHotkeys() {
    HWND panel = g_app.panel->window;
    if (!panel) return;
    UnregisterHotkeys(panel);
    g_app.registeredHotkeyCount = 0;
    for (int id = 1; id <= kHotkeyCount; ++id) {
        // The commands keep the texts readable; a text that is not falls back
        // to its default binding here, without changing what the operator typed.
        ParsedHotkey parsed = ParseHotkey(HotkeyText(id));
        if (!parsed.valid) parsed = ParseHotkey(DefaultHotkeyText(id));
        // Another program may hold the combination; that is not reported.
        if (RegisterHotKey(panel, id, parsed.binding.modifiers, parsed.binding.virtualKey)) {
            ++g_app.registeredHotkeyCount;
        }
    }
}

bool HandleHotkey(int id) {
    HWND panel = g_app.panel->window;
    switch (id) {
        case 1:
            if (panel && (!IsWindowVisible(panel) || IsIconic(panel))) {
                ShowControlPanel();
            } else if (panel) {
                ShowWindow(panel, SW_HIDE);
            }
            return true;
        case 2: SwitchDirection(g_app, ProgramViews(), ScrollDirection::Horizontal); return true;
        case 3: SwitchDirection(g_app, ProgramViews(), ScrollDirection::Vertical); return true;
        case 4: TogglePlayback(g_app, ProgramViews()); return true;
        default: return false;
    }
}
