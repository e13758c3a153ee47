// The status line of the control panel: outcomes, refusals and hints.
#pragma once

#include <windows.h>

#include <string>

// "  HH:MM:SS" of the given local time.
std::wstring StatusTimeSuffix(const SYSTEMTIME& localTime);

// Sets AppState.statusText (with the time of day appended when asked) and
// shows it in the status line if the panel has one.
void SetStatusText(const std::wstring& text, bool withTime);
