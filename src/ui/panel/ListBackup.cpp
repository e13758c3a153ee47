#include "ui/panel/ListBackup.h"

#include <windows.h>
#include <commdlg.h>

#include "app/AppState.h"
#include "ui/panel/ControlPanel.h"
#include "platform/FileIo.h"
#include "ui/panel/ListEditing.h"
#include "commands/ListStore.h"
#include "core/list/Utf8.h"
#include "ui/panel/PanelViews.h"
#include "ui/panel/StatusLine.h"
#include "commands/ListCommands.h"
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

void RestoreListBackup() { RestoreListBackup(g_app, ProgramViews()); }

void ExportList() {
    wchar_t file[260] = L"名单.tsv";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = g_app.panel->window;
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
