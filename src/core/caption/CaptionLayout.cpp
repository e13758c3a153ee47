#include "core/caption/CaptionLayout.h"

#include <algorithm>

#include "core/list/AmountText.h"
#include "core/list/DisplayText.h"

CaptionContent CaptionCommonContentOf(const AppSettings& s) {
    CaptionContent content;
    content.titlePrefix = s.titlePrefix;
    content.separator = s.separator;
    content.nameAmountGap = s.nameAmountGap;
    content.fontSize = s.fontSize;
    return content;
}

CaptionEntryText CaptionEntryTextOf(const AppSettings& s, const DonationEntry& entry) {
    return {DisplayCut(entry.name, kCaptionTextLimit),
            DisplayCut(FormatAmountForDisplay(DisplayCut(entry.amount, kCaptionTextLimit), s.thousandsSeparator),
                       kCaptionTextLimit)};
}

CaptionContent CaptionContentOf(const AppSettings& s, const DonationList& list) {
    CaptionContent content = CaptionCommonContentOf(s);
    content.entries.reserve(list.size());
    for (const DonationEntry& entry : list) content.entries.push_back(CaptionEntryTextOf(s, entry));
    return content;
}

namespace {

// FNV-1a over the UTF-16 units a display can show, then the length.
uint64_t HashShownText(uint64_t hash, std::wstring_view text) {
    constexpr uint64_t kPrime = 1099511628211ull;
    const size_t shown = std::min(text.size(), kCaptionTextLimit + 1);
    for (size_t i = 0; i < shown; ++i) {
        hash = (hash ^ static_cast<uint16_t>(text[i])) * kPrime;
    }
    return (hash ^ static_cast<uint64_t>(std::min(text.size(), kCaptionTextLimit + 1))) * kPrime;
}

}  // namespace

uint64_t CaptionEntryKey(std::wstring_view name, std::wstring_view amount, uint64_t salt) {
    uint64_t hash = 14695981039346656037ull ^ salt;
    hash = HashShownText(hash, name);
    hash = HashShownText(hash ^ 0x9E3779B97F4A7C15ull, amount);
    // A final mix, so that keys differing in one unit differ in every bit.
    hash ^= hash >> 33;
    hash *= 0xFF51AFD7ED558CCDull;
    hash ^= hash >> 33;
    return hash;
}

namespace {

CaptionRun MakeRun(const std::wstring& text, CaptionRunKind kind, const TextMeasurer& measure) {
    CaptionRun run;
    run.text = text;
    run.kind = kind;
    run.size = measure(text, kind);
    return run;
}

void MeasureCommonRuns(CaptionStrip& strip, const CaptionContent& c, const TextMeasurer& measure) {
    strip.titlePresent = !c.titlePrefix.empty();
    strip.title = MakeRun(c.titlePrefix, CaptionRunKind::Title, measure);
    strip.emptyNotice = MakeRun(kEmptyNoticeText, CaptionRunKind::EmptyNotice, measure);
    strip.entries.reserve(c.entries.size());
    for (const auto& [name, amount] : c.entries) {
        CaptionEntryRuns entry;
        entry.name = MakeRun(name, CaptionRunKind::Name, measure);
        entry.amount = MakeRun(amount, CaptionRunKind::Amount, measure);
        entry.width = entry.name.size.width + c.nameAmountGap + entry.amount.size.width;
        strip.entries.push_back(std::move(entry));
    }
}

}  // namespace

int VerticalRowHeight(int fontSize, int sampleHeight) {
    const int extra = fontSize <= 29 ? 14 : fontSize / 2;
    return std::max(kMinimumRowHeight, sampleHeight + extra);
}

CaptionStrip LayoutHorizontalStrip(const CaptionContent& c, int viewWidth, int viewHeight,
                                   const TextMeasurer& measure) {
    CaptionStrip strip;
    strip.direction = ScrollDirection::Horizontal;
    strip.viewWidth = viewWidth;
    strip.viewHeight = viewHeight;
    MeasureCommonRuns(strip, c, measure);
    strip.separatorText = c.separator;
    strip.separator = measure(c.separator, CaptionRunKind::Separator);

    const int gapT = strip.titlePresent ? c.nameAmountGap : 0;
    const int x0 = strip.title.size.width + gapT;
    int x = x0;
    for (size_t i = 0; i < strip.entries.size(); ++i) {
        CaptionEntryRuns& e = strip.entries[i];
        e.axisStart = x;
        if (i > 0) {
            e.hasSeparator = true;
            e.separatorX = x;
            x += strip.separator.width;
        }
        e.name.x = x;
        e.amount.x = x + e.name.size.width + c.nameAmountGap;
        x += e.width;
        e.axisEnd = x;
    }
    strip.showsEmptyNotice = strip.entries.empty();
    int total = x;
    if (strip.showsEmptyNotice) {
        strip.emptyNotice.x = x0;
        total = x0 + strip.emptyNotice.size.width;
    }

    strip.stripWidth = std::max(1, total);
    strip.stripHeight = viewHeight;
    const int h = strip.entries.empty() ? strip.emptyNotice.size.height : strip.entries.front().name.size.height;
    const int y = (strip.stripHeight - h) / 2;
    strip.title.y = y;
    strip.emptyNotice.y = y;
    strip.separatorY = y;
    for (CaptionEntryRuns& e : strip.entries) {
        e.name.y = y;
        e.amount.y = y;
    }
    const int cycle = viewWidth + total + kHorizontalEndGap;
    strip.cycleLength = cycle > 0 ? cycle : 1;
    return strip;
}

CaptionStrip LayoutVerticalStrip(const CaptionContent& c, int viewWidth, int viewHeight,
                                 const TextMeasurer& measure) {
    CaptionStrip strip;
    strip.direction = ScrollDirection::Vertical;
    strip.viewWidth = viewWidth;
    strip.viewHeight = viewHeight;
    MeasureCommonRuns(strip, c, measure);

    const int rowHeight = VerticalRowHeight(c.fontSize, measure(kRowHeightSample, CaptionRunKind::Name).height);
    strip.rowHeight = rowHeight;
    const int titleRows = strip.titlePresent ? 1 : 0;
    const int rows = std::max(1, static_cast<int>(strip.entries.size()) + titleRows);

    strip.title.x = kVerticalLeftMargin;
    strip.title.y = (rowHeight - strip.title.size.height) / 2;
    for (size_t i = 0; i < strip.entries.size(); ++i) {
        CaptionEntryRuns& e = strip.entries[i];
        const int top = (static_cast<int>(i) + titleRows) * rowHeight;
        e.axisStart = top;
        e.axisEnd = top + rowHeight;
        e.name.x = kVerticalLeftMargin;
        e.name.y = top + (rowHeight - e.name.size.height) / 2;
        e.amount.x = kVerticalLeftMargin + e.name.size.width + c.nameAmountGap;
        e.amount.y = top + (rowHeight - e.amount.size.height) / 2;
    }
    strip.showsEmptyNotice = strip.entries.empty() && !strip.titlePresent;
    strip.emptyNotice.x = kVerticalLeftMargin;
    strip.emptyNotice.y = (rowHeight - strip.emptyNotice.size.height) / 2;

    strip.stripWidth = std::max(1, viewWidth);
    strip.stripHeight = rows * rowHeight;
    strip.cycleLength = strip.stripHeight;
    return strip;
}

CaptionStrip LayoutCaptionStrip(ScrollDirection direction, const CaptionContent& content, int viewWidth,
                                int viewHeight, const TextMeasurer& measure) {
    return direction == ScrollDirection::Vertical ? LayoutVerticalStrip(content, viewWidth, viewHeight, measure)
                                                  : LayoutHorizontalStrip(content, viewWidth, viewHeight, measure);
}
