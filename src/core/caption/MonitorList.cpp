#include "core/caption/MonitorList.h"

#include <algorithm>

void SortMonitorsByDeviceName(std::vector<MonitorEntry>& monitors) {
    std::stable_sort(monitors.begin(), monitors.end(),
                     [](const MonitorEntry& a, const MonitorEntry& b) { return a.deviceName < b.deviceName; });
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
