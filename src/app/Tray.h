// The notification-area icon of the control panel.
#pragma once

// Adds the tray icon once both windows exist; AppState.notifyIcon.cbSize
// stays 0 while no icon was added.
void AddTrayIcon();
