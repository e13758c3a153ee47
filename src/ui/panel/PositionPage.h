// The actions of the 位置布局 page: the dock presets and the four sliders.
#pragma once

#include "commands/SettingsCommands.h"

// "贴近顶部" / "贴近底部": the caption to the top or bottom of the target
// screen's work area, at the distance that edge remembers.
void ApplyDockPreset(DockEdge edge);

// Any of the four position sliders moved (dragging included).
void ApplySliderGeometry();

// The caption window top-most or not, at once.
void OnTopMostBox();
