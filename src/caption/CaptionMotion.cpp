#include "caption/CaptionMotion.h"

#include "app/AppState.h"

CaptionMotion g_motion;

void ResetCaptionScroll() {
    g_motion.scrollOffset = 0.0;
    if (g_app.captionWindow) InvalidateRect(g_app.captionWindow, nullptr, FALSE);
}
