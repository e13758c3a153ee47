// The four global hotkeys, registered on the control panel with ids 1-4.
// Each is kept as the text the operator typed and parsed only to register it.
#pragma once

#include <windows.h>

#include <array>
#include <string>

constexpr int kHotkeyCount = 4;

struct HotkeyBinding {
    UINT modifiers = 0;   // MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN
    UINT virtualKey = 0;  // 0 = none
};

struct ParsedHotkey {
    HotkeyBinding binding;
    bool valid = false;
};

// Tokens split at "+": Ctrl/Control, Alt, Shift, Win, one letter or digit,
// F1-F24; case-insensitive; a later key replaces an earlier one.
ParsedHotkey ParseHotkey(const std::wstring& text);

// Default text of hotkey id 1-4.
const wchar_t* DefaultHotkeyText(int id);

// The settings text of hotkey id 1-4.
std::wstring& HotkeyText(int id);

// Registers the four hotkeys from the settings texts; an unusable text is
// replaced by its default first.
void RegisterHotkeys();

// Unregisters hotkeys 1-4 from the window.
void UnregisterHotkeys(HWND window);

// WM_HOTKEY: runs the effect of id 1-4; false for any other id.
bool HandleHotkey(int id);

// "应用快捷键": the four texts (empty gives the default), registered and saved.
void ApplyHotkeyTexts(const std::array<std::wstring, kHotkeyCount>& texts);
