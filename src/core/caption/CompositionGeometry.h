// The composition renderer's strip for a list of any length, without a copy
// of its texts: each entry keeps its two runs' measured sizes, entries are
// measured in list order, and the strip can show as soon as the part in view
// is measured. The line height shared by every run grows as taller runs are
// measured. Once every entry is measured, every position, the strip's size
// and its cycle are those LayoutCompositionStrip gives for the same sizes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/caption/CompositionLayout.h"

// A run's measured size in fractional pixels.
struct RunExtent {
    float width = 0;
    float height = 0;
};

struct CompositionEntrySizes {
    RunExtent name;
    RunExtent amount;
};

// What the strip is laid out from, besides the entries' sizes.
struct CompositionParameters {
    ScrollDirection direction = ScrollDirection::Horizontal;
    int viewWidth = 0;
    int viewHeight = 0;
    int nameAmountGap = 10;
    bool titlePresent = false;
    RunExtent title;
    RunExtent separator;
    RunExtent emptyNotice;
    float fontPixels = 0;
    size_t entryCount = 0;
};

class CompositionGeometry {
public:
    void Reset(const CompositionParameters& parameters);

    // Adds the next entry in list order; false once every entry is measured.
    bool Add(const CompositionEntrySizes& sizes);

    const CompositionParameters& parameters() const { return parameters_; }
    ScrollDirection direction() const { return parameters_.direction; }
    bool horizontal() const { return parameters_.direction == ScrollDirection::Horizontal; }
    size_t entryCount() const { return parameters_.entryCount; }
    size_t measured() const { return sizes_.size(); }
    bool complete() const { return sizes_.size() == parameters_.entryCount; }
    const CompositionEntrySizes& sizes(size_t index) const { return sizes_[index]; }

    // Boxes of a measured entry, of the title, the empty-list notice and the
    // separator (its size, on the line every horizontal run sits on).
    CompositionEntry Place(size_t index) const;
    RunBox Title() const;
    RunBox EmptyNotice() const;
    RunBox Separator() const;
    bool titlePresent() const { return parameters_.titlePresent; }
    bool showsEmptyNotice() const;

    // As far as measured: final once complete.
    float lineHeight() const { return lineHeight_; }
    float rowHeight() const;
    // How far along the scroll axis the measured entries reach.
    double MeasuredLength() const;
    double stripWidth() const;
    double stripHeight() const;
    double cycleLength() const;

    // The first measured entry whose extent ends after `from` along the axis
    // (measured() when none does).
    size_t FirstEntryEndingAfter(double from) const;

    // Bytes held for the entries.
    size_t bytes() const;

    // A horizontal strip keeps the start of every this many entries; the
    // starts between are summed again exactly as they were laid out.
    static constexpr size_t kEntriesPerCheckpoint = 64;

private:
    int TitleRows() const { return parameters_.titlePresent ? 1 : 0; }
    double FirstX() const;
    double LineY() const;
    // Where the entry after one starting at `start` starts (horizontal).
    double NextStart(size_t index, double start) const;
    float EntryWidth(size_t index) const;
    RunBox LeadingRun(const RunExtent& size, double horizontalX) const;

    CompositionParameters parameters_;
    std::vector<CompositionEntrySizes> sizes_;
    std::vector<double> checkpoints_;  // horizontal: the start of entry k × kEntriesPerCheckpoint
    double end_ = 0;                   // horizontal: where the next entry starts
    float lineHeight_ = 0;
    float widest_ = 0;  // vertical: the widest row
};

// The offset along a vertical strip, `viewLength` high, that keeps the rows
// in view where they were after every row grew from `rowBefore` to
// `rowAfter`: the row at the view's top stays put, the rest grow from it.
double OffsetAfterRowsGrew(double offset, double viewLength, float rowBefore, float rowAfter);
