// settings.ini beside the executable, read once at start-up and written in
// full after every settings change. A save edits a copy, settings.ini.pending,
// and replaces settings.ini with it in one rename, so a failed or interrupted
// save leaves the previous file as it was.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/caption/MonitorList.h"
#include "core/settings/AppSettings.h"
#include "core/settings/IniDocument.h"

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

// The file as it is on disk; an empty document when missing or unreadable.
IniDocument ReadSettingsDocument(const std::wstring& path);

// Reads the document over the records (which hold the defaults at entry):
// the keys with their clamps, the monitor resolved against `monitors`, and
// both direction layouts and dock states, also for older files.
void ReadSettings(const IniDocument& doc, const std::vector<MonitorEntry>& monitors, const RECT& primaryWorkArea,
                  AppSettings& settings, DirectionRecords& directions);

// Writes every key through "<path>.pending"; true when settings.ini was
// replaced. A failure at any step leaves settings.ini as it was.
bool WriteSettingsFile(const AppSettings& settings, const DirectionRecords& directions, const std::wstring& path,
                       const SettingsFileOps& ops);
