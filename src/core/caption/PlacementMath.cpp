#include "core/caption/PlacementMath.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kMinimumLayoutWidth = 180;
constexpr int kMinimumLayoutHeight = 40;

int RoundHalfAway(double v) { return static_cast<int>(std::round(v)); }

}  // namespace

int BottomSnapDistance(int workHeight) {
    if (workHeight < 720) return 24;
    return 2 * std::min(workHeight / 60, 36);
}

VerticalSpan GrowToMinimumHeight(int y, int height, int minimum, const RECT& w) {
    if (height >= minimum) return {y, height};
    const int workHeight = w.bottom - w.top;
    const int distance = std::abs(y + height - w.bottom);
    const int grown = std::min(minimum, workHeight);
    if (distance <= BottomSnapDistance(workHeight)) return {w.bottom - grown, grown};
    return {y, grown};
}

DirectionLayout MoveLayoutToScreen(const DirectionLayout& l, const DockState& dock, const RECT& o, const RECT& n) {
    const int oldWidth = o.right - o.left;
    const int oldHeight = o.bottom - o.top;
    const int newWidth = n.right - n.left;
    const int newHeight = n.bottom - n.top;
    const double kx = oldWidth > 0 ? std::max(kMinimumLayoutWidth, newWidth) / static_cast<double>(oldWidth) : 1.0;
    const double ky = oldHeight > 0 ? std::max(kMinimumLayoutHeight, newHeight) / static_cast<double>(oldHeight) : 1.0;
    DirectionLayout moved = l;
    moved.x = n.left + RoundHalfAway((l.x - o.left) * kx);
    moved.width = std::max(kMinimumLayoutWidth, RoundHalfAway(l.width * kx));
    moved.height = std::max(kMinimumLayoutHeight, RoundHalfAway(l.height * ky));
    moved.y = dock.edge == DockEdge::Bottom ? n.bottom - moved.height - dock.bottomOffset : n.top + dock.topOffset;
    return moved;
}

bool LiesOutsideEveryMonitor(const RECT& rect, const std::vector<MonitorEntry>& monitors) {
    for (const MonitorEntry& m : monitors) {
        RECT overlap{};
        if (IntersectRect(&overlap, &rect, &m.monitorRect)) return false;
    }
    return true;
}

DirectionLayout BringLayoutOntoScreen(const DirectionLayout& l, const DockState& dock, const RECT& w,
                                      const std::vector<MonitorEntry>& monitors) {
    const RECT rect{l.x, l.y, l.x + l.width, l.y + l.height};
    if (monitors.empty() || !LiesOutsideEveryMonitor(rect, monitors)) return l;
    DirectionLayout back = l;
    const int workWidth = w.right - w.left;
    const int workHeight = w.bottom - w.top;
    back.width = std::max(kMinimumLayoutWidth, std::min(l.width, workWidth));
    back.height = std::max(kMinimumLayoutHeight, std::min(l.height, workHeight));
    back.x = w.left;
    const int y = dock.edge == DockEdge::Bottom ? w.bottom - back.height - dock.bottomOffset : w.top + dock.topOffset;
    // The offset may be what pushed it off screen; keep it inside the work area.
    const int top = static_cast<int>(w.top);
    back.y = std::clamp(y, top, std::max(top, static_cast<int>(w.bottom) - back.height));
    return back;
}
