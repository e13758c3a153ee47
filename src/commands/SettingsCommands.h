// The live settings: the screens they refer to, settings.ini, and the
// commands that change them as a whole (switch direction, restore the
// defaults, start or pause playback). The record and the file format are
// plain logic in core/settings.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "commands/Views.h"
#include "core/caption/PlacementMath.h"
#include "core/list/AmountText.h"
#include "core/settings/AppSettings.h"
#include "core/settings/HotkeyGrammar.h"
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

// One step of dragging the caption's area in the preview: the caption's new
// top-left, kept as the active layout. Not saved: the end of the drag saves.
void MoveCaption(AppState& app, Views& views, POINT topLeft);

// A horizontal caption lower than `minimumHeight` grows to it, kept inside
// the target work area; the layout and dock offset remember it.
void KeepMinimumCaptionHeight(AppState& app, int minimumHeight);

// The caption on the screen at `index` of the monitor list: both directions'
// layouts move with it, keeping their places relative to the work area.
void SelectTargetScreen(AppState& app, Views& views, int index);

// The attached screens as the system now lists them: a target that is still
// there stays; otherwise the primary screen takes the caption, and a layout
// that lies outside every screen is brought back onto it.
void TakeInScreens(AppState& app, Views& views, std::vector<MonitorEntry> monitors);

// A hotkey text the grammar cannot read is replaced by its default (one
// that reads but is held by another program stays as typed).
void KeepUsableHotkeys(AppState& app);

// "应用快捷键": the four texts (an empty one gives the default), registered
// by the windows, then saved.
void ApplyHotkeyTexts(AppState& app, Views& views, const std::array<std::wstring, kHotkeyCount>& texts);

// Starts or pauses the caption.
void TogglePlayback(AppState& app, Views& views);
