#include "settings/Hotkeys.h"

#include "app/AppState.h"

// Parsing the hotkey texts arrives with the hotkey grammar; until then no
// hotkey is registered, and unregistering is already complete.
void RegisterHotkeys() {
    if (g_app.controlPanel) UnregisterHotkeys(g_app.controlPanel);
}

void UnregisterHotkeys(HWND window) {
    for (int id = 1; id <= kHotkeyCount; ++id) UnregisterHotKey(window, id);
}
