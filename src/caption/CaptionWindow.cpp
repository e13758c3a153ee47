#include "caption/CaptionWindow.h"

#include "app/AppState.h"

namespace {

LRESULT OnDestroy(HWND window) {
    if (g_app.captionWindow == window) g_app.captionWindow = nullptr;
    // Only the real exit path ends the program; any other destruction keeps it running.
    if (g_app.exiting) PostQuitMessage(0);
    return 0;
}

LRESULT OnPaint(HWND window) {
    PaintScope paint(window);
    return 0;
}

LRESULT OnRightButtonUp() {
    if (g_app.controlPanel) {
        ShowWindow(g_app.controlPanel, SW_SHOW);
        SetForegroundWindow(g_app.controlPanel);
    }
    return 0;
}

}  // namespace

LRESULT CALLBACK CaptionWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY: return OnDestroy(window);
        case WM_PAINT: return OnPaint(window);
        case WM_ERASEBKGND: return 1;
        case WM_NCHITTEST: return HTTRANSPARENT;
        case WM_RBUTTONUP: return OnRightButtonUp();
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

bool RegisterCaptionWindowClass(HINSTANCE instance, HICON icon) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = CaptionWindowProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kCaptionWindowClass;
    return RegisterClassExW(&wc) != 0;
}

HWND CreateCaptionWindow(HINSTANCE instance) {
    const AppSettings& s = g_app.settings;
    DWORD exStyle = WS_EX_NOACTIVATE | WS_EX_NOREDIRECTIONBITMAP | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT;
    if (s.topMost) exStyle |= WS_EX_TOPMOST;
    return CreateWindowExW(exStyle, kCaptionWindowClass, L"Velmaro", WS_POPUP, s.x, s.y, s.width, s.height, nullptr,
                           nullptr, instance, nullptr);
}
