// The settings pages of the control panel.
#pragma once

// Refills every settings control from AppSettings.
void RefreshSettingsControls();

#include <windows.h>

#include <array>
#include <string>

// A control of the panel by id, wherever it sits among the panel's descendants.
HWND FindPanelControl(int id);

// The trimmed texts of the four hotkey fields (1040, 1043, 1044, 1045);
// empty for a field that does not exist.
std::array<std::wstring, 4> ReadHotkeyFields();
