// The four global hotkeys, registered on the control panel with ids 1-4.
// Each is kept as the text the operator typed and parsed only to register it.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "core/settings/HotkeyGrammar.h"

// The settings text of hotkey id 1-4.
const std::wstring& HotkeyText(int id);

// Registers the four hotkeys from the settings texts (KeepUsableHotkeys has
// replaced any the grammar cannot read).
void RegisterHotkeys();

// Unregisters hotkeys 1-4 from the window.
void UnregisterHotkeys(HWND window);

// WM_HOTKEY: runs the effect of id 1-4; false for any other id.
bool HandleHotkey(int id);

