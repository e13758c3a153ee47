#include "ui/caption/CaptionText.h"

#include <objidl.h>  // before gdiplus.h, which needs PROPID
#include <gdiplus.h>

#include <algorithm>
#include <cmath>

#include "app/AppState.h"
#include "ui/caption/CaptionContent.h"
#include "ui/caption/Monitors.h"

namespace {

Gdiplus::Color Opaque(COLORREF c) { return Gdiplus::Color(0xFF, GetRValue(c), GetGValue(c), GetBValue(c)); }

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

    int FontStyle() const { return style.bold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular; }
};

CaptionTextEngine::CaptionTextEngine() : impl_(std::make_unique<Impl>()) {}
CaptionTextEngine::~CaptionTextEngine() = default;

bool CaptionTextEngine::SetStyle(const CaptionTextStyle& style) {
    Impl& d = *impl_;
    d.style = style;
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

RunSize CaptionTextEngine::Measure(HDC dc, const std::wstring& text) const {
    const Impl& d = *impl_;
    if (text.empty()) return RunSize{0, 0};
    if (!d.usable) return RunSize{d.style.padding, d.style.padding};
    Gdiplus::Graphics graphics(dc);
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
    Gdiplus::RectF box;
    graphics.MeasureString(text.c_str(), static_cast<INT>(text.size()), d.font.get(), Gdiplus::RectF(0, 0, 0, 0),
                           d.format.get(), &box);
    return RunSize{static_cast<int>(box.Width + 0.5f) + d.style.padding,
                   static_cast<int>(box.Height + 0.5f) + d.style.padding};
}

void CaptionTextEngine::Draw(HDC dc, float x, float y, const std::wstring& text, COLORREF colour) const {
    const Impl& d = *impl_;
    const CaptionTextStyle& s = d.style;
    if (text.empty() || !d.usable) return;
    Gdiplus::Graphics graphics(dc);
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    Gdiplus::SolidBrush brush(Opaque(colour));
    const INT length = static_cast<INT>(text.size());
    if (!s.outline && !s.shadow) {
        graphics.DrawString(text.c_str(), length, d.font.get(), Gdiplus::RectF(x, y, 0, 0), d.format.get(), &brush);
        return;
    }
    const float p = static_cast<float>(OutlinePad(s));
    if (s.shadow) {
        Gdiplus::GraphicsPath shadow(Gdiplus::FillModeAlternate);
        shadow.AddString(text.c_str(), length, d.family.get(), d.FontStyle(), s.emPixels,
                         Gdiplus::PointF(x + p + s.shadowDistance, y + p + s.shadowDistance), d.format.get());
        Gdiplus::SolidBrush shadowBrush(Opaque(s.shadowColor));
        graphics.FillPath(&shadowBrush, &shadow);
    }
    Gdiplus::GraphicsPath path(Gdiplus::FillModeAlternate);
    path.AddString(text.c_str(), length, d.family.get(), d.FontStyle(), s.emPixels, Gdiplus::PointF(x + p, y + p),
                   d.format.get());
    if (s.outline) {
        Gdiplus::Pen pen(Opaque(s.outlineColor), 2.0f * s.outlineWidth);
        pen.SetLineJoin(Gdiplus::LineJoinRound);
        graphics.DrawPath(&pen, &path);
    }
    graphics.FillPath(&brush, &path);
}
