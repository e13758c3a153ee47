// The attached monitors as plain records, sorted by device name; an entry's
// index in this order is the index the target-screen list shows.
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
    unsigned refreshHz = 0;  // as the display settings report it; 0 when unknown
};

// Ascending by device name, code unit by code unit; a prefix sorts first.
void SortMonitorsByDeviceName(std::vector<MonitorEntry>& monitors);

// Height of the target's monitor rectangle over the primary's, 0.5..4;
// 1 when either is unknown.
double ScreenScaleIn(const std::vector<MonitorEntry>& monitors, int targetIndex);

// The target-screen list's text for an entry: "显示器 1（主屏）  1920×1080".
std::wstring MonitorListText(const MonitorEntry& entry);
