#include "ui/panel/DonationTable.h"

#include <algorithm>

#include <commctrl.h>

#include "app/AppState.h"
#include "ui/Scale.h"
#include "platform/WindowText.h"
#include "platform/Dpi.h"
#include "commands/AmountWithSettings.h"
#include "core/list/DisplayText.h"
#include "ui/panel/CellEditor.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/PanelColors.h"
#include "ui/panel/PanelIds.h"
#include "platform/CommonControls.h"

namespace {

constexpr UINT_PTR kHeaderSubclassId = 2;



void SetRowState(HWND table, int row, UINT state, UINT mask) {
    LVITEMW item{};
    item.stateMask = mask;
    item.state = state;
    SendMessageW(table, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

// The text of a cell, asked for by the table whenever it shows the row.
LRESULT OnCellText(NMLVDISPINFOW& info) {
    LVITEMW& item = info.item;
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return 0;
    item.pszText[0] = L'\0';
    if (item.iItem < 0 || static_cast<size_t>(item.iItem) >= g_app.viewRows.size()) return 0;
    const size_t listIndex = g_app.viewRows[static_cast<size_t>(item.iItem)];
    if (listIndex >= g_app.list.size()) return 0;
    const DonationEntry& entry = g_app.list[listIndex];
    std::wstring text;
    switch (item.iSubItem) {
        case 0: text = std::to_wstring(listIndex + 1); break;
        case 1: text = DisplayCut(entry.name, kTableTextLimit); break;
        case 2: text = DisplayCut(FormatAmountForDisplay(DisplayCut(entry.amount, kTableTextLimit)), kTableTextLimit); break;
        default: break;
    }
    lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
    return 0;
}

void InsertColumn(HWND table, int index, const wchar_t* text, int format, int subItem) {
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = index == 0 ? 0 : S(140);
    column.pszText = const_cast<wchar_t*>(text);
    column.iSubItem = subItem;
    SendMessageW(table, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

LRESULT DrawHeaderItem(NMCUSTOMDRAW& draw) {
    wchar_t text[129] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = 128;
    SendMessageW(draw.hdr.hwndFrom, HDM_GETITEMW, draw.dwItemSpec, reinterpret_cast<LPARAM>(&item));

    HDC dc = draw.hdc;
    RECT r = draw.rc;
    UniqueBrush fill(CreateSolidBrush((draw.uItemState & CDIS_HOT) ? kTableHeaderHot : kTableHeader));
    FillRect(dc, &r, fill.get());
    UniqueBrush line(CreateSolidBrush(kPanelDivider));
    RECT bottom{r.left, r.bottom - 1, r.right, r.bottom};
    RECT right{r.right - 1, r.top, r.right, r.bottom};
    FillRect(dc, &bottom, line.get());
    FillRect(dc, &right, line.get());

    r.left += S(4);
    r.right -= S(4);
    SelectedObject font(dc, g_app.panel->uiFont.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kPanelText);
    DrawTextW(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    return CDRF_SKIPDEFAULT;
}

// The table's header is drawn by the panel's palette; everything else passes.
LRESULT CALLBACK TableSubclassProc(HWND table, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == NM_CUSTOMDRAW &&
            header->hwndFrom == reinterpret_cast<HWND>(SendMessageW(table, LVM_GETHEADER, 0, 0))) {
            auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(lParam);
            if (draw->dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
            if (draw->dwDrawStage == CDDS_ITEMPREPAINT) return DrawHeaderItem(*draw);
            return CDRF_DODEFAULT;
        }
    } else if (message == WM_NCDESTROY) {
        comctl::RemoveWindowSubclass(table, TableSubclassProc, id);
    }
    return comctl::DefSubclassProc(table, message, wParam, lParam);
}

struct RowColours {
    COLORREF text;
    COLORREF back;
    bool systemHighlight;  // the table's own, drawn by default
};

// A selected row keeps the table's highlight while the table has the focus;
// without it the system's pale grey all but vanishes on the striped rows, so
// a selection the operator can still delete shows in a colour of its own.
RowColours ColoursOfRow(HWND table, DWORD_PTR row) {
    const UINT state = static_cast<UINT>(SendMessageW(table, LVM_GETITEMSTATE, row, LVIS_SELECTED));
    if (state & LVIS_SELECTED) {
        if (GetFocus() == table) return {GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_HIGHLIGHT), true};
        return {kPanelText, kTableSelectedUnfocused, false};
    }
    return {kPanelText, (row % 2 == 0) ? kPanelWhite : kTableOddRow, false};
}

// The number cell, drawn here centred under its header: Wine's list view
// left-aligns the first column whatever its format.
LRESULT DrawNumberCell(NMLVCUSTOMDRAW& draw, const RowColours& colours) {
    HWND table = draw.nmcd.hdr.hwndFrom;
    const int row = static_cast<int>(draw.nmcd.dwItemSpec);
    RECT next{LVIR_BOUNDS, 1, 0, 0};
    if (!SendMessageW(table, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&next))) {
        return CDRF_DODEFAULT;
    }
    const int width = static_cast<int>(SendMessageW(table, LVM_GETCOLUMNWIDTH, 0, 0));
    RECT cell{next.left - width, next.top, next.left, next.bottom};
    HDC dc = draw.nmcd.hdc;
    UniqueBrush back(CreateSolidBrush(colours.back));
    FillRect(dc, &cell, back.get());
    const size_t listIndex = static_cast<size_t>(row) < g_app.viewRows.size() ? g_app.viewRows[row] : 0;
    const std::wstring number = std::to_wstring(listIndex + 1);
    SelectedObject font(dc, reinterpret_cast<HFONT>(SendMessageW(table, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colours.text);
    cell.left += S(2);
    cell.right -= S(2);
    DrawTextW(dc, number.c_str(), -1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    return CDRF_SKIPDEFAULT;
}

LRESULT OnRowCustomDraw(NMLVCUSTOMDRAW& draw) {
    const DWORD stage = draw.nmcd.dwDrawStage;
    if (stage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (stage != CDDS_ITEMPREPAINT && stage != (CDDS_ITEMPREPAINT | CDDS_SUBITEM)) return CDRF_DODEFAULT;
    const RowColours colours = ColoursOfRow(draw.nmcd.hdr.hwndFrom, draw.nmcd.dwItemSpec);
    if (stage == (CDDS_ITEMPREPAINT | CDDS_SUBITEM) && draw.iSubItem == 0) return DrawNumberCell(draw, colours);
    if (!colours.systemHighlight) {
        draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED);
        draw.clrText = colours.text;
        draw.clrTextBk = colours.back;
    }
    return stage == CDDS_ITEMPREPAINT ? CDRF_NOTIFYSUBITEMDRAW : CDRF_DODEFAULT;
}

// Typing in the table jumps to the next row whose name starts with the typed
// text (without regard to case); -1 when there is none.
LRESULT OnFindRow(const NMLVFINDITEMW& find) {
    if (!(find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.lvfi.psz) return -1;
    const std::wstring typed = find.lvfi.psz;
    const size_t rows = g_app.viewRows.size();
    if (typed.empty() || rows == 0) return -1;
    const size_t start = find.iStart >= 0 ? static_cast<size_t>(find.iStart) % rows : 0;
    for (size_t step = 0; step < rows; ++step) {
        const size_t row = (start + step) % rows;
        if (g_app.viewRows[row] >= g_app.list.size()) continue;
        const std::wstring& name = g_app.list[g_app.viewRows[row]].name;
        if (name.size() >= typed.size() &&
            CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, name.c_str(), static_cast<int>(typed.size()),
                           typed.c_str(), static_cast<int>(typed.size())) == CSTR_EQUAL) {
            return static_cast<LRESULT>(row);
        }
    }
    return -1;
}

// The double-clicked cell is found from the click point, which every list
// view reports, rather than from the subitem field.
LRESULT OnRowDoubleClick(const NMITEMACTIVATE& activate) {
    LVHITTESTINFO hit{};
    hit.pt = activate.ptAction;
    SendMessageW(activate.hdr.hwndFrom, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    const int row = (hit.flags & LVHT_ONITEM) ? hit.iItem : -1;
    OpenCellEditor(row, hit.iSubItem == 2 ? 2 : 1);
    return 0;
}

}  // namespace

HWND DonationTableWindow() {
    return g_app.panel->window ? GetDlgItem(g_app.panel->window, kIdDonationTable) : nullptr;
}

std::wstring UpperAscii(std::wstring_view text) {
    std::wstring upper(text);
    for (wchar_t& c : upper) {
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    return upper;
}

bool EntryMatchesQuery(const DonationEntry& entry, const std::wstring& shownAmount, const std::wstring& upperQuery) {
    if (upperQuery.empty()) return true;
    const std::wstring haystack = UpperAscii(entry.name + L" " + entry.amount + L" " + shownAmount);
    return haystack.find(upperQuery) != std::wstring::npos;
}

std::wstring CountLabelText(size_t entries, size_t rows, bool searching) {
    std::wstring text = L"名单  " + std::to_wstring(entries) + L" 条";
    if (searching) text += L"  /  找到 " + std::to_wstring(rows) + L" 条";
    return text;
}

void SetUpDonationTable(HWND table) {
    comctl::SetWindowSubclass(table, TableSubclassProc, kHeaderSubclassId, 0);
    const DWORD extended = LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP | LVS_EX_DOUBLEBUFFER;
    SendMessageW(table, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    AttachRowImageList();
    SendMessageW(table, LVM_SETBKCOLOR, 0, kPanelWhite);
    SendMessageW(table, LVM_SETTEXTBKCOLOR, 0, kPanelWhite);
    SendMessageW(table, LVM_SETTEXTCOLOR, 0, kPanelText);
    // A list view left-aligns whatever column sits at index 0; the
    // placeholder takes that place so that the number column can be centred.
    InsertColumn(table, 0, L"", LVCFMT_LEFT, 0);
    InsertColumn(table, 1, L"序号", LVCFMT_CENTER, 0);
    InsertColumn(table, 2, L"姓名/公司(机构)名称", LVCFMT_CENTER, 1);
    InsertColumn(table, 3, L"金额", LVCFMT_RIGHT, 2);
    SendMessageW(table, LVM_DELETECOLUMN, 0, 0);
}

void AttachRowImageList() {
    HWND table = DonationTableWindow();
    if (!table) return;
    HIMAGELIST fresh = comctl::ImageList_Create(1, S(32), ILC_COLOR32, 1, 0);
    SendMessageW(table, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(fresh));
    if (g_app.panel->rowImages) comctl::ImageList_Destroy(g_app.panel->rowImages);
    g_app.panel->rowImages = fresh;
}

void DestroyRowImageList() {
    if (HWND table = DonationTableWindow()) SendMessageW(table, LVM_SETIMAGELIST, LVSIL_SMALL, 0);
    if (g_app.panel->rowImages) comctl::ImageList_Destroy(g_app.panel->rowImages);
    g_app.panel->rowImages = nullptr;
}

void SetDonationTableColumnWidths(int b) {
    HWND table = DonationTableWindow();
    if (!table) return;
    SendMessageW(table, LVM_SETCOLUMNWIDTH, 0, S(64));
    SendMessageW(table, LVM_SETCOLUMNWIDTH, 1, S(std::max(120, b - 648)));
    SendMessageW(table, LVM_SETCOLUMNWIDTH, 2, S(144));
}

void RefreshDonationTable() {
    HWND table = DonationTableWindow();
    if (!table || !g_app.panel->panelReady) return;
    const std::wstring query = UpperAscii(WindowText(GetDlgItem(g_app.panel->window, kIdSearchBox)));
    const int top = static_cast<int>(SendMessageW(table, LVM_GETTOPINDEX, 0, 0));
    // The selection is kept by list position, whatever entry stands there now.
    std::vector<bool> selected(g_app.list.size(), false);
    bool anySelected = false;
    for (size_t index : SelectedListIndices()) {
        if (index < selected.size()) selected[index] = anySelected = true;
    }

    SendMessageW(table, WM_SETREDRAW, FALSE, 0);
    SetRowState(table, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    g_app.viewRows.clear();
    for (size_t i = 0; i < g_app.list.size(); ++i) {
        if (!query.empty() && !EntryMatchesQuery(g_app.list[i], FormatAmountForDisplay(g_app.list[i].amount), query)) {
            continue;
        }
        g_app.viewRows.push_back(i);
    }
    // The scroll position stays; the table only clamps it to the new rows.
    SendMessageW(table, LVM_SETITEMCOUNT, g_app.viewRows.size(), LVSICF_NOSCROLL);
    for (size_t row = 0; anySelected && row < g_app.viewRows.size(); ++row) {
        if (selected[g_app.viewRows[row]]) SetRowState(table, static_cast<int>(row), LVIS_SELECTED, LVIS_SELECTED);
    }
    if (top >= 0 && static_cast<size_t>(top) < g_app.viewRows.size()) {
        SendMessageW(table, LVM_ENSUREVISIBLE, static_cast<WPARAM>(top), FALSE);
    }
    SendMessageW(table, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(table, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);

    const std::wstring label = CountLabelText(g_app.list.size(), g_app.viewRows.size(), !query.empty());
    SetWindowTextW(GetDlgItem(g_app.panel->window, kIdCountLabel), label.c_str());
    EnableWindow(GetDlgItem(g_app.panel->window, kIdUndoButton), !g_app.undoHistory.undo.empty());
    EnableWindow(GetDlgItem(g_app.panel->window, kIdRedoButton), !g_app.undoHistory.redo.empty());
    RefreshPanelIndicators();
}

void ScrollDonationTableTo(size_t listIndex) {
    HWND table = DonationTableWindow();
    if (!table) return;
    // New entries stand at the end, so the search starts there; an entry the
    // search filter hides has no row and nothing moves.
    for (size_t row = g_app.viewRows.size(); row-- > 0;) {
        if (g_app.viewRows[row] != listIndex) continue;
        SendMessageW(table, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
        return;
    }
}

std::vector<size_t> SelectedListIndices() {
    std::vector<size_t> indices;
    HWND table = DonationTableWindow();
    if (!table) return indices;
    int row = -1;
    while ((row = static_cast<int>(SendMessageW(table, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))) >= 0) {
        if (static_cast<size_t>(row) < g_app.viewRows.size()) indices.push_back(g_app.viewRows[static_cast<size_t>(row)]);
    }
    return indices;
}

void DeselectAllRows() {
    if (HWND table = DonationTableWindow()) SetRowState(table, -1, 0, LVIS_SELECTED);
}

void SelectAllRows() {
    if (HWND table = DonationTableWindow()) SetRowState(table, -1, LVIS_SELECTED, LVIS_SELECTED);
}

void EditSelectedRow() {
    HWND table = DonationTableWindow();
    if (!table) return;
    const int row = static_cast<int>(SendMessageW(table, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (row >= 0) OpenCellEditor(row, 1);
}

LRESULT OnDonationTableNotify(NMHDR& header) {
    switch (header.code) {
        case NM_DBLCLK: return OnRowDoubleClick(reinterpret_cast<const NMITEMACTIVATE&>(header));
        case NM_CUSTOMDRAW: return OnRowCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
        case LVN_GETDISPINFOW: return OnCellText(reinterpret_cast<NMLVDISPINFOW&>(header));
        case LVN_ODFINDITEMW: return OnFindRow(reinterpret_cast<const NMLVFINDITEMW&>(header));
        default: return 0;
    }
}
