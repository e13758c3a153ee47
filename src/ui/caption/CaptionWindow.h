// The borderless, click-through caption window on the target screen.
#pragma once

#include <windows.h>

constexpr wchar_t kCaptionWindowClass[] = L"VelmaroWindow";
constexpr UINT kCaptionFrameMessage = WM_APP + 2;

class CaptionRenderer;

// The renderers the window hands its frames to. The composition renderer is
// used while it works; after its first failure the window turns layered and
// uses the layered renderer for the rest of the run.
void SetCaptionRenderers(CaptionRenderer* composition, CaptionRenderer* layered);

// Turns the window into a layered window (for good).
void SwitchCaptionToLayeredMode(HWND window);

// Draws one frame with the active renderer.
void DispatchCaptionFrame(HWND window);
// The size of the caption's view: as placed, whatever size the layered
// renderer gives its window.
SIZE CaptionViewSize(HWND window);

// The clock's frame at `nowMs` (performance counter, milliseconds): handed to
// the renderer only when the window is shown, the picture would change and,
// for the layered renderer, a refresh interval of the target screen has
// begun since the last present. True when it was handed over.
bool PresentCaptionFrameIfDue(HWND window, double nowMs);

LRESULT CALLBACK CaptionWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers VelmaroWindow with the given icon; false when registration fails.
bool RegisterCaptionWindowClass(HINSTANCE instance, HICON icon);

// Creates the hidden caption window at the settings' geometry.
HWND CreateCaptionWindow(HINSTANCE instance);
