// The live settings: the screens they refer to, settings.ini, and the
// commands that change them as a whole (switch direction, restore the
// defaults, start or pause playback). The record and the file format are
// plain logic in core/settings.
#pragma once

#include <windows.h>

#include <functional>

#include "app/AppState.h"
#include "commands/Views.h"
#include "core/settings/AppSettings.h"
#include "core/settings/SettingsFileFormat.h"

// Work area of the primary monitor (first monitor, then the system work area).
RECT PrimaryWorkArea();

// The target monitor of the live monitor list and settings.
int TargetMonitorIndex();
RECT TargetWorkArea();

void StoreActiveLayout(ScrollDirection d);
void RecordDockOffset(ScrollDirection d);

// All defaults, with the caption geometry and monitor taken from the primary screen.
AppSettings MakeDefaultSettings();

// Reads settings.ini over the current settings; a missing file keeps them.
void LoadSettings(AppState& app);

// Writes settings.ini, the active direction's layout and dock offset kept
// first; false when the file could not be written.
bool SaveSettings(AppState& app, const SettingsFileOps& ops = PlatformSettingsFileOps());

// The other direction's layout takes over; the caption restarts.
void SwitchDirection(AppState& app, Views& views, ScrollDirection d);
// Every setting back to its default; the list stays.
void RestoreDefaultSettings(AppState& app, Views& views);
// The same once the operator confirms.
void ConfirmRestoreDefaults(AppState& app, Views& views);

// The settings as the panel's controls read them: the values belong to the
// direction that was showing, and a new direction brings its own layout.
// Returns whether they were saved.
bool ApplySettings(AppState& app, Views& views, const AppSettings& read);

// A setting changed by one control of the panel (a check box, a spin, a
// slider, a colour): `change` sets it, the windows redo what `what` names,
// and the settings are saved. Returns whether they were saved.
bool ChangeSettings(AppState& app, Views& views, SettingsChange what, const std::function<void(AppSettings&)>& change);

// A dock preset: the geometry as typed, then the caption at the given edge of
// its screen at the distance that edge remembers. Returns whether saved.
bool DockCaption(AppState& app, Views& views, const AppSettings& typed, DockEdge edge);

// Starts or pauses the caption.
void TogglePlayback(AppState& app, Views& views);
