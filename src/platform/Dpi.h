// DPI queries that older Windows versions lack are looked up at run time.
#pragma once

#include <windows.h>

// Per-window DPI, or 0 when unknown (no window, no GetDpiForWindow).
UINT WindowDpi(HWND window);

// LOGPIXELSX of the screen, replaced by GetDpiForSystem where it exists.
UINT SystemDpi();

// Makes the process per-monitor DPI aware (version 2 where available).
void MakeProcessDpiAware();

// dpi / 96, never below 1.
double DpiScaleFromDpi(UINT dpi);

// A logical (96-dpi) size in pixels: v × scale + 0.5, truncated.
int ScaleLogical(int value, double dpiScale);
