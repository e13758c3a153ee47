#include "commands/ExitCommands.h"

#include <shlobj.h>

#include "commands/ListStore.h"
#include "commands/SettingsCommands.h"
#include "core/list/ListFile.h"
#include "platform/FileIo.h"

namespace {

constexpr wchar_t kFallbackName[] = L"donations-unsaved.txt";

std::wstring FolderOf(const std::wstring& path) {
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? L"." : path.substr(0, separator);
}

std::wstring WhyTheListIsNotSaved(const AppState& app) {
    if (!app.listFile.saveFailure.empty()) return app.listFile.saveFailure;
    return L"名单文件无法写入（文件或所在目录可能是只读的，或正被其他程序占用）";
}

bool SavedWhileUnread(const AppState& app) { return app.listFile.unread && app.listFile.unsavedCopyWritten; }

// Saves both files; entries the save took in from the file are shown.
// Returns whether the settings were saved.
bool SaveBoth(AppState& app, Views& views) {
    const bool settingsSaved = SaveSettings(app);
    SaveDonationList(app);
    if (app.listFile.takenIn) {
        app.listFile.takenIn = false;
        views.ListChanged();
    }
    return settingsSaved;
}

}  // namespace

std::wstring UnsavedListQuestion(const std::wstring& reason, bool settingsSaved) {
    std::wstring text = L"名单尚未保存：" + reason + L"。\n\n现在退出，最近的修改将会丢失。可以重试保存，或把名单另存到其他位置。";
    if (!settingsSaved) text += L"\n\n设置也未能保存（这不影响退出）。";
    return text;
}

bool WriteListCopy(const DonationList& list, const std::wstring& path) {
    if (IsReadOnlyFile(path)) return false;
    const std::wstring pending = path + L".pending";
    return WriteFlushedFile(pending, SerializeDonationList(list)) && ReplaceWithPending(pending, path);
}

bool SaveBeforeExit(AppState& app, Views& views) {
    bool settingsSaved = SaveBoth(app, views);
    std::wstring reason = WhyTheListIsNotSaved(app);
    while (!app.listSaved) {
        switch (views.AskAboutUnsavedList(UnsavedListQuestion(reason, settingsSaved))) {
            case ExitChoice::RetrySave:
                settingsSaved = SaveBoth(app, views);
                reason = WhyTheListIsNotSaved(app);
                break;
            case ExitChoice::SaveElsewhere: {
                const std::wstring path = views.AskWhereToSaveList();
                if (path.empty()) break;
                if (WriteListCopy(app.list, path)) return true;
                reason = L"另存到 " + path + L" 也未成功，请换一个位置";
                break;
            }
            case ExitChoice::ExitAnyway: return true;
            case ExitChoice::StayOpen: return false;
        }
    }
    return true;
}

std::wstring SessionFallbackBeside(const std::wstring& listPath) { return FolderOf(listPath) + L"\\" + kFallbackName; }

std::wstring SessionFallbackInAppData() {
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) return {};
    return std::wstring(folder) + L"\\Velmaro\\" + kFallbackName;
}

void SaveForSessionEnd(AppState& app) {
    SaveSettings(app);
    SaveDonationList(app);
    if (app.listSaved || SavedWhileUnread(app)) return;
    // The whole list, in its own format, where the next start will find it.
    if (WriteListCopy(app.list, SessionFallbackBeside(app.listPath))) return;
    const std::wstring appData = SessionFallbackInAppData();
    if (appData.empty()) return;
    CreateDirectoryW(FolderOf(appData).c_str(), nullptr);
    WriteListCopy(app.list, appData);
}

std::wstring SessionFallbackNote(const std::wstring& listPath) {
    for (const std::wstring& path : {SessionFallbackBeside(listPath), SessionFallbackInAppData()}) {
        if (!path.empty() && FileExists(path)) {
            return L"上次 Windows 关机时名单未能保存到名单文件，完整名单已另存在 " + path;
        }
    }
    return {};
}
