// The live list and its file: loading at start-up, saving after each change,
// and the rules that keep every donor when the file cannot be read. A file
// that exists but was never read is never replaced or pushed out of the
// backup; what the operator types meanwhile goes to "<list>.unsaved" (through
// the same pending-file steps) and comes back ahead of nothing: the file's
// entries are taken in first as soon as the file can be read again.
#include "app/AppState.h"
#include "platform/FileIo.h"
#include "core/list/UndoHistory.h"
#include "commands/ListStore.h"

namespace {

std::wstring UnsavedPath(const AppState& app) { return app.listPath + L".unsaved"; }

std::wstring Count(size_t n) { return std::to_wstring(n); }

bool WriteUnsavedCopy(const AppState& app) {
    const DonationList& list = app.list;
    const std::wstring path = UnsavedPath(app);
    if (IsReadOnlyFile(path)) return false;
    const std::wstring pending = path + L".pending";
    return WriteFlushedFile(pending, SerializeDonationList(list)) && ReplaceWithPending(pending, path);
}

void ForgetUnsavedCopy(AppState& app) {
    if (app.listFile.unsavedCopyWritten && DeleteFileW(UnsavedPath(app).c_str())) app.listFile.unsavedCopyWritten = false;
}

// A file that has never been read is tried again; once it reads, its entries
// come first and the ones typed meanwhile follow, as one undoable step.
void TakeInListFileIfReadable(AppState& app) {
    DonationList fileEntries;
    ListFileStamp stamp;
    const ListReadResult read = ReadDonationListFile(app.listPath, app.settings.amountUnit, fileEntries, stamp);
    if (read == ListReadResult::Unreadable) return;
    app.listFile.unread = false;
    app.listFile.stamp = stamp;
    if (read == ListReadResult::Missing) return;  // nothing left to protect
    if (!app.list.empty()) PushSnapshot(app.undoHistory, app.list);
    const size_t fromFile = fileEntries.size();
    fileEntries.insert(fileEntries.end(), std::make_move_iterator(app.list.begin()),
                       std::make_move_iterator(app.list.end()));
    app.list = std::move(fileEntries);
    app.listFile.takenIn = true;
    app.listFile.saveNote = L"名单文件已能读取，已载入其中 " + Count(fromFile) + L" 条";
}

// The list may not go to its file; keep it beside it instead.
void KeepListBesideUnreadFile(AppState& app) {
    if (app.listFile.unread && app.list.empty()) {
        // Nothing typed is left to keep, and the file stays as it is.
        ForgetUnsavedCopy(app);
        app.listSaved = true;
        return;
    }
    if (app.listFile.unread && WriteUnsavedCopy(app)) {
        app.listFile.unsavedCopyWritten = true;
        app.listFile.saveFailure = L"名单文件无法读取，未覆盖它；当前名单已另存到 donations.txt.unsaved";
        return;
    }
    app.listFile.saveFailure = L"名单文件无法读取，未覆盖它，可重试";
}

}  // namespace

void LoadDonationList(AppState& app) {
    app.listFile.unread = false;
    app.listFile.unsavedCopyWritten = false;
    app.listFile.startupNote.clear();
    const std::wstring& unit = app.settings.amountUnit;
    const ListReadResult read = ReadDonationListFile(app.listPath, unit, app.list, app.listFile.stamp);

    DonationList kept;
    const bool keptFound = ReadDonationListFile(UnsavedPath(app), unit, kept) == ListReadResult::Loaded;
    // Kept entries stay in their file until a save has put them in the list file.
    app.listFile.unsavedCopyWritten = keptFound;

    if (read == ListReadResult::Unreadable) {
        app.listFile.unread = true;
        app.list = std::move(kept);
        app.listFile.startupNote = L"名单文件无法读取（可能正被其他程序占用），未载入，也不会被覆盖；关闭占用它的程序后按 Ctrl+S 重试";
        if (!app.list.empty()) {
            app.listFile.startupNote += L" · 已载入 donations.txt.unsaved 中未保存的 " + Count(app.list.size()) + L" 条";
        }
        return;
    }
    if (kept.empty()) {
        if (keptFound) ForgetUnsavedCopy(app);
        return;
    }
    PushSnapshot(app.undoHistory, app.list);
    const size_t found = kept.size();
    app.list.insert(app.list.end(), std::make_move_iterator(kept.begin()), std::make_move_iterator(kept.end()));
    SaveDonationList(app);
    app.listFile.startupNote = LastListChangeStatus(app, L"已找回上次未保存的 " + Count(found) + L" 条名单");
}

void SaveDonationList(AppState& app) {
    const bool changePending = !app.listSaved;
    app.listSaved = false;
    app.listFile.saveNote.clear();
    app.listFile.saveFailure.clear();
    if (app.listFile.unread) TakeInListFileIfReadable(app);
    const ListWriteResult result = WriteDonationListFileOver(app.list, app.listPath, app.listFile.stamp);
    if (result == ListWriteResult::TargetUnreadable) {
        KeepListBesideUnreadFile(app);
        return;
    }
    if (result == ListWriteResult::ChangedOutside) {
        // Another program wrote the file since we last read or wrote it. Its
        // change is never overwritten unseen; the check for outside changes
        // takes it in. A list with no change of ours pending loses nothing.
        app.listSaved = !changePending;
        if (changePending) app.listFile.saveFailure = L"名单文件已被其他程序修改，未覆盖它";
        return;
    }
    app.listSaved = result == ListWriteResult::Saved;
    if (app.listSaved) ForgetUnsavedCopy(app);
}

std::wstring ListChangeStatus(const std::wstring& message, bool saved, const std::wstring& note,
                              const std::wstring& failure) {
    const std::wstring noted = note.empty() ? message : message + L" · " + note;
    if (!saved && !failure.empty()) return noted + L" · 保存失败：" + failure;
    return ListChangeStatus(noted, saved);
}

std::wstring LastListChangeStatus(const AppState& app, const std::wstring& message) {
    return ListChangeStatus(message, app.listSaved, app.listFile.saveNote, app.listFile.saveFailure);
}

std::wstring ListChangeStatus(const std::wstring& message, bool saved) {
    return message + (saved ? L" · 已保存" : L" · 保存失败，可重试");
}

std::wstring ListStartupStatus() { return g_app.listFile.startupNote; }

// The live state's forms, for the windows and start-up.
void LoadDonationList() { LoadDonationList(g_app); }
void SaveDonationList() { SaveDonationList(g_app); }
std::wstring LastListChangeStatus(const std::wstring& message) { return LastListChangeStatus(g_app, message); }
