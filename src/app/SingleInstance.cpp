#include "app/SingleInstance.h"

#include <cwchar>

#include "ui/panel/ControlPanel.h"

namespace {

std::wstring CanonicalFolder(const std::wstring& folder) {
    std::wstring path = folder;
    wchar_t full[MAX_PATH * 2] = {};
    const DWORD length = GetFullPathNameW(folder.c_str(), MAX_PATH * 2, full, nullptr);
    if (length > 0 && length < MAX_PATH * 2) path.assign(full, length);
    for (wchar_t& c : path) {
        if (c == L'/') c = L'\\';
    }
    while (path.size() > 3 && path.back() == L'\\') path.pop_back();
    if (!path.empty()) CharUpperBuffW(path.data(), static_cast<DWORD>(path.size()));
    return path;
}

std::wstring MutexName(const std::wstring& folder) {
    wchar_t name[64];
    std::swprintf(name, 64, L"Local\\Velmaro-%016llx", static_cast<unsigned long long>(ProgramFolderKey(folder)));
    return name;
}

struct Search {
    uint64_t key;
    bool answered = false;
};

BOOL CALLBACK AskPanel(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (std::wcscmp(className, kControlPanelClass) != 0) return TRUE;
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutW(window, ShowPanelMessage(), 0, static_cast<LPARAM>(search->key), SMTO_ABORTIFHUNG, 3000,
                            &answer) &&
        answer == static_cast<DWORD_PTR>(kShowPanelAnswer)) {
        search->answered = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

uint64_t ProgramFolderKey(const std::wstring& folder) {
    // FNV-1a over the canonical path.
    uint64_t hash = 1469598103934665603ull;
    for (wchar_t c : CanonicalFolder(folder)) {
        hash ^= static_cast<uint64_t>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

bool ClaimProgramFolder(const std::wstring& folder, UniqueHandle& claim) {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, MutexName(folder).c_str());
    const DWORD error = GetLastError();
    claim.reset(mutex);  // held until the program ends; the system frees it then
    // Without a mutex at all nothing can be told apart: run as before.
    return !claim || error != ERROR_ALREADY_EXISTS;
}

bool BringFirstInstanceForward(const std::wstring& folder) {
    // The first instance may take the foreground from us, the one just started.
    AllowSetForegroundWindow(ASFW_ANY);
    Search search{ProgramFolderKey(folder)};
    EnumWindows(AskPanel, reinterpret_cast<LPARAM>(&search));
    return search.answered;
}

UINT ShowPanelMessage() {
    static const UINT message = RegisterWindowMessageW(L"Velmaro.ShowPanelOfFolder");
    return message;
}
