// Creating every child control of the control panel, in its fixed order
// (which is also the Tab order).
#pragma once

#include <windows.h>

void CreatePanelControls(HWND panel);
