// The live settings: the screens they refer to, the direction switch and
// the return to the defaults, which read and change the application state.
// The record itself is plain data in core/settings/AppSettings.h.
#pragma once

#include <windows.h>

#include "core/settings/AppSettings.h"

// Work area of the primary monitor (first monitor, then the system work area).
RECT PrimaryWorkArea();

// The target monitor of the live monitor list and settings.
int TargetMonitorIndex();
RECT TargetWorkArea();

void StoreActiveLayout(ScrollDirection d);
void RecordDockOffset(ScrollDirection d);
void SwitchDirection(ScrollDirection d);
void RestoreDefaultSettings();
void ConfirmRestoreDefaults();

// All defaults, with the caption geometry and monitor taken from the primary screen.
AppSettings MakeDefaultSettings();
