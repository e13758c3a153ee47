// SetWindowTheme of uxtheme.dll, from the system folder only. Without it a
// control keeps the classic look, which changes nothing it does.
#pragma once

#include <windows.h>

void ApplyExplorerTheme(HWND control);
