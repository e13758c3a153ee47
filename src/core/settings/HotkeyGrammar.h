// The hotkey texts of settings.ini ("Ctrl+Alt+D"): their grammar and defaults.
#pragma once

#include <windows.h>

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
