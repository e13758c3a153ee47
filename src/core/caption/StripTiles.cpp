#include "core/caption/StripTiles.h"

#include <algorithm>

BlendSpan ClipBlendSpan(double position, int length, int viewLength) {
    const int at = static_cast<int>(position);  // truncation toward zero
    BlendSpan span;
    span.destination = std::max(at, 0);
    span.source = at < 0 ? -at : 0;
    span.length = at < 0 ? at + length : length;
    if (viewLength < at + length) span.length = viewLength - span.destination;
    return span;
}

int TileCount(int stripLength, int tileExtent) {
    if (stripLength <= 0 || tileExtent <= 0) return 0;
    return (stripLength + tileExtent - 1) / tileExtent;
}

TileRange TilesInView(double position, int stripLength, int viewLength, int tileExtent, int lookahead) {
    TileRange range;
    const int count = TileCount(stripLength, tileExtent);
    if (count == 0) return range;
    const int at = static_cast<int>(position);
    // Strip coordinates that are inside the view: [-at, viewLength - at).
    const long long from = std::max<long long>(0, -static_cast<long long>(at));
    const long long to = std::min<long long>(stripLength, static_cast<long long>(viewLength) - at);
    if (to <= from) {
        // Not in view yet: the tiles about to enter are still worth drawing ahead.
        if (at >= viewLength && at - viewLength < static_cast<long long>(lookahead) * tileExtent) {
            range.first = 0;
            range.last = std::min(count - 1, lookahead - 1);
        }
        return range;
    }
    range.first = static_cast<int>(from / tileExtent);
    range.last = std::min(count - 1, static_cast<int>((to - 1) / tileExtent) + lookahead);
    return range;
}
