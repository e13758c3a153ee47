#include "settings/AppSettings.h"

#include "app/AppState.h"

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
