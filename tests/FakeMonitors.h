// Monitor lists of any arrangement, without real screens.
#pragma once

#include <windows.h>

#include <string>

#include "ui/caption/Monitors.h"

inline MonitorEntry FakeScreen(const std::wstring& name, RECT rect, bool primary, int taskbar = 0) {
    static INT_PTR nextHandle = 0x5000;
    MonitorEntry m;
    m.handle = reinterpret_cast<HMONITOR>(++nextHandle);
    m.monitorRect = rect;
    m.workArea = RECT{rect.left, rect.top, rect.right, rect.bottom - taskbar};
    m.deviceName = name;
    m.primary = primary;
    return m;
}
