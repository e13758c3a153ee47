// The composition renderer's strip: the same rules as the layered one, with
// sizes in fractional pixels as DirectWrite measures them, a line height
// shared by every run and a vertical strip only as wide as its widest row.
// Also where the strip's tiles go. Plain arithmetic on measured sizes.
#pragma once

#include <vector>

#include "core/caption/CaptionLayout.h"

// Positions are doubles: a long list's strip is hundreds of millions of
// pixels long, where a float cannot tell neighbouring pixels apart.
struct RunBox {
    double x = 0;
    double y = 0;
    float width = 0;
    float height = 0;
};

struct CompositionEntry {
    RunBox name;
    RunBox amount;
    double separatorX = -1;  // -1 for the first entry
    float width = 0;         // gap + name width + amount width
    double axisStart = 0;    // along the scroll axis: separator and entry, or the row
    double axisEnd = 0;
};

// The measured sizes a layout is made from (width and height of each run).
struct CompositionSizes {
    RunBox title;
    RunBox separator;
    RunBox emptyNotice;
    std::vector<std::pair<RunBox, RunBox>> entries;  // name, amount
};

struct CompositionStrip {
    ScrollDirection direction = ScrollDirection::Horizontal;
    int viewWidth = 0;
    int viewHeight = 0;
    bool titlePresent = false;
    RunBox title;
    RunBox separator;  // its size; separators stand at each entry's separatorX
    bool showsEmptyNotice = false;
    RunBox emptyNotice;
    std::vector<CompositionEntry> entries;
    float lineHeight = 0;
    float rowHeight = 0;
    double stripWidth = 1;
    double stripHeight = 1;
    double cycleLength = 1;
};

CompositionStrip LayoutCompositionStrip(ScrollDirection direction, const CaptionContent& content,
                                        const CompositionSizes& sizes, int viewWidth, int viewHeight,
                                        float fontPixels);

// The tiles a strip of tw × th whole pixels is cut into.
struct TilePlan {
    bool usable = false;  // false: the strip is drawn directly every frame
    int edge = 0;
    int columns = 0;
    int rows = 0;
};

constexpr long long kMaximumTileBytes = 64LL * 1024 * 1024;
constexpr int kMaximumTiles = 256;
constexpr float kCullingMargin = 80.0f;

// maximumBitmapSize: the device context's; the edge is kept within 256..4096.
TilePlan PlanStripTiles(int stripWidth, int stripHeight, unsigned maximumBitmapSize);
