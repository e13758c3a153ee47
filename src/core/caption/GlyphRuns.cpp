#include "core/caption/GlyphRuns.h"

#include <algorithm>

namespace {

struct Range {
    wchar_t first;
    wchar_t last;
};

// What a text engine may not set glyph by glyph.
constexpr Range kShapedOrCombining[] = {
    {0x0000, 0x001F}, {0x007F, 0x009F},  // controls
    {0x0300, 0x036F},                    // combining diacritics
    {0x0483, 0x0489},                    // Cyrillic combining marks
    {0x0590, 0x08FF},                    // Hebrew, Arabic, Syriac, Thaana, N'Ko and their marks
    {0x0900, 0x0DFF},                    // Indic scripts
    {0x0E00, 0x0EFF},                    // Thai, Lao
    {0x0F00, 0x109F},                    // Tibetan, Myanmar
    {0x1100, 0x11FF},                    // Hangul jamo, which compose
    {0x1780, 0x18AF},                    // Khmer, Mongolian
    {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF},  // combining marks
    {0x200B, 0x200F}, {0x202A, 0x202E},  // joiners, direction marks
    {0x2060, 0x206F},                    // invisible operators
    {0x20D0, 0x20FF},                    // combining marks for symbols
    {0xD800, 0xDFFF},                    // surrogate halves
    {0xFE00, 0xFE0F}, {0xFE20, 0xFE2F},  // variation selectors, half marks
    {0xFFF0, 0xFFFF},
};

bool Shaped(wchar_t c) {
    for (const Range& r : kShapedOrCombining) {
        if (c >= r.first && c <= r.last) return true;
    }
    return false;
}

}  // namespace

bool SetGlyphByGlyph(std::wstring_view text) { return std::none_of(text.begin(), text.end(), Shaped); }

RunExtent ExtentOf(std::wstring_view text, const std::function<const GlyphMetrics&(wchar_t)>& glyph) {
    RunExtent run;
    float pen = 0;
    for (wchar_t c : text) {
        const GlyphMetrics& g = glyph(c);
        if (g.inked) {
            if (!run.inked) run.inkLeft = pen + g.inkLeft;
            run.inkLeft = std::min(run.inkLeft, pen + g.inkLeft);
            run.inkRight = run.inked ? std::max(run.inkRight, pen + g.inkRight) : pen + g.inkRight;
            run.inked = true;
        }
        pen += g.advance;
    }
    run.advance = pen;
    return run;
}
