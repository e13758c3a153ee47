// Where the caption's runs sit, for a list of any length, without holding
// a copy of its texts: each entry keeps only its two measured widths (and
// its start along a horizontal strip), and the entries are measured in list
// order, so that the strip can be shown as soon as the part in view is
// measured and grow while the rest is. Once every entry is measured, every
// position and the cycle are those LayoutCaptionStrip gives for the same
// sizes; the texts of the entries that show are fetched when drawn.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/caption/CaptionLayout.h"

// The measured widths of one entry's two runs.
struct EntryWidths {
    int32_t name = 0;
    int32_t amount = 0;
};

// What the strip is laid out from, besides the entries' widths.
struct StripParameters {
    ScrollDirection direction = ScrollDirection::Horizontal;
    int viewWidth = 0;
    int viewHeight = 0;
    int nameAmountGap = 10;
    bool titlePresent = false;
    RunSize title;
    RunSize separator;
    RunSize emptyNotice;
    int runHeight = 0;    // every name's and amount's box is this high (one line of the font)
    int rowHeight = 0;    // vertical: from the row sample, as the full layout measures it
    size_t entryCount = 0;
};

// The parameters for a strip of `entryCount` entries with the common runs of
// `common` (its entries are not read), measured as the full layout measures them.
StripParameters StripParametersOf(ScrollDirection direction, const CaptionContent& common, size_t entryCount,
                                  int viewWidth, int viewHeight, const TextMeasurer& measure);

// An entry's boxes in the strip (its texts are the list's).
struct EntryPlace {
    int axisStart = 0;
    int axisEnd = 0;
    bool hasSeparator = false;
    int separatorX = 0;
    int nameX = 0;
    int nameY = 0;
    int amountX = 0;
    int amountY = 0;
    RunSize name;
    RunSize amount;
};

class StripGeometry {
public:
    void Reset(const StripParameters& parameters);

    // Adds the next entry in list order; false once every entry is measured.
    bool Add(EntryWidths widths);

    const StripParameters& parameters() const { return parameters_; }
    ScrollDirection direction() const { return parameters_.direction; }
    bool horizontal() const { return parameters_.direction == ScrollDirection::Horizontal; }
    size_t entryCount() const { return parameters_.entryCount; }
    size_t measured() const { return widths_.size(); }
    bool complete() const { return widths_.size() == parameters_.entryCount; }
    EntryWidths widths(size_t index) const { return widths_[index]; }

    // Boxes of a measured entry, of the title and of the empty-list notice.
    EntryPlace Place(size_t index) const;
    POINT TitleAt() const;
    POINT EmptyNoticeAt() const;
    POINT SeparatorAt(size_t index) const;  // horizontal, index > 0
    bool showsEmptyNotice() const;

    // How far along the scroll axis the measured entries reach: the whole
    // strip once complete.
    int MeasuredLength() const;
    // The strip's size and its cycle: final once complete.
    int stripWidth() const;
    int stripHeight() const;
    double cycleLength() const;

    // The first measured entry whose extent ends after `from` along the axis
    // (measured() when none does).
    size_t FirstEntryEndingAfter(int from) const;

    // Across the scroll axis, where text can be (rows of a horizontal line,
    // columns of a vertical list), as far as measured.
    int bandStart() const { return bandStart_; }
    int bandEnd() const { return bandEnd_; }

    // Bytes held for the entries.
    size_t bytes() const;

private:
    int TitleRows() const { return parameters_.titlePresent ? 1 : 0; }
    int FirstX() const;
    int LineY() const;
    void Widen(int start, int end);

    StripParameters parameters_;
    std::vector<EntryWidths> widths_;
    std::vector<int32_t> starts_;  // horizontal: each entry's axis start
    int end_ = 0;                  // horizontal: where the next entry starts
    int bandStart_ = 0;
    int bandEnd_ = 0;
    bool bandSet_ = false;
};
