#include "list/ListBackup.h"

#include <windows.h>
#include <commdlg.h>

#include "app/AppState.h"
#include "platform/FileIo.h"
#include "list/ListEditing.h"
#include "list/ListStore.h"
#include "core/list/Utf8.h"
#include "panel/StatusLine.h"
#include "platform/CommonControls.h"

std::string SerializeExport(const DonationList& list) {
    std::string bytes = "\xEF\xBB\xBF";
    for (const DonationEntry& entry : list) {
        AppendUtf8(bytes, entry.name);
        bytes += '\t';
        AppendUtf8(bytes, entry.amount);
        bytes += "\r\n";
    }
    return bytes;
}

bool WriteExportFile(const DonationList& list, const std::wstring& path) {
    return WriteFlushedFile(path, SerializeExport(list));
}

void RestoreListBackup() {
    const std::wstring backupPath = g_app.listPath + L".bak";
    if (GetFileAttributesW(backupPath.c_str()) == INVALID_FILE_ATTRIBUTES) {
        SetStatusText(L"暂无可恢复的备份", false);
        return;
    }
    const int answer = MessageBoxW(g_app.controlPanel, L"使用上次保存前的名单备份？当前操作可撤销。", L"恢复备份",
                                   MB_ICONQUESTION | MB_YESNO);
    if (answer != IDYES) return;
    // A backup that exists but cannot be read would empty the list while
    // reporting a restore; the list stays as it is instead.
    std::string bytes;
    if (!ReadWholeFile(backupPath, bytes)) {
        SetStatusText(L"暂无可恢复的备份", false);
        return;
    }
    PushUndoSnapshot();
    g_app.list = ParseDonationListBytes(bytes, g_app.settings.amountUnit);
    CommitListChange(L"已恢复上次名单备份");
}

void ExportList() {
    wchar_t file[260] = L"名单.tsv";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = g_app.controlPanel;
    dialog.lpstrFilter = L"制表符分隔文件 (*.tsv)\0*.tsv\0文本文件 (*.txt)\0*.txt\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = 260;
    dialog.lpstrDefExt = L"tsv";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_EXPLORER;
    if (!comdlg::GetSaveFileNameW(&dialog)) return;
    const bool written = WriteExportFile(g_app.list, file);
    SetStatusText(written ? L"名单已导出" : L"导出失败，请检查路径", true);
}
