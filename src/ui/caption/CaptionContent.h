// What the caption shows and how large it is.
#pragma once

// Marks the strips of both renderers stale; the scroll position is kept.
void InvalidateCaptionLayout();

// Repaints the caption window (when there is one) without erasing it.
void RepaintCaption();

// Em height of the caption font in pixels (DPI and screen scale included).
int CaptionFontPixels();

// Extra pixels on each run's width and height so outline and shadow fit.
int GlyphPaddingFor(bool outline, int outlineSize, bool shadow, int shadowSize, double screenScale);
int GlyphPadding();
