#include "settings/SettingsFile.h"

#include "app/AppState.h"
#include "settings/SettingsState.h"

void LoadSettings() {
    ReadSettings(ReadSettingsDocument(g_app.settingsPath), g_app.monitors, PrimaryWorkArea(), g_app.settings,
                 g_app.directions);
}

void SaveSettingsWith(const SettingsFileOps& ops) {
    StoreActiveLayout(g_app.settings.direction);
    RecordDockOffset(g_app.settings.direction);
    g_app.settingsSaveOk = false;
    g_app.settingsSaveOk = WriteSettingsFile(g_app.settings, g_app.directions, g_app.settingsPath, ops);
}

void SaveSettings() { SaveSettingsWith(PlatformSettingsFileOps()); }
