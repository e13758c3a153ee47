#include "core/caption/StripGeometry.h"

#include <algorithm>

StripParameters StripParametersOf(ScrollDirection direction, const CaptionContent& common, size_t entryCount,
                                  int viewWidth, int viewHeight, const TextMeasurer& measure) {
    StripParameters p;
    p.direction = direction;
    p.viewWidth = viewWidth;
    p.viewHeight = viewHeight;
    p.nameAmountGap = common.nameAmountGap;
    p.titlePresent = !common.titlePrefix.empty();
    p.title = measure(common.titlePrefix, CaptionRunKind::Title);
    if (direction == ScrollDirection::Horizontal) p.separator = measure(common.separator, CaptionRunKind::Separator);
    p.emptyNotice = measure(kEmptyNoticeText, CaptionRunKind::EmptyNotice);
    // Every name and amount is one line of the font high, as the row sample is.
    p.runHeight = measure(kRowHeightSample, CaptionRunKind::Name).height;
    p.rowHeight = VerticalRowHeight(common.fontSize, p.runHeight);
    p.entryCount = entryCount;
    return p;
}

void StripGeometry::Reset(const StripParameters& parameters) {
    parameters_ = parameters;
    // Exactly the entries' room: a long list's sizes are its caption's largest part.
    widths_ = {};
    starts_ = {};
    widths_.reserve(parameters_.entryCount);
    if (horizontal()) starts_.reserve(parameters_.entryCount);
    end_ = FirstX();
    bandSet_ = false;
    bandStart_ = bandEnd_ = 0;
    const int y = LineY();
    if (horizontal()) {
        if (parameters_.titlePresent) Widen(y, y + parameters_.title.height);
        if (showsEmptyNotice()) Widen(y, y + parameters_.emptyNotice.height);
        if (parameters_.entryCount > 0) Widen(y, y + parameters_.separator.height);
    } else {
        if (parameters_.titlePresent) Widen(kVerticalLeftMargin, kVerticalLeftMargin + parameters_.title.width);
        if (showsEmptyNotice()) Widen(kVerticalLeftMargin, kVerticalLeftMargin + parameters_.emptyNotice.width);
    }
}

void StripGeometry::Widen(int start, int end) {
    bandStart_ = bandSet_ ? std::min(bandStart_, start) : start;
    bandEnd_ = bandSet_ ? std::max(bandEnd_, end) : end;
    bandSet_ = true;
}

bool StripGeometry::Add(EntryWidths widths) {
    if (complete()) return false;
    const size_t index = widths_.size();
    widths_.push_back(widths);
    const int gap = parameters_.nameAmountGap;
    if (horizontal()) {
        starts_.push_back(end_);
        end_ += (index > 0 ? parameters_.separator.width : 0) + widths.name + gap + widths.amount;
        const int y = LineY();
        Widen(y, y + parameters_.runHeight);
    } else {
        Widen(kVerticalLeftMargin, kVerticalLeftMargin + widths.name);
        Widen(kVerticalLeftMargin, kVerticalLeftMargin + widths.name + gap + widths.amount);
    }
    return true;
}

int StripGeometry::FirstX() const {
    if (!horizontal()) return 0;
    return parameters_.title.width + (parameters_.titlePresent ? parameters_.nameAmountGap : 0);
}

// Every run of a horizontal strip sits on one line, centred as the first
// entry's name (or the notice when there is none).
int StripGeometry::LineY() const {
    const int h = parameters_.entryCount == 0 ? parameters_.emptyNotice.height : parameters_.runHeight;
    return (parameters_.viewHeight - h) / 2;
}

bool StripGeometry::showsEmptyNotice() const {
    return parameters_.entryCount == 0 && (horizontal() || !parameters_.titlePresent);
}

EntryPlace StripGeometry::Place(size_t index) const {
    const EntryWidths w = widths_[index];
    const int gap = parameters_.nameAmountGap;
    const int h = parameters_.runHeight;
    EntryPlace place;
    place.name = {w.name, h};
    place.amount = {w.amount, h};
    if (horizontal()) {
        place.axisStart = starts_[index];
        place.hasSeparator = index > 0;
        place.separatorX = place.axisStart;
        place.nameX = place.axisStart + (index > 0 ? parameters_.separator.width : 0);
        place.amountX = place.nameX + w.name + gap;
        place.axisEnd = place.amountX + w.amount;
        place.nameY = place.amountY = LineY();
    } else {
        const int rowHeight = parameters_.rowHeight;
        const int top = (static_cast<int>(index) + TitleRows()) * rowHeight;
        place.axisStart = top;
        place.axisEnd = top + rowHeight;
        place.nameX = kVerticalLeftMargin;
        place.amountX = kVerticalLeftMargin + w.name + gap;
        place.nameY = place.amountY = top + (rowHeight - h) / 2;
    }
    return place;
}

POINT StripGeometry::TitleAt() const {
    if (horizontal()) return {0, LineY()};
    return {kVerticalLeftMargin, (parameters_.rowHeight - parameters_.title.height) / 2};
}

POINT StripGeometry::EmptyNoticeAt() const {
    if (horizontal()) return {FirstX(), LineY()};
    return {kVerticalLeftMargin, (parameters_.rowHeight - parameters_.emptyNotice.height) / 2};
}

POINT StripGeometry::SeparatorAt(size_t index) const { return {starts_[index], LineY()}; }

int StripGeometry::MeasuredLength() const {
    if (!horizontal()) {
        const size_t rows = widths_.size() + static_cast<size_t>(TitleRows());
        return complete() ? stripHeight() : static_cast<int>(rows) * parameters_.rowHeight;
    }
    if (showsEmptyNotice()) return FirstX() + parameters_.emptyNotice.width;
    return end_;
}

int StripGeometry::stripWidth() const {
    return horizontal() ? std::max(1, MeasuredLength()) : std::max(1, parameters_.viewWidth);
}

int StripGeometry::stripHeight() const {
    if (horizontal()) return parameters_.viewHeight;
    const size_t rows = std::max<size_t>(1, parameters_.entryCount + static_cast<size_t>(TitleRows()));
    return static_cast<int>(rows) * parameters_.rowHeight;
}

double StripGeometry::cycleLength() const {
    if (!horizontal()) return stripHeight();
    const int cycle = parameters_.viewWidth + MeasuredLength() + kHorizontalEndGap;
    return cycle > 0 ? cycle : 1;
}

size_t StripGeometry::FirstEntryEndingAfter(int from) const {
    if (!horizontal()) {
        const int rowHeight = std::max(1, parameters_.rowHeight);
        const int row = std::max(0, from / rowHeight - TitleRows());
        return std::min(static_cast<size_t>(row), widths_.size());
    }
    // Starts are in strip order; the entry before the first that starts
    // after `from` is the one that may still reach past it.
    auto after = std::upper_bound(starts_.begin(), starts_.end(), from);
    size_t index = static_cast<size_t>(after - starts_.begin());
    if (index > 0 && Place(index - 1).axisEnd > from) --index;
    return index;
}

size_t StripGeometry::bytes() const {
    return widths_.capacity() * sizeof(EntryWidths) + starts_.capacity() * sizeof(int32_t);
}
