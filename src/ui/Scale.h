// S(v): logical pixels (at 96 dpi) of the panel, its panes and the import
// window at the program's DPI, rounded as everywhere: v × dpiScale + 0.5.
#pragma once

#include "app/AppState.h"
#include "platform/Dpi.h"

inline int S(int v) { return ScaleLogical(v, g_app.dpiScale); }
