// Whether the composition renderer's strip, measured entry by entry, lays
// out exactly as the full layout of the same sizes does.
#pragma once

#include <gtest/gtest.h>

#include "core/caption/CompositionGeometry.h"
#include "core/caption/CompositionLayout.h"

inline bool SameBox(const RunBox& a, const RunBox& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

inline testing::AssertionResult SameCompositionLayout(const CompositionGeometry& g, const CompositionStrip& full) {
    if (!g.complete()) return testing::AssertionFailure() << g.measured() << " of " << g.entryCount() << " measured";
    if (g.entryCount() != full.entries.size()) {
        return testing::AssertionFailure() << g.entryCount() << " entries, the full layout " << full.entries.size();
    }
    if (g.stripWidth() != full.stripWidth || g.stripHeight() != full.stripHeight ||
        g.cycleLength() != full.cycleLength || g.lineHeight() != full.lineHeight) {
        return testing::AssertionFailure() << "strip " << g.stripWidth() << "x" << g.stripHeight() << " cycle "
                                           << g.cycleLength() << ", full " << full.stripWidth << "x"
                                           << full.stripHeight << " cycle " << full.cycleLength;
    }
    if (!g.horizontal() && g.rowHeight() != full.rowHeight) return testing::AssertionFailure() << "row height differs";
    if (g.titlePresent() != full.titlePresent || (full.titlePresent && !SameBox(g.Title(), full.title))) {
        return testing::AssertionFailure() << "the title differs";
    }
    if (g.showsEmptyNotice() != full.showsEmptyNotice ||
        (full.showsEmptyNotice && !SameBox(g.EmptyNotice(), full.emptyNotice))) {
        return testing::AssertionFailure() << "the empty-list notice differs";
    }
    if (g.horizontal() && !full.entries.empty() && !SameBox(g.Separator(), full.separator)) {
        return testing::AssertionFailure() << "the separator differs";
    }
    for (size_t i = 0; i < full.entries.size(); ++i) {
        const CompositionEntry& e = full.entries[i];
        const CompositionEntry p = g.Place(i);
        if (!SameBox(p.name, e.name) || !SameBox(p.amount, e.amount) || p.separatorX != e.separatorX ||
            p.width != e.width || p.axisStart != e.axisStart || p.axisEnd != e.axisEnd) {
            return testing::AssertionFailure() << "entry " << i << ": name at " << p.name.x << "," << p.name.y
                                               << ", full layout " << e.name.x << "," << e.name.y;
        }
    }
    return testing::AssertionSuccess();
}

// The full layout of the sizes a strip measured: what it must equal once whole.
inline CompositionStrip FullLayoutOf(const CompositionGeometry& g, const CaptionContent& common) {
    const CompositionParameters& p = g.parameters();
    CompositionSizes sizes;
    sizes.title = {0, 0, p.title.width, p.title.height};
    sizes.separator = {0, 0, p.separator.width, p.separator.height};
    sizes.emptyNotice = {0, 0, p.emptyNotice.width, p.emptyNotice.height};
    for (size_t i = 0; i < g.measured(); ++i) {
        const CompositionEntrySizes& e = g.sizes(i);
        sizes.entries.push_back({RunBox{0, 0, e.name.width, e.name.height}, RunBox{0, 0, e.amount.width, e.amount.height}});
    }
    return LayoutCompositionStrip(p.direction, common, sizes, p.viewWidth, p.viewHeight, p.fontPixels);
}
