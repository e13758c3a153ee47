// Playback, the visibility of the control panel, and the only way out.
#pragma once

// Restores a minimised panel, shows a hidden one, brings it to the front.
void ShowControlPanel();

// True when something besides the panel can bring the panel back
// (the tray icon or a global hotkey).
bool PanelCanBeBroughtBack();

// The exit path: unregisters, saves, destroys both windows; the loop then ends.
void ExitProgram();
