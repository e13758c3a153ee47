// The single message loop and the order in which it routes keys: the help
// window, the import window, the panel's own keys, the Alt accelerators,
// dialog navigation, then ordinary dispatch.
#pragma once

#include <windows.h>

// Routes one message as the loop does.
void RouteMessage(MSG& message);

// Runs until the quit message; returns its exit code.
int RunMessageLoop();
