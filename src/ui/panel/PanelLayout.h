// Where every control of the panel goes for a given client size, in logical
// pixels; LayoutControlPanel converts and applies it.
#pragma once

#include <windows.h>

#include <vector>

struct ControlPlacement {
    int id;
    RECT rect;  // logical pixels: left, top, right, bottom
};

// The placements for a logical client width b and height H.
std::vector<ControlPlacement> PanelPlacements(int b, int H);

// Applies the placements to the panel's controls.
void LayoutControlPanel();
