#include "core/settings/AppSettings.h"

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
