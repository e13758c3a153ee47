// Whether a strip measured entry by entry lays out exactly as the full
// layout of the same content does.
#pragma once

#include <gtest/gtest.h>

#include "core/caption/CaptionLayout.h"
#include "core/caption/StripGeometry.h"

inline testing::AssertionResult SameLayout(const StripGeometry& g, const CaptionStrip& full) {
    if (!g.complete()) return testing::AssertionFailure() << g.measured() << " of " << g.entryCount() << " measured";
    if (g.entryCount() != full.entries.size()) {
        return testing::AssertionFailure() << g.entryCount() << " entries, the full layout " << full.entries.size();
    }
    if (g.stripWidth() != full.stripWidth || g.stripHeight() != full.stripHeight ||
        g.cycleLength() != full.cycleLength) {
        return testing::AssertionFailure() << "strip " << g.stripWidth() << "x" << g.stripHeight() << " cycle "
                                           << g.cycleLength() << ", full " << full.stripWidth << "x"
                                           << full.stripHeight << " cycle " << full.cycleLength;
    }
    const StripParameters& p = g.parameters();
    if (p.titlePresent != full.titlePresent || g.TitleAt().x != full.title.x || g.TitleAt().y != full.title.y ||
        p.title.width != full.title.size.width || p.title.height != full.title.size.height) {
        return testing::AssertionFailure() << "the title differs";
    }
    if (g.showsEmptyNotice() != full.showsEmptyNotice ||
        (full.showsEmptyNotice && (g.EmptyNoticeAt().x != full.emptyNotice.x ||
                                   g.EmptyNoticeAt().y != full.emptyNotice.y ||
                                   p.emptyNotice.width != full.emptyNotice.size.width))) {
        return testing::AssertionFailure() << "the empty-list notice differs";
    }
    for (size_t i = 0; i < full.entries.size(); ++i) {
        const CaptionEntryRuns& e = full.entries[i];
        const EntryPlace place = g.Place(i);
        const bool same = place.axisStart == e.axisStart && place.axisEnd == e.axisEnd &&
                          place.hasSeparator == e.hasSeparator && (!e.hasSeparator || place.separatorX == e.separatorX) &&
                          place.nameX == e.name.x && place.nameY == e.name.y && place.amountX == e.amount.x &&
                          place.amountY == e.amount.y && place.name.width == e.name.size.width &&
                          place.name.height == e.name.size.height && place.amount.width == e.amount.size.width &&
                          place.amount.height == e.amount.size.height;
        if (!same) {
            return testing::AssertionFailure() << "entry " << i << ": name at " << place.nameX << "," << place.nameY
                                               << " amount at " << place.amountX << ", full layout " << e.name.x
                                               << "," << e.name.y << " and " << e.amount.x;
        }
        if (full.direction == ScrollDirection::Horizontal && e.hasSeparator && g.SeparatorAt(i).y != full.separatorY) {
            return testing::AssertionFailure() << "entry " << i << ": separator row differs";
        }
    }
    return testing::AssertionSuccess();
}
