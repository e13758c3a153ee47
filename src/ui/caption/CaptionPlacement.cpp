#include "ui/caption/CaptionPlacement.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "ui/caption/CaptionContent.h"
#include "commands/SettingsCommands.h"
#include "ui/caption/Monitors.h"
#include "ui/panel/PanelViews.h"

namespace {

constexpr int kMinimumCaptionHeight = 64;
constexpr double kLineFactor = 1.35;

}  // namespace

int MinimumCaptionHeight() {
    const int text = static_cast<int>(std::ceil(kLineFactor * CaptionFontPixels())) + GlyphPadding();
    return std::max(kMinimumCaptionHeight, text);
}

void EnsureMinimumCaptionHeight() { KeepMinimumCaptionHeight(g_app, MinimumCaptionHeight()); }

void ApplyCaptionPlacement() {
    HWND window = g_app.caption->window;
    if (!window) return;
    EnsureMinimumCaptionHeight();
    InvalidateCaptionLayout();
    const AppSettings& s = g_app.settings;
    UINT flags = SWP_NOACTIVATE;
    if (!g_app.paused) flags |= SWP_SHOWWINDOW;
    SetWindowPos(window, s.topMost ? HWND_TOPMOST : HWND_NOTOPMOST, s.x, s.y, s.width, s.height, flags);
    // Placing never shows a paused caption.
    if (g_app.paused) ShowWindow(window, SW_HIDE);
    InvalidateRect(window, nullptr, FALSE);
}

void HandleDisplayChange() { TakeInScreens(g_app, ProgramViews(), AttachedMonitors()); }
