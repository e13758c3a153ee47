// The composition renderer's drawing: runs drawn straight onto the target
// or into the strip's tiles, and the tiles placed on the target.
#include <algorithm>
#include <cmath>

#include "ui/caption/composition/CompositionStrip.h"

namespace {

using Microsoft::WRL::ComPtr;

D2D1_COLOR_F ColourOf(COLORREF c) {
    return D2D1::ColorF(GetRValue(c) / 255.0f, GetGValue(c) / 255.0f, GetBValue(c) / 255.0f, 1.0f);
}

bool Meets(double start, double length, double from, double to) { return start + length > from && start < to; }

}  // namespace

void CompositionCaptionRenderer::ReleaseTiles() {
    tiles_.clear();
    tilesStale_ = true;
}

void CompositionCaptionRenderer::DrawLayout(IDWriteTextLayout* layout, float x, float y, COLORREF colour) {
    if (!layout) return;
    ID2D1DeviceContext& dc = *devices_.dc.Get();
    if (!brush_ && FAILED(dc.CreateSolidColorBrush(ColourOf(colour), &brush_))) return;
    const CaptionTextStyle& s = shown_->look.style;
    const float m = s.outlineWidth;
    const float inset = s.outline ? std::ceil(m) + 1.0f : 0.0f;
    const D2D1_POINT_2F base = D2D1::Point2F(x + inset, y + inset);
    const auto draw = [&](float dx, float dy, COLORREF c) {
        brush_->SetColor(ColourOf(c));
        dc.DrawTextLayout(D2D1::Point2F(base.x + dx, base.y + dy), layout, brush_.Get(),
                          D2D1_DRAW_TEXT_OPTIONS_NO_SNAP);
        ++stats_.textDraws;
    };
    if (s.shadow) draw(s.shadowDistance, s.shadowDistance, s.shadowColor);
    if (s.outline) {
        const float k = 0.70710677f * m;
        const float offsets[8][2] = {{-m, 0}, {m, 0}, {0, -m}, {0, m}, {-k, -k}, {k, -k}, {-k, k}, {k, k}};
        for (const auto& o : offsets) draw(o[0], o[1], s.outlineColor);
    }
    draw(0, 0, colour);
}

// The runs whose boxes meet [from, to) along the scroll axis (strip
// coordinates), drawn with the strip's origin at (left, top).
void CompositionCaptionRenderer::DrawRuns(const CaptionSource& source, double left, double top, double from,
                                          double to) {
    Strip& s = *shown_;
    const CompositionGeometry& g = s.geometry;
    const bool horizontal = g.horizontal();
    const auto run = [&](IDWriteTextLayout* layout, const RunBox& box, COLORREF colour) {
        if (Meets(horizontal ? box.x : box.y, horizontal ? box.width : box.height, from, to)) {
            // Only the sum is near the view, where a float is exact enough.
            DrawLayout(layout, static_cast<float>(left + box.x), static_cast<float>(top + box.y), colour);
        }
    };
    if (g.titlePresent()) run(s.title.Get(), g.Title(), s.look.textColor);
    if (g.showsEmptyNotice()) run(s.notice.Get(), g.EmptyNotice(), s.look.textColor);
    const size_t sourceCount = source.EntryCount();
    RunBox separator = g.Separator();
    for (size_t i = g.FirstEntryEndingAfter(from); i < g.measured(); ++i) {
        const CompositionEntry e = g.Place(i);
        if (e.axisStart >= to) break;
        // While a newer list is measured the source already holds it: an
        // entry whose texts are not this strip's is left out until then.
        if (i >= sourceCount || source.EntryKey(i) != s.keys[i]) continue;
        const Strip::RunLayouts& layouts = s.LayoutsFor(source, i);
        if (horizontal && e.separatorX >= 0) {
            separator.x = e.separatorX;
            run(s.separator.Get(), separator, s.look.textColor);
        }
        run(layouts.name.Get(), e.name, s.look.textColor);
        run(layouts.amount.Get(), e.amount, s.look.amountColor);
    }
}

void CompositionCaptionRenderer::DrawStripDirectly(const CaptionSource& source, double x, double y) {
    const CompositionGeometry& g = shown_->geometry;
    const bool horizontal = g.horizontal();
    const double at = horizontal ? x : y;
    const double view = horizontal ? targetWidth_ : targetHeight_;
    const double length = horizontal ? g.stripWidth() : g.stripHeight();
    if (at + length < -kCullingMargin || at > view + kCullingMargin) return;
    DrawRuns(source, x, y, -kCullingMargin - at, view + kCullingMargin - at);
}

bool CompositionCaptionRenderer::BuildTiles(const CaptionSource& source) {
    if (!devices_.dc || !target_ || !shown_) return false;
    const CompositionGeometry& g = shown_->geometry;
    const int tw = std::max(1, static_cast<int>(std::ceil(g.stripWidth())));
    const int th = std::max(1, static_cast<int>(std::ceil(g.stripHeight())));
    if (!tiles_.empty() && !tilesStale_ && tw == tileSetWidth_ && th == tileSetHeight_) return true;
    ReleaseTiles();
    const TilePlan plan = PlanStripTiles(tw, th, devices_.dc->GetMaximumBitmapSize());
    if (!plan.usable) return false;
    ID2D1DeviceContext& dc = *devices_.dc.Get();
    ComPtr<ID2D1Image> previous;
    dc.GetTarget(&previous);
    const D2D1_BITMAP_PROPERTIES1 properties = D2D1::BitmapProperties1(
        D2D1_BITMAP_OPTIONS_TARGET, D2D1::PixelFormat(DXGI_FORMAT_B8G8R8A8_UNORM, D2D1_ALPHA_MODE_PREMULTIPLIED),
        96.0f, 96.0f);
    const bool horizontal = g.horizontal();
    bool failed = false;
    for (int ty = 0; ty < th && !failed; ty += plan.edge) {
        for (int tx = 0; tx < tw && !failed; tx += plan.edge) {
            Tile tile;
            tile.x = tx;
            tile.y = ty;
            tile.width = std::min(plan.edge, tw - tx);
            tile.height = std::min(plan.edge, th - ty);
            const D2D1_SIZE_U size = D2D1::SizeU(static_cast<UINT32>(tile.width), static_cast<UINT32>(tile.height));
            if (FAILED(dc.CreateBitmap(size, nullptr, 0, &properties, &tile.bitmap))) {
                failed = true;
                break;
            }
            dc.SetTarget(tile.bitmap.Get());
            dc.BeginDraw();
            dc.Clear(D2D1::ColorF(0, 0, 0, 0));
            dc.SetTransform(D2D1::Matrix3x2F::Translation(static_cast<float>(-tx), static_cast<float>(-ty)));
            // Glyphs may reach a little past their run's box: runs near the
            // tile are drawn into it too, so that no edge of ink is cut at a seam.
            const double from = horizontal ? tx : ty;
            const double to = from + (horizontal ? tile.width : tile.height);
            DrawRuns(source, 0, 0, from - kCullingMargin, to + kCullingMargin);
            if (FAILED(dc.EndDraw())) {
                failed = true;
                break;
            }
            tiles_.push_back(std::move(tile));
        }
    }
    dc.SetTarget(previous.Get());
    dc.SetTransform(D2D1::Matrix3x2F::Identity());
    if (failed) {
        ReleaseTiles();
        return false;
    }
    tileSetWidth_ = tw;
    tileSetHeight_ = th;
    tilesStale_ = false;
    return !tiles_.empty();
}

void CompositionCaptionRenderer::BlitTiles(double x, double y) {
    const float w = static_cast<float>(targetWidth_);
    const float h = static_cast<float>(targetHeight_);
    for (const Tile& tile : tiles_) {
        const float left = static_cast<float>(x + tile.x);
        const float top = static_cast<float>(y + tile.y);
        const D2D1_RECT_F destination = D2D1::RectF(std::max(left, 0.0f), std::max(top, 0.0f),
                                                    std::min(left + tile.width, w), std::min(top + tile.height, h));
        if (destination.right <= destination.left || destination.bottom <= destination.top) continue;
        const D2D1_RECT_F source = D2D1::RectF(destination.left - left, destination.top - top,
                                               destination.right - left, destination.bottom - top);
        devices_.dc->DrawBitmap(tile.bitmap.Get(), destination, 1.0f, D2D1_INTERPOLATION_MODE_LINEAR, &source);
        ++stats_.bitmapDraws;
    }
}
