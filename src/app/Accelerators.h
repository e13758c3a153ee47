// The Alt accelerators of the control panel: Alt + a key, no Ctrl or Shift.
#pragma once

#include <windows.h>

#include <array>

struct AltAccelerator {
    WORD key;      // virtual-key code
    WORD command;  // sent to the control panel as WM_COMMAND
};

extern const std::array<AltAccelerator, 34> kAltAccelerators;

// The accelerator table built from kAltAccelerators; null on failure.
HACCEL CreateAltAcceleratorTable();
