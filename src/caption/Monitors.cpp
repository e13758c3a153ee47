#include "caption/Monitors.h"

#include <algorithm>

#include "app/AppState.h"
#include "panel/PanelIds.h"

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

double ScreenScaleIn(const std::vector<MonitorEntry>& monitors, int target) {
    if (target < 0 || static_cast<size_t>(target) >= monitors.size()) return 1.0;
    size_t primary = 0;
    for (size_t i = 0; i < monitors.size(); ++i) {
        if (monitors[i].primary) {
            primary = i;
            break;
        }
    }
    const RECT& t = monitors[static_cast<size_t>(target)].monitorRect;
    const RECT& p = monitors[primary].monitorRect;
    const int ht = t.bottom - t.top;
    const int hp = p.bottom - p.top;
    if (ht <= 0 || hp <= 0) return 1.0;
    return std::clamp(static_cast<double>(ht) / hp, 0.5, 4.0);
}

double ScreenScale() { return ScreenScaleIn(g_app.monitors, TargetMonitorIndex()); }

std::wstring MonitorListText(const MonitorEntry& entry) {
    const std::wstring& name = entry.deviceName;
    size_t digitsStart = name.size();
    while (digitsStart > 0 && name[digitsStart - 1] >= L'0' && name[digitsStart - 1] <= L'9') --digitsStart;
    std::wstring number;
    if (digitsStart == name.size()) {
        number = L"?";  // ends in a non-digit (or is empty)
    } else {
        number = name.substr(digitsStart);  // the whole name when it is all digits
    }
    std::wstring text = L"显示器 " + number;
    if (entry.primary) text += L"（主屏）";
    const RECT& r = entry.monitorRect;
    text += L"  " + std::to_wstring(r.right - r.left) + L"×" + std::to_wstring(r.bottom - r.top);
    return text;
}

void FillTargetScreenCombo() {
    if (!g_app.controlPanel) return;
    HWND combo = GetDlgItem(g_app.controlPanel, kIdTargetScreenList);
    if (!combo) return;
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const MonitorEntry& entry : g_app.monitors) {
        const std::wstring text = MonitorListText(entry);
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    const int target = TargetMonitorIndex();
    if (target >= 0) SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(target), 0);
}
