#include "ui/caption/LayeredRenderer.h"

#include <objidl.h>  // before gdiplus.h, which needs PROPID
#include <gdiplus.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/caption/KeptSizes.h"
#include "core/caption/MeasuringBudget.h"
#include "core/caption/MotionMath.h"
#include "core/caption/StripTiles.h"
#include "platform/WinHandles.h"

// One laid-out version of the caption: its geometry, each measured entry's
// key (to keep its widths in a later version), and what it is drawn with.
struct LayeredCaptionRenderer::Strip {
    StripGeometry geometry;
    std::vector<uint64_t> keys;
    CaptionTextEngine text;
    CaptionTextStyle style;
    std::wstring titleText;
    std::wstring separatorText;
    COLORREF textColor = 0;
    COLORREF amountColor = 0;
    size_t measuredTexts = 0;  // by the engine; the rest were kept from before
    KeptSizesSearch search;    // where its sizes were last found in the strip it keeps them from

    bool Covers(int length) const { return geometry.complete() || geometry.MeasuredLength() >= length; }
    size_t bytes() const { return geometry.bytes() + keys.capacity() * sizeof(uint64_t); }
};

namespace {

constexpr int kLookaheadTiles = 1;

// Whether a box meets [from, to) along the scroll axis.
bool BoxMeets(int start, int length, int from, int to) { return start < to && start + length > from && length > 0; }

}  // namespace

// Measures the strip's next entry, or keeps its widths from `base`.
void LayeredCaptionRenderer::MeasureNext(Strip& strip, Strip* base, const CaptionSource& source, HDC dc) {
    StripGeometry& g = strip.geometry;
    const size_t index = g.measured();
    const uint64_t key = source.EntryKey(index);
    EntryWidths widths;
    const size_t kept = base ? FindKeptEntry(base->keys, base->geometry.entryCount(), g.entryCount(), index, key,
                                             strip.search)
                             : kNoKeptEntry;
    if (kept != kNoKeptEntry) {
        widths = base->geometry.widths(kept);
    } else {
        const CaptionEntryText text = source.Entry(index);
        widths.name = strip.text.Measure(dc, text.first, CaptionRunKind::Name).width;
        widths.amount = strip.text.Measure(dc, text.second, CaptionRunKind::Amount).width;
        strip.measuredTexts += 2;
    }
    strip.keys.push_back(key);
    g.Add(widths);
}

// Whether every entry the shown strip has in view still has its texts in
// the source: after a list change it may not, until the new strip shows.
bool LayeredCaptionRenderer::ShownMatchesSourceInView(const CaptionFrame& frame) const {
    const StripGeometry& g = shown_->geometry;
    double offset = frame.scrollOffset;
    if (g.complete() || !g.horizontal()) offset = WrapScrollOffset(frame.scrollOffset, g.cycleLength());
    const int to = static_cast<int>(std::min(offset, 2.0e9)) + 1;
    const size_t count = frame.source->EntryCount();
    for (size_t i = g.FirstEntryEndingAfter(to - ViewLength() - 1); i < g.measured(); ++i) {
        if (g.Place(i).axisStart >= to) break;
        if (i >= count || frame.source->EntryKey(i) != shown_->keys[i]) return false;
    }
    return true;
}

// Whether the shown strip was laid out for the frame's direction and size.
bool LayeredCaptionRenderer::ShownFits(const CaptionFrame& frame) const {
    const StripParameters& p = shown_->geometry.parameters();
    return p.direction == frame.direction && p.viewWidth == frame.width && p.viewHeight == frame.height;
}

LayeredCaptionRenderer::LayeredCaptionRenderer() = default;
LayeredCaptionRenderer::~LayeredCaptionRenderer() = default;

bool LayeredCaptionRenderer::Initialise(HWND) { return true; }

void LayeredCaptionRenderer::Release() {
    base_.reset();
    pending_.reset();
    shown_.reset();
    tiles_.clear();
    backBuffer_.Reset();
}

const StripGeometry& LayeredCaptionRenderer::strip() const {
    static const StripGeometry kNone;
    return shown_ ? shown_->geometry : kNone;
}

size_t LayeredCaptionRenderer::tileBytes() const {
    size_t bytes = 0;
    for (const auto& [index, tile] : tiles_) bytes += tile->bytes();
    return bytes;
}

size_t LayeredCaptionRenderer::textsMeasured() const { return shown_ ? shown_->measuredTexts : 0; }

size_t LayeredCaptionRenderer::entryBytes() const {
    return (shown_ ? shown_->bytes() : 0) + (pending_ ? pending_->bytes() : 0) + (base_ ? base_->bytes() : 0);
}

bool LayeredCaptionRenderer::measuring() const { return pending_ || (shown_ && !shown_->geometry.complete()); }

int LayeredCaptionRenderer::StripLength() const { return std::max(1, shown_->geometry.MeasuredLength()); }

int LayeredCaptionRenderer::ViewLength() const {
    const StripParameters& p = shown_->geometry.parameters();
    return shown_->geometry.horizontal() ? p.viewWidth : p.viewHeight;
}

// A new version of the caption from the frame's source: its common runs are
// measured now, its entries as frames need them.
void LayeredCaptionRenderer::StartStrip(const CaptionFrame& frame) {
    // Only the strip shown lends sizes to a new one: at most two strips of
    // entry sizes are ever held.
    base_.reset();
    auto strip = std::make_unique<Strip>();
    const CaptionSource& source = *frame.source;
    const CaptionLook look = source.Look();
    const CaptionContent common = source.Common();
    strip->style = look.style;
    strip->text.SetStyle(look.style);
    const Strip* newest = pending_ ? pending_.get() : shown_.get();
    if (newest) strip->text.ShareMeasuresOf(newest->text);
    strip->textColor = look.textColor;
    strip->amountColor = look.amountColor;
    strip->titleText = common.titlePrefix;
    strip->separatorText = common.separator;

    MemoryDC dc(nullptr);
    const auto measure = [&](const std::wstring& text, CaptionRunKind kind) {
        return strip->text.Measure(dc.get(), text, kind);
    };
    const StripParameters p = StripParametersOf(frame.direction, common, source.EntryCount(), frame.width,
                                                frame.height, measure);
    strip->geometry.Reset(p);
    strip->keys.reserve(p.entryCount);
    pending_ = std::move(strip);
}

// How far along the scroll axis the strip must be measured for this frame:
// the view and the tiles looked ahead of it.
int LayeredCaptionRenderer::NeededLength(const CaptionFrame& frame) const {
    const double needed = frame.scrollOffset + (kLookaheadTiles + 1) * kStripTileExtent;
    return static_cast<int>(std::min(needed, 2.0e9));
}

// The pending strip shows; the one it replaces lends its sizes until the
// new one is measured whole.
void LayeredCaptionRenderer::TakeOver() {
    base_ = std::move(shown_);
    shown_ = std::move(pending_);
    tiles_.clear();
}

// A tile that held the end of what was measured lacks what is measured now.
void LayeredCaptionRenderer::DropTilesFrom(int length) {
    tiles_.erase(tiles_.lower_bound(length / kStripTileExtent), tiles_.end());
}

// Measures entries for this frame, as far as its budget allows.
void LayeredCaptionRenderer::Measure(const CaptionFrame& frame) {
    if (!pending_ && (!shown_ || shown_->geometry.complete())) return;  // the usual frame: nothing to measure
    const MeasuringBudget budget(frame.playing);
    const CaptionSource& source = *frame.source;
    const int needed = NeededLength(frame);
    MemoryDC dc(nullptr);

    if (pending_) {
        Strip& next = *pending_;
        Strip* base = shown_ && shown_->style.SameFont(next.style) ? shown_.get() : nullptr;
        // Without a strip that can show the view as it now is, the frame waits for this one.
        const bool mustShow =
            !shown_ || !ShownFits(frame) || !shown_->Covers(needed) || !ShownMatchesSourceInView(frame);
        const auto ready = [&] {
            return NewStripReady(next.geometry.complete(), next.Covers(needed), base != nullptr, mustShow);
        };
        while (!ready() && (budget.Whole(next.geometry.entryCount()) || mustShow || budget.TimeLeft())) {
            MeasureNext(next, base, source, dc.get());
        }
        if (ready()) TakeOver();
    }
    if (!pending_ && shown_ && !shown_->geometry.complete()) {
        Strip& strip = *shown_;
        Strip* base = base_ && base_->style.SameFont(strip.style) ? base_.get() : nullptr;
        const int before = strip.geometry.MeasuredLength();
        while (!strip.geometry.complete() &&
               (budget.Whole(strip.geometry.entryCount()) || !strip.Covers(needed) || budget.TimeLeft())) {
            MeasureNext(strip, base, source, dc.get());
        }
        if (strip.geometry.MeasuredLength() != before) DropTilesFrom(before);
    }
    if (shown_ && shown_->geometry.complete()) base_.reset();
}

DibSurface* LayeredCaptionRenderer::Tile(const CaptionSource& source, int index) {
    auto found = tiles_.find(index);
    if (found != tiles_.end()) return found->second.get();
    const StripGeometry& g = shown_->geometry;
    const int extent = std::min(kStripTileExtent, StripLength() - index * kStripTileExtent);
    auto tile = std::make_unique<DibSurface>();
    const bool made = g.horizontal() ? tile->Create(extent, g.stripHeight()) : tile->Create(g.stripWidth(), extent);
    if (!made) return nullptr;  // tried again on the next frame
    DrawTile(source, *tile, index);
    return tiles_.emplace(index, std::move(tile)).first->second.get();
}

void LayeredCaptionRenderer::DrawTile(const CaptionSource& source, DibSurface& tile, int index) {
    const Strip& s = *shown_;
    const StripGeometry& g = s.geometry;
    const StripParameters& p = g.parameters();
    const bool horizontal = g.horizontal();
    const int from = index * kStripTileExtent;
    const int to = from + (horizontal ? tile.width() : tile.height());
    const float dx = horizontal ? static_cast<float>(-from) : 0.0f;
    const float dy = horizontal ? 0.0f : static_cast<float>(-from);
    // GDI+ draws straight into the tile's pixels, premultiplied, with the
    // coverage of what it draws as alpha.
    Gdiplus::Bitmap surface(tile.width(), tile.height(), tile.width() * 4, PixelFormat32bppPARGB,
                            reinterpret_cast<BYTE*>(tile.pixels()));
    Gdiplus::Graphics graphics(&surface);
    const auto draw = [&](int x, int y, RunSize size, const std::wstring& text, CaptionRunKind kind, COLORREF colour) {
        if (!BoxMeets(horizontal ? x : y, horizontal ? size.width : size.height, from, to)) return;
        s.text.Draw(graphics, static_cast<float>(x) + dx, static_cast<float>(y) + dy, text, kind, colour, 0.0f,
                    static_cast<float>(tile.width()));
    };
    if (p.titlePresent) draw(g.TitleAt().x, g.TitleAt().y, p.title, s.titleText, CaptionRunKind::Title, s.textColor);
    if (g.showsEmptyNotice()) {
        draw(g.EmptyNoticeAt().x, g.EmptyNoticeAt().y, p.emptyNotice, kEmptyNoticeText, CaptionRunKind::EmptyNotice,
             s.textColor);
    }
    const size_t sourceCount = source.EntryCount();
    for (size_t i = g.FirstEntryEndingAfter(from); i < g.measured(); ++i) {
        const EntryPlace place = g.Place(i);
        if (place.axisStart >= to) break;
        // While a newer list is measured the source already holds it: an
        // entry whose texts are not this strip's is left out until then.
        if (i >= sourceCount || source.EntryKey(i) != s.keys[i]) continue;
        const CaptionEntryText text = source.Entry(i);
        if (horizontal && place.hasSeparator) {
            draw(place.separatorX, g.SeparatorAt(i).y, p.separator, s.separatorText, CaptionRunKind::Separator,
                 s.textColor);
        }
        draw(place.nameX, place.nameY, place.name, text.first, CaptionRunKind::Name, s.textColor);
        draw(place.amountX, place.amountY, place.amount, text.second, CaptionRunKind::Amount, s.amountColor);
    }
}  // the graphics go first, which finishes the drawing into the tile

void LayeredCaptionRenderer::BlendCopy(const CaptionSource& source, double position, std::map<int, bool>& used) {
    const bool horizontal = shown_->geometry.horizontal();
    const int viewLength = ViewLength();
    const TileRange range = TilesInView(position, StripLength(), viewLength, kStripTileExtent, kLookaheadTiles);
    for (int index = range.first; index <= range.last; ++index) {
        used[index] = true;
        DibSurface* tile = Tile(source, index);
        if (!tile) continue;
        const double at = position + static_cast<double>(index) * kStripTileExtent;
        const int tileLength = horizontal ? tile->width() : tile->height();
        const BlendSpan span = ClipBlendSpan(at, tileLength, viewLength);
        if (span.length <= 0) continue;
        // The back buffer is transparent black and no two copies or tiles
        // overlap, so "source over" is the source itself: rows are copied,
        // which gives the same pixels as AlphaBlend at a fraction of its cost.
        uint32_t* destination = backBuffer_.pixels();
        const uint32_t* source = tile->pixels();
        const size_t destinationStride = static_cast<size_t>(backBuffer_.width());
        const size_t sourceStride = static_cast<size_t>(tile->width());
        if (horizontal) {
            const int rows = std::min(tile->height(), backBuffer_.height());
            for (int y = 0; y < rows; ++y) {
                std::memcpy(destination + y * destinationStride + span.destination,
                            source + y * sourceStride + span.source, static_cast<size_t>(span.length) * 4);
            }
        } else {
            const size_t columns = static_cast<size_t>(std::min(tile->width(), backBuffer_.width()));
            for (int y = 0; y < span.length; ++y) {
                std::memcpy(destination + (span.destination + y) * destinationStride,
                            source + (span.source + y) * sourceStride, columns * 4);
            }
        }
    }
}

bool LayeredCaptionRenderer::ComposeFrame(CaptionFrame& frame) {
    const int width = frame.width;
    const int height = frame.height;
    if (width < 1 || height < 1 || !frame.source) return false;
    if (!backBuffer_.valid() || backBuffer_.width() != width || backBuffer_.height() != height) {
        if (!backBuffer_.Create(width, height)) return false;
    } else {
        backBuffer_.Clear();
    }
    const Strip* newest = pending_ ? pending_.get() : shown_.get();
    const bool current = newest && newest->geometry.direction() == frame.direction &&
                         newest->geometry.parameters().viewWidth == width &&
                         newest->geometry.parameters().viewHeight == height &&
                         newest->geometry.entryCount() == frame.source->EntryCount();
    if (frame.stale || !current) StartStrip(frame);
    frame.stale = false;
    Measure(frame);
    if (!shown_) return false;

    const StripGeometry& g = shown_->geometry;
    // A horizontal strip's cycle is known once it is whole; until then the
    // view lies within what is measured, so there is nothing to wrap.
    const bool cycleKnown = g.complete() || !g.horizontal();
    if (cycleKnown) frame.scrollOffset = WrapScrollOffset(frame.scrollOffset, g.cycleLength());
    const double first = ViewLength() - frame.scrollOffset;
    std::map<int, bool> used;
    BlendCopy(*frame.source, first, used);
    if (cycleKnown) BlendCopy(*frame.source, first + g.cycleLength(), used);
    // Tiles that left the view are dropped; they are drawn again when they return.
    for (auto it = tiles_.begin(); it != tiles_.end();) {
        it = used.count(it->first) ? std::next(it) : tiles_.erase(it);
    }
    GdiFlush();
    return true;
}

RECT LayeredCaptionRenderer::TextBand() const {
    RECT band{0, 0, backBuffer_.width(), backBuffer_.height()};
    if (!shown_) return band;
    const StripGeometry& g = shown_->geometry;
    if (g.horizontal()) {
        band.top = std::clamp(g.bandStart(), 0, backBuffer_.height());
        band.bottom = std::clamp(g.bandEnd(), static_cast<int>(band.top), backBuffer_.height());
    } else {
        band.left = std::clamp(g.bandStart(), 0, backBuffer_.width());
        band.right = std::clamp(g.bandEnd(), static_cast<int>(band.left), backBuffer_.width());
    }
    return band;
}

bool LayeredCaptionRenderer::RenderFrame(HWND window, CaptionFrame& frame) {
    HDC screen = GetDC(nullptr);
    if (!screen) return false;
    const bool composed = ComposeFrame(frame);
    bool shown = false;
    if (composed) {
        // Outside the band that holds text every frame is transparent: the
        // window is only as large as the band, which costs a fraction of the
        // whole view's pixels at every present.
        RECT band = TextBand();
        if (band.right <= band.left || band.bottom <= band.top) band = {0, 0, frame.width, frame.height};
        POINT destination{frame.position.x + band.left, frame.position.y + band.top};
        SIZE size{band.right - band.left, band.bottom - band.top};
        POINT source{band.left, band.top};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        shown = UpdateLayeredWindow(window, screen, &destination, &size, backBuffer_.dc(), &source, 0, &blend,
                                    ULW_ALPHA) != FALSE;
    }
    ReleaseDC(nullptr, screen);
    return shown;
}
