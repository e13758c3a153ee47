#include "app/ExitGuard.h"

#include <shlobj.h>

#include "app/AppState.h"
#include "ui/panel/ControlPanel.h"
#include "app/ExitQuestion.h"
#include "platform/FileIo.h"
#include "commands/ListStore.h"
#include "commands/SettingsCommands.h"

namespace {

constexpr wchar_t kFallbackName[] = L"donations-unsaved.txt";

std::wstring FolderOf(const std::wstring& path) {
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? L"." : path.substr(0, separator);
}

std::wstring WhyTheListIsNotSaved() {
    if (!g_app.listFile.saveFailure.empty()) return g_app.listFile.saveFailure;
    return L"名单文件无法写入（文件或所在目录可能是只读的，或正被其他程序占用）";
}

bool SavedWhileUnread() { return g_app.listFile.unread && g_app.listFile.unsavedCopyWritten; }

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

bool SaveBeforeExit() {
    bool settingsSaved = SaveSettings(g_app);
    SaveDonationList();
    ShowListTakenIn();
    std::wstring reason = WhyTheListIsNotSaved();
    while (!g_app.listSaved) {
        switch (AskAboutUnsavedList(g_app.panel->window, UnsavedListQuestion(reason, settingsSaved))) {
            case ExitChoice::RetrySave:
                settingsSaved = SaveSettings(g_app);
                SaveDonationList();
                ShowListTakenIn();
                reason = WhyTheListIsNotSaved();
                break;
            case ExitChoice::SaveElsewhere: {
                const std::wstring path = AskWhereToSaveList(g_app.panel->window);
                if (path.empty()) break;
                if (WriteListCopy(g_app.list, path)) return true;
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

void SaveForSessionEnd() {
    SaveSettings(g_app);
    SaveDonationList();
    if (g_app.listSaved || SavedWhileUnread()) return;
    // The whole list, in its own format, where the next start will find it.
    if (WriteListCopy(g_app.list, SessionFallbackBeside(g_app.listPath))) return;
    const std::wstring appData = SessionFallbackInAppData();
    if (appData.empty()) return;
    CreateDirectoryW(FolderOf(appData).c_str(), nullptr);
    WriteListCopy(g_app.list, appData);
}

std::wstring SessionFallbackNote(const std::wstring& listPath) {
    for (const std::wstring& path : {SessionFallbackBeside(listPath), SessionFallbackInAppData()}) {
        if (!path.empty() && FileExists(path)) {
            return L"上次 Windows 关机时名单未能保存到名单文件，完整名单已另存在 " + path;
        }
    }
    return {};
}
