#include "ui/caption/CaptionWindow.h"

#include <cmath>

#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "ui/panel/ControlPanel.h"
#include "platform/WindowClass.h"
#include "ui/caption/CaptionLayout.h"
#include "ui/caption/CaptionMotion.h"
#include "ui/caption/Monitors.h"

namespace {


LRESULT OnCreate(HWND window) {
    g_app.caption->renderers.compositionReady = g_app.caption->renderers.composition && g_app.caption->renderers.composition->Initialise(window);
    if (!g_app.caption->renderers.compositionReady) SwitchCaptionToLayeredMode(window);
    if (g_app.caption->renderers.layered) g_app.caption->renderers.layered->Initialise(window);
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    g_app.lastFrameCounter = now.QuadPart;
    StartCaptionClock(window);
    return 0;
}

double CounterMs(LONGLONG counter) {
    return g_app.counterFrequency > 0 ? 1000.0 * static_cast<double>(counter) / static_cast<double>(g_app.counterFrequency)
                                      : 0.0;
}

LRESULT OnFrame(HWND window, bool frameMessage) {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    if (StepCaptionMotion(now.QuadPart)) {
        KeepCaptionTopmost(window);
        PresentCaptionFrameIfDue(window, CounterMs(now.QuadPart));
    } else if (g_app.caption->motion.measuring) {
        // Paused, with a list still to measure: the same picture, measured further.
        g_app.caption->pacer.Invalidate();
        PresentCaptionFrameIfDue(window, CounterMs(now.QuadPart));
    }
    if (frameMessage) g_app.caption->motion.framePending = 0;
    return 0;
}

LRESULT OnDestroy(HWND window) {
    if (g_app.caption->renderers.composition && g_app.caption->renderers.compositionReady) g_app.caption->renderers.composition->Release();
    g_app.caption->renderers.compositionReady = false;
    StopCaptionClock(window);
    if (g_app.caption->window == window) g_app.caption->window = nullptr;
    // Only the real exit path ends the program; any other destruction keeps it running.
    if (g_app.exiting) PostQuitMessage(0);
    return 0;
}

LRESULT OnPaint(HWND window) {
    PaintScope paint(window);
    // Whatever uncovered or showed the window: this frame presents.
    g_app.caption->pacer.Invalidate();
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    PresentCaptionFrameIfDue(window, CounterMs(now.QuadPart));
    return 0;
}

LRESULT OnRightButtonUp() {
    if (g_app.panel->window) {
        ShowWindow(g_app.panel->window, SW_SHOW);
        SetForegroundWindow(g_app.panel->window);
    }
    return 0;
}

}  // namespace

LRESULT CALLBACK CaptionWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: return OnCreate(window);
        case WM_DESTROY: return OnDestroy(window);
        case WM_TIMER: return OnFrame(window, false);
        case kCaptionFrameMessage: return OnFrame(window, true);
        case WM_PAINT: return OnPaint(window);
        case WM_ERASEBKGND: return 1;
        case WM_NCHITTEST: return HTTRANSPARENT;
        case WM_RBUTTONUP: return OnRightButtonUp();
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

void SetCaptionRenderers(CaptionRenderer* composition, CaptionRenderer* layered) {
    g_app.caption->renderers.composition = composition;
    g_app.caption->renderers.layered = layered;
}

void SwitchCaptionToLayeredMode(HWND window) {
    LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
    style = (style & ~static_cast<LONG_PTR>(WS_EX_NOREDIRECTIONBITMAP)) | WS_EX_LAYERED;
    SetWindowLongPtrW(window, GWL_EXSTYLE, style);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

SIZE CaptionViewSize(HWND window) {
    // The layered renderer shrinks its window to the band that holds text:
    // the view is the caption as placed.
    if (!g_app.caption->renderers.compositionReady) return {g_app.settings.width, g_app.settings.height};
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

void DispatchCaptionFrame(HWND window) {
    const SIZE view = CaptionViewSize(window);
    if (view.cx < 1 || view.cy < 1) return;
    RECT client{0, 0, view.cx, view.cy};
    CaptionRenderers& renderers = g_app.caption->renderers;
    if (renderers.compositionReady) {
        CaptionFrame frame = ProgramCaptionFrame(client.right, client.bottom, g_app.captionLayoutDirty);
        const bool shown = renderers.composition->RenderFrame(window, frame);
        KeepCaptionFrame(frame, g_app.captionLayoutDirty);
        g_app.caption->motion.measuring = renderers.composition->measuring();
        if (shown) return;
        // A failure that left the renderer ready hands the window to the layered
        // renderer for good; so does a device loss, where it released itself.
        renderers.composition->Release();
        renderers.compositionReady = false;
        SwitchCaptionToLayeredMode(window);
    }
    if (!renderers.layered) return;
    CaptionFrame frame = ProgramCaptionFrame(client.right, client.bottom, g_app.captionStripDirty);
    renderers.layered->RenderFrame(window, frame);
    KeepCaptionFrame(frame, g_app.captionStripDirty);
    g_app.caption->motion.measuring = renderers.layered->measuring();
}

bool PresentCaptionFrameIfDue(HWND window, double nowMs) {
    if (!IsWindowVisible(window)) {
        // Nobody sees it: no drawing, no present, and no frames kept going
        // for measuring while paused; the next frame shown measures again.
        g_app.caption->motion.measuring = false;
        return false;
    }
    const SIZE view = CaptionViewSize(window);
    if (view.cx < 1 || view.cy < 1) return false;
    Caption& caption = *g_app.caption;
    FramePicture picture;
    picture.position = static_cast<long>(std::floor(caption.motion.scrollOffset));
    picture.x = g_app.settings.x;
    picture.y = g_app.settings.y;
    picture.width = view.cx;
    picture.height = view.cy;
    picture.contentChanged = g_app.captionStripDirty || g_app.captionLayoutDirty;
    // The composition renderer's present waits for the screen itself.
    const double interval = caption.renderers.compositionReady ? 0.0 : TargetRefreshIntervalMs();
    if (!caption.pacer.ShouldPresent(nowMs, interval, picture)) return false;
    DispatchCaptionFrame(window);
    caption.pacer.Presented(nowMs, interval, picture);
    ++caption.presentedFrames;
    return true;
}

bool RegisterCaptionWindowClass(HINSTANCE instance, HICON icon) {
    return RegisterProgramClass(instance, {kCaptionWindowClass, CaptionWindowProc, icon});
}

HWND CreateCaptionWindow(HINSTANCE instance) {
    const AppSettings& s = g_app.settings;
    DWORD exStyle = WS_EX_NOACTIVATE | WS_EX_NOREDIRECTIONBITMAP | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT;
    if (s.topMost) exStyle |= WS_EX_TOPMOST;
    return CreateWindowExW(exStyle, kCaptionWindowClass, L"Velmaro", WS_POPUP, s.x, s.y, s.width, s.height, nullptr,
                           nullptr, instance, nullptr);
}
