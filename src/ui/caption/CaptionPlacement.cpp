#include "ui/caption/CaptionPlacement.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "ui/caption/CaptionContent.h"
#include "ui/caption/CaptionFont.h"
#include "ui/panel/SettingsControls.h"
#include "commands/SettingsCommands.h"

namespace {

constexpr int kMinimumCaptionHeight = 64;
constexpr double kLineFactor = 1.35;
DirectionLayout& Layout(ScrollDirection d) { return g_app.directions.layouts[static_cast<size_t>(DirectionIndex(d))]; }
DockState& Dock(ScrollDirection d) { return g_app.directions.docks[static_cast<size_t>(DirectionIndex(d))]; }

}  // namespace






int MinimumCaptionHeight() {
    const int text = static_cast<int>(std::ceil(kLineFactor * CaptionFontPixels())) + GlyphPadding();
    return std::max(kMinimumCaptionHeight, text);
}

void EnsureMinimumCaptionHeight() {
    AppSettings& s = g_app.settings;
    if (s.direction != ScrollDirection::Horizontal) return;
    const int minimum = MinimumCaptionHeight();
    if (s.height >= minimum) return;
    const VerticalSpan span = GrowToMinimumHeight(s.y, s.height, minimum, TargetWorkArea());
    s.y = span.y;
    s.height = span.height;
    StoreActiveLayout(ScrollDirection::Horizontal);
    RecordDockOffset(ScrollDirection::Horizontal);
}

void SelectTargetMonitor(int index) {
    if (index < 0 || static_cast<size_t>(index) >= g_app.monitors.size()) return;
    AppSettings& s = g_app.settings;
    const int old = TargetMonitorIndex();
    StoreActiveLayout(s.direction);
    RecordDockOffset(s.direction);
    const MonitorEntry& target = g_app.monitors[static_cast<size_t>(index)];
    if (old >= 0 && old != index) {
        const RECT from = g_app.monitors[static_cast<size_t>(old)].workArea;
        for (ScrollDirection d : {ScrollDirection::Horizontal, ScrollDirection::Vertical}) {
            Layout(d) = MoveLayoutToScreen(Layout(d), Dock(d), from, target.workArea);
        }
    }
    s.monitor = target.deviceName;
    LoadActiveLayout(s, Layout(s.direction));
    RebuildCaptionFont();
    EnsureMinimumCaptionHeight();
    StoreActiveLayout(s.direction);
    SetSliderRanges();
    RefreshSettingsControls();
    if (g_app.caption->window) ApplyCaptionPlacement();
    SaveSettings(g_app);
}

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

void HandleDisplayChange() {
    AppSettings& s = g_app.settings;
    const std::wstring previous = s.monitor;
    RefreshMonitorList();
    SetSliderRanges();  // the virtual screen may have grown or shrunk
    int still = -1;
    for (size_t i = 0; i < g_app.monitors.size(); ++i) {
        if (lstrcmpiW(g_app.monitors[i].deviceName.c_str(), previous.c_str()) == 0) still = static_cast<int>(i);
    }
    if (still >= 0 || g_app.monitors.empty()) {
        FillTargetScreenCombo();
        RefreshSettingsControls();
        RebuildCaptionFont();
        if (g_app.caption->window) ApplyCaptionPlacement();
        return;
    }
    int primary = 0;
    for (size_t i = 0; i < g_app.monitors.size(); ++i) {
        if (g_app.monitors[i].primary) {
            primary = static_cast<int>(i);
            break;
        }
    }
    s.monitor = g_app.monitors[static_cast<size_t>(primary)].deviceName;
    FillTargetScreenCombo();
    RefreshSettingsControls();
    // The unplugged screen may have taken the caption with it: a layout that
    // now lies outside every screen comes back onto the new target, so the
    // operator is never left with a caption nobody can see.
    StoreActiveLayout(s.direction);
    const RECT work = g_app.monitors[static_cast<size_t>(primary)].workArea;
    for (ScrollDirection d : {ScrollDirection::Horizontal, ScrollDirection::Vertical}) {
        Layout(d) = BringLayoutOntoScreen(Layout(d), Dock(d), work, g_app.monitors);
    }
    LoadActiveLayout(s, Layout(s.direction));
    SelectTargetMonitor(primary);
}
