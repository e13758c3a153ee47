// Single-line text boxes that show their line in the middle of the box. An
// edit control draws its text at the top of its client area, so the client
// area is made one line high and centred, and the bands above and below it
// are painted as the box's background and take clicks like the rest of it.
#pragma once

#include <windows.h>

bool IsSingleLineTextBox(HWND edit);

// Handles the frame messages of a subclassed edit (base: its own window
// procedure); false for every other message.
bool CentredTextBoxMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, WNDPROC base, LRESULT& result);
