#include "commands/ListCommands.h"

#include <algorithm>

#include "core/list/AmountText.h"
#include "core/list/ListFile.h"
#include "core/list/UndoHistory.h"
#include "commands/ListStore.h"
#include "commands/OutsideChanges.h"
#include "platform/FileIo.h"

void FinishListChange(AppState& app, Views& views, const std::wstring& message) {
    app.listSaved = false;  // a change of ours waits for the file
    SaveDonationList(app);
    app.listFile.takenIn = false;  // the views are told below either way
    views.ListChanged();
    // An outside change taken in just before this command is said first.
    std::wstring said = message;
    if (!app.listFile.reloadNote.empty()) said = app.listFile.reloadNote + L" · " + message;
    app.listFile.reloadNote.clear();
    views.Status(LastListChangeStatus(app, said), true);
}

bool AppendEntry(AppState& app, Views& views, const std::wstring& typedName, const std::wstring& typedAmount) {
    const std::wstring name = StoredText(typedName);
    const std::wstring amount = NormalizeAmount(typedAmount, app.settings.amountUnit);
    if (name.empty() || amount.empty()) {
        views.Status(L"请填写姓名/公司(机构)名称和金额", false);
        return false;
    }
    ReadyForListCommand(app, views, ListActionKind::AddsOnly);
    PushSnapshot(app.undoHistory, app.list);
    app.list.push_back({name, amount});
    FinishListChange(app, views, L"已追加 1 条名单");
    views.ShowEntry(app.list.size() - 1);
    return true;
}

void EditEntryField(AppState& app, Views& views, size_t index, int column, const std::wstring& typed) {
    std::wstring text = StoredText(typed);
    if (column == 2) text = NormalizeAmount(text, app.settings.amountUnit);
    if (text.empty()) {
        views.Status(L"姓名/公司(机构)名称和金额不能为空，已保留原值", false);
        return;
    }
    if (index >= app.list.size()) return;
    if (!ReadyForListCommand(app, views, ListActionKind::Other)) return;
    std::wstring& field = column == 2 ? app.list[index].amount : app.list[index].name;
    if (field == text) return;
    PushSnapshot(app.undoHistory, app.list);  // copies the list; `field` stays valid
    field = text;
    FinishListChange(app, views, L"已修改 1 条名单");
}

void DeleteEntries(AppState& app, Views& views, const std::vector<size_t>& indices) {
    const std::vector<size_t> doomed = DeletionOrder(indices);
    if (doomed.empty()) {
        views.Status(L"请先选择需要删除的名单", false);
        return;
    }
    if (!ReadyForListCommand(app, views, ListActionKind::Other)) return;
    PushSnapshot(app.undoHistory, app.list);
    // One pass instead of one erase per index, so deleting thousands of rows
    // does not shift the rest of the list thousands of times.
    std::vector<bool> remove(app.list.size(), false);
    for (size_t index : doomed) {
        if (index < remove.size()) remove[index] = true;
    }
    DonationList kept;
    kept.reserve(app.list.size() - std::min(doomed.size(), app.list.size()));
    for (size_t i = 0; i < app.list.size(); ++i) {
        if (!remove[i]) kept.push_back(std::move(app.list[i]));
    }
    app.list = std::move(kept);
    FinishListChange(app, views, L"已删除 " + std::to_wstring(doomed.size()) + L" 条，可撤销");
}

void ClearList(AppState& app, Views& views) {
    if (!ReadyForListCommand(app, views, ListActionKind::Other)) return;
    const unsigned reloads = app.listFile.reloads;
    if (app.list.empty() || !views.Confirm(ConfirmKind::ClearList)) return;
    // The file may have changed while the question was open.
    if (!StillTheListThatWasConfirmed(app, views, reloads)) return;
    PushSnapshot(app.undoHistory, app.list);
    app.list.clear();
    FinishListChange(app, views, L"名单已清空，可撤销");
}

void UndoListChange(AppState& app, Views& views) {
    if (app.undoHistory.undo.empty() || !ReadyForListCommand(app, views, ListActionKind::Other)) return;
    if (StepBack(app.undoHistory, app.list)) FinishListChange(app, views, L"已撤销");
}

void RedoListChange(AppState& app, Views& views) {
    if (app.undoHistory.redo.empty() || !ReadyForListCommand(app, views, ListActionKind::Other)) return;
    if (StepForward(app.undoHistory, app.list)) FinishListChange(app, views, L"已重做");
}

void AppendEntries(AppState& app, Views& views, const DonationList& entries, const std::wstring& message) {
    if (entries.empty()) return;
    ReadyForListCommand(app, views, ListActionKind::AddsOnly);
    PushSnapshot(app.undoHistory, app.list);
    app.list.insert(app.list.end(), entries.begin(), entries.end());
    FinishListChange(app, views, message);
    views.ShowEntry(app.list.size() - 1);  // the end of the list, with as many new rows as fit
}

void RestoreListBackup(AppState& app, Views& views) {
    const std::wstring backupPath = app.listPath + L".bak";
    if (!FileExists(backupPath)) {
        views.Status(L"暂无可恢复的备份", false);
        return;
    }
    if (!ReadyForListCommand(app, views, ListActionKind::Other)) return;
    const unsigned reloads = app.listFile.reloads;
    if (!views.Confirm(ConfirmKind::RestoreBackup)) return;
    if (!StillTheListThatWasConfirmed(app, views, reloads)) return;
    // A backup that exists but cannot be read would empty the list while
    // reporting a restore; the list stays as it is instead.
    std::string bytes;
    if (!ReadWholeFile(backupPath, bytes)) {
        views.Status(L"暂无可恢复的备份", false);
        return;
    }
    PushSnapshot(app.undoHistory, app.list);
    app.list = ParseDonationListBytes(bytes, app.settings.amountUnit);
    FinishListChange(app, views, L"已恢复上次名单备份");
}
