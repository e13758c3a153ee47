// The composition renderer's strips: made from the source, measured in list
// order as far as each frame needs, and shown once they can show the view.
#include <algorithm>

#include "core/caption/MeasuringBudget.h"
#include "core/caption/MotionMath.h"
#include "ui/caption/composition/CompositionStrip.h"

namespace {

using Microsoft::WRL::ComPtr;

constexpr wchar_t kLocale[] = L"zh-cn";
constexpr float kLayoutWidth = 100000.0f;
constexpr float kLayoutHeight = 10000.0f;
// What is measured ahead of the view before a frame shows.
constexpr double kLookahead = 1024.0;

ComPtr<IDWriteTextFormat> MakeFormat(IDWriteFactory& dwrite, const CaptionTextStyle& style) {
    ComPtr<IDWriteTextFormat> format;
    if (FAILED(dwrite.CreateTextFormat(style.face.c_str(), nullptr,
                                       style.bold ? DWRITE_FONT_WEIGHT_BOLD : DWRITE_FONT_WEIGHT_NORMAL,
                                       DWRITE_FONT_STYLE_NORMAL, DWRITE_FONT_STRETCH_NORMAL, style.emPixels, kLocale,
                                       &format))) {
        return nullptr;
    }
    format->SetWordWrapping(DWRITE_WORD_WRAPPING_NO_WRAP);
    format->SetTextAlignment(DWRITE_TEXT_ALIGNMENT_LEADING);
    format->SetParagraphAlignment(DWRITE_PARAGRAPH_ALIGNMENT_NEAR);
    return format;
}

}  // namespace

RunExtent CompositionCaptionRenderer::Strip::Measure(const std::wstring& text, ComPtr<IDWriteTextLayout>& layout) const {
    RunExtent size;
    size.height = look.style.emPixels;
    layout.Reset();
    if (text.empty() || !format || !dwrite) return size;
    if (FAILED(dwrite->CreateTextLayout(text.c_str(), static_cast<UINT32>(text.size()), format.Get(), kLayoutWidth,
                                        kLayoutHeight, &layout))) {
        layout.Reset();
        return size;
    }
    DWRITE_TEXT_METRICS metrics{};
    if (FAILED(layout->GetMetrics(&metrics))) return size;
    const float padding = static_cast<float>(look.style.padding);
    size.width = metrics.widthIncludingTrailingWhitespace + padding;
    size.height = metrics.height + padding;
    return size;
}

const CompositionCaptionRenderer::Strip::RunLayouts& CompositionCaptionRenderer::Strip::LayoutsFor(
    const CaptionSource& source, size_t index) {
    auto found = frameLayouts.find(index);
    if (found != frameLayouts.end()) return found->second;
    RunLayouts& layouts = frameLayouts[index];
    auto last = lastLayouts.find(index);
    if (last != lastLayouts.end()) {
        layouts = std::move(last->second);
    } else if (index < source.EntryCount()) {
        const CaptionEntryText text = source.Entry(index);
        Measure(text.first, layouts.name);
        Measure(text.second, layouts.amount);
    }
    return layouts;
}

// A new version of the caption from the frame's source: its common runs are
// measured now, its entries as frames need them.
bool CompositionCaptionRenderer::StartStrip(const CaptionFrame& frame) {
    // Only the strip shown lends sizes to a new one: at most two strips of
    // entry sizes are ever held.
    base_.reset();
    const CaptionSource& source = *frame.source;
    auto strip = std::make_unique<Strip>();
    strip->look = source.Look();
    strip->dwrite = devices_.dwrite;
    const Strip* newest = pending_ ? pending_.get() : shown_.get();
    if (newest && newest->look.style.SameFont(strip->look.style)) {
        strip->format = newest->format;
    } else if (devices_.dwrite) {
        strip->format = MakeFormat(*devices_.dwrite.Get(), strip->look.style);
    }
    if (!strip->format) return false;

    const CaptionContent common = source.Common();
    CompositionParameters p;
    p.direction = frame.direction;
    p.viewWidth = frame.width;
    p.viewHeight = frame.height;
    p.nameAmountGap = common.nameAmountGap;
    p.titlePresent = !common.titlePrefix.empty();
    p.title = strip->Measure(common.titlePrefix, strip->title);
    p.separator = strip->Measure(common.separator, strip->separator);
    p.emptyNotice = strip->Measure(kEmptyNoticeText, strip->notice);
    p.fontPixels = strip->look.style.emPixels;
    p.entryCount = source.EntryCount();
    strip->geometry.Reset(p);
    strip->keys.reserve(p.entryCount);
    pending_ = std::move(strip);
    return true;
}

// Measures the strip's next entry, or keeps its sizes from `base`.
void CompositionCaptionRenderer::MeasureNext(Strip& strip, const Strip* base, const CaptionSource& source) {
    CompositionGeometry& g = strip.geometry;
    const size_t index = g.measured();
    const uint64_t key = source.EntryKey(index);
    const size_t kept = base ? FindKeptEntry(base->keys, base->geometry.entryCount(), g.entryCount(), index, key,
                                             strip.search)
                             : kNoKeptEntry;
    CompositionEntrySizes sizes;
    if (kept != kNoKeptEntry) {
        sizes = base->geometry.sizes(kept);
    } else {
        const CaptionEntryText text = source.Entry(index);
        ComPtr<IDWriteTextLayout> layout;  // only its size is kept
        sizes.name = strip.Measure(text.first, layout);
        sizes.amount = strip.Measure(text.second, layout);
        strip.measuredTexts += 2;
    }
    strip.keys.push_back(key);
    g.Add(sizes);
}

bool CompositionCaptionRenderer::ShownFits(const CaptionFrame& frame) const {
    const CompositionParameters& p = shown_->geometry.parameters();
    return p.direction == frame.direction && p.viewWidth == frame.width && p.viewHeight == frame.height;
}

// Whether every entry the shown strip has in view still has its texts in
// the source: after a list change it may not, until the new strip shows.
bool CompositionCaptionRenderer::ShownMatchesSourceInView(const CaptionFrame& frame) const {
    const CompositionGeometry& g = shown_->geometry;
    const bool cycleKnown = g.complete() || !g.horizontal();
    const double offset = cycleKnown ? WrapScrollOffset(frame.scrollOffset, g.cycleLength()) : frame.scrollOffset;
    const double view = g.horizontal() ? frame.width : frame.height;
    const size_t count = frame.source->EntryCount();
    const auto matches = [&](double from, double to) {
        for (size_t i = g.FirstEntryEndingAfter(from); i < g.measured(); ++i) {
            if (g.Place(i).axisStart >= to) break;
            if (i >= count || frame.source->EntryKey(i) != shown_->keys[i]) return false;
        }
        return true;
    };
    // The view shows the strip from offset − view to offset, and the next copy a cycle before.
    const double from = offset - view - kCullingMargin;
    const double to = offset + kCullingMargin;
    return matches(from, to) && (!cycleKnown || matches(from - g.cycleLength(), to - g.cycleLength()));
}

// How far along the scroll axis the strip must be measured for this frame:
// the view and what is looked ahead of it.
double CompositionCaptionRenderer::NeededLength(const CaptionFrame& frame) const {
    return frame.scrollOffset + kLookahead;
}

// The pending strip shows; the one it replaces lends its sizes until the
// new one is measured whole.
void CompositionCaptionRenderer::TakeOver() {
    base_ = std::move(shown_);
    shown_ = std::move(pending_);
    ReleaseTiles();
}

// Measures entries for this frame, as far as its budget allows.
void CompositionCaptionRenderer::Measure(CaptionFrame& frame) {
    if (!pending_ && (!shown_ || shown_->geometry.complete())) return;  // the usual frame: nothing to measure
    const MeasuringBudget budget(frame.playing);
    const auto sameFont = [](const Strip* a, const Strip& b) { return a && a->look.style.SameFont(b.look.style); };
    const CaptionSource& source = *frame.source;
    const double needed = NeededLength(frame);

    if (pending_) {
        Strip& next = *pending_;
        const Strip* base = sameFont(shown_.get(), next) ? shown_.get() : nullptr;
        // Without a strip that can show the view as it now is, the frame waits for this one.
        const bool mustShow =
            !shown_ || !ShownFits(frame) || !shown_->Covers(needed) || !ShownMatchesSourceInView(frame);
        const auto ready = [&] {
            return NewStripReady(next.geometry.complete(), next.Covers(needed), base != nullptr, mustShow);
        };
        while (!ready() && (budget.Whole(next.geometry.entryCount()) || mustShow || budget.TimeLeft())) {
            MeasureNext(next, base, source);
        }
        if (ready()) TakeOver();
    }
    if (!pending_ && shown_ && !shown_->geometry.complete()) {
        Strip& strip = *shown_;
        CompositionGeometry& g = strip.geometry;
        const Strip* base = sameFont(base_.get(), strip) ? base_.get() : nullptr;
        const float rowBefore = g.rowHeight();
        while (!g.complete() && (budget.Whole(g.entryCount()) || !strip.Covers(needed) || budget.TimeLeft())) {
            MeasureNext(strip, base, source);
        }
        // A taller run makes every row taller: the rows in view stay where
        // they were, rather than the strip jumping by the growth of every
        // row above them.
        if (!g.horizontal()) {
            frame.scrollOffset = OffsetAfterRowsGrew(frame.scrollOffset, frame.height, rowBefore, g.rowHeight());
        }
    }
    if (shown_ && shown_->geometry.complete()) base_.reset();
}
