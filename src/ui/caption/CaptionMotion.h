// The caption's frame clock and motion. A multimedia timer posts at most one
// frame message at a time; each frame measures the elapsed time with the
// performance counter, so the speed is the same at any tick rate. The
// arithmetic is kept in free functions that take the readings as arguments.
#pragma once

#include <windows.h>

#include <atomic>

#include "core/caption/MotionMath.h"

struct CaptionMotion {
    double scrollOffset = 0.0;          // pixels travelled in the current pass
    std::atomic<long> framePending{0};  // 1 while a posted frame message is unhandled
    std::atomic<bool> measuring{false};  // the renderer has entries to measure: frames go on while paused
    UINT timerId = 0;                   // multimedia timer; 0 = none
    ULONGLONG lastTopmostCheck = 0;     // GetTickCount64 of the last topmost check
};

constexpr UINT kFramePeriodMs = 8;
constexpr UINT_PTR kCaptionWindowTimer = 1;
// One frame step with the given counter reading: advances the motion unless
// paused. Returns whether a frame should be drawn.
bool StepCaptionMotion(LONGLONG now);

// Multimedia timer callback: posts the frame message unless one is pending.
void CALLBACK CaptionTimerCallback(UINT id, UINT message, DWORD_PTR window, DWORD_PTR, DWORD_PTR);

// Starts the 8 ms multimedia timer, or window timer 1 when it cannot be had.
void StartCaptionClock(HWND window);
void StopCaptionClock(HWND window);

// Re-asserts the topmost order when another topmost window covers the caption.
void KeepCaptionTopmost(HWND window);

void ResumeCaptionMotion();
void PauseCaptionMotion();

// Starts the caption again from its beginning and repaints it.
void ResetCaptionScroll();
