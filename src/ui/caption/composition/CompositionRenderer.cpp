#include "ui/caption/composition/CompositionRenderer.h"

#include <algorithm>
#include <cmath>

#include "core/caption/KeptSizes.h"
#include "core/caption/MotionMath.h"
#include "ui/caption/composition/DirectCompositionPresenter.h"

namespace {

using Microsoft::WRL::ComPtr;

constexpr wchar_t kLocale[] = L"zh-cn";
constexpr float kLayoutWidth = 100000.0f;
constexpr float kLayoutHeight = 10000.0f;

D2D1_COLOR_F ColourOf(COLORREF c) {
    return D2D1::ColorF(GetRValue(c) / 255.0f, GetGValue(c) / 255.0f, GetBValue(c) / 255.0f, 1.0f);
}

bool Meets(double start, double length, double from, double to) { return start + length > from && start < to; }

}  // namespace

CompositionCaptionRenderer::CompositionCaptionRenderer()
    : CompositionCaptionRenderer(std::make_unique<DirectCompositionPresenter>()) {}

CompositionCaptionRenderer::CompositionCaptionRenderer(std::unique_ptr<CaptionPresenter> presenter)
    : presenter_(std::move(presenter)) {}

CompositionCaptionRenderer::~CompositionCaptionRenderer() { Release(); }

bool CompositionCaptionRenderer::Initialise(HWND window) {
    if (ready_) return true;
    if (!presenter_ || !presenter_->Available()) return false;
    window_ = window;
    if (FAILED(devices_.Create()) || !presenter_ || FAILED(presenter_->Attach(window, devices_))) {
        Release();
        return false;
    }
    ready_ = true;
    stripValid_ = false;
    tilesStale_ = true;
    return true;
}

void CompositionCaptionRenderer::Release() {
    brush_.Reset();
    ReleaseTiles();
    format_.Reset();
    target_.Reset();
    if (devices_.dc) devices_.dc->SetTarget(nullptr);
    if (presenter_) presenter_->Release();
    devices_.Release();
    ready_ = false;
    window_ = nullptr;
    targetWidth_ = targetHeight_ = 0;
    tileSetWidth_ = tileSetHeight_ = 0;
    tilesStale_ = true;
    formatFace_.clear();
    formatPixels_ = 0;
    formatBold_ = false;
    ReleaseStrip();
    sizes_ = CompositionSizes{};
    entryKeys_ = {};
    sizesValid_ = false;
}

void CompositionCaptionRenderer::ReleaseStrip() {
    titleLayout_.Reset();
    separatorLayout_.Reset();
    noticeLayout_.Reset();
    frameLayouts_.clear();
    lastLayouts_.clear();
    strip_ = CompositionStrip{};
    stripValid_ = false;
}

void CompositionCaptionRenderer::ReleaseTiles() {
    tiles_.clear();
    tilesStale_ = true;
}

bool CompositionCaptionRenderer::EnsureTarget(int width, int height) {
    if (!ready_ || width <= 0 || height <= 0) return false;
    if (target_ && width == targetWidth_ && height == targetHeight_) return true;
    // The presenter resizes the buffers, which it can only do once nothing holds them.
    devices_.dc->SetTarget(nullptr);
    target_.Reset();
    if (FAILED(presenter_->EnsureTarget(devices_, width, height, target_)) || !target_) return false;
    devices_.dc->SetTarget(target_.Get());
    targetWidth_ = width;
    targetHeight_ = height;
    stripValid_ = false;
    tilesStale_ = true;
    return true;
}

bool CompositionCaptionRenderer::EnsureTextFormat(const CaptionTextStyle& style) {
    if (format_ && style.face == formatFace_ && style.emPixels == formatPixels_ && style.bold == formatBold_) {
        return true;
    }
    format_.Reset();
    HRESULT hr = devices_.dwrite->CreateTextFormat(
        style.face.c_str(), nullptr, style.bold ? DWRITE_FONT_WEIGHT_BOLD : DWRITE_FONT_WEIGHT_NORMAL,
        DWRITE_FONT_STYLE_NORMAL, DWRITE_FONT_STRETCH_NORMAL, style.emPixels, kLocale, &format_);
    if (FAILED(hr)) return false;
    format_->SetWordWrapping(DWRITE_WORD_WRAPPING_NO_WRAP);
    format_->SetTextAlignment(DWRITE_TEXT_ALIGNMENT_LEADING);
    format_->SetParagraphAlignment(DWRITE_PARAGRAPH_ALIGNMENT_NEAR);
    formatFace_ = style.face;
    formatPixels_ = style.emPixels;
    formatBold_ = style.bold;
    tilesStale_ = true;
    stripValid_ = false;
    return true;
}

RunBox CompositionCaptionRenderer::Measure(const std::wstring& text, ComPtr<IDWriteTextLayout>& layout) const {
    RunBox box;
    box.height = formatPixels_;
    layout.Reset();
    if (text.empty() || !format_) return box;
    if (FAILED(devices_.dwrite->CreateTextLayout(text.c_str(), static_cast<UINT32>(text.size()), format_.Get(),
                                                 kLayoutWidth, kLayoutHeight, &layout))) {
        layout.Reset();
        return box;
    }
    DWRITE_TEXT_METRICS metrics{};
    if (FAILED(layout->GetMetrics(&metrics))) return box;
    const float padding = static_cast<float>(look_.style.padding);
    box.width = metrics.widthIncludingTrailingWhitespace + padding;
    box.height = metrics.height + padding;
    return box;
}

void CompositionCaptionRenderer::RebuildStrip(CaptionFrame& frame) {
    ReleaseStrip();
    const CaptionSource& source = *frame.source;
    look_ = source.Look();
    const CaptionContent common = source.Common();
    CompositionSizes sizes;
    sizes.title = Measure(common.titlePrefix, titleLayout_);
    sizes.separator = Measure(common.separator, separatorLayout_);
    sizes.emptyNotice = Measure(kEmptyNoticeText, noticeLayout_);
    // Sizes measured in the same format are kept for the entries whose texts they measured.
    static const std::vector<uint64_t> kNoKeys;
    const std::vector<uint64_t>& keptKeys = sizesValid_ && look_.style.SameFont(sizesStyle_) ? entryKeys_ : kNoKeys;
    const size_t count = source.EntryCount();
    std::vector<uint64_t> keys;
    keys.reserve(count);
    sizes.entries.reserve(count);
    KeptSizesSearch search;
    measuredTexts_ = 0;
    for (size_t i = 0; i < count; ++i) {
        const uint64_t key = source.EntryKey(i);
        const size_t kept = FindKeptEntry(keptKeys, keptKeys.size(), count, i, key, search);
        if (kept != kNoKeptEntry) {
            sizes.entries.push_back(sizes_.entries[kept]);
        } else {
            const CaptionEntryText text = source.Entry(i);
            ComPtr<IDWriteTextLayout> measured;  // only its size is kept
            const RunBox name = Measure(text.first, measured);
            const RunBox amount = Measure(text.second, measured);
            sizes.entries.emplace_back(name, amount);
            measuredTexts_ += 2;
        }
        keys.push_back(key);
    }
    strip_ = LayoutCompositionStrip(frame.direction, common, sizes, frame.width, frame.height, formatPixels_);
    sizes_ = std::move(sizes);
    entryKeys_ = std::move(keys);
    sizesStyle_ = look_.style;
    sizesValid_ = true;
    stripValid_ = true;
    tilesStale_ = true;
    frame.stale = false;
}

// An entry's layouts, made when it is first drawn and kept while it stays in view.
const CompositionCaptionRenderer::RunLayouts& CompositionCaptionRenderer::LayoutsFor(const CaptionSource& source,
                                                                                    size_t index) {
    auto found = frameLayouts_.find(index);
    if (found != frameLayouts_.end()) return found->second;
    RunLayouts& layouts = frameLayouts_[index];
    auto last = lastLayouts_.find(index);
    if (last != lastLayouts_.end()) {
        layouts = std::move(last->second);
    } else if (index < source.EntryCount()) {
        const CaptionEntryText text = source.Entry(index);
        Measure(text.first, layouts.name);
        Measure(text.second, layouts.amount);
    }
    return layouts;
}

void CompositionCaptionRenderer::DrawLayout(IDWriteTextLayout* layout, float x, float y, COLORREF colour) {
    if (!layout) return;
    ID2D1DeviceContext& dc = *devices_.dc.Get();
    if (!brush_ && FAILED(dc.CreateSolidColorBrush(ColourOf(colour), &brush_))) return;
    const CaptionTextStyle& s = look_.style;
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
    const bool horizontal = strip_.direction == ScrollDirection::Horizontal;
    const auto run = [&](IDWriteTextLayout* layout, const RunBox& box, COLORREF colour) {
        if (Meets(horizontal ? box.x : box.y, horizontal ? box.width : box.height, from, to)) {
            // Only the sum is near the view, where a float is exact enough.
            DrawLayout(layout, static_cast<float>(left + box.x), static_cast<float>(top + box.y), colour);
        }
    };
    if (strip_.titlePresent) run(titleLayout_.Get(), strip_.title, look_.textColor);
    if (strip_.showsEmptyNotice) run(noticeLayout_.Get(), strip_.emptyNotice, look_.textColor);
    const auto& entries = strip_.entries;
    auto it = std::partition_point(entries.begin(), entries.end(),
                                   [from](const CompositionEntry& e) { return e.axisEnd <= from; });
    for (; it != entries.end() && it->axisStart < to; ++it) {
        const RunLayouts& layouts = LayoutsFor(source, static_cast<size_t>(it - entries.begin()));
        if (horizontal && it->separatorX >= 0) {
            RunBox separator = strip_.separator;
            separator.x = it->separatorX;
            run(separatorLayout_.Get(), separator, look_.textColor);
        }
        run(layouts.name.Get(), it->name, look_.textColor);
        run(layouts.amount.Get(), it->amount, look_.amountColor);
    }
}

void CompositionCaptionRenderer::DrawStripDirectly(const CaptionSource& source, double x, double y) {
    const bool horizontal = strip_.direction == ScrollDirection::Horizontal;
    const double at = horizontal ? x : y;
    const double view = horizontal ? targetWidth_ : targetHeight_;
    const double length = horizontal ? strip_.stripWidth : strip_.stripHeight;
    if (at + length < -kCullingMargin || at > view + kCullingMargin) return;
    DrawRuns(source, x, y, -kCullingMargin - at, view + kCullingMargin - at);
}

bool CompositionCaptionRenderer::BuildTiles(const CaptionSource& source) {
    if (!devices_.dc || !target_ || !stripValid_) return false;
    const int tw = std::max(1, static_cast<int>(std::ceil(strip_.stripWidth)));
    const int th = std::max(1, static_cast<int>(std::ceil(strip_.stripHeight)));
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
    const bool horizontal = strip_.direction == ScrollDirection::Horizontal;
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

bool CompositionCaptionRenderer::RenderFrame(HWND window, CaptionFrame& frame) {
    stats_ = CompositionFrameStats{};
    if (!frame.source) return false;
    if (!ready_ && !Initialise(window)) return false;
    if (!EnsureTarget(frame.width, frame.height)) return false;
    if ((frame.stale || !format_) && !EnsureTextFormat(frame.source->Look().style)) return false;
    if (frame.stale || !stripValid_ || strip_.direction != frame.direction || strip_.viewWidth != frame.width ||
        strip_.viewHeight != frame.height) {
        RebuildStrip(frame);
    }
    frame.scrollOffset = WrapScrollOffset(frame.scrollOffset, strip_.cycleLength);
    // Layouts live while their entries are drawn: this frame's are made anew or taken from the last.
    lastLayouts_ = std::move(frameLayouts_);
    frameLayouts_.clear();
    const bool tiled = tilesAllowed_ && BuildTiles(*frame.source);
    stats_.tiled = tiled;

    ID2D1DeviceContext& dc = *devices_.dc.Get();
    dc.BeginDraw();
    dc.Clear(D2D1::ColorF(0, 0, 0, 0));
    dc.SetTransform(D2D1::Matrix3x2F::Identity());
    const bool horizontal = frame.direction == ScrollDirection::Horizontal;
    const double start = (horizontal ? frame.width : frame.height) - frame.scrollOffset;
    const double next = start + strip_.cycleLength;
    for (double at : {start, next}) {
        const double x = horizontal ? at : 0.0;
        const double y = horizontal ? 0.0 : at;
        if (tiled) {
            BlitTiles(x, y);
        } else {
            DrawStripDirectly(*frame.source, x, y);
        }
    }
    lastLayouts_.clear();
    switch (OutcomeOf(presenter_->EndFrame(dc))) {
        case FrameOutcome::Presented: return true;
        case FrameOutcome::DeviceLost: Release(); return false;
        case FrameOutcome::Failed: return false;
    }
    return false;
}
