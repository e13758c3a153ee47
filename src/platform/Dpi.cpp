#include "platform/Dpi.h"

#include "platform/WinHandles.h"

namespace {

template <typename Function>
Function User32Function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (!user32) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

}  // namespace

UINT WindowDpi(HWND window) {
    if (!window) return 0;
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    return getDpiForWindow ? getDpiForWindow(window) : 0;
}

UINT SystemDpi() {
    UINT dpi = 96;
    {
        WindowDC screen(nullptr);
        if (screen) dpi = static_cast<UINT>(GetDeviceCaps(screen.get(), LOGPIXELSX));
    }
    using GetDpiForSystemFn = UINT(WINAPI*)();
    if (const auto getDpiForSystem = User32Function<GetDpiForSystemFn>("GetDpiForSystem")) {
        dpi = getDpiForSystem();
    }
    return dpi;
}

void MakeProcessDpiAware() {
    using SetContextFn = BOOL(WINAPI*)(HANDLE);
    if (const auto setContext = User32Function<SetContextFn>("SetProcessDpiAwarenessContext")) {
        // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
        setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4)));
    } else {
        SetProcessDPIAware();
    }
}

double DpiScaleFromDpi(UINT dpi) {
    const double scale = dpi / 96.0;
    return scale < 1.0 ? 1.0 : scale;
}

int ScaleLogical(int value, double dpiScale) { return static_cast<int>(value * dpiScale + 0.5); }
