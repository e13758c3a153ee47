// The four global hotkeys, registered on the control panel with ids 1-4.
#pragma once

#include <windows.h>

constexpr int kHotkeyCount = 4;

// Registers the four hotkeys from the settings texts.
void RegisterHotkeys();

// Unregisters hotkeys 1-4 from the window.
void UnregisterHotkeys(HWND window);
