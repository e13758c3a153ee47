// Arithmetic of the strip image: it is held as tiles of a bounded extent
// along the scroll axis, and each frame blends the parts of the tiles that
// meet the view. A list of any length thus costs memory for the view only.
#pragma once

#include <cstdint>
#include <cstddef>

constexpr int kStripTileExtent = 512;

// Where one copy of an image lands in the view, after clipping.
struct BlendSpan {
    int destination = 0;
    int source = 0;
    int length = 0;  // <= 0: nothing to blend
};

// Clips an image of `length` pixels placed at `position` (truncated toward
// zero) into a view of `viewLength` pixels, along one axis.
BlendSpan ClipBlendSpan(double position, int length, int viewLength);

// Tiles [first, last] of a strip placed at `position` that meet the view
// (plus `lookahead` tiles beyond its entering edge); empty when last < first.
struct TileRange {
    int first = 0;
    int last = -1;
};
TileRange TilesInView(double position, int stripLength, int viewLength, int tileExtent, int lookahead);

// Number of tiles a strip of the given length needs.
int TileCount(int stripLength, int tileExtent);
