// VelmaroLargeCheckbox: the panel's check box with a 22-pixel box. State at
// offset 0 of the window memory, the pressed flag at offset 8.
#pragma once

#include <windows.h>

LRESULT CALLBACK LargeCheckboxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Flips the check state and tells the parent with BN_CLICKED.
void ToggleCheckAndNotify(HWND checkbox);
