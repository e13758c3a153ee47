#include "ui/caption/LayeredRenderer.h"

#include <objidl.h>  // before gdiplus.h, which needs PROPID
#include <gdiplus.h>

#include <algorithm>
#include <climits>
#include <chrono>
#include <cstring>

#include "core/caption/MotionMath.h"
#include "core/caption/StripTiles.h"


namespace {

constexpr int kLookaheadTiles = 1;

bool Horizontal(const CaptionStrip& s) { return s.direction == ScrollDirection::Horizontal; }

// Start and end of a run along the scroll axis.
bool RunMeets(const CaptionRun& run, bool horizontal, int from, int to) {
    const int start = horizontal ? run.x : run.y;
    const int length = horizontal ? run.size.width : run.size.height;
    return start < to && start + length > from && length > 0;
}

}  // namespace

bool LayeredCaptionRenderer::Initialise(HWND) { return true; }

void LayeredCaptionRenderer::Release() {
    restyling_ = false;
    pendingText_.Reset();
    pendingMeasured_.clear();
    pendingTexts_.clear();
    backBuffer_.Reset();
    tiles_.clear();
    strip_ = CaptionStrip{};
    stripBuilt_ = false;
    measured_.clear();
    text_.Reset();
}

size_t LayeredCaptionRenderer::tileBytes() const {
    size_t bytes = 0;
    for (const auto& [index, tile] : tiles_) bytes += tile->bytes();
    return bytes;
}

int LayeredCaptionRenderer::StripLength() const { return Horizontal(strip_) ? strip_.stripWidth : strip_.stripHeight; }

int LayeredCaptionRenderer::ViewLength() const { return Horizontal(strip_) ? strip_.viewWidth : strip_.viewHeight; }

bool LayeredCaptionRenderer::StripIsCurrent(const CaptionFrame& frame) const {
    if (!stripBuilt_ || frame.stale || strip_.direction != frame.direction) return false;
    return Horizontal(strip_) ? strip_.viewHeight == frame.height : strip_.viewWidth == frame.width;
}

void LayeredCaptionRenderer::RebuildStrip(CaptionFrame& frame) {
    tiles_.clear();
    const CaptionLook look = frame.source->Look();
    if (!look.style.SameFont(style_) || measured_.empty()) measured_.clear();
    style_ = look.style;
    text_.SetStyle(style_);
    textColor_ = look.textColor;
    amountColor_ = look.amountColor;

    HDC screen = GetDC(nullptr);
    HDC measureDc = CreateCompatibleDC(screen);
    if (screen) ReleaseDC(nullptr, screen);
    // Only texts not measured before with this font are measured now.
    const TextMeasurer measure = [this, measureDc](const std::wstring& text, CaptionRunKind kind) {
        // The separator is measured apart: the same text as a name measures differently.
        if (kind == CaptionRunKind::Separator) return text_.Measure(measureDc, text, kind);
        const auto found = measured_.find(text);
        if (found != measured_.end()) return found->second;
        const RunSize size = text_.Measure(measureDc, text, kind);
        measured_.emplace(text, size);
        return size;
    };
    strip_ = LayoutCaptionStrip(frame.direction, frame.source->Content(), frame.width, frame.height, measure);
    if (measureDc) DeleteDC(measureDc);
    stripBuilt_ = true;
    FindTextBand();
    wholePresentDue_ = true;
    frame.stale = false;
}

bool LayeredCaptionRenderer::NeedsNewFont(const CaptionFrame& frame) const {
    return !frame.source->Look().style.SameFont(style_) || measured_.empty();
}

// Measures the new font's texts for at most budgetMs; true once every text
// of the current content is measured and the new font has taken over.
bool LayeredCaptionRenderer::MeasureForNewFont(const CaptionFrame& frame, double budgetMs) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const CaptionTextStyle style = frame.source->Look().style;
    if (!restyling_ || !style.SameFont(pendingStyle_)) {
        restyling_ = true;
        pendingStyle_ = style;
        pendingText_.SetStyle(style);
        pendingMeasured_.clear();
        // The texts the layout will ask for, found by a layout that measures nothing.
        pendingTexts_.clear();
        pendingNext_ = 0;
        LayoutCaptionStrip(frame.direction, frame.source->Content(), frame.width, frame.height,
                           [this](const std::wstring& text, CaptionRunKind kind) {
                               if (kind != CaptionRunKind::Separator) pendingTexts_.push_back(text);
                               return RunSize{0, 0};
                           });
    }
    HDC screen = GetDC(nullptr);
    HDC measureDc = CreateCompatibleDC(screen);
    if (screen) ReleaseDC(nullptr, screen);
    const auto spent = [&] { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); };
    // A short list is measured whole whatever the budget (a few texts cost
    // next to nothing even on a busy machine), so it changes in this frame.
    constexpr size_t kShortContent = 256;
    const bool shortContent = pendingTexts_.size() <= kShortContent;
    while (pendingNext_ < pendingTexts_.size() && (shortContent || spent() < budgetMs)) {
        const std::wstring& text = pendingTexts_[pendingNext_++];
        if (!pendingMeasured_.count(text)) {
            pendingMeasured_.emplace(text, pendingText_.Measure(measureDc, text, CaptionRunKind::Name));
        }
    }
    if (measureDc) DeleteDC(measureDc);
    if (pendingNext_ < pendingTexts_.size()) return false;
    // A frame that measured for most of its budget leaves the rebuild of a long
    // list to the next one; a short list's rebuild costs next to nothing, so it
    // changes in this frame however slowly a new font was made.
    if (pendingTexts_.size() > kShortContent && spent() >= budgetMs / 2) return false;

    // Every text is measured: the new font takes over, and the rebuild finds it warm.
    style_ = pendingStyle_;
    measured_ = std::move(pendingMeasured_);
    pendingMeasured_.clear();
    pendingTexts_.clear();
    pendingText_.Reset();
    restyling_ = false;
    return true;
}

DibSurface* LayeredCaptionRenderer::Tile(int index) {
    auto found = tiles_.find(index);
    if (found != tiles_.end()) return found->second.get();
    const bool horizontal = Horizontal(strip_);
    const int extent = std::min(kStripTileExtent, StripLength() - index * kStripTileExtent);
    auto tile = std::make_unique<DibSurface>();
    const bool made = horizontal ? tile->Create(extent, strip_.stripHeight) : tile->Create(strip_.stripWidth, extent);
    if (!made) return nullptr;  // tried again on the next frame
    DrawTile(*tile, index);
    return tiles_.emplace(index, std::move(tile)).first->second.get();
}

void LayeredCaptionRenderer::DrawTile(DibSurface& tile, int index) {
    const bool horizontal = Horizontal(strip_);
    const int from = index * kStripTileExtent;
    const int to = from + (horizontal ? tile.width() : tile.height());
    const float dx = horizontal ? static_cast<float>(-from) : 0.0f;
    const float dy = horizontal ? 0.0f : static_cast<float>(-from);
    // GDI+ draws straight into the tile's pixels, premultiplied, with the
    // coverage of what it draws as alpha.
    Gdiplus::Bitmap surface(tile.width(), tile.height(), tile.width() * 4, PixelFormat32bppPARGB,
                            reinterpret_cast<BYTE*>(tile.pixels()));
    Gdiplus::Graphics graphics(&surface);
    auto draw = [&](const CaptionRun& run, COLORREF colour) {
        if (RunMeets(run, horizontal, from, to)) {
            text_.Draw(graphics, static_cast<float>(run.x) + dx, static_cast<float>(run.y) + dy, run.text, run.kind,
                       colour, 0.0f, static_cast<float>(tile.width()));
        }
    };
    if (strip_.titlePresent) draw(strip_.title, textColor_);
    if (strip_.showsEmptyNotice) draw(strip_.emptyNotice, textColor_);

    // Entries lie in strip order along the axis: start at the first that can meet the tile.
    const auto& entries = strip_.entries;
    auto first = std::partition_point(entries.begin(), entries.end(),
                                      [from](const CaptionEntryRuns& e) { return e.axisEnd <= from; });
    for (auto it = first; it != entries.end(); ++it) {
        const CaptionEntryRuns& e = *it;
        if (e.axisStart >= to) break;
        if (horizontal && e.hasSeparator) {
            CaptionRun separator;
            separator.text = strip_.separatorText;
            separator.kind = CaptionRunKind::Separator;
            separator.x = e.separatorX;
            separator.y = strip_.separatorY;
            separator.size = strip_.separator;
            draw(separator, textColor_);
        }
        draw(e.name, textColor_);
        draw(e.amount, amountColor_);
    }
}  // the graphics go first, which finishes the drawing into the tile

void LayeredCaptionRenderer::BlendCopy(double position, std::map<int, bool>& used) {
    const bool horizontal = Horizontal(strip_);
    const int viewLength = ViewLength();
    const TileRange range = TilesInView(position, StripLength(), viewLength, kStripTileExtent, kLookaheadTiles);
    for (int index = range.first; index <= range.last; ++index) {
        used[index] = true;
        DibSurface* tile = Tile(index);
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
        wholePresentDue_ = true;
    } else {
        backBuffer_.Clear();
    }
    if (!StripIsCurrent(frame)) {
        // While playing, a new font is measured a slice per frame and the old
        // strip plays on meanwhile; a short list still finishes in this frame.
        const bool spread = stripBuilt_ && frame.playing && NeedsNewFont(frame);
        if (!spread || MeasureForNewFont(frame, kMeasureBudgetMs)) RebuildStrip(frame);
    }

    frame.scrollOffset = WrapScrollOffset(frame.scrollOffset, strip_.cycleLength);
    const double first = ViewLength() - static_cast<double>(frame.scrollOffset);
    std::map<int, bool> used;
    BlendCopy(first, used);
    BlendCopy(first + strip_.cycleLength, used);
    // Tiles that left the view are dropped; they are drawn again when they return.
    for (auto it = tiles_.begin(); it != tiles_.end();) {
        it = used.count(it->first) ? std::next(it) : tiles_.erase(it);
    }
    GdiFlush();
    return true;
}

RECT LayeredCaptionRenderer::TextBand() const {
    RECT band{0, 0, backBuffer_.width(), backBuffer_.height()};
    if (!stripBuilt_) return band;
    if (Horizontal(strip_)) {
        band.top = std::clamp(bandStart_, 0, backBuffer_.height());
        band.bottom = std::clamp(bandEnd_, static_cast<int>(band.top), backBuffer_.height());
    } else {
        band.left = std::clamp(bandStart_, 0, backBuffer_.width());
        band.right = std::clamp(bandEnd_, static_cast<int>(band.left), backBuffer_.width());
    }
    return band;
}

// Where the strip's text lies across the scroll axis: the rows of a
// horizontal line, the columns of a vertical one.
void LayeredCaptionRenderer::FindTextBand() {
    const bool horizontal = Horizontal(strip_);
    int start = INT_MAX;
    int end = INT_MIN;
    const auto take = [&](const CaptionRun& run) {
        if (run.text.empty()) return;
        start = std::min(start, horizontal ? run.y : run.x);
        end = std::max(end, horizontal ? run.y + run.size.height : run.x + run.size.width);
    };
    if (strip_.titlePresent) take(strip_.title);
    if (strip_.showsEmptyNotice) take(strip_.emptyNotice);
    for (const CaptionEntryRuns& e : strip_.entries) {
        take(e.name);
        take(e.amount);
    }
    if (horizontal && !strip_.entries.empty()) {
        start = std::min(start, strip_.separatorY);
        end = std::max(end, strip_.separatorY + strip_.separator.height);
    }
    bandStart_ = start <= end ? start : 0;
    bandEnd_ = start <= end ? end : 0;
}

bool LayeredCaptionRenderer::RenderFrame(HWND window, CaptionFrame& frame) {
    HDC screen = GetDC(nullptr);
    if (!screen) return false;
    const bool composed = ComposeFrame(frame);
    bool shown = false;
    if (composed) {
        POINT destination = frame.position;
        SIZE size{frame.width, frame.height};
        POINT source{0, 0};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        // Outside the band that holds text every frame is transparent, as
        // the last whole present left it: only the band goes to the screen.
        const bool whole = wholePresentDue_ || frame.position.x != presentedAt_.x ||
                           frame.position.y != presentedAt_.y;
        const RECT band = TextBand();
        UPDATELAYEREDWINDOWINFO info{};
        info.cbSize = sizeof(info);
        info.hdcDst = screen;
        info.pptDst = &destination;
        info.psize = &size;
        info.hdcSrc = backBuffer_.dc();
        info.pptSrc = &source;
        info.pblend = &blend;
        info.dwFlags = ULW_ALPHA;
        info.prcDirty = whole ? nullptr : &band;
        shown = UpdateLayeredWindowIndirect(window, &info) != FALSE;
        if (shown) {
            wholePresentDue_ = false;
            presentedAt_ = frame.position;
        }
    }
    ReleaseDC(nullptr, screen);
    return shown;
}
