// The status line of the control panel: outcomes, refusals and hints.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// "  HH:MM:SS" of the given local time.
std::wstring StatusTimeSuffix(const SYSTEMTIME& localTime);

// Sets AppState.statusText (with the time of day appended when asked) and
// shows it in the status line. Before the panel exists it does nothing.
void SetStatusText(const std::wstring& text, bool withTime);

// The text shortened to `width` pixels by an ellipsis in its middle, keeping
// at least the last `keepTail` characters (the time) whenever any text fits.
std::wstring FitStatusText(const std::wstring& text, int width, size_t keepTail,
                           const std::function<int(const std::wstring&)>& measure);

// Makes the status line draw itself with the middle ellipsis.
void AttachStatusLinePainter(HWND statusLine);
