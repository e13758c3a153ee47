// The attached monitors, sorted by device name; an entry's index in this
// order is the index the target-screen list shows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct MonitorEntry {
    HMONITOR handle = nullptr;
    RECT monitorRect{};
    RECT workArea{};
    std::wstring deviceName;
    bool primary = false;
};

// Ascending by device name, code unit by code unit; a prefix sorts first.
void SortMonitorsByDeviceName(std::vector<MonitorEntry>& monitors);

// Rebuilds AppState.monitors from the desktop's monitors.
void RefreshMonitorList();

// Factor between the target screen's height and the primary screen's.
double ScreenScale();
