// The Alt accelerators of the control panel: Alt + a key, no Ctrl or Shift.
#pragma once

#include <windows.h>


// The accelerator table built from the panel's Alt keys (ui/panel/AltKeys.h);
// null on failure.
HACCEL CreateAltAcceleratorTable();
