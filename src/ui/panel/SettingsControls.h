// The settings controls of the panel: refilled from AppSettings, numbers
// read back with a fallback, and the ranges of the position sliders.
#pragma once

#include <windows.h>

#include <array>
#include <string>

// Writes AppSettings into every settings control. Commands are ignored while
// it runs, so writing a control never applies anything.
void RefreshSettingsControls();

// A control of the panel by id, wherever it sits among the panel's descendants.
HWND FindPanelControl(int id);

// The trimmed texts of the four hotkey fields (1040, 1043, 1044, 1045);
// empty for a field that does not exist.
std::array<std::wstring, 4> ReadHotkeyFields();

// A decimal integer at the start of the trimmed text (sign allowed, the rest
// ignored); the fallback for an empty text, no digits or a number beyond 32 bits.
int ParseNumberText(const std::wstring& text, int fallback);
int ReadNumberField(HWND field, int fallback);
// Whether the panel's check box is ticked; the fallback when it does not exist.
bool ReadCheckField(int id, bool fallback);
void SetNumberField(HWND field, int value);

struct SliderRange {
    int minimum;
    int maximum;
};
struct SliderRanges {
    SliderRange x, y, width, height;
};

// The position sliders' ranges for a virtual screen at (vx, vy) of vw × vh.
SliderRanges SliderRangesFor(int vx, int vy, int vw, int vh);

// Ranges and positions of the four position sliders from the virtual screen.
void SetSliderRanges();
