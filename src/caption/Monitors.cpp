#include "caption/Monitors.h"

#include <algorithm>

#include "app/AppState.h"

namespace {

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto* list = reinterpret_cast<std::vector<MonitorEntry>*>(data);
    MONITORINFOEXW info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(monitor, &info)) {
        MonitorEntry entry;
        entry.handle = monitor;
        entry.monitorRect = info.rcMonitor;
        entry.workArea = info.rcWork;
        entry.deviceName = info.szDevice;
        entry.primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
        list->push_back(std::move(entry));
    }
    return TRUE;  // a monitor that cannot be read never stops the enumeration
}

}  // namespace

void SortMonitorsByDeviceName(std::vector<MonitorEntry>& monitors) {
    std::stable_sort(monitors.begin(), monitors.end(),
                     [](const MonitorEntry& a, const MonitorEntry& b) { return a.deviceName < b.deviceName; });
}

void RefreshMonitorList() {
    g_app.monitors.clear();
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&g_app.monitors));
    SortMonitorsByDeviceName(g_app.monitors);
}

// Target-screen selection arrives with the screens' settings; until then
// the caption is laid out for the primary screen.
double ScreenScale() { return 1.0; }
