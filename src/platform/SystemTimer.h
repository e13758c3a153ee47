// The multimedia timer functions of winmm.dll, from the system folder only.
// Without them the caption's frame clock falls back to a window timer and
// the timer resolution stays as it is.
#pragma once

#include <windows.h>
#include <mmsystem.h>

// False when winmm.dll or one of its functions could not be had.
bool SystemTimerAvailable();

void BeginTimerPeriod(UINT milliseconds);
void EndTimerPeriod(UINT milliseconds);
// 0 when the timer could not be started (as timeSetEvent reports it).
UINT StartPeriodicTimer(UINT milliseconds, UINT resolution, LPTIMECALLBACK callback, DWORD_PTR data);
void StopPeriodicTimer(UINT id);
