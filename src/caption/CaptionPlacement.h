// The one way to move, size and z-order the caption window.
#pragma once

void ApplyCaptionPlacement();
