#include "ui/caption/Monitors.h"
#include "commands/SettingsCommands.h"

#include <algorithm>

#include "app/AppState.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/PanelIds.h"

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
        DEVMODEW mode{};
        mode.dmSize = sizeof(mode);
        if (EnumDisplaySettingsW(info.szDevice, ENUM_CURRENT_SETTINGS, &mode)) entry.refreshHz = mode.dmDisplayFrequency;
        list->push_back(std::move(entry));
    }
    return TRUE;  // a monitor that cannot be read never stops the enumeration
}

}  // namespace


std::vector<MonitorEntry> AttachedMonitors() {
    std::vector<MonitorEntry> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    SortMonitorsByDeviceName(monitors);
    return monitors;
}

void RefreshMonitorList() { g_app.monitors = AttachedMonitors(); }


double ScreenScale() { return ScreenScaleIn(g_app.monitors, TargetMonitorIndex()); }

double TargetRefreshIntervalMs() {
    const int target = TargetMonitorIndex();
    const bool known = target >= 0 && static_cast<size_t>(target) < g_app.monitors.size();
    return RefreshIntervalMs(known ? g_app.monitors[static_cast<size_t>(target)].refreshHz : 0);
}


void FillTargetScreenCombo() {
    if (!g_app.panel->window) return;
    HWND combo = GetDlgItem(g_app.panel->window, kIdTargetScreenList);
    if (!combo) return;
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const MonitorEntry& entry : g_app.monitors) {
        const std::wstring text = MonitorListText(entry);
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    const int target = TargetMonitorIndex();
    if (target >= 0) SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(target), 0);
}
