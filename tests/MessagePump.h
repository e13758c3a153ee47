// Dispatching what the windows of a test have queued, without the loop.
#pragma once

#include <windows.h>

// Dispatches every queued message; a posted quit message is left out.
inline void DrainMessages() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_QUIT) continue;
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

// True when a quit message was queued (and takes it out).
inline bool TakeQuitMessage() {
    MSG m;
    return PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}
