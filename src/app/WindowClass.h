// Registering the program's window classes: all have the arrow cursor and
// differ only in procedure, icon, background and window memory.
#pragma once

#include <windows.h>

struct WindowClassSpec {
    const wchar_t* name;
    WNDPROC procedure;
    HICON icon = nullptr;
    HBRUSH background = nullptr;
    int windowExtra = 0;  // bytes of window memory
};

// False when the class could not be registered (for instance, it already is).
inline bool RegisterProgramClass(HINSTANCE instance, const WindowClassSpec& spec) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = spec.procedure;
    wc.cbWndExtra = spec.windowExtra;
    wc.hInstance = instance;
    wc.hIcon = spec.icon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = spec.background;
    wc.lpszClassName = spec.name;
    return RegisterClassExW(&wc) != 0;
}
