#include "caption/CaptionContent.h"

#include <cmath>

#include "app/AppState.h"
#include "app/Dpi.h"
#include "caption/Monitors.h"

void InvalidateCaptionLayout() {
    g_app.captionLayoutDirty = true;
    g_app.captionStripDirty = true;
}

int CaptionFontPixels() {
    UINT dpi = WindowDpi(g_app.controlPanel);
    if (dpi == 0) {
        WindowDC screen(nullptr);
        if (screen) dpi = static_cast<UINT>(GetDeviceCaps(screen.get(), LOGPIXELSY));
    }
    if (dpi == 0) dpi = 96;
    const int base = MulDiv(g_app.settings.fontSize, static_cast<int>(dpi), 72);
    const double scaled = std::round(base * ScreenScale());
    return static_cast<int>(std::clamp(scaled, 10.0, 640.0));
}
