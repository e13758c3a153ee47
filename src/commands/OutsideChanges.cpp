#include "commands/OutsideChanges.h"

#include <utility>

#include "core/list/ListFile.h"
#include "core/list/UndoHistory.h"

namespace {

std::wstring ReloadedText(size_t count) {
    return L"名单文件已被外部修改，已重新载入 " + std::to_wstring(count) + L" 条";
}

void TellNotApplied(AppState& app, Views& views) {
    views.Status(ReloadedText(app.list.size()) + L" · 刚才的修改未执行，请在新名单上重新操作", true);
}

}  // namespace

bool WatchesForOutsideChanges(const AppState& app) { return app.listFile.stamp.known && !app.listFile.unread; }

OutsideChange TakeInOutsideChange(AppState& app, Views& views) {
    if (!WatchesForOutsideChanges(app)) return OutsideChange::None;
    return TakeInListFileRead(app, views, ReadListFileIfChanged(app.listPath, app.settings.amountUnit, app.listFile.stamp));
}

OutsideChange TakeInListFileRead(AppState& app, Views& views, ListFileRead&& read) {
    ListFileStatus& file = app.listFile;
    if (!WatchesForOutsideChanges(app)) return OutsideChange::None;
    // The program read or wrote the file since that look: it is out of date.
    if (read.known != file.stamp) return TakeInOutsideChange(app, views);
    const ListFileStamp& stamp = read.stamp;
    switch (read.result) {
        case ListReadResult::Unreadable:
            // A writer may hold the file for a moment; say it once, keep trying.
            if (!file.unreadableReported) {
                views.Status(L"名单文件暂时无法读取（可能正被其他程序占用），当前名单不变，也不会覆盖它", true);
                file.unreadableReported = true;
            }
            return OutsideChange::Unreadable;
        case ListReadResult::Missing:
            file.unreadableReported = false;
            if (!file.stamp.exists) return OutsideChange::None;
            file.stamp = stamp;
            views.Status(L"名单文件已被删除或移走，当前名单仍在程序中，下次修改时将重新写入", true);
            return OutsideChange::Removed;
        case ListReadResult::Loaded: break;
    }
    file.unreadableReported = false;
    if (stamp == file.stamp) return OutsideChange::None;
    PushSnapshot(app.undoHistory, app.list);
    file.stamp = stamp;
    app.list = std::move(read.list);
    ++file.reloads;
    app.listSaved = true;  // the list is what the file holds
    views.ListReloaded();
    views.Status(ReloadedText(app.list.size()), true);
    return OutsideChange::Reloaded;
}

bool ReadyForListCommand(AppState& app, Views& views, ListActionKind kind) {
    if (TakeInOutsideChange(app, views) != OutsideChange::Reloaded) return true;
    if (kind == ListActionKind::AddsOnly) {
        app.listFile.reloadNote = ReloadedText(app.list.size());
        return true;
    }
    TellNotApplied(app, views);
    return false;
}

bool StillTheListThatWasConfirmed(AppState& app, Views& views, unsigned reloadsBefore) {
    if (!ReadyForListCommand(app, views, ListActionKind::Other)) return false;
    if (app.listFile.reloads == reloadsBefore) return true;
    TellNotApplied(app, views);
    return false;
}
