// Scroll state of the caption.
#pragma once

struct CaptionMotion {
    double scrollOffset = 0.0;  // pixels travelled in the current cycle
};

extern CaptionMotion g_motion;

// Starts the caption again from its beginning and repaints it.
void ResetCaptionScroll();
