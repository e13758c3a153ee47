// The "更多" menu's list commands that work with other files: restoring the
// one-generation backup (undoably) and exporting the list for a spreadsheet.
#pragma once

#include <string>

#include "core/list/DonationList.h"

// The export file's bytes: a UTF-8 byte-order mark, then "name<TAB>amount"
// with CR LF per entry, amounts as stored.
std::string SerializeExport(const DonationList& list);

// "恢复上次名单备份...": the list from donations.txt.bak, after a question.
void RestoreListBackup();

// "导出名单...": the list to a tab-separated file chosen by the operator.
void ExportList();

// Writes the export file; false when any step of the write fails.
bool WriteExportFile(const DonationList& list, const std::wstring& path);
