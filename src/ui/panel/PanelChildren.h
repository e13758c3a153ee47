// Creating the panel's child controls with their common treatment: font,
// theme, tab stops, owner-drawn buttons, the Ctrl+A edit extension and the
// wheel redirection of sliders.
#pragma once

#include <windows.h>

// A child at (0, 0), S(100) × S(30), visible, with the class's treatment.
HWND CreatePanelChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD extraStyle, int id);

// Registers a tooltip text for the control with the panel's tooltip window.
void AddTooltip(HWND control, const wchar_t* text);

// Places a slider so that its channel sits in the middle of its row (logical pixels).
void LayoutTrackbar(HWND slider, int x, int y, int width, int height);

// Tracks a pop-up menu of the panel with the panel's tooltips hidden and
// quiet meanwhile: the tip of the button that opened the menu would
// otherwise stay over the menu's first items. Returns the chosen id (or 0).
int TrackPanelMenu(HMENU menu, UINT flags, int x, int y);

// The tooltip window of the panel (created with the panel).
HWND CreatePanelTooltip(HWND panel);
