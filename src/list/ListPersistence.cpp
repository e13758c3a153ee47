// The live list and its file: loading at start-up, saving after each change,
// and the rules that keep every donor when the file cannot be read. A file
// that exists but was never read is never replaced or pushed out of the
// backup; what the operator types meanwhile goes to "<list>.unsaved" (through
// the same pending-file steps) and comes back ahead of nothing: the file's
// entries are taken in first as soon as the file can be read again.
#include "app/AppState.h"
#include "platform/FileIo.h"
#include "list/ListEditing.h"
#include "list/ListStore.h"

namespace {

std::wstring UnsavedPath() { return g_app.listPath + L".unsaved"; }

std::wstring Count(size_t n) { return std::to_wstring(n); }

bool WriteUnsavedCopy(const DonationList& list) {
    const std::wstring path = UnsavedPath();
    if (IsReadOnlyFile(path)) return false;
    const std::wstring pending = path + L".pending";
    return WriteFlushedFile(pending, SerializeDonationList(list)) && ReplaceWithPending(pending, path);
}

void ForgetUnsavedCopy() {
    if (g_app.listFile.unsavedCopyWritten && DeleteFileW(UnsavedPath().c_str())) g_app.listFile.unsavedCopyWritten = false;
}

// A file that has never been read is tried again; once it reads, its entries
// come first and the ones typed meanwhile follow, as one undoable step.
void TakeInListFileIfReadable() {
    DonationList fileEntries;
    const ListReadResult read = ReadDonationListFile(g_app.listPath, g_app.settings.amountUnit, fileEntries);
    if (read == ListReadResult::Unreadable) return;
    g_app.listFile.unread = false;
    if (read == ListReadResult::Missing) return;  // nothing left to protect
    if (!g_app.list.empty()) PushUndoSnapshot();
    const size_t fromFile = fileEntries.size();
    fileEntries.insert(fileEntries.end(), std::make_move_iterator(g_app.list.begin()),
                       std::make_move_iterator(g_app.list.end()));
    g_app.list = std::move(fileEntries);
    g_app.listFile.takenIn = true;
    g_app.listFile.saveNote = L"名单文件已能读取，已载入其中 " + Count(fromFile) + L" 条";
}

// The list may not go to its file; keep it beside it instead.
void KeepListBesideUnreadFile() {
    if (g_app.listFile.unread && g_app.list.empty()) {
        // Nothing typed is left to keep, and the file stays as it is.
        ForgetUnsavedCopy();
        g_app.listSaved = true;
        return;
    }
    if (g_app.listFile.unread && WriteUnsavedCopy(g_app.list)) {
        g_app.listFile.unsavedCopyWritten = true;
        g_app.listFile.saveFailure = L"名单文件无法读取，未覆盖它；当前名单已另存到 donations.txt.unsaved";
        return;
    }
    g_app.listFile.saveFailure = L"名单文件无法读取，未覆盖它，可重试";
}

}  // namespace

void LoadDonationList() {
    g_app.listFile.unread = false;
    g_app.listFile.unsavedCopyWritten = false;
    g_app.listFile.startupNote.clear();
    const std::wstring& unit = g_app.settings.amountUnit;
    const ListReadResult read = ReadDonationListFile(g_app.listPath, unit, g_app.list);

    DonationList kept;
    const bool keptFound = ReadDonationListFile(UnsavedPath(), unit, kept) == ListReadResult::Loaded;
    // Kept entries stay in their file until a save has put them in the list file.
    g_app.listFile.unsavedCopyWritten = keptFound;

    if (read == ListReadResult::Unreadable) {
        g_app.listFile.unread = true;
        g_app.list = std::move(kept);
        g_app.listFile.startupNote = L"名单文件无法读取（可能正被其他程序占用），未载入，也不会被覆盖；关闭占用它的程序后按 Ctrl+S 重试";
        if (!g_app.list.empty()) {
            g_app.listFile.startupNote += L" · 已载入 donations.txt.unsaved 中未保存的 " + Count(g_app.list.size()) + L" 条";
        }
        return;
    }
    if (kept.empty()) {
        if (keptFound) ForgetUnsavedCopy();
        return;
    }
    PushUndoSnapshot();
    const size_t found = kept.size();
    g_app.list.insert(g_app.list.end(), std::make_move_iterator(kept.begin()), std::make_move_iterator(kept.end()));
    SaveDonationList();
    g_app.listFile.startupNote = LastListChangeStatus(L"已找回上次未保存的 " + Count(found) + L" 条名单");
}

void SaveDonationList() {
    g_app.listSaved = false;
    g_app.listFile.saveNote.clear();
    g_app.listFile.saveFailure.clear();
    if (g_app.listFile.unread) TakeInListFileIfReadable();
    const ListWriteResult result = WriteDonationListFile(g_app.list, g_app.listPath);
    if (result == ListWriteResult::TargetUnreadable) {
        KeepListBesideUnreadFile();
        return;
    }
    g_app.listSaved = result == ListWriteResult::Saved;
    if (g_app.listSaved) ForgetUnsavedCopy();
}

std::wstring ListChangeStatus(const std::wstring& message, bool saved, const std::wstring& note,
                              const std::wstring& failure) {
    const std::wstring noted = note.empty() ? message : message + L" · " + note;
    if (!saved && !failure.empty()) return noted + L" · 保存失败：" + failure;
    return ListChangeStatus(noted, saved);
}

std::wstring LastListChangeStatus(const std::wstring& message) {
    return ListChangeStatus(message, g_app.listSaved, g_app.listFile.saveNote, g_app.listFile.saveFailure);
}

std::wstring ListChangeStatus(const std::wstring& message, bool saved) {
    return message + (saved ? L" · 已保存" : L" · 保存失败，可重试");
}

std::wstring ListStartupStatus() { return g_app.listFile.startupNote; }
