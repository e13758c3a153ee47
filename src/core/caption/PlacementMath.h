// Where a caption layout goes on a screen, as arithmetic on given
// rectangles, so it can be checked for any arrangement of screens.
#pragma once

#include <windows.h>

#include <vector>

#include "core/caption/MonitorList.h"
#include "core/settings/AppSettings.h"

// How close to the work area's bottom a caption counts as sitting on it.
int BottomSnapDistance(int workHeight);

struct VerticalSpan {
    int y;
    int height;
};

// A caption lower than `minimum` grows to it (never beyond the work area's
// height); one that sat on the bottom edge grows upward and stays on it.
VerticalSpan GrowToMinimumHeight(int y, int height, int minimum, const RECT& workArea);

// The layout moved from work area `from` to work area `to`: scaled in x and
// size, with y decided by the dock edge and its offset.
DirectionLayout MoveLayoutToScreen(const DirectionLayout& layout, const DockState& dock, const RECT& from,
                                   const RECT& to);

// True when the rectangle overlaps no monitor at all.
bool LiesOutsideEveryMonitor(const RECT& rect, const std::vector<MonitorEntry>& monitors);

// A layout that lies outside every monitor, brought back onto the work area
// at its dock edge; any other layout unchanged.
DirectionLayout BringLayoutOntoScreen(const DirectionLayout& layout, const DockState& dock, const RECT& workArea,
                                      const std::vector<MonitorEntry>& monitors);
