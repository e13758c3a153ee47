#include "settings/SettingsState.h"

#include "app/AppState.h"
#include "caption/Caption.h"
#include "panel/ControlPanel.h"
#include "caption/CaptionFont.h"
#include "caption/CaptionMotion.h"
#include "caption/CaptionPlacement.h"
#include "panel/DonationTable.h"
#include "panel/SettingsControls.h"
#include "settings/Hotkeys.h"
#include "settings/SettingsFile.h"

RECT PrimaryWorkArea() {
    for (const MonitorEntry& entry : g_app.monitors) {
        if (entry.primary) return entry.workArea;
    }
    if (!g_app.monitors.empty()) return g_app.monitors.front().workArea;
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

AppSettings MakeDefaultSettings() {
    AppSettings settings;
    const RECT p = PrimaryWorkArea();
    settings.x = p.left;
    settings.width = p.right - p.left;
    settings.height = 128;
    settings.y = p.bottom - 128;
    for (const MonitorEntry& entry : g_app.monitors) {
        if (entry.primary) {
            settings.monitor = entry.deviceName;
            return settings;
        }
    }
    if (!g_app.monitors.empty()) settings.monitor = g_app.monitors.front().deviceName;
    return settings;
}




int TargetMonitorIndex() {
    const RECT caption = ActiveCaptionRect(g_app.settings);
    return TargetMonitorIndexIn(g_app.monitors, g_app.settings.monitor,
                                MonitorFromRect(&caption, MONITOR_DEFAULTTONEAREST));
}

RECT TargetWorkArea() {
    const int index = TargetMonitorIndex();
    return index >= 0 ? g_app.monitors[static_cast<size_t>(index)].workArea : PrimaryWorkArea();
}




void StoreActiveLayout(ScrollDirection d) {
    g_app.directions.layouts[static_cast<size_t>(DirectionIndex(d))] = ActiveLayout(g_app.settings);
}

void RecordDockOffset(ScrollDirection d) {
    RecordDockOffsetIn(g_app.directions.docks[static_cast<size_t>(DirectionIndex(d))], g_app.settings,
                       TargetWorkArea());
}

void SwitchDirection(ScrollDirection d) {
    AppSettings& s = g_app.settings;
    if (d == s.direction) return;
    StoreActiveLayout(s.direction);
    RecordDockOffset(s.direction);
    s.direction = d;
    g_app.directions.lastAppliedDirection = d;
    LoadActiveLayout(s, g_app.directions.layouts[static_cast<size_t>(DirectionIndex(d))]);
    RefreshSettingsControls();
    if (g_app.caption->window) ApplyCaptionPlacement();
    SaveSettings();
    ResetCaptionScroll();
}

void RestoreDefaultSettings() {
    g_app.settings = MakeDefaultSettings();
    g_app.directions = MakeDefaultDirectionRecords(PrimaryWorkArea());
    LoadActiveLayout(g_app.settings, g_app.directions.layouts[0]);
    RefreshSettingsControls();
    RebuildCaptionFont();
    RegisterHotkeys();
    if (g_app.caption->window) ApplyCaptionPlacement();
    SaveSettings();
    RefreshDonationTable();
    ResetCaptionScroll();
}

void ConfirmRestoreDefaults() {
    const int answer = MessageBoxW(g_app.panel->window, L"确定要恢复默认设置吗？名单不会被清空。", L"恢复默认",
                                   MB_ICONQUESTION | MB_YESNO);
    if (answer == IDYES) RestoreDefaultSettings();
}
