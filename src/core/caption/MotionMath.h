// The caption's motion as arithmetic on given readings: elapsed time, the
// offset it advances by, and the wrap into one scroll cycle.
#pragma once

#include <windows.h>

constexpr double kDefaultFrameMs = 16.0;
constexpr double kLargestFrameMs = 50.0;
constexpr double kPixelsPerMsPerSpeed = 0.0625;

// Milliseconds since the previous reading; 16 when there is no usable counter
// or no previous reading. Not clamped.
double FrameElapsedMs(LONGLONG now, LONGLONG last, LONGLONG frequency);

// The offset after dt milliseconds (clamped to 0..50) at the given speed and scale.
// Double precision: a long strip's pass reaches tens of millions of pixels,
// where a float's steps would be pixels wide.
double AdvanceScrollOffset(double offset, double dtMs, int speed, double screenScale);

// The offset brought into [0, cycle); unchanged when cycle <= 0.
double WrapScrollOffset(double offset, double cycle);
