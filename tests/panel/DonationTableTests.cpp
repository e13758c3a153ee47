// The donation table: search, the cell editor, keys, drawing, and the
// status line and More menu beside it.
#include <gtest/gtest.h>

#include "TableTestHelpers.h"
#include "platform/Dpi.h"
#include "ui/panel/ListEditing.h"
#include "commands/ListStore.h"
#include "ui/panel/CellEditor.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/DonationTable.h"
#include "ui/panel/MoreMenu.h"
#include "ui/panel/PanelColors.h"
#include "ui/panel/SettingsControls.h"
#include "ui/panel/StatusLine.h"

namespace {

TEST(TableSearch, QueriesMatchNameStoredAndShownAmount) {
    const DonationEntry abc{L"ABC Ltd", L"1000元"};
    EXPECT_TRUE(EntryMatchesQuery(abc, L"1,000元", UpperAscii(L"abc")));
    EXPECT_TRUE(EntryMatchesQuery(abc, L"1,000元", UpperAscii(L"1000")));
    EXPECT_TRUE(EntryMatchesQuery(abc, L"1,000元", UpperAscii(L"1,000")));
    EXPECT_TRUE(EntryMatchesQuery(abc, L"1,000元", UpperAscii(L"ltd 1")));  // across the joining space
    EXPECT_TRUE(EntryMatchesQuery(abc, L"1,000元", UpperAscii(L" ")));
    EXPECT_FALSE(EntryMatchesQuery(abc, L"1,000元", UpperAscii(L"abd")));

    // Full-width letters are never folded: only the same letters in the same case match.
    const DonationEntry wide{L"ＡＢＣ公司", L"5万"};
    EXPECT_TRUE(EntryMatchesQuery(wide, L"5万", UpperAscii(L"ＡＢＣ")));
    EXPECT_FALSE(EntryMatchesQuery(wide, L"5万", UpperAscii(L"ａｂｃ")));
    EXPECT_FALSE(EntryMatchesQuery(wide, L"5万", UpperAscii(L"abc")));
    EXPECT_EQ(UpperAscii(L"aZ中ｚ"), L"AZ中ｚ");
}

TEST(TableSearch, CountLabel) {
    EXPECT_EQ(CountLabelText(120, 120, false), L"名单  120 条");
    EXPECT_EQ(CountLabelText(120, 3, true), L"名单  120 条  /  找到 3 条");
    EXPECT_EQ(CountLabelText(5, 0, true), L"名单  5 条  /  找到 0 条");
}

TEST(TableKeys, TabAndShiftTabWalkTheCells) {
    EXPECT_EQ(NextCell({4, 1}, false).column, 2);
    EXPECT_EQ(NextCell({4, 1}, false).row, 4);
    EXPECT_EQ(NextCell({4, 2}, false).row, 5);
    EXPECT_EQ(NextCell({4, 2}, false).column, 1);
    EXPECT_EQ(NextCell({4, 2}, true).row, 4);
    EXPECT_EQ(NextCell({4, 2}, true).column, 1);
    EXPECT_EQ(NextCell({4, 1}, true).row, 3);
    EXPECT_EQ(NextCell({4, 1}, true).column, 2);
}

TEST(StatusLineText, ALongMessageKeepsItsTimeVisible) {
    const auto tenPixelsEach = [](const std::wstring& s) { return static_cast<int>(s.size()) * 10; };
    const std::wstring message = L"已批量加入 12345 条 · 保存失败，可重试  09:05:03";
    EXPECT_EQ(FitStatusText(message, 1000, 10, tenPixelsEach), message);
    const std::wstring fitted = FitStatusText(message, 200, 10, tenPixelsEach);
    EXPECT_LE(tenPixelsEach(fitted), 200);
    EXPECT_EQ(fitted.size(), 20u);  // as much as fits
    EXPECT_EQ(fitted.substr(fitted.size() - 10), L"  09:05:03");
    EXPECT_NE(fitted.find(L'\x2026'), std::wstring::npos);
    EXPECT_EQ(fitted.front(), L'已');  // the start stays too
    // Very narrow: the time goes last.
    const std::wstring narrow = FitStatusText(message, 60, 10, tenPixelsEach);
    EXPECT_EQ(narrow, std::wstring(L"\x2026") + L"05:03");
}

class DonationTableTest : public TableTest {
protected:
    void Fill(DonationList list) {
        g_app.list = std::move(list);
        RefreshDonationTable();
    }

    std::wstring EditorText() const { return g_app.cellEditor ? TextOf(g_app.cellEditor) : L"<none>"; }
};

TEST_F(DonationTableTest, ColumnsRowsAndWidthsAreSetUp) {
    Fill({{L"A", L"1元"}, {L"B", L"2元"}});
    HWND header = reinterpret_cast<HWND>(SendMessageW(Table(), LVM_GETHEADER, 0, 0));
    ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 3);
    const wchar_t* titles[] = {L"序号", L"姓名/公司(机构)名称", L"金额"};
    const int formats[] = {LVCFMT_CENTER, LVCFMT_CENTER, LVCFMT_RIGHT};
    for (int c = 0; c < 3; ++c) {
        wchar_t text[64] = {};
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_FMT;
        column.pszText = text;
        column.cchTextMax = 64;
        ASSERT_TRUE(SendMessageW(Table(), LVM_GETCOLUMNW, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&column)));
        EXPECT_STREQ(text, titles[c]);
        EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, formats[c]) << c;
    }
    RECT client{};
    GetClientRect(g_app.panel->window, &client);
    EXPECT_EQ(SendMessageW(Table(), LVM_GETCOLUMNWIDTH, 0, 0), 64);
    EXPECT_EQ(SendMessageW(Table(), LVM_GETCOLUMNWIDTH, 1, 0), std::max(120L, client.right - 648));
    EXPECT_EQ(SendMessageW(Table(), LVM_GETCOLUMNWIDTH, 2, 0), 144);
    const RECT row = CellRect(0, 1);
    // The 32-pixel image makes the row; Wine's list view adds one pixel of padding.
    EXPECT_GE(row.bottom - row.top, 32);
    EXPECT_LE(row.bottom - row.top, 33);
    const DWORD extended = static_cast<DWORD>(SendMessageW(Table(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_EQ(extended & (LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP | LVS_EX_DOUBLEBUFFER),
              static_cast<DWORD>(LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP | LVS_EX_DOUBLEBUFFER));
    EXPECT_EQ(Cell(1, 0), L"2");
    EXPECT_EQ(Cell(1, 2), L"2元");
}

TEST_F(DonationTableTest, SearchNarrowsTheRowsButKeepsListPositions) {
    DonationList list;
    for (int i = 1; i <= 10; ++i) list.push_back({L"捐款人" + std::to_wstring(i), L"100元"});
    list[1].name = L"ABC Ltd";
    list[6].name = L"abc 基金会";
    list[8].name = L"xABCx";
    Fill(list);
    Type(kIdSearchBox, L"abc");
    ASSERT_EQ(RowCount(), 3);
    EXPECT_EQ(Cell(0, 0), L"2");
    EXPECT_EQ(Cell(1, 0), L"7");
    EXPECT_EQ(Cell(2, 0), L"9");
    EXPECT_EQ(Cell(0, 1), L"ABC Ltd");
    EXPECT_EQ(TextOf(Control(kIdCountLabel)), L"名单  10 条  /  找到 3 条");
    EXPECT_EQ(g_app.list.size(), 10u);  // the list itself is untouched

    Type(kIdSearchBox, L" ");
    EXPECT_EQ(RowCount(), 10);
    Type(kIdSearchBox, L"无此人");
    EXPECT_EQ(RowCount(), 0);
    EXPECT_EQ(TextOf(Control(kIdCountLabel)), L"名单  10 条  /  找到 0 条");
    Type(kIdSearchBox, L"");
    EXPECT_EQ(RowCount(), 10);
    EXPECT_EQ(TextOf(Control(kIdCountLabel)), L"名单  10 条");
}

TEST_F(DonationTableTest, WithTheSeparatorOnBothAmountFormsAreFound) {
    Fill({{L"A", L"1000元"}, {L"B", L"20元"}});
    SendMessageW(FindPanelControl(kIdThousandsCheck), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdThousandsCheck, BN_CLICKED), 0);
    EXPECT_EQ(Cell(0, 2), L"1,000元");
    Type(kIdSearchBox, L"1000");
    EXPECT_EQ(RowCount(), 1);
    Type(kIdSearchBox, L"1,000");
    EXPECT_EQ(RowCount(), 1);
    EXPECT_EQ(Cell(0, 1), L"A");
}

TEST_F(DonationTableTest, DoubleClickOpensTheStoredTextAndEnterCommits) {
    g_app.settings.thousandsSeparator = true;
    Fill({{L"A", L"1000元"}, {L"B", L"2元"}});
    ASSERT_EQ(Cell(0, 2), L"1,000元");
    DoubleClickCell(0, 2);
    ASSERT_NE(g_app.cellEditor, nullptr);
    EXPECT_EQ(EditorText(), L"1000元");
    EXPECT_EQ(GetDlgCtrlID(g_app.cellEditor), kIdCellEditor);
    EXPECT_EQ(GetWindowLongPtrW(g_app.cellEditor, GWL_STYLE) & ES_RIGHT, ES_RIGHT);
    EXPECT_EQ(GetFocus(), g_app.cellEditor);

    SetWindowTextW(g_app.cellEditor, L"2000");
    RouteKey(g_app.cellEditor, WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(g_app.cellEditor, nullptr);
    EXPECT_EQ(g_app.list[0].amount, L"2000元");
    EXPECT_EQ(StatusWithoutTime(), L"已修改 1 条名单 · 已保存");
    EXPECT_EQ(GetFocus(), Table());
    EXPECT_EQ(Cell(0, 2), L"2,000元");

    // A double-click on the number column edits the name; below the rows, nothing.
    DoubleClickCell(1, 0);
    EXPECT_EQ(EditorText(), L"B");
    EXPECT_EQ(GetWindowLongPtrW(g_app.cellEditor, GWL_STYLE) & ES_CENTER, ES_CENTER);
    RouteKey(g_app.cellEditor, WM_KEYDOWN, VK_ESCAPE);
    const RECT last = CellRect(1, 1);
    DoubleClickAt(last.left + 5, last.bottom + 40);
    EXPECT_EQ(g_app.cellEditor, nullptr);
}

TEST_F(DonationTableTest, EscapeUnchangedAndEmptyEditsRecordNothing) {
    Fill({{L"A", L"1元"}});
    SaveDonationList();
    const std::string saved = ReadBytes(g_app.listPath);

    OpenCellEditor(0, 1);
    SetWindowTextW(g_app.cellEditor, L"Changed");
    RouteKey(g_app.cellEditor, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(g_app.list[0].name, L"A");
    EXPECT_EQ(GetFocus(), Table());

    OpenCellEditor(0, 1);
    SetWindowTextW(g_app.cellEditor, L"  A \t");
    RouteKey(g_app.cellEditor, WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(g_app.statusText, L"就绪");
    EXPECT_TRUE(g_app.undoHistory.undo.empty());
    EXPECT_EQ(ReadBytes(g_app.listPath), saved);

    OpenCellEditor(0, 2);
    SetWindowTextW(g_app.cellEditor, L".00");
    RouteKey(g_app.cellEditor, WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(g_app.statusText, L"姓名/公司(机构)名称和金额不能为空，已保留原值");
    EXPECT_EQ(g_app.list[0].amount, L"1元");
    EXPECT_TRUE(g_app.undoHistory.undo.empty());
}

TEST_F(DonationTableTest, LosingTheFocusCommitsAndTheEditorGoes) {
    Fill({{L"A", L"1元"}});
    OpenCellEditor(0, 1);
    HWND editor = g_app.cellEditor;
    SetWindowTextW(editor, L"Anna");
    SetFocus(Control(kIdSearchBox));
    EXPECT_EQ(g_app.list[0].name, L"Anna");
    EXPECT_EQ(g_app.cellEditor, nullptr);
    DrainMessages();
    EXPECT_FALSE(IsWindow(editor));

    // A layout of the panel commits an open editor too.
    OpenCellEditor(0, 2);
    SetWindowTextW(g_app.cellEditor, L"3");
    SendMessageW(g_app.panel->window, WM_SIZE, 0, 0);
    EXPECT_EQ(g_app.list[0].amount, L"3元");
    EXPECT_EQ(g_app.cellEditor, nullptr);
}

TEST_F(DonationTableTest, TabMovesTheEditorThroughTheCells) {
    Fill({{L"A", L"1元"}, {L"B", L"2元"}});
    OpenCellEditor(0, 1);
    SetWindowTextW(g_app.cellEditor, L"A2");
    RouteKey(g_app.cellEditor, WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(g_app.list[0].name, L"A2");
    EXPECT_EQ(EditorText(), L"1元");
    EXPECT_EQ(g_app.editedColumn, 2);
    RouteKey(g_app.cellEditor, WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(EditorText(), L"B");
    SetKeyDown(VK_SHIFT, true);
    RouteKey(g_app.cellEditor, WM_KEYDOWN, VK_TAB);
    SetKeyDown(VK_SHIFT, false);
    EXPECT_EQ(EditorText(), L"1元");
    EXPECT_EQ(g_app.editedListIndex, 0u);

    // Past the last cell and before the first, nothing opens.
    OpenCellEditor(1, 2);
    RouteKey(g_app.cellEditor, WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(g_app.cellEditor, nullptr);
    OpenCellEditor(0, 1);
    SetKeyDown(VK_SHIFT, true);
    RouteKey(g_app.cellEditor, WM_KEYDOWN, VK_TAB);
    SetKeyDown(VK_SHIFT, false);
    EXPECT_EQ(g_app.cellEditor, nullptr);
}

TEST_F(DonationTableTest, AnEditThatLeavesTheSearchRemovesTheRowAndTabOpensNothing) {
    Fill({{L"Alpha", L"1元"}, {L"Alps", L"2元"}});
    Type(kIdSearchBox, L"al");
    OpenCellEditor(0, 1);
    SetWindowTextW(g_app.cellEditor, L"Zed");
    RouteKey(g_app.cellEditor, WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(g_app.list[0].name, L"Zed");
    EXPECT_EQ(RowCount(), 1);
    EXPECT_EQ(g_app.cellEditor, nullptr);
}

TEST_F(DonationTableTest, F2EditsTheTopmostSelectedName) {
    Fill({{L"A", L"1元"}, {L"B", L"2元"}, {L"C", L"3元"}});
    PressIn(Table(), VK_F2);
    EXPECT_EQ(g_app.cellEditor, nullptr);
    SelectRow(2);
    SelectRow(1);
    PressIn(Table(), VK_F2);
    EXPECT_EQ(EditorText(), L"B");
    EXPECT_EQ(g_app.editedColumn, 1);
}

TEST_F(DonationTableTest, TypingANameJumpsToItsRow) {
    Fill({{L"Anna", L"1元"}, {L"bob", L"2元"}, {L"Carl", L"3元"}, {L"Bea", L"4元"}});
    LVFINDINFOW find{};
    find.flags = LVFI_STRING | LVFI_PARTIAL;
    find.psz = L"B";
    EXPECT_EQ(SendMessageW(Table(), LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)), 1);
    find.psz = L"Z";
    EXPECT_EQ(SendMessageW(Table(), LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)), -1);

    SetFocus(Table());
    SendMessageW(Table(), WM_CHAR, L'c', 1);
    EXPECT_TRUE(IsRowSelected(2));
}

TEST_F(DonationTableTest, SelectionFollowsListPositionsThroughARefill) {
    Fill({{L"A", L"1元"}, {L"B", L"2元"}, {L"C", L"3元"}});
    SelectRow(1);
    PressIn(Table(), VK_DELETE);  // deletes B
    SelectRow(1);                 // C now stands at position 1
    UndoListChange();             // B is back at position 1, and selected
    EXPECT_TRUE(IsRowSelected(1));
    EXPECT_EQ(Cell(1, 1), L"B");
    EXPECT_FALSE(IsRowSelected(2));
}

TEST_F(DonationTableTest, RowsAndHeaderAreDrawnInThePanelsColours) {
    Fill({{L"A", L"1元"}, {L"B", L"2元"}, {L"C", L"3元"}});
    RedrawWindow(Table(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    DrainMessages();
    HDC dc = GetDC(Table());
    // Inside the name cell, right of any text.
    const RECT even = CellRect(0, 1);
    const RECT odd = CellRect(1, 1);
    EXPECT_EQ(GetPixel(dc, even.right - 4, (even.top + even.bottom) / 2), kPanelWhite);
    EXPECT_EQ(GetPixel(dc, odd.right - 4, (odd.top + odd.bottom) / 2), kTableOddRow);
    ReleaseDC(Table(), dc);

    // A selected row shows the highlight instead.
    SetFocus(Table());
    SelectRow(1);
    RedrawWindow(Table(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    dc = GetDC(Table());
    const COLORREF selected = GetPixel(dc, odd.right - 4, (odd.top + odd.bottom) / 2);
    EXPECT_NE(selected, kTableOddRow);
    EXPECT_NE(selected, kPanelWhite);
    ReleaseDC(Table(), dc);

    HWND header = reinterpret_cast<HWND>(SendMessageW(Table(), LVM_GETHEADER, 0, 0));
    RECT item{};
    SendMessageW(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    HDC headerDc = GetDC(header);
    EXPECT_EQ(GetPixel(headerDc, item.left + 3, item.top + 3), kTableHeader);
    EXPECT_EQ(GetPixel(headerDc, item.right - 1, (item.top + item.bottom) / 2), kPanelDivider);
    EXPECT_EQ(GetPixel(headerDc, item.left + 3, item.bottom - 1), kPanelDivider);
    ReleaseDC(header, headerDc);
}

TEST_F(DonationTableTest, StatusLineShowsTheTimeEvenWhenTheTextIsLong) {
    SetStatusText(std::wstring(120, L'长') + L" · 已保存", true);
    EXPECT_TRUE(EndsWithTime(g_app.statusText));
    EXPECT_EQ(TextOf(Control(kIdStatusLine)), g_app.statusText);
    HWND line = Control(kIdStatusLine);
    RECT client{};
    GetClientRect(line, &client);
    HDC dc = GetDC(line);
    SelectObject(dc, g_app.panel->uiFont.get());
    const auto measure = [dc](const std::wstring& s) {
        SIZE size{};
        GetTextExtentPoint32W(dc, s.c_str(), static_cast<int>(s.size()), &size);
        return static_cast<int>(size.cx);
    };
    const std::wstring shown = FitStatusText(g_app.statusText, client.right, 10, measure);
    ReleaseDC(line, dc);
    EXPECT_LT(shown.size(), g_app.statusText.size());
    EXPECT_EQ(shown.substr(shown.size() - 10), g_app.statusText.substr(g_app.statusText.size() - 10));

    // The line paints its own strip colour.
    RedrawWindow(line, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC lineDc = GetDC(line);
    EXPECT_EQ(GetPixel(lineDc, client.right - 1, 1), kPanelStatusStrip);
    ReleaseDC(line, lineDc);
}

TEST_F(DonationTableTest, StatusTextBeforeThePanelExistsIsIgnored) {
    HWND panel = g_app.panel->window;
    g_app.panel->window = nullptr;
    SetStatusText(L"已撤销", false);
    g_app.panel->window = panel;
    EXPECT_EQ(g_app.statusText, L"就绪");
    EXPECT_EQ(TextOf(Control(kIdStatusLine)), L"就绪");
}

// Closes the menu of the "更多" button with Esc once it is open, after
// reading its entries and where it opened.
struct MenuSeen {
    std::vector<std::wstring> entries;
    RECT rect{};
    bool found = false;
};

DWORD WINAPI EscapeTheMenu(void* data) {
    auto* seen = static_cast<MenuSeen*>(data);
    for (int i = 0; i < 200; ++i) {
        HWND menuWindow = FindWindowW(L"#32768", nullptr);
        if (menuWindow && IsWindowVisible(menuWindow)) {
            HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
            for (int k = 0; menu && k < GetMenuItemCount(menu); ++k) {
                wchar_t text[64] = {};
                GetMenuStringW(menu, static_cast<UINT>(k), text, 64, MF_BYPOSITION);
                seen->entries.push_back(text);
            }
            GetWindowRect(menuWindow, &seen->rect);
            seen->found = true;
            PostMessageW(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
            return 0;
        }
        Sleep(25);
    }
    return 0;
}

TEST_F(DonationTableTest, TheMoreMenuOpensUpwardsAndEscapeRunsNothing) {
    Fill({{L"A", L"1元"}});
    MenuSeen seen;
    HANDLE thread = CreateThread(nullptr, 0, EscapeTheMenu, &seen, 0, nullptr);
    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdMoreButton, BN_CLICKED), 0);
    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.entries, (std::vector<std::wstring>{L"导出名单...", L"恢复上次名单备份...", L"", L"清空名单...",
                                                       L"恢复全部默认设置...", L"", L"退出程序"}));
    RECT button{};
    GetWindowRect(Control(kIdMoreButton), &button);
    EXPECT_EQ(seen.rect.right, button.right);
    EXPECT_EQ(seen.rect.bottom, button.top);
    EXPECT_EQ(g_app.list.size(), 1u);
    EXPECT_FALSE(g_app.exiting);
    EXPECT_EQ(g_app.statusText, L"就绪");
    EXPECT_TRUE(IsWindow(g_app.panel->window));
}

}  // namespace
