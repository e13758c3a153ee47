#include <gtest/gtest.h>

#include "ui/caption/CaptionLayout.h"
#include "core/list/DisplayText.h"
#include "core/list/ListFile.h"

namespace {

// Every character 10 wide and 20 high, plus a fixed padding; empty text (0, 0).
TextMeasurer FakeMeasurer(int padding = 0) {
    return [padding](const std::wstring& text, CaptionRunKind) {
        if (text.empty()) return RunSize{0, 0};
        return RunSize{static_cast<int>(text.size()) * 10 + padding, 20 + padding};
    };
}

CaptionContent Content(std::vector<std::pair<std::wstring, std::wstring>> entries, std::wstring title = L"捐款人名单:",
                       std::wstring separator = L"、") {
    CaptionContent c;
    c.titlePrefix = std::move(title);
    c.separator = std::move(separator);
    c.nameAmountGap = 10;
    c.fontSize = 35;
    c.entries = std::move(entries);
    return c;
}

TEST(HorizontalLayout, EntriesFollowTheTitleWithSeparatorsBetweenThem) {
    const CaptionStrip s =
        LayoutHorizontalStrip(Content({{L"张三", L"100元"}, {L"李四", L"2,000元"}}), 1920, 128, FakeMeasurer());
    EXPECT_TRUE(s.titlePresent);
    EXPECT_EQ(s.title.x, 0);
    ASSERT_EQ(s.entries.size(), 2u);
    // Title 60 wide + gap 10.
    EXPECT_EQ(s.entries[0].name.x, 70);
    EXPECT_EQ(s.entries[0].amount.x, 70 + 20 + 10);
    EXPECT_EQ(s.entries[0].width, 20 + 10 + 40);
    EXPECT_FALSE(s.entries[0].hasSeparator);
    EXPECT_TRUE(s.entries[1].hasSeparator);
    EXPECT_EQ(s.entries[1].separatorX, 140);
    EXPECT_EQ(s.entries[1].name.x, 150);
    EXPECT_EQ(s.entries[1].amount.x, 180);
    const int total = 70 + 70 + 10 + (20 + 10 + 60);
    EXPECT_EQ(s.stripWidth, total);
    EXPECT_EQ(s.stripHeight, 128);
    EXPECT_DOUBLE_EQ(s.cycleLength, 1920 + total + 80);
    EXPECT_EQ(s.entries[1].name.y, (128 - 20) / 2);
    EXPECT_EQ(s.title.y, (128 - 20) / 2);
}

TEST(HorizontalLayout, EmptyListShowsTheNoticeAfterTheTitle) {
    const CaptionStrip s = LayoutHorizontalStrip(Content({}), 1000, 100, FakeMeasurer());
    EXPECT_TRUE(s.showsEmptyNotice);
    EXPECT_EQ(s.emptyNotice.text, L"暂无捐款名单");
    EXPECT_EQ(s.emptyNotice.x, 60 + 10);
    EXPECT_EQ(s.stripWidth, 70 + 60);
    EXPECT_DOUBLE_EQ(s.cycleLength, 1000 + 130 + 80);

    const CaptionStrip untitled = LayoutHorizontalStrip(Content({}, L""), 1000, 100, FakeMeasurer());
    EXPECT_FALSE(untitled.titlePresent);
    EXPECT_EQ(untitled.emptyNotice.x, 0);
    EXPECT_EQ(untitled.stripWidth, 60);
}

TEST(HorizontalLayout, NoTitleNoGapAndAnEmptySeparatorHasNoWidth) {
    const CaptionStrip s =
        LayoutHorizontalStrip(Content({{L"A", L"1元"}, {L"B", L"2元"}}, L"", L""), 500, 80, FakeMeasurer());
    EXPECT_EQ(s.entries[0].name.x, 0);
    EXPECT_EQ(s.entries[1].separatorX, s.entries[0].width);
    EXPECT_EQ(s.entries[1].name.x, s.entries[0].width);
    const CaptionStrip one = LayoutHorizontalStrip(Content({{L"A", L"1元"}}), 500, 80, FakeMeasurer());
    EXPECT_FALSE(one.entries[0].hasSeparator);
}

TEST(HorizontalLayout, PaddingEntersEveryRunAndTheCycleIsNeverBelowOne) {
    const CaptionStrip s = LayoutHorizontalStrip(Content({{L"A", L"1元"}}), 500, 80, FakeMeasurer(6));
    EXPECT_EQ(s.entries[0].name.size.width, 16);
    EXPECT_EQ(s.entries[0].name.size.height, 26);
    EXPECT_EQ(s.entries[0].name.y, (80 - 26) / 2);
    const CaptionStrip degenerate =
        LayoutHorizontalStrip(Content({}, L""), -500, 80,
                              [](const std::wstring&, CaptionRunKind) { return RunSize{0, 0}; });
    EXPECT_EQ(degenerate.stripWidth, 1);
    EXPECT_DOUBLE_EQ(degenerate.cycleLength, 1);
}

TEST(VerticalLayout, RowsHoldTheTitleThenEachEntry) {
    const CaptionStrip s =
        LayoutVerticalStrip(Content({{L"张三", L"100元"}, {L"李四", L"2,000元"}}), 800, 600, FakeMeasurer());
    // Sample line 20 high + fontSize / 2 = 17.
    EXPECT_EQ(s.rowHeight, 37);
    EXPECT_EQ(s.stripHeight, 3 * 37);
    EXPECT_DOUBLE_EQ(s.cycleLength, 3 * 37);
    EXPECT_EQ(s.stripWidth, 800);
    EXPECT_EQ(s.title.x, 20);
    EXPECT_EQ(s.title.y, (37 - 20) / 2);
    EXPECT_EQ(s.entries[0].name.y, 37 + 8);
    EXPECT_EQ(s.entries[1].name.y, 74 + 8);
    EXPECT_EQ(s.entries[1].amount.x, 20 + 20 + 10);  // follows its own name, no column
    EXPECT_FALSE(s.showsEmptyNotice);
}

TEST(VerticalLayout, RowHeightRuleAndItsMinimum) {
    CaptionContent c = Content({{L"A", L"1元"}});
    c.fontSize = 29;  // 14 extra below 30 points
    EXPECT_EQ(LayoutVerticalStrip(c, 800, 600, FakeMeasurer()).rowHeight, 34);
    c.fontSize = 60;
    EXPECT_EQ(LayoutVerticalStrip(c, 800, 600, FakeMeasurer()).rowHeight, 50);
    c.fontSize = 12;
    const TextMeasurer tiny = [](const std::wstring&, CaptionRunKind) { return RunSize{5, 8}; };
    EXPECT_EQ(LayoutVerticalStrip(c, 800, 600, tiny).rowHeight, 34);
}

TEST(VerticalLayout, EmptyListShowsTheTitleRowOrTheNotice) {
    const CaptionStrip titled = LayoutVerticalStrip(Content({}), 800, 600, FakeMeasurer());
    EXPECT_FALSE(titled.showsEmptyNotice);
    EXPECT_EQ(titled.stripHeight, titled.rowHeight);

    const CaptionStrip untitled = LayoutVerticalStrip(Content({}, L""), 800, 600, FakeMeasurer());
    EXPECT_TRUE(untitled.showsEmptyNotice);
    EXPECT_EQ(untitled.emptyNotice.x, 20);
    EXPECT_EQ(untitled.stripHeight, untitled.rowHeight);

    const CaptionStrip firstRow = LayoutVerticalStrip(Content({{L"A", L"1元"}}, L""), 800, 600, FakeMeasurer());
    EXPECT_EQ(firstRow.entries[0].name.y, (firstRow.rowHeight - 20) / 2);  // row 0
}

}  // namespace

namespace {

TEST(DisplayCut, KeepsShortTextsAndCutsLongOnesWithAnEllipsisNeverSplittingAPair) {
    EXPECT_EQ(DisplayCut(L"张三", 10), L"张三");
    EXPECT_EQ(DisplayCut(std::wstring(10, L'a'), 10), std::wstring(10, L'a'));
    EXPECT_EQ(DisplayCut(std::wstring(11, L'a'), 10), std::wstring(10, L'a') + L"\x2026");
    // A pair that the cut would split goes whole to the other side.
    const std::wstring pairs = std::wstring(9, L'a') + L"\U0001F600\U0001F600";
    EXPECT_EQ(DisplayCut(pairs, 10), std::wstring(9, L'a') + L"\x2026");
}

TEST(CaptionContent, AHugeNameIsCutForTheCaptionAndKeptWholeInTheFile) {
    AppSettings settings;
    const std::wstring huge = std::wstring(4194304, L'名') + L"尾";
    DonationList list = {{huge, L"100元"}, {L"张三", std::wstring(5000, L'9') + L"元"}};
    const CaptionContent content = CaptionContentOf(settings, list);
    ASSERT_EQ(content.entries.size(), 2u);
    EXPECT_EQ(content.entries[0].first.size(), kCaptionTextLimit + 1);
    EXPECT_EQ(content.entries[0].first.back(), L'\x2026');
    EXPECT_EQ(content.entries[1].second.size(), kCaptionTextLimit + 1);
    // The list file holds every character: 3 bytes for each 名, then 尾.
    const std::string file = SerializeDonationList(list);
    EXPECT_NE(file.find("\xe5\x90\x8d\xe5\xb0\xbe,100"), std::string::npos);
    EXPECT_GT(file.size(), 4194304u * 3);
}

}  // namespace
