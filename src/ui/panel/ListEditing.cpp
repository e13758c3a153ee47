#include "ui/panel/ListEditing.h"

#include <algorithm>

#include "app/AppState.h"
#include "ui/panel/ControlPanel.h"
#include "platform/WindowText.h"
#include "commands/ListCommands.h"
#include "core/list/AmountText.h"
#include "commands/ListStore.h"
#include "ui/panel/DonationTable.h"
#include "ui/panel/PanelFocus.h"
#include "ui/panel/PanelIds.h"
#include "ui/panel/PanelViews.h"
#include "ui/panel/StatusLine.h"

namespace {

HWND PanelControl(int id) { return g_app.panel->window ? GetDlgItem(g_app.panel->window, id) : nullptr; }

// The common part of both ways of ending an edit; returns the editor window,
// which the caller disposes of, or null when there was nothing to commit.
HWND EndCellEdit(bool cancel) {
    if (!g_app.cellEditor || g_app.commitGuard) return nullptr;
    g_app.commitGuard = true;
    HWND editor = g_app.cellEditor;
    g_app.cellEditor = nullptr;
    if (!cancel) EditEntryField(g_app, ProgramViews(), g_app.editedListIndex, g_app.editedColumn, WindowText(editor));
    return editor;
}

}  // namespace

void PushUndoSnapshot() { PushSnapshot(g_app.undoHistory, g_app.list); }

void UndoListChange() { UndoListChange(g_app, ProgramViews()); }

void RedoListChange() { RedoListChange(g_app, ProgramViews()); }

void AppendEntry() {
    HWND nameBox = PanelControl(kIdNameBox);
    HWND amountBox = PanelControl(kIdAmountBox);
    const std::wstring name = WindowText(nameBox);
    if (!AppendEntry(g_app, ProgramViews(), name, WindowText(amountBox))) {
        FocusPanelControl(StoredText(name).empty() ? kIdNameBox : kIdAmountBox);
        return;
    }
    if (nameBox) SetWindowTextW(nameBox, L"");
    if (amountBox) SetWindowTextW(amountBox, L"");
    FocusPanelControl(kIdNameBox);
}

void CommitCellEdit(bool cancel) {
    HWND editor = EndCellEdit(cancel);
    if (!editor) return;
    DestroyWindow(editor);
    g_app.commitGuard = false;
}

void CommitCellEditOnFocusLoss() {
    HWND editor = EndCellEdit(false);
    if (!editor) return;
    // The editor is still inside its own kill-focus handling, which must not
    // return into a destroyed window: hide it now and let it close itself.
    ShowWindow(editor, SW_HIDE);
    PostMessageW(editor, WM_CLOSE, 0, 0);
    g_app.commitGuard = false;
}

void DeleteSelectedEntries() {
    const std::vector<size_t> selected = SelectedListIndices();
    if (g_app.viewRows.empty() || selected.empty()) {
        SetStatusText(L"请先选择需要删除的名单", false);
        return;
    }
    // Before the table is refilled, which keeps a selection by list position.
    DeselectAllRows();
    DeleteEntries(g_app, ProgramViews(), selected);
}

void ClearList() { ClearList(g_app, ProgramViews()); }
