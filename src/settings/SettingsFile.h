// settings.ini beside the executable.
#pragma once

// Reads settings.ini over the current settings; a missing file keeps them.
void LoadSettings();

// Writes the settings; AppState.settingsSaveOk := result.
void SaveSettings();
