// settings.ini for the live settings: read once at start-up, written after
// every settings change. The format and the save steps are plain logic in
// core/settings/SettingsFileFormat.h.
#pragma once

#include "core/settings/SettingsFileFormat.h"

// Reads settings.ini over the current settings; a missing file keeps them.
void LoadSettings();

// Writes the settings; AppState.settingsSaveOk := result.
void SaveSettings();
void SaveSettingsWith(const SettingsFileOps& ops);
