// Registering the program's window classes: all have the arrow cursor and
// differ only in procedure, icon, background and window memory.
#pragma once

#include <windows.h>

struct WindowClassTraits {
    const wchar_t* name;
    WNDPROC procedure;
    HICON icon = nullptr;
    HBRUSH background = nullptr;
    int windowExtra = 0;  // bytes of window memory
};

// False when the class could not be registered (for instance, it already is).
inline bool RegisterProgramClass(HINSTANCE instance, const WindowClassTraits& traits) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = traits.procedure;
    wc.cbWndExtra = traits.windowExtra;
    wc.hInstance = instance;
    wc.hIcon = traits.icon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = traits.background;
    wc.lpszClassName = traits.name;
    return RegisterClassExW(&wc) != 0;
}
