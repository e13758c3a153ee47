// The smallest size of the control panel: the fixed minimum, raised where
// the panel's font would otherwise clip the search box's hint or the target
// screen's name (both boxes grow with the width, so a wider panel fits them).
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "ui/panel/PanelLayout.h"

// The narrowest logical client width at which each control reaches its
// needed logical width, for controls whose width grows with the client
// width (as `placements` at any width says). Never below `floor`.
int ClientWidthForNeeds(int floor, const std::vector<std::pair<int, int>>& idAndNeededWidth);

// The panel window's minimum tracking size, in pixels, for its current fonts and screens.
SIZE MinimumPanelWindowSize();
