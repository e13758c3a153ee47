// What the caption shows and how large it is.
#pragma once

// Marks the strips of both renderers stale; the scroll position is kept.
void InvalidateCaptionLayout();

// Em height of the caption font in pixels (DPI and screen scale included).
int CaptionFontPixels();
