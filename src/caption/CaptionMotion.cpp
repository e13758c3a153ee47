#include "caption/CaptionMotion.h"

#include <algorithm>
#include <cmath>

#include "app/AppState.h"
#include "caption/CaptionPlacement.h"
#include "caption/CaptionWindow.h"
#include "caption/Monitors.h"
#include "platform/SystemTimer.h"

CaptionMotion g_motion;




bool StepCaptionMotion(LONGLONG now) {
    const double dt = FrameElapsedMs(now, g_app.lastFrameCounter, g_app.counterFrequency);
    g_app.lastFrameCounter = now;
    if (g_app.paused) return false;
    g_motion.scrollOffset = AdvanceScrollOffset(g_motion.scrollOffset, dt, g_app.settings.speed, ScreenScale());
    return true;
}

void CALLBACK CaptionTimerCallback(UINT, UINT, DWORD_PTR window, DWORD_PTR, DWORD_PTR) {
    if (!window || g_app.paused) return;
    if (g_motion.framePending.exchange(1) == 0) {
        PostMessageW(reinterpret_cast<HWND>(window), kCaptionFrameMessage, 0, 0);
    }
}

void StartCaptionClock(HWND window) {
    g_motion.framePending = 0;
    g_motion.timerId = StartPeriodicTimer(kFramePeriodMs, 1, CaptionTimerCallback, reinterpret_cast<DWORD_PTR>(window));
    if (g_motion.timerId == 0) SetTimer(window, kCaptionWindowTimer, kFramePeriodMs, nullptr);
}

void StopCaptionClock(HWND window) {
    if (g_motion.timerId != 0) {
        StopPeriodicTimer(g_motion.timerId);
        g_motion.timerId = 0;
    }
    KillTimer(window, kCaptionWindowTimer);
    g_motion.framePending = 0;
}

namespace {

constexpr UINT kTopmostFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOSENDCHANGING;

bool IsTopmost(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

}  // namespace

void KeepCaptionTopmost(HWND window) {
    if (!window || !g_app.settings.topMost || g_app.paused || !IsWindowVisible(window)) return;
    const ULONGLONG now = GetTickCount64();
    if (now - g_motion.lastTopmostCheck <= 249) return;
    g_motion.lastTopmostCheck = now;
    RECT caption{};
    if (!GetWindowRect(window, &caption)) return;
    if (!IsTopmost(window)) {
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, kTopmostFlags);
        return;
    }
    for (HWND above = GetWindow(window, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
        if (!IsTopmost(above)) return;
        if (!IsWindowVisible(above) || IsIconic(above)) continue;
        RECT r{};
        RECT overlap{};
        if (!GetWindowRect(above, &r) || !IntersectRect(&overlap, &r, &caption)) continue;
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, kTopmostFlags);
        return;
    }
}

void ResumeCaptionMotion() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    g_app.lastFrameCounter = now.QuadPart;  // the pause does not count as motion
    HWND window = g_app.captionWindow;
    if (!window) return;
    ApplyCaptionPlacement();
    ShowWindow(window, SW_SHOWNOACTIVATE);
    InvalidateRect(window, nullptr, FALSE);
    if (g_motion.timerId == 0) SetTimer(window, kCaptionWindowTimer, kFramePeriodMs, nullptr);
}

void PauseCaptionMotion() {
    if (g_app.captionWindow) ShowWindow(g_app.captionWindow, SW_HIDE);
}

void ResetCaptionScroll() {
    g_motion.scrollOffset = 0.0f;
    if (g_app.captionWindow) InvalidateRect(g_app.captionWindow, nullptr, FALSE);
}
