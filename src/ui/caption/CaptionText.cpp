#include "ui/caption/CaptionText.h"

#include <objidl.h>  // before gdiplus.h, which needs PROPID
#include <gdiplus.h>

#include <algorithm>
#include <cmath>
#include <cwctype>
#include <unordered_map>

#include "app/AppState.h"
#include "ui/caption/CaptionContent.h"
#include "ui/caption/Monitors.h"
#include "core/caption/GlyphRuns.h"

namespace {

Gdiplus::Color Opaque(COLORREF c) { return Gdiplus::Color(0xFF, GetRValue(c), GetGValue(c), GetBValue(c)); }

constexpr wchar_t kAdvanceProbe[] = L"|";

int OutlinePad(const CaptionTextStyle& s) {
    return s.outline ? static_cast<int>(std::ceil(s.outlineWidth)) + 1 : 0;
}

}  // namespace

CaptionTextStyle CurrentCaptionTextStyle() {
    const AppSettings& st = g_app.settings;
    const double scale = ScreenScale();
    CaptionTextStyle s;
    s.face = st.fontFace;
    s.emPixels = static_cast<float>(CaptionFontPixels());
    s.bold = st.bold;
    s.outline = st.textOutline;
    s.outlineWidth = static_cast<float>(std::clamp(scale * st.outlineSize, 0.5, 24.0));
    s.shadow = st.textShadow;
    s.shadowDistance = static_cast<float>(std::clamp(scale * st.shadowSize, 0.5, 40.0));
    s.outlineColor = st.outlineColor;
    s.shadowColor = st.shadowColor;
    s.padding = GlyphPadding();
    return s;
}

struct CaptionTextEngine::Impl {
    CaptionTextStyle style;
    std::unique_ptr<Gdiplus::FontFamily> family;
    std::unique_ptr<Gdiplus::Font> font;
    std::unique_ptr<Gdiplus::StringFormat> format;
    bool usable = false;
    mutable float lineHeight = -1;  // measured on first use, for this font
    mutable std::unordered_map<wchar_t, GlyphMetrics> glyphs;  // this font's, measured on first use

    int FontStyle() const { return style.bold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular; }

    // The glyph outlines of text with its pen origin at (x, y), as drawn.
    void AddText(Gdiplus::GraphicsPath& path, const std::wstring& text, float x, float y) const {
        path.AddString(text.c_str(), static_cast<INT>(text.size()), family.get(), FontStyle(), style.emPixels,
                       Gdiplus::PointF(x, y), format.get());
    }

    Gdiplus::RectF InkBounds(const std::wstring& text) const {
        Gdiplus::GraphicsPath path(Gdiplus::FillModeAlternate);
        AddText(path, text, 0, 0);
        Gdiplus::RectF bounds;
        if (path.GetBounds(&bounds) != Gdiplus::Ok) return Gdiplus::RectF();
        return bounds;
    }

    // Trailing blanks are meant as space, and a separator's advance is the
    // spacing between entries; any other run spans its ink.
    static bool InkAligned(CaptionRunKind kind, const std::wstring& text) {
        return kind != CaptionRunKind::Separator && !std::iswspace(text.back());
    }

    // Where the pen stands after the text: a bar set after it moves by exactly that much.
    float Advance(const std::wstring& text) const {
        return InkBounds(text + kAdvanceProbe).GetRight() - InkBounds(kAdvanceProbe).GetRight();
    }

    const GlyphMetrics& Glyph(wchar_t c) const {
        auto found = glyphs.find(c);
        if (found != glyphs.end()) return found->second;
        const std::wstring one(1, c);
        const Gdiplus::RectF ink = InkBounds(one);
        GlyphMetrics g;
        g.advance = Advance(one);
        g.inked = ink.Width > 0 || ink.Height > 0;
        g.inkLeft = ink.X;
        g.inkRight = ink.GetRight();
        return glyphs.emplace(c, g).first->second;
    }

    float WidthByPaths(const std::wstring& text, CaptionRunKind kind) const {
        const Gdiplus::RectF ink = InkAligned(kind, text) ? InkBounds(text) : Gdiplus::RectF();
        return ink.Width > 0 ? ink.Width : Advance(text);
    }

    // From the glyphs' own metrics where the text is set glyph by glyph (the
    // same result as its whole path, without building it), else from the path.
    float Width(const std::wstring& text, CaptionRunKind kind) const {
        if (!SetGlyphByGlyph(text)) return WidthByPaths(text, kind);
        const RunExtent run = ExtentOf(text, [this](wchar_t c) -> const GlyphMetrics& { return Glyph(c); });
        return InkAligned(kind, text) && run.inked ? run.inkRight - run.inkLeft : run.advance;
    }

    float LineHeight(HDC dc) const {
        if (lineHeight < 0) {
            // One line of this font is as high whatever it holds: measured once per font.
            Gdiplus::Graphics graphics(dc);
            graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
            Gdiplus::RectF box;
            const std::wstring sample = kRowHeightSample;
            graphics.MeasureString(sample.c_str(), static_cast<INT>(sample.size()), font.get(),
                                   Gdiplus::RectF(0, 0, 0, 0), format.get(), &box);
            lineHeight = box.Height;
        }
        return lineHeight;
    }

    RunSize Size(HDC dc, float width) const {
        return RunSize{static_cast<int>(std::max(0.0f, width) + 0.5f) + style.padding,
                       static_cast<int>(LineHeight(dc) + 0.5f) + style.padding};
    }
};

CaptionTextEngine::CaptionTextEngine() : impl_(std::make_unique<Impl>()) {}
CaptionTextEngine::~CaptionTextEngine() = default;

bool CaptionTextEngine::SetStyle(const CaptionTextStyle& style) {
    Impl& d = *impl_;
    d.style = style;
    d.lineHeight = -1;
    d.glyphs.clear();
    if (!d.format) d.format.reset(Gdiplus::StringFormat::GenericTypographic()->Clone());
    d.family = std::make_unique<Gdiplus::FontFamily>(style.face.c_str());
    d.usable = d.family->GetLastStatus() == Gdiplus::Ok && d.format;
    d.font.reset();
    if (d.usable) {
        d.font = std::make_unique<Gdiplus::Font>(d.family.get(), style.emPixels, d.FontStyle(), Gdiplus::UnitPixel);
        d.usable = d.font->GetLastStatus() == Gdiplus::Ok;
    }
    return d.usable;
}

void CaptionTextEngine::Reset() {
    impl_->font.reset();
    impl_->family.reset();
    impl_->format.reset();
    impl_->usable = false;
}

void CaptionTextEngine::ShareMeasuresOf(const CaptionTextEngine& other) {
    Impl& d = *impl_;
    const Impl& o = *other.impl_;
    if (&d == &o || !d.usable || !o.usable || !d.style.SameFont(o.style)) return;
    d.glyphs = o.glyphs;
    d.lineHeight = o.lineHeight;
}

RunSize CaptionTextEngine::Measure(HDC dc, const std::wstring& text, CaptionRunKind kind) const {
    const Impl& d = *impl_;
    if (text.empty()) return RunSize{0, 0};
    if (!d.usable) return RunSize{d.style.padding, d.style.padding};
    return d.Size(dc, d.Width(text, kind));
}

RunSize CaptionTextEngine::MeasureByPaths(HDC dc, const std::wstring& text, CaptionRunKind kind) const {
    const Impl& d = *impl_;
    if (text.empty()) return RunSize{0, 0};
    if (!d.usable) return RunSize{d.style.padding, d.style.padding};
    return d.Size(dc, d.WidthByPaths(text, kind));
}

void CaptionTextEngine::Draw(Gdiplus::Graphics& graphics, float x, float y, const std::wstring& text,
                             CaptionRunKind kind, COLORREF colour, float clipLeft, float clipRight) const {
    const Impl& d = *impl_;
    const CaptionTextStyle& s = d.style;
    if (text.empty() || !d.usable) return;
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    const float p = static_cast<float>(OutlinePad(s));
    // The glyphs to draw and where the first one's pen stands.
    std::wstring part;
    float penX = x + p;
    if (SetGlyphByGlyph(text)) {
        // Glyphs sit at the sums of their advances, so a run's ink and its
        // visible glyphs are known without its path: only the glyphs that
        // can reach [clipLeft, clipRight] are drawn, a long name costs what
        // shows of it.
        const auto glyph = [&d](wchar_t c) -> const GlyphMetrics& { return d.Glyph(c); };
        const RunExtent run = ExtentOf(text, glyph);
        if (d.InkAligned(kind, text) && run.inked) penX -= run.inkLeft;  // its ink starts at x, as measured
        const float reach = p + (s.shadow ? s.shadowDistance : 0.0f) + 2.0f;
        size_t first = 0;
        float pen = penX;
        while (first < text.size()) {
            const GlyphMetrics& g = d.Glyph(text[first]);
            if (pen + std::max(g.advance, g.inkRight) + reach >= clipLeft) break;
            pen += g.advance;
            ++first;
        }
        size_t last = first;
        float end = pen;
        while (last < text.size()) {
            const GlyphMetrics& g = d.Glyph(text[last]);
            if (end + std::min(0.0f, g.inkLeft) - reach > clipRight) break;
            end += g.advance;
            ++last;
        }
        if (first >= last) return;
        part = text.substr(first, last - first);
        penX = pen;
    } else {
        part = text;
        Gdiplus::RectF ink;
        if (d.InkAligned(kind, text)) {
            ink = d.InkBounds(text);
            if (ink.Width > 0) penX -= ink.X;
        }
    }
    Gdiplus::SolidBrush brush(Opaque(colour));
    Gdiplus::GraphicsPath path(Gdiplus::FillModeAlternate);
    d.AddText(path, part, penX, y + p);
    if (s.shadow) {
        Gdiplus::GraphicsPath shadow(Gdiplus::FillModeAlternate);
        d.AddText(shadow, part, penX + s.shadowDistance, y + p + s.shadowDistance);
        Gdiplus::SolidBrush shadowBrush(Opaque(s.shadowColor));
        graphics.FillPath(&shadowBrush, &shadow);
    }
    if (s.outline) {
        Gdiplus::Pen pen(Opaque(s.outlineColor), 2.0f * s.outlineWidth);
        pen.SetLineJoin(Gdiplus::LineJoinRound);
        graphics.DrawPath(&pen, &path);
    }
    graphics.FillPath(&brush, &path);
}
