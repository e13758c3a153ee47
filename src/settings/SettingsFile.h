// settings.ini beside the executable, read once at start-up and written in
// full after every settings change. A save edits a copy, settings.ini.pending,
// and replaces settings.ini with it in one rename, so a failed or interrupted
// save leaves the previous file as it was.
#pragma once

#include <string>

// The file steps of a save; tests replace them to make each step fail.
struct SettingsFileOps {
    bool (*copyFile)(const std::wstring& from, const std::wstring& to);
    bool (*createWithBom)(const std::wstring& path);  // the UTF-16LE mark FF FE alone
    bool (*writeValue)(const wchar_t* section, const wchar_t* key, const std::wstring& value,
                       const std::wstring& path);
    // Writes the profile functions' cache out; the platform reports no result.
    void (*flushProfile)(const std::wstring& path);
    bool (*flushFile)(const std::wstring& path);
    bool (*replaceFile)(const std::wstring& pending, const std::wstring& target);
};

const SettingsFileOps& PlatformSettingsFileOps();

// Reads settings.ini over the current settings; a missing file keeps them.
void LoadSettings();

// Writes the settings; AppState.settingsSaveOk := result.
void SaveSettings();
void SaveSettingsWith(const SettingsFileOps& ops);
