// The notification-area icon of the control panel and its menu.
#pragma once

#include <windows.h>

constexpr UINT kTrayCallbackMessage = WM_APP + 1;
constexpr UINT kTrayIconId = 1;

// Adds the tray icon once both windows exist; AppState.notifyIcon.cbSize
// stays 0 when no icon could be added.
void AddTrayIcon();

// The tray icon's callback (mouse message in the low part of lParam).
void OnTrayCallback(LPARAM lParam);

// The menu's items, for the given playback state; the caller destroys it.
HMENU BuildTrayMenu(bool paused);
