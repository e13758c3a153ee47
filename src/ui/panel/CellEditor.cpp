#include "ui/panel/CellEditor.h"

#include <algorithm>

#include <windows.h>
#include <commctrl.h>

#include "app/AppState.h"
#include "ui/panel/ControlPanel.h"
#include "platform/Dpi.h"
#include "ui/panel/ListEditing.h"
#include "ui/panel/DonationTable.h"
#include "ui/panel/PanelChildren.h"
#include "ui/panel/PanelIds.h"

namespace {

// The cell's rectangle (columns 1 and 2) in the panel's client coordinates.
bool CellRect(HWND table, int row, int column, RECT& rect) {
    rect = RECT{LVIR_BOUNDS, column, 0, 0};
    if (!SendMessageW(table, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect))) return false;
    MapWindowPoints(table, g_app.panel->window, reinterpret_cast<POINT*>(&rect), 2);
    return true;
}

int RowOfListIndex(size_t listIndex) {
    const auto found = std::find(g_app.viewRows.begin(), g_app.viewRows.end(), listIndex);
    return found == g_app.viewRows.end() ? -1 : static_cast<int>(found - g_app.viewRows.begin());
}

}  // namespace

CellPosition NextCell(CellPosition from, bool backwards) {
    if (!backwards) return from.column == 1 ? CellPosition{from.row, 2} : CellPosition{from.row + 1, 1};
    return from.column == 2 ? CellPosition{from.row, 1} : CellPosition{from.row - 1, 2};
}

void OpenCellEditor(int row, int column) {
    CommitCellEdit(false);
    HWND table = DonationTableWindow();
    if (!table || row < 0 || static_cast<size_t>(row) >= g_app.viewRows.size()) return;
    RECT cell{};
    if (!CellRect(table, row, column, cell)) return;
    const size_t listIndex = g_app.viewRows[static_cast<size_t>(row)];
    if (listIndex >= g_app.list.size()) return;
    g_app.editedColumn = column;
    g_app.editedListIndex = listIndex;

    const DonationEntry& entry = g_app.list[listIndex];
    const std::wstring& text = column == 2 ? entry.amount : entry.name;
    const DWORD align = column == 2 ? ES_RIGHT : ES_CENTER;
    HWND editor = CreatePanelChild(g_app.panel->window, L"EDIT", L"", ES_AUTOHSCROLL | align, kIdCellEditor);
    if (!editor) return;
    // An edit control takes 32,767 characters unless told otherwise: a longer
    // name would come back cut when the edit is committed.
    SendMessageW(editor, EM_SETLIMITTEXT, 0, 0);
    SetWindowTextW(editor, text.c_str());
    g_app.cellEditor = editor;
    const int height = std::max(ScaleLogical(30, g_app.dpiScale), static_cast<int>(cell.bottom - cell.top));
    SetWindowPos(editor, HWND_TOP, cell.left, cell.top, cell.right - cell.left, height, SWP_SHOWWINDOW);
    SetFocus(editor);
    SendMessageW(editor, EM_SETSEL, 0, -1);
}

void MoveCellEditor(bool backwards) {
    const int column = g_app.editedColumn;
    const size_t listIndex = g_app.editedListIndex;
    CommitCellEdit(false);
    const int row = RowOfListIndex(listIndex);
    if (row < 0) return;
    const CellPosition next = NextCell({row, column}, backwards);
    OpenCellEditor(next.row, next.column);
}
