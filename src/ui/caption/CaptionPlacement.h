// Where the caption window goes: the target screen, the minimum height of a
// horizontal caption, moving the layouts between screens, and the one way to
// move, size and z-order the caption window. The arithmetic works on given
// rectangles so it can be checked for any arrangement of screens.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/caption/Monitors.h"
#include "core/caption/PlacementMath.h"
#include "commands/SettingsCommands.h"

// max(64, ceiling(1.35 × font pixels) + glyph padding).
int MinimumCaptionHeight();

void EnsureMinimumCaptionHeight();
void ApplyCaptionPlacement();

// WM_DISPLAYCHANGE: the set of monitors changed.
void HandleDisplayChange();
