// Playback, the visibility of the control panel, and the only way out.
#pragma once

// Brings the caption and the panel in line with `paused`: a paused caption
// is hidden with its position kept, a playing one shown and moving.
void ShowPlaybackState();

// The play button's text: "开始播放" until the first toggle, then
// "暂停并隐藏" while playing and "继续播放" while paused.
const wchar_t* PlayButtonText(bool paused, bool everToggled);

// The play button's text for the present state.
const wchar_t* CurrentPlayButtonText();

// Restores a minimised panel, shows a hidden one, brings it to the front.
void ShowControlPanel();

// True when something besides the panel can bring the panel back
// (the tray icon or a global hotkey).
bool PanelCanBeBroughtBack();

// The exit path: saves first and, while the list is not saved, asks the
// operator (who may stay); then unregisters, saves, destroys both windows,
// and the loop ends.
void ExitProgram();

// The exit path's teardown alone, without a question (the session is ending).
void LeaveProgram();
