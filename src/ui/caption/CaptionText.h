// Measuring and drawing caption runs with GDI+: text as paths, with the
// outline and a hard shadow, in the caption font. Runs are always filled as
// paths and measured on the same paths: GDI+'s string measurement and its
// hinted string drawing disagree with each other and with the paths by up to
// half an em for fallback fonts and full-width punctuation.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "core/caption/CaptionLayout.h"

namespace Gdiplus {
class Graphics;
}

struct CaptionTextStyle {
    std::wstring face;
    float emPixels = 10.0f;
    bool bold = false;
    bool outline = false;
    float outlineWidth = 0.0f;  // m: pixels outside the glyphs
    bool shadow = false;
    float shadowDistance = 0.0f;  // s
    COLORREF outlineColor = 0;
    COLORREF shadowColor = 0;
    int padding = 0;  // GlyphPadding

    bool SameFont(const CaptionTextStyle& o) const {
        return face == o.face && emPixels == o.emPixels && bold == o.bold && padding == o.padding;
    }
};

// The style from the current settings and screen scale.
CaptionTextStyle CurrentCaptionTextStyle();

class CaptionTextEngine {
public:
    CaptionTextEngine();
    ~CaptionTextEngine();
    CaptionTextEngine(const CaptionTextEngine&) = delete;
    CaptionTextEngine& operator=(const CaptionTextEngine&) = delete;

    // Prepares font objects for the style; false when the family is unknown.
    bool SetStyle(const CaptionTextStyle& style);
    // Frees the GDI+ objects; they must not outlive GDI+ itself.
    void Reset();
    // Takes over what another engine measured of its glyphs and line, when
    // its font is this one's, so that a new strip in the same font measures
    // no glyph twice.
    void ShareMeasuresOf(const CaptionTextEngine& other);

    // Width from the glyph paths that Draw fills, so that what is measured is
    // what shows: to the last ink, or the whole advance for a separator.
    RunSize Measure(HDC dc, const std::wstring& text, CaptionRunKind kind) const;
    // The same from the text's whole path, never from the glyph cache.
    RunSize MeasureByPaths(HDC dc, const std::wstring& text, CaptionRunKind kind) const;
    // Draws into a premultiplied ARGB surface: the alpha is the drawing's own
    // coverage, so dark outlines and shadows show as well as light text.
    // Only the glyphs that can reach [clipLeft, clipRight] (drawing
    // coordinates) are drawn; the picture there is the same as the whole run's.
    void Draw(Gdiplus::Graphics& graphics, float x, float y, const std::wstring& text, CaptionRunKind kind,
              COLORREF colour, float clipLeft = -1e30f, float clipRight = 1e30f) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
