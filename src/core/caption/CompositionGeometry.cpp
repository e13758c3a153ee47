#include "core/caption/CompositionGeometry.h"

#include <algorithm>
#include <cmath>

// Every sum below is the full layout's, term for term and in the same
// order, so that the positions come out bit for bit the same.

void CompositionGeometry::Reset(const CompositionParameters& parameters) {
    parameters_ = parameters;
    // Exactly the entries' room: a long list's sizes are its caption's largest part.
    sizes_ = {};
    checkpoints_ = {};
    sizes_.reserve(parameters_.entryCount);
    if (horizontal()) checkpoints_.reserve(parameters_.entryCount / kEntriesPerCheckpoint + 1);
    end_ = FirstX();
    lineHeight_ = std::max(parameters_.title.height, parameters_.emptyNotice.height);
    widest_ = std::max(parameters_.emptyNotice.width, parameters_.title.width);
}

bool CompositionGeometry::Add(const CompositionEntrySizes& sizes) {
    if (complete()) return false;
    const size_t index = sizes_.size();
    sizes_.push_back(sizes);
    lineHeight_ = std::max({lineHeight_, sizes.name.height, sizes.amount.height});
    if (horizontal()) {
        if (index % kEntriesPerCheckpoint == 0) checkpoints_.push_back(end_);
        end_ = NextStart(index, end_);
    } else {
        widest_ = std::max(widest_, EntryWidth(index));
    }
    return true;
}

float CompositionGeometry::EntryWidth(size_t index) const {
    const CompositionEntrySizes& s = sizes_[index];
    return static_cast<float>(parameters_.nameAmountGap) + s.name.width + s.amount.width;
}

double CompositionGeometry::NextStart(size_t index, double start) const {
    double x = start;
    if (index > 0) x += parameters_.separator.width;
    return x + EntryWidth(index);
}

double CompositionGeometry::FirstX() const {
    if (!horizontal()) return 0;
    const double gap = parameters_.titlePresent ? parameters_.nameAmountGap : 0;
    return parameters_.title.width + gap;
}

double CompositionGeometry::LineY() const {
    return (static_cast<double>(parameters_.viewHeight) - lineHeight_) / 2.0;
}

float CompositionGeometry::rowHeight() const {
    if (horizontal()) return 0;
    return std::max(34.0f, std::max(18.0f, 0.55f * parameters_.fontPixels) + lineHeight_);
}

bool CompositionGeometry::showsEmptyNotice() const {
    return parameters_.entryCount == 0 && (horizontal() || !parameters_.titlePresent);
}

CompositionEntry CompositionGeometry::Place(size_t index) const {
    const CompositionEntrySizes& s = sizes_[index];
    CompositionEntry e;
    e.name.width = s.name.width;
    e.name.height = s.name.height;
    e.amount.width = s.amount.width;
    e.amount.height = s.amount.height;
    e.width = EntryWidth(index);
    const int gap = parameters_.nameAmountGap;
    if (horizontal()) {
        const size_t block = index / kEntriesPerCheckpoint;
        double x = checkpoints_[block];
        for (size_t i = block * kEntriesPerCheckpoint; i < index; ++i) x = NextStart(i, x);
        e.axisStart = x;
        if (index > 0) {
            e.separatorX = x;
            x += parameters_.separator.width;
        }
        e.name.x = x;
        e.amount.x = x + e.name.width + gap;
        e.axisEnd = x + e.width;
        e.name.y = e.amount.y = LineY();
    } else {
        const float row = rowHeight();
        const double left = kVerticalLeftMargin;
        const double top = static_cast<double>(index + static_cast<size_t>(TitleRows())) * row;
        e.axisStart = top;
        e.axisEnd = top + row;
        e.name.x = left;
        e.name.y = top + (row - e.name.height) / 2.0f;
        e.amount.x = left + e.name.width + gap;
        e.amount.y = top + (row - e.amount.height) / 2.0f;
    }
    return e;
}

// The title and the empty-list notice sit where a first entry would: on
// the line, or centred in the first row.
RunBox CompositionGeometry::LeadingRun(const RunExtent& size, double horizontalX) const {
    RunBox box{0, 0, size.width, size.height};
    if (horizontal()) {
        box.x = horizontalX;
        box.y = LineY();
    } else {
        box.x = kVerticalLeftMargin;
        box.y = (rowHeight() - box.height) / 2.0f;
    }
    return box;
}

RunBox CompositionGeometry::Title() const { return LeadingRun(parameters_.title, 0); }

RunBox CompositionGeometry::EmptyNotice() const { return LeadingRun(parameters_.emptyNotice, FirstX()); }

RunBox CompositionGeometry::Separator() const {
    return RunBox{0, horizontal() ? LineY() : 0.0, parameters_.separator.width, parameters_.separator.height};
}

double CompositionGeometry::MeasuredLength() const {
    if (!horizontal()) {
        if (complete()) return stripHeight();
        return static_cast<double>(sizes_.size() + static_cast<size_t>(TitleRows())) * rowHeight();
    }
    if (showsEmptyNotice()) return FirstX() + parameters_.emptyNotice.width;
    return end_;
}

double CompositionGeometry::stripWidth() const {
    if (horizontal()) return std::max(1.0, MeasuredLength());
    return std::max(1.0, std::min(static_cast<double>(parameters_.viewWidth), widest_ + 40.0));
}

double CompositionGeometry::stripHeight() const {
    if (horizontal()) return parameters_.viewHeight;
    const size_t rows = std::max<size_t>(1, parameters_.entryCount + static_cast<size_t>(TitleRows()));
    return static_cast<double>(rows) * rowHeight();
}

double CompositionGeometry::cycleLength() const {
    const double cycle = horizontal() ? parameters_.viewWidth + stripWidth() + 80.0 : stripHeight();
    return cycle > 0 ? cycle : 1;
}

size_t CompositionGeometry::FirstEntryEndingAfter(double from) const {
    const size_t count = sizes_.size();
    if (count == 0) return 0;
    size_t index = 0;
    if (horizontal()) {
        // The last checkpoint at or before `from`, then on through its block.
        auto after = std::upper_bound(checkpoints_.begin(), checkpoints_.end(), from);
        if (after != checkpoints_.begin()) index = static_cast<size_t>(after - checkpoints_.begin() - 1);
        index *= kEntriesPerCheckpoint;
        double x = checkpoints_[index / kEntriesPerCheckpoint];
        while (index < count) {
            const double end = NextStart(index, x);
            if (end > from) break;
            x = end;
            ++index;
        }
        return index;
    }
    const double row = std::max(1.0f, rowHeight());
    const double rows = std::floor(from / row) - TitleRows();
    if (rows > 0) index = static_cast<size_t>(std::min(rows, static_cast<double>(count)));
    // Rounding may land a row off either way.
    while (index > 0 && Place(index - 1).axisEnd > from) --index;
    while (index < count && Place(index).axisEnd <= from) ++index;
    return index;
}

size_t CompositionGeometry::bytes() const {
    return sizes_.capacity() * sizeof(CompositionEntrySizes) + checkpoints_.capacity() * sizeof(double);
}

double OffsetAfterRowsGrew(double offset, double viewLength, float rowBefore, float rowAfter) {
    // Before the strip's start reaches the view's top nothing above it moves.
    if (rowBefore <= 0 || rowAfter == rowBefore || offset <= viewLength) return offset;
    return viewLength + (offset - viewLength) * (static_cast<double>(rowAfter) / rowBefore);
}
