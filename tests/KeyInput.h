// Keys as the operator types them: the key state is set and the key-down
// goes through the program's own message routing.
#pragma once

#include <windows.h>

#include "MessagePump.h"
#include "app/MessageLoop.h"

inline void SetKeyDown(int key, bool down) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[key] = down ? 0x80 : 0;
    SetKeyboardState(state);
}

// WM_SYSKEYDOWN is sent with Alt down; the queue is drained afterwards.
inline void RouteKey(HWND target, UINT message, WPARAM key) {
    MSG m{};
    m.hwnd = target;
    m.message = message;
    m.wParam = key;
    const bool alt = message == WM_SYSKEYDOWN;
    m.lParam = alt ? (1 << 29) : 0;  // bit 29: Alt is down
    SetKeyDown(VK_MENU, alt);
    RouteMessage(m);
    SetKeyDown(VK_MENU, false);
    DrainMessages();
}

// A key pressed with Ctrl (or Shift) held.
inline void RouteKeyWith(int modifier, HWND target, WPARAM key) {
    SetKeyDown(modifier, true);
    RouteKey(target, WM_KEYDOWN, key);
    SetKeyDown(modifier, false);
}
