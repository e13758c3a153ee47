#include "caption/CaptionPlacement.h"

#include "app/AppState.h"
#include "caption/CaptionContent.h"

void ApplyCaptionPlacement() {
    HWND window = g_app.captionWindow;
    if (!window) return;
    const AppSettings& s = g_app.settings;
    const HWND order = s.topMost ? HWND_TOPMOST : HWND_NOTOPMOST;
    UINT flags = SWP_NOACTIVATE;
    // A paused caption must never appear because it was moved.
    if (g_app.paused) flags |= SWP_HIDEWINDOW;
    SetWindowPos(window, order, s.x, s.y, s.width, s.height, flags);
    InvalidateCaptionLayout();
}
