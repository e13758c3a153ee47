// The laid-out caption: which runs of text the strip holds, where each sits,
// how large the strip is and how far one pass scrolls. Layout is a function
// of the texts' measured sizes only, so any text engine (or a test's fake)
// can measure.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/list/DonationList.h"
#include "core/settings/AppSettings.h"

enum class CaptionRunKind { Title, Name, Amount, Separator, EmptyNotice };

struct RunSize {
    int width = 0;
    int height = 0;
};

// One piece of caption text with its box inside the strip.
struct CaptionRun {
    std::wstring text;
    CaptionRunKind kind = CaptionRunKind::Title;
    int x = 0;
    int y = 0;
    RunSize size;
};

// An entry's runs; the separator (horizontal only) stands in front of it.
struct CaptionEntryRuns {
    CaptionRun name;
    CaptionRun amount;
    bool hasSeparator = false;
    int separatorX = 0;
    int width = 0;  // name width + gap + amount width
    // Extent along the scroll axis (separator and entry, or the entry's row).
    int axisStart = 0;
    int axisEnd = 0;
};

struct CaptionStrip {
    ScrollDirection direction = ScrollDirection::Horizontal;
    int viewWidth = 0;
    int viewHeight = 0;
    bool titlePresent = false;
    CaptionRun title;
    std::wstring separatorText;
    RunSize separator;
    int separatorY = 0;
    bool showsEmptyNotice = false;
    CaptionRun emptyNotice;
    std::vector<CaptionEntryRuns> entries;
    int rowHeight = 0;  // vertical
    int stripWidth = 1;
    int stripHeight = 1;
    double cycleLength = 1.0;
};

// One entry as the caption shows it: its name and its displayed amount.
using CaptionEntryText = std::pair<std::wstring, std::wstring>;

// What the caption shows, taken from the list and the settings.
struct CaptionContent {
    std::wstring titlePrefix;
    std::wstring separator;
    int nameAmountGap = 10;
    int fontSize = 35;  // points, for the vertical row height
    std::vector<CaptionEntryText> entries;
};

// Size of a run's box: text extent plus glyph padding; (0, 0) for empty text.
// A separator's extent is its advance (its own blank space is the spacing
// between entries); every other run's ends at its last ink, so that the gap
// after it looks the same whatever the script.
using TextMeasurer = std::function<RunSize(const std::wstring& text, CaptionRunKind kind)>;

constexpr wchar_t kEmptyNoticeText[] = L"暂无捐款名单";
constexpr wchar_t kRowHeightSample[] = L"捐款人名单:甲乙丙丁1000元";
constexpr int kVerticalLeftMargin = 20;
constexpr int kMinimumRowHeight = 34;
constexpr int kHorizontalEndGap = 80;

// The list and settings as caption content (amounts in display form).
CaptionContent CaptionContentOf(const AppSettings& settings, const DonationList& list);
// The same for the settings alone (no entries), and for one entry.
CaptionContent CaptionCommonContentOf(const AppSettings& settings);
CaptionEntryText CaptionEntryTextOf(const AppSettings& settings, const DonationEntry& entry);

// A key for an entry's caption texts: equal keys mean the same texts as shown
// (but for a chance of one in 2^64), so a renderer can keep the sizes it
// measured across a rebuild without keeping the texts. Only the start of a
// long text that a display shows counts; `salt` stands for whatever else
// turns the texts into what is shown (such as the amount's format).
uint64_t CaptionEntryKey(std::wstring_view name, std::wstring_view amount, uint64_t salt);

// A vertical strip's row: one line of the font (the sample's height) and a margin.
int VerticalRowHeight(int fontSize, int sampleHeight);

CaptionStrip LayoutHorizontalStrip(const CaptionContent& content, int viewWidth, int viewHeight,
                                   const TextMeasurer& measure);
CaptionStrip LayoutVerticalStrip(const CaptionContent& content, int viewWidth, int viewHeight,
                                 const TextMeasurer& measure);
CaptionStrip LayoutCaptionStrip(ScrollDirection direction, const CaptionContent& content, int viewWidth,
                                int viewHeight, const TextMeasurer& measure);

