// A run's extent from the metrics of its glyphs: a text that is set glyph
// after glyph (no shaping, joining or combining) puts each glyph at the sum
// of the advances before it, so one measurement per character and font
// serves every run that holds it.
#pragma once

#include <functional>
#include <string_view>

struct GlyphMetrics {
    float advance = 0;
    float inkLeft = 0;   // relative to the glyph's pen position
    float inkRight = 0;
    bool inked = false;  // false for blanks
};

// True when every UTF-16 unit of the text is a glyph of its own that sits
// at the sum of the advances before it: no surrogate pairs, combining
// marks, joiners, variation selectors, controls or scripts that are shaped.
bool SetGlyphByGlyph(std::wstring_view text);

struct RunExtent {
    float advance = 0;   // where the pen stands after the run
    float inkLeft = 0;   // the run's ink, relative to its pen origin
    float inkRight = 0;
    bool inked = false;
};

RunExtent ExtentOf(std::wstring_view text, const std::function<const GlyphMetrics&(wchar_t)>& glyph);
