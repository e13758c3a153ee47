// The table shows what the operator just did: the new row, the selection
// when the focus is elsewhere, and the numbers where the header says.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "TableTestHelpers.h"
#include "app/AppState.h"
#include "commands/ListCommands.h"
#include "ui/panel/CellEditor.h"
#include "ui/panel/ListEditing.h"
#include "ui/panel/DonationTable.h"
#include "ui/panel/PanelColors.h"
#include "ui/panel/PanelViews.h"

namespace {

int ColourDistance(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

int Brightness(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }

class TableViewTest : public TableTest {
protected:
    void FillNumbered(int count) {
        g_app.list.clear();
        for (int i = 0; i < count; ++i) g_app.list.push_back({L"名" + std::to_wstring(i + 1), L"10元"});
        RefreshDonationTable();
    }

    int TopRow() const { return static_cast<int>(SendMessageW(Table(), LVM_GETTOPINDEX, 0, 0)); }
    int RowsPerPage() const { return static_cast<int>(SendMessageW(Table(), LVM_GETCOUNTPERPAGE, 0, 0)); }
    bool RowInView(int row) const { return row >= TopRow() && row < TopRow() + RowsPerPage(); }

    void Repaint() {
        RedrawWindow(Table(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        DrainMessages();
    }

    void TypeEntryAndPressEnter(const std::wstring& name, const std::wstring& amount) {
        Type(kIdNameBox, name);
        Type(kIdAmountBox, amount);
        PressIn(Control(kIdAmountBox), VK_RETURN);
        DrainMessages();
    }
};

TEST_F(TableViewTest, AnEntryAppendedWithEnterScrollsIntoViewUnlessTheSearchHidesIt) {
    FillNumbered(300);
    ASSERT_EQ(TopRow(), 0);
    ASSERT_GT(RowsPerPage(), 3);
    TypeEntryAndPressEnter(L"新来的", L"50");
    ASSERT_EQ(g_app.list.size(), 301u);
    EXPECT_TRUE(RowInView(300)) << "top " << TopRow() << ", " << RowsPerPage() << " rows per page";

    // Scrolled back to the top while a search shows only some rows: an entry
    // the search does not match has no row, and the view stays where it is.
    Type(kIdSearchBox, L"名1");
    DrainMessages();
    RefreshDonationTable();
    SendMessageW(Table(), LVM_ENSUREVISIBLE, 0, FALSE);
    const int top = TopRow();
    TypeEntryAndPressEnter(L"另一位", L"60");
    EXPECT_EQ(TopRow(), top);
    // A matching one is shown.
    TypeEntryAndPressEnter(L"名1新", L"70");
    const int last = RowCount() - 1;
    EXPECT_EQ(Cell(last, 1), L"名1新");
    EXPECT_TRUE(RowInView(last));
}

TEST_F(TableViewTest, AnImportScrollsToTheEndOfTheList) {
    FillNumbered(300);
    ASSERT_EQ(TopRow(), 0);
    AppendEntries(g_app, ProgramViews(), {{L"甲", L"1元"}, {L"乙", L"2元"}}, L"已导入 2 条名单");
    DrainMessages();
    EXPECT_TRUE(RowInView(301));
}

TEST_F(TableViewTest, ASelectedRowStaysClearlyVisibleWithoutTheFocus) {
    FillNumbered(5);
    SetFocus(Table());
    SelectRow(1);
    Repaint();
    const RECT cell = CellRect(1, 1);
    const int y = (cell.top + cell.bottom) / 2;
    HDC dc = GetDC(Table());
    const COLORREF focused = GetPixel(dc, cell.right - 4, y);
    ReleaseDC(Table(), dc);

    SetFocus(Control(kIdNameBox));
    Repaint();
    dc = GetDC(Table());
    const COLORREF unfocused = GetPixel(dc, cell.right - 4, y);
    const COLORREF neighbour = GetPixel(dc, cell.right - 4, y + (cell.bottom - cell.top));
    // The name's text is still dark on it, so the row reads as before.
    int darkText = 0;
    for (int x = cell.left; x < cell.right; ++x) {
        for (int row = cell.top; row < cell.bottom; ++row) {
            if (Brightness(GetPixel(dc, x, row)) < 300) ++darkText;
        }
    }
    ReleaseDC(Table(), dc);
    EXPECT_GE(ColourDistance(unfocused, kTableOddRow), 60) << std::hex << unfocused;
    EXPECT_GE(ColourDistance(unfocused, kPanelWhite), 60) << std::hex << unfocused;
    EXPECT_GE(ColourDistance(unfocused, neighbour), 60);
    EXPECT_GT(darkText, 20);
    // With the focus the highlight is the system's own, and it differs from the unfocused one.
    EXPECT_NE(focused, unfocused);
}

TEST_F(TableViewTest, NumbersAreCentredInTheirColumnLikeTheHeader) {
    FillNumbered(120);
    SendMessageW(Table(), LVM_ENSUREVISIBLE, 110, FALSE);
    Repaint();
    HDC dc = GetDC(Table());
    for (int row : {TopRow(), TopRow() + 1}) {
        // The first column's rectangle from the header: the row's own bounds
        // for column 0 span the whole row.
        RECT cell = CellRect(row, 1);
        RECT column{};
        HWND header = reinterpret_cast<HWND>(SendMessageW(Table(), LVM_GETHEADER, 0, 0));
        SendMessageW(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&column));
        cell.left = column.left;
        cell.right = column.right;
        const COLORREF background = GetPixel(dc, cell.left + 1, cell.top + 1);
        int first = -1;
        int last = -1;
        for (int x = cell.left; x < cell.right; ++x) {
            for (int y = cell.top; y < cell.bottom; ++y) {
                if (ColourDistance(GetPixel(dc, x, y), background) > 150) {
                    if (first < 0) first = x;
                    last = x;
                    break;
                }
            }
        }
        ASSERT_GE(first, 0) << "no number drawn in row " << row;
        const int inkCentre = (first + last) / 2;
        const int cellCentre = (cell.left + cell.right) / 2;
        EXPECT_NEAR(inkCentre, cellCentre, 3) << "row " << row << ": ink " << first << ".." << last << ", cell "
                                              << cell.left << ".." << cell.right;
    }
    ReleaseDC(Table(), dc);
}

}  // namespace

namespace {

// A name longer than an edit control takes by default (32,767 characters)
// goes through the cell editor whole: opening and committing it unchanged
// changes nothing, and an edit keeps everything the operator did not touch.
TEST_F(TableViewTest, AVeryLongNameSurvivesTheCellEditor) {
    std::wstring longName(70000, L'名');
    longName += L"尾";
    g_app.list = {{longName, L"10元"}};
    RefreshDonationTable();
    Repaint();  // the table, and the preview that shows the first entry: both cut it
    EXPECT_EQ(Cell(0, 1).size(), 255u) << "the cell shows a cut start";
    OpenCellEditor(0, 1);
    ASSERT_NE(g_app.cellEditor, nullptr);
    EXPECT_EQ(TextOf(g_app.cellEditor).size(), longName.size()) << "the editor edits the whole name";
    RouteKey(g_app.cellEditor, WM_KEYDOWN, VK_RETURN);
    DrainMessages();
    ASSERT_EQ(g_app.list.size(), 1u);
    EXPECT_EQ(g_app.list[0].name.size(), longName.size());
    EXPECT_TRUE(g_app.list[0].name == longName) << "the name was changed by opening and closing its editor";
    EXPECT_TRUE(g_app.undoHistory.undo.empty()) << "an unchanged edit was recorded";

    // Typing at the end appends to the whole name.
    OpenCellEditor(0, 1);
    ASSERT_NE(g_app.cellEditor, nullptr);
    const int end = GetWindowTextLengthW(g_app.cellEditor);
    SendMessageW(g_app.cellEditor, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageW(g_app.cellEditor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"!"));
    RouteKey(g_app.cellEditor, WM_KEYDOWN, VK_RETURN);
    DrainMessages();
    EXPECT_TRUE(g_app.list[0].name == longName + L"!") << "size " << g_app.list[0].name.size();
}

}  // namespace
