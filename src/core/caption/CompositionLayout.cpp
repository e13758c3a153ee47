#include "core/caption/CompositionLayout.h"

#include <algorithm>

namespace {

void LayOutHorizontal(CompositionStrip& strip, const CaptionContent& c) {
    const double gapT = strip.titlePresent ? c.nameAmountGap : 0;
    const double x0 = strip.title.width + gapT;
    double x = x0;
    for (size_t i = 0; i < strip.entries.size(); ++i) {
        CompositionEntry& e = strip.entries[i];
        e.axisStart = x;
        if (i > 0) {
            e.separatorX = x;
            x += strip.separator.width;
        }
        e.name.x = x;
        e.amount.x = x + e.name.width + c.nameAmountGap;
        x += e.width;
        e.axisEnd = x;
    }
    double total = x;
    strip.showsEmptyNotice = strip.entries.empty();
    if (strip.showsEmptyNotice) {
        strip.emptyNotice.x = x0;
        total = x0 + strip.emptyNotice.width;
    }
    strip.stripWidth = std::max(1.0, total);
    strip.stripHeight = strip.viewHeight;
    const double y = (strip.stripHeight - strip.lineHeight) / 2.0;
    strip.title.y = strip.emptyNotice.y = strip.separator.y = y;
    for (CompositionEntry& e : strip.entries) e.name.y = e.amount.y = y;
    strip.cycleLength = strip.viewWidth + strip.stripWidth + 80.0;
}

void LayOutVertical(CompositionStrip& strip, const CaptionContent& c, float fontPixels) {
    strip.rowHeight = std::max(34.0f, std::max(18.0f, 0.55f * fontPixels) + strip.lineHeight);
    const int titleRows = strip.titlePresent ? 1 : 0;
    const int rows = std::max(1, static_cast<int>(strip.entries.size()) + titleRows);
    const double left = kVerticalLeftMargin;
    float widest = std::max(strip.emptyNotice.width, strip.title.width);
    strip.title.x = left;
    strip.title.y = (strip.rowHeight - strip.title.height) / 2.0f;
    for (size_t i = 0; i < strip.entries.size(); ++i) {
        CompositionEntry& e = strip.entries[i];
        const double top = static_cast<double>(i + titleRows) * strip.rowHeight;
        e.axisStart = top;
        e.axisEnd = top + strip.rowHeight;
        e.name.x = left;
        e.name.y = top + (strip.rowHeight - e.name.height) / 2.0f;
        e.amount.x = left + e.name.width + c.nameAmountGap;
        e.amount.y = top + (strip.rowHeight - e.amount.height) / 2.0f;
        widest = std::max(widest, e.width);
    }
    strip.showsEmptyNotice = strip.entries.empty() && !strip.titlePresent;
    strip.emptyNotice.x = left;
    strip.emptyNotice.y = (strip.rowHeight - strip.emptyNotice.height) / 2.0f;
    strip.stripWidth = std::max(1.0, std::min(static_cast<double>(strip.viewWidth), widest + 40.0));
    strip.stripHeight = static_cast<double>(rows) * strip.rowHeight;
    strip.cycleLength = strip.stripHeight;
}

}  // namespace

CompositionStrip LayoutCompositionStrip(ScrollDirection direction, const CaptionContent& c,
                                        const CompositionSizes& sizes, int viewWidth, int viewHeight,
                                        float fontPixels) {
    CompositionStrip strip;
    strip.direction = direction;
    strip.viewWidth = viewWidth;
    strip.viewHeight = viewHeight;
    strip.titlePresent = !c.titlePrefix.empty();
    strip.title = sizes.title;
    strip.separator = sizes.separator;
    strip.emptyNotice = sizes.emptyNotice;
    strip.lineHeight = std::max(sizes.title.height, sizes.emptyNotice.height);
    strip.entries.reserve(sizes.entries.size());
    for (const auto& [name, amount] : sizes.entries) {
        CompositionEntry e;
        e.name = name;
        e.amount = amount;
        e.width = static_cast<float>(c.nameAmountGap) + name.width + amount.width;
        strip.lineHeight = std::max({strip.lineHeight, name.height, amount.height});
        strip.entries.push_back(e);
    }
    if (direction == ScrollDirection::Vertical) {
        LayOutVertical(strip, c, fontPixels);
    } else {
        LayOutHorizontal(strip, c);
    }
    if (strip.cycleLength <= 0) strip.cycleLength = 1;
    return strip;
}

TilePlan PlanStripTiles(int stripWidth, int stripHeight, unsigned maximumBitmapSize) {
    TilePlan plan;
    const long long tw = std::max(1, stripWidth);
    const long long th = std::max(1, stripHeight);
    if (tw * th * 4 > kMaximumTileBytes) return plan;
    int edge = static_cast<int>(maximumBitmapSize);
    if (maximumBitmapSize == 0 || maximumBitmapSize > 4095) edge = 4096;
    if (edge <= 256) edge = 256;
    plan.edge = edge;
    plan.columns = static_cast<int>((tw + edge - 1) / edge);
    plan.rows = static_cast<int>((th + edge - 1) / edge);
    plan.usable = static_cast<long long>(plan.columns) * plan.rows <= kMaximumTiles;
    return plan;
}
