// The borderless, click-through caption window on the target screen.
#pragma once

#include <windows.h>

constexpr wchar_t kCaptionWindowClass[] = L"VelmaroWindow";
constexpr UINT kCaptionFrameMessage = WM_APP + 2;

LRESULT CALLBACK CaptionWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers VelmaroWindow with the given icon; false when registration fails.
bool RegisterCaptionWindowClass(HINSTANCE instance, HICON icon);

// Creates the hidden caption window at the settings' geometry.
HWND CreateCaptionWindow(HINSTANCE instance);
