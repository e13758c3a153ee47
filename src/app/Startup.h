// Start-up in its fixed order, and the release of what it made, in reverse.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The whole program: start-up, the message loop, shutdown. Returns 0, or 1
// when a system component it needs is missing (the operator is told).
int RunVelmaro(HINSTANCE instance, int showCommand);

// The folder part of a module path, without the separator; "." when the
// path holds neither "\" nor "/".
std::wstring ProgramFolderFromModulePath(std::wstring_view modulePath);

// Steps of the start-up, in the order RunVelmaro calls them.
void StartPlatform(HINSTANCE instance);  // counter, timer resolution, DPI, common controls
void FindProgramFiles();                 // programFolder, listPath, settingsPath
void LoadStartupData();                  // monitors, default settings, settings.ini, donations.txt
void RegisterWindowClasses();                // with the common control classes first
void InitialiseCommonControls();
void CreateMainWindows();                // caption window, control panel, big icons, caption font
void WatchListFile();                    // another program's writes to donations.txt show up
void ShowMainWindows(int showCommand);
void ShutdownPlatform();

// The application icon (resource 101) at the given size; shared, not owned.
HICON LoadApplicationIcon(int size);

constexpr int kApplicationIconId = 101;
