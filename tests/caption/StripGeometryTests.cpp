// The strip measured entry by entry: the same layout as the full one, and
// the lookups the renderer draws with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SameLayout.h"
#include "core/caption/CaptionLayout.h"
#include "core/caption/KeptSizes.h"
#include "core/caption/StripGeometry.h"
#include "core/list/DisplayText.h"

namespace {

// Widths that vary with the text (so that positions depend on every entry),
// one height for every non-empty text, as the real engine measures.
TextMeasurer VaryingMeasurer(int padding) {
    return [padding](const std::wstring& text, CaptionRunKind kind) {
        if (text.empty()) return RunSize{0, 0};
        int width = padding + (kind == CaptionRunKind::Separator ? 7 : 0);
        for (wchar_t c : text) width += c < 0x80 ? 9 : 17 + static_cast<int>(c % 5);
        return RunSize{width, 24 + padding};
    };
}

CaptionContent ContentWith(size_t count, const std::wstring& title, const std::wstring& separator, int gap) {
    CaptionContent c;
    c.titlePrefix = title;
    c.separator = separator;
    c.nameAmountGap = gap;
    c.fontSize = 35;
    for (size_t i = 0; i < count; ++i) {
        c.entries.emplace_back(L"捐赠人" + std::wstring(i % 4, L'甲') + std::to_wstring(i), std::to_wstring(i * 37) + L"元");
    }
    return c;
}

StripGeometry Measured(ScrollDirection direction, const CaptionContent& c, int w, int h, const TextMeasurer& measure) {
    StripGeometry g;
    g.Reset(StripParametersOf(direction, c, c.entries.size(), w, h, measure));
    for (const auto& [name, amount] : c.entries) {
        g.Add({measure(name, CaptionRunKind::Name).width, measure(amount, CaptionRunKind::Amount).width});
    }
    return g;
}

TEST(StripGeometry, MeasuredEntryByEntryItLaysOutAsTheFullLayout) {
    for (ScrollDirection direction : {ScrollDirection::Horizontal, ScrollDirection::Vertical}) {
        for (size_t count : {0u, 1u, 2u, 57u}) {
            for (const std::wstring& title : {std::wstring(L"捐款人名单: "), std::wstring()}) {
                for (const std::wstring& separator : {std::wstring(L"、"), std::wstring()}) {
                    for (int padding : {0, 5}) {
                        const CaptionContent c = ContentWith(count, title, separator, padding ? 0 : 10);
                        const TextMeasurer measure = VaryingMeasurer(padding);
                        const StripGeometry g = Measured(direction, c, 1600, 120, measure);
                        EXPECT_TRUE(SameLayout(g, LayoutCaptionStrip(direction, c, 1600, 120, measure)))
                            << (direction == ScrollDirection::Horizontal ? "horizontal" : "vertical") << ", "
                            << count << " entries, padding " << padding << ", title " << !title.empty();
                    }
                }
            }
        }
    }
}

TEST(StripGeometry, WhatIsMeasuredNeverMovesAsMoreIsMeasured) {
    const CaptionContent c = ContentWith(40, L"名单:", L"、", 10);
    const TextMeasurer measure = VaryingMeasurer(3);
    const StripGeometry whole = Measured(ScrollDirection::Horizontal, c, 1920, 128, measure);
    StripGeometry g;
    g.Reset(StripParametersOf(ScrollDirection::Horizontal, c, c.entries.size(), 1920, 128, measure));
    int length = g.MeasuredLength();
    for (size_t i = 0; i < c.entries.size(); ++i) {
        EXPECT_FALSE(g.complete());
        ASSERT_TRUE(g.Add({measure(c.entries[i].first, CaptionRunKind::Name).width,
                           measure(c.entries[i].second, CaptionRunKind::Amount).width}));
        EXPECT_GT(g.MeasuredLength(), length);
        length = g.MeasuredLength();
        EXPECT_EQ(length, whole.Place(i).axisEnd);
        EXPECT_EQ(g.Place(i).nameX, whole.Place(i).nameX);
        EXPECT_EQ(g.Place(0).amountX, whole.Place(0).amountX);
    }
    EXPECT_TRUE(g.complete());
    EXPECT_FALSE(g.Add({1, 1})) << "an entry beyond the count was taken";
    EXPECT_EQ(g.cycleLength(), whole.cycleLength());
}

TEST(StripGeometry, TheFirstEntryEndingAfterAPointMatchesASearchOfEveryEntry) {
    for (ScrollDirection direction : {ScrollDirection::Horizontal, ScrollDirection::Vertical}) {
        const CaptionContent c = ContentWith(30, L"名单:", L"、", 10);
        const StripGeometry g = Measured(direction, c, 1920, 128, VaryingMeasurer(2));
        const int length = g.MeasuredLength();
        for (int from = -50; from < length + 50; from += 13) {
            size_t expected = g.measured();
            for (size_t i = 0; i < g.measured(); ++i) {
                if (g.Place(i).axisEnd > from) {
                    expected = i;
                    break;
                }
            }
            ASSERT_EQ(g.FirstEntryEndingAfter(from), expected) << "from " << from;
        }
    }
}

TEST(StripGeometry, TheTextBandHoldsEveryRunAcrossTheAxis) {
    const CaptionContent c = ContentWith(12, L"名单:", L"、", 10);
    const TextMeasurer measure = VaryingMeasurer(4);
    const StripGeometry h = Measured(ScrollDirection::Horizontal, c, 1920, 128, measure);
    const CaptionStrip fullH = LayoutHorizontalStrip(c, 1920, 128, measure);
    EXPECT_EQ(h.bandStart(), fullH.entries[0].name.y);
    EXPECT_EQ(h.bandEnd(), fullH.entries[0].name.y + fullH.entries[0].name.size.height);

    const StripGeometry v = Measured(ScrollDirection::Vertical, c, 1920, 1040, measure);
    const CaptionStrip fullV = LayoutVerticalStrip(c, 1920, 1040, measure);
    int widest = fullV.title.x + fullV.title.size.width;
    for (const CaptionEntryRuns& e : fullV.entries) widest = std::max(widest, e.amount.x + e.amount.size.width);
    EXPECT_EQ(v.bandStart(), kVerticalLeftMargin);
    EXPECT_EQ(v.bandEnd(), widest);
}

TEST(CaptionEntryKey, EqualForTheSameShownTextsAndDifferentOtherwise) {
    EXPECT_EQ(CaptionEntryKey(L"张三", L"100元", 0), CaptionEntryKey(L"张三", L"100元", 0));
    EXPECT_NE(CaptionEntryKey(L"张三", L"100元", 0), CaptionEntryKey(L"张三", L"101元", 0));
    EXPECT_NE(CaptionEntryKey(L"张三", L"100元", 0), CaptionEntryKey(L"张四", L"100元", 0));
    EXPECT_NE(CaptionEntryKey(L"ab", L"c", 0), CaptionEntryKey(L"a", L"bc", 0)) << "the boundary counts";
    EXPECT_NE(CaptionEntryKey(L"张三", L"1000元", 0), CaptionEntryKey(L"张三", L"1000元", 1)) << "the salt counts";
    // Beyond what a display shows, texts that start alike show alike.
    const std::wstring start(kCaptionTextLimit + 1, L'名');
    EXPECT_EQ(CaptionEntryKey(start + L"甲", L"1元", 0), CaptionEntryKey(start + L"乙乙", L"1元", 0));
    EXPECT_NE(CaptionEntryKey(std::wstring(kCaptionTextLimit, L'名'), L"1元", 0),
              CaptionEntryKey(std::wstring(kCaptionTextLimit + 1, L'名'), L"1元", 0));
    // No two of many similar entries share a key.
    std::vector<uint64_t> keys;
    for (int i = 0; i < 20000; ++i) keys.push_back(CaptionEntryKey(L"捐赠人" + std::to_wstring(i), L"100元", 0));
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end());
}

}  // namespace

namespace {

// How many entries of `now` find no kept sizes in `before`, and whether
// every one found has the same key.
size_t Misses(const std::vector<uint64_t>& before, const std::vector<uint64_t>& now) {
    KeptSizesSearch search;
    size_t misses = 0;
    for (size_t i = 0; i < now.size(); ++i) {
        const size_t kept = FindKeptEntry(before, before.size(), now.size(), i, now[i], search);
        if (kept == kNoKeptEntry) {
            ++misses;
        } else {
            EXPECT_EQ(before[kept], now[i]) << "entry " << i << " kept another's sizes";
        }
    }
    return misses;
}

TEST(KeptSizes, OnlyNewTextsAreMeasuredAfterTheUsualEdits) {
    std::vector<uint64_t> list;
    for (uint64_t i = 0; i < 20000; ++i) list.push_back(i * 2654435761ull + 7);
    std::vector<uint64_t> edited = list;
    edited.push_back(1);  // appended
    EXPECT_EQ(Misses(list, edited), 1u);
    edited = list;
    edited[500] = 2;  // one edited
    edited.erase(edited.begin() + 9000);  // one removed
    edited.insert(edited.begin() + 12000, 3);  // one inserted
    EXPECT_EQ(Misses(list, edited), 2u);
    edited = list;
    edited.erase(edited.begin() + 100, edited.begin() + 1100);  // a block of 1,000 removed
    edited.erase(edited.begin() + 5000, edited.begin() + 5020);
    EXPECT_EQ(Misses(list, edited), 0u);
    edited = list;
    edited.insert(edited.begin(), 30000, 4);  // a large block in front (an import of many equal rows)
    EXPECT_EQ(Misses(list, edited), 30000u) << "the entries behind the block were not found";
    EXPECT_EQ(Misses(std::vector<uint64_t>(list.begin(), list.begin() + 5000), list), 15000u)
        << "only the part measured before can lend sizes";
}

}  // namespace
