// A new application record for each test, as start-up makes it: nothing an
// earlier test changed (directions, flags, paths, undo steps) can reach the
// next one, whatever order the tests run in.
#pragma once

#include <windows.h>

#include <new>

#include "app/AppState.h"
#include "ui/caption/Monitors.h"

inline void StartFreshAppState() {
    // Ends the old record's life (its owners free what they hold) and makes
    // a new one in the same place; everything names it through g_app.
    g_app.~AppState();
    new (&g_app) AppState();
    g_app.instance = GetModuleHandleW(nullptr);
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    g_app.counterFrequency = frequency.QuadPart;
    RefreshMonitorList();
}
