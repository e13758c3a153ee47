#include "ui/caption/CaptionMotion.h"

#include <algorithm>
#include <cmath>

#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "ui/caption/CaptionPlacement.h"
#include "ui/caption/CaptionWindow.h"
#include "ui/caption/Monitors.h"
#include "platform/SystemTimer.h"





bool StepCaptionMotion(LONGLONG now) {
    const double dt = FrameElapsedMs(now, g_app.lastFrameCounter, g_app.counterFrequency);
    g_app.lastFrameCounter = now;
    if (g_app.paused) return false;
    g_app.caption->motion.scrollOffset = AdvanceScrollOffset(g_app.caption->motion.scrollOffset, dt, g_app.settings.speed, ScreenScale());
    return true;
}

void CALLBACK CaptionTimerCallback(UINT, UINT, DWORD_PTR window, DWORD_PTR, DWORD_PTR) {
    if (!window || (g_app.paused && !g_app.caption->motion.measuring)) return;
    if (g_app.caption->motion.framePending.exchange(1) == 0) {
        PostMessageW(reinterpret_cast<HWND>(window), kCaptionFrameMessage, 0, 0);
    }
}

void StartCaptionClock(HWND window) {
    g_app.caption->motion.framePending = 0;
    g_app.caption->motion.timerId = StartPeriodicTimer(kFramePeriodMs, 1, CaptionTimerCallback, reinterpret_cast<DWORD_PTR>(window));
    if (g_app.caption->motion.timerId == 0) SetTimer(window, kCaptionWindowTimer, kFramePeriodMs, nullptr);
}

void StopCaptionClock(HWND window) {
    if (g_app.caption->motion.timerId != 0) {
        StopPeriodicTimer(g_app.caption->motion.timerId);
        g_app.caption->motion.timerId = 0;
    }
    KillTimer(window, kCaptionWindowTimer);
    g_app.caption->motion.framePending = 0;
}

namespace {

constexpr UINT kTopmostFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOSENDCHANGING;

bool IsTopmost(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

}  // namespace

void KeepCaptionTopmost(HWND window) {
    if (!window || !g_app.settings.topMost || g_app.paused || !IsWindowVisible(window)) return;
    const ULONGLONG now = GetTickCount64();
    if (now - g_app.caption->motion.lastTopmostCheck <= 249) return;
    g_app.caption->motion.lastTopmostCheck = now;
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
    HWND window = g_app.caption->window;
    if (!window) return;
    ApplyCaptionPlacement();
    ShowWindow(window, SW_SHOWNOACTIVATE);
    InvalidateRect(window, nullptr, FALSE);
    if (g_app.caption->motion.timerId == 0) SetTimer(window, kCaptionWindowTimer, kFramePeriodMs, nullptr);
}

void PauseCaptionMotion() {
    if (g_app.caption->window) ShowWindow(g_app.caption->window, SW_HIDE);
}

void ResetCaptionScroll() {
    g_app.caption->motion.scrollOffset = 0.0;
    if (g_app.caption->window) InvalidateRect(g_app.caption->window, nullptr, FALSE);
}
