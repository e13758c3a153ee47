#include "list/ListEditing.h"

#include <algorithm>

#include "app/AppState.h"
#include "platform/WindowText.h"
#include "list/AmountWithSettings.h"
#include "list/ListStore.h"
#include "panel/DonationTable.h"
#include "panel/PanelFocus.h"
#include "panel/PanelIds.h"
#include "panel/StatusLine.h"

namespace {

HWND PanelControl(int id) { return g_app.controlPanel ? GetDlgItem(g_app.controlPanel, id) : nullptr; }

// Stores the edited text; nothing is recorded when the field already holds it.
void StoreEditedField(const std::wstring& text) {
    if (g_app.editedListIndex >= g_app.list.size()) return;
    DonationEntry& entry = g_app.list[g_app.editedListIndex];
    std::wstring& field = g_app.editedColumn == 2 ? entry.amount : entry.name;
    if (field == text) return;
    PushUndoSnapshot();  // copies the list; `field` stays valid
    field = text;
    CommitListChange(L"已修改 1 条名单");
}

// The common part of both ways of ending an edit; returns the editor window,
// which the caller disposes of, or null when there was nothing to commit.
HWND EndCellEdit(bool cancel) {
    if (!g_app.cellEditor || g_app.commitGuard) return nullptr;
    g_app.commitGuard = true;
    HWND editor = g_app.cellEditor;
    g_app.cellEditor = nullptr;
    std::wstring text = StoredText(WindowText(editor));
    if (!cancel) {
        if (g_app.editedColumn == 2) text = NormalizeAmount(text);
        if (text.empty()) {
            SetStatusText(L"姓名/公司(机构)名称和金额不能为空，已保留原值", false);
        } else {
            StoreEditedField(text);
        }
    }
    return editor;
}

}  // namespace

void PushUndoSnapshot() { PushSnapshot(g_app.undoHistory, g_app.list); }

void UndoListChange() {
    if (StepBack(g_app.undoHistory, g_app.list)) CommitListChange(L"已撤销");
}

void RedoListChange() {
    if (StepForward(g_app.undoHistory, g_app.list)) CommitListChange(L"已重做");
}

void AppendEntry() {
    HWND nameBox = PanelControl(kIdNameBox);
    HWND amountBox = PanelControl(kIdAmountBox);
    const std::wstring name = StoredText(WindowText(nameBox));
    const std::wstring amount = NormalizeAmount(TrimText(WindowText(amountBox)));
    if (name.empty() || amount.empty()) {
        SetStatusText(L"请填写姓名/公司(机构)名称和金额", false);
        FocusPanelControl(name.empty() ? kIdNameBox : kIdAmountBox);
        return;
    }
    PushUndoSnapshot();
    g_app.list.push_back({name, amount});
    if (nameBox) SetWindowTextW(nameBox, L"");
    if (amountBox) SetWindowTextW(amountBox, L"");
    CommitListChange(L"已追加 1 条名单");
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
    const std::vector<size_t> doomed = DeletionOrder(SelectedListIndices());
    if (g_app.viewRows.empty() || doomed.empty()) {
        SetStatusText(L"请先选择需要删除的名单", false);
        return;
    }
    PushUndoSnapshot();
    // One pass instead of one erase per index, so deleting thousands of rows
    // does not shift the rest of the list thousands of times.
    std::vector<bool> remove(g_app.list.size(), false);
    for (size_t index : doomed) {
        if (index < remove.size()) remove[index] = true;
    }
    DonationList kept;
    kept.reserve(g_app.list.size() - std::min(doomed.size(), g_app.list.size()));
    for (size_t i = 0; i < g_app.list.size(); ++i) {
        if (!remove[i]) kept.push_back(std::move(g_app.list[i]));
    }
    g_app.list = std::move(kept);
    DeselectAllRows();
    CommitListChange(L"已删除 " + std::to_wstring(doomed.size()) + L" 条，可撤销");
}

void ClearList() {
    if (g_app.list.empty()) return;
    const int answer = MessageBoxW(g_app.controlPanel, L"清空当前名单？可通过撤销恢复。", L"清空名单",
                                   MB_ICONQUESTION | MB_YESNO);
    if (answer != IDYES) return;
    PushUndoSnapshot();
    g_app.list.clear();
    CommitListChange(L"名单已清空，可撤销");
}
