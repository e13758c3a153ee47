#include "settings/AppSettings.h"

#include "app/AppState.h"
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

DirectionRecords MakeDefaultDirectionRecords(const RECT& p) {
    DirectionRecords records;
    const int width = p.right - p.left;
    const int height = p.bottom - p.top;
    records.layouts[0] = DirectionLayout{p.left, p.bottom - 128, width, 128, 10, 3};
    records.layouts[1] = DirectionLayout{p.left, p.top, width, height, 30, 3};
    records.docks[0] = DockState{DockEdge::Bottom, 70, 0};
    records.docks[1] = DockState{DockEdge::Top, 70, 0};
    records.lastAppliedDirection = ScrollDirection::Horizontal;
    return records;
}

int TargetMonitorIndexIn(const std::vector<MonitorEntry>& monitors, const std::wstring& monitor, HMONITOR nearest) {
    for (size_t i = 0; i < monitors.size(); ++i) {
        if (lstrcmpiW(monitors[i].deviceName.c_str(), monitor.c_str()) == 0) return static_cast<int>(i);
    }
    for (size_t i = 0; i < monitors.size(); ++i) {
        if (nearest && monitors[i].handle == nearest) return static_cast<int>(i);
    }
    for (size_t i = 0; i < monitors.size(); ++i) {
        if (monitors[i].primary) return static_cast<int>(i);
    }
    return monitors.empty() ? -1 : 0;
}

RECT ActiveCaptionRect(const AppSettings& s) { return RECT{s.x, s.y, s.x + s.width, s.y + s.height}; }

int TargetMonitorIndex() {
    const RECT caption = ActiveCaptionRect(g_app.settings);
    return TargetMonitorIndexIn(g_app.monitors, g_app.settings.monitor,
                                MonitorFromRect(&caption, MONITOR_DEFAULTTONEAREST));
}

RECT TargetWorkArea() {
    const int index = TargetMonitorIndex();
    return index >= 0 ? g_app.monitors[static_cast<size_t>(index)].workArea : PrimaryWorkArea();
}

DirectionLayout ActiveLayout(const AppSettings& s) {
    return DirectionLayout{s.x, s.y, s.width, s.height, s.nameAmountGap, s.speed};
}

void LoadActiveLayout(AppSettings& s, const DirectionLayout& l) {
    s.x = l.x;
    s.y = l.y;
    s.width = l.width;
    s.height = l.height;
    s.nameAmountGap = l.nameAmountGap;
    s.speed = l.speed;
}

void RecordDockOffsetIn(DockState& dock, const AppSettings& s, const RECT& w) {
    if (dock.edge == DockEdge::Bottom) {
        dock.bottomOffset = w.bottom - (s.y + s.height);
    } else {
        dock.topOffset = s.y - w.top;
    }
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
    if (g_app.captionWindow) ApplyCaptionPlacement();
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
    if (g_app.captionWindow) ApplyCaptionPlacement();
    SaveSettings();
    RefreshDonationTable();
    ResetCaptionScroll();
}

void ConfirmRestoreDefaults() {
    const int answer = MessageBoxW(g_app.controlPanel, L"确定要恢复默认设置吗？名单不会被清空。", L"恢复默认",
                                   MB_ICONQUESTION | MB_YESNO);
    if (answer == IDYES) RestoreDefaultSettings();
}
