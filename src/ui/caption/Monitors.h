// The attached monitors, sorted by device name; an entry's index in this
// order is the index the target-screen list shows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/caption/FramePacing.h"
#include "core/caption/MonitorList.h"

// The desktop's monitors as the system lists them now.
std::vector<MonitorEntry> AttachedMonitors();

// Rebuilds AppState.monitors from the desktop's monitors.
void RefreshMonitorList();

// ScreenScaleIn for the live monitor list and target.
double ScreenScale();

// The target screen's refresh interval (60 Hz when it is not known); read
// again with the monitors on every display change.
double TargetRefreshIntervalMs();

// Fills the panel's target-screen list and selects the target.
void FillTargetScreenCombo();
