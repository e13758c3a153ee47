#include "ui/caption/CaptionContent.h"

#include <algorithm>
#include <cmath>

#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "ui/panel/ControlPanel.h"
#include "platform/Dpi.h"
#include "ui/caption/CaptionLayout.h"
#include "ui/caption/Monitors.h"

void InvalidateCaptionLayout() {
    g_app.captionLayoutDirty = true;
    g_app.captionStripDirty = true;
}

void RepaintCaption() {
    if (g_app.caption->window) InvalidateRect(g_app.caption->window, nullptr, FALSE);
}

int CaptionFontPixels() {
    UINT dpi = WindowDpi(g_app.panel->window);
    if (dpi == 0) {
        WindowDC screen(nullptr);
        if (screen) dpi = static_cast<UINT>(GetDeviceCaps(screen.get(), LOGPIXELSY));
    }
    if (dpi == 0) dpi = 96;
    const int base = MulDiv(g_app.settings.fontSize, static_cast<int>(dpi), 72);
    const double scaled = std::round(base * ScreenScale());
    return static_cast<int>(std::clamp(scaled, 10.0, 640.0));
}

int GlyphPaddingFor(bool outline, int outlineSize, bool shadow, int shadowSize, double scale) {
    int po = 0;
    if (outline) po = static_cast<int>(std::ceil(std::clamp(scale * outlineSize, 0.5, 24.0))) + 1;
    int ps = 0;
    if (shadow) ps = static_cast<int>(std::ceil(std::clamp(scale * shadowSize, 0.5, 40.0))) + 1;
    return po + std::max(po, ps);
}

int GlyphPadding() {
    const AppSettings& s = g_app.settings;
    return GlyphPaddingFor(s.textOutline, s.outlineSize, s.textShadow, s.shadowSize, ScreenScale());
}
