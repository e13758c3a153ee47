// The batch-import window: paste, check, read the report, add.
#pragma once

#include <windows.h>

#include <vector>

#include "core/import/ImportCheck.h"

constexpr wchar_t kImportWindowClass[] = L"V2ImportWindow";

// Control ids of the import window.
constexpr int kIdImportPasteLabel = 9201;
constexpr int kIdImportReportLabel = 9202;
constexpr int kIdImportPasteBox = 8020;
constexpr int kIdImportReportBox = 8021;
constexpr int kIdImportCheckButton = 8022;
constexpr int kIdImportAddButton = 8023;
constexpr int kIdImportCancelButton = 8024;

constexpr int kImportTextLimit = 4194304;

struct ImportState {
    bool checked = false;                    // the pasted text is unchanged since its check
    std::vector<ImportCheckResult> results;  // of the last check; the add takes these
};

extern ImportState g_import;

// Opens the window, or brings an open one forward with its text.
void OpenImportWindow();

// "加入名单": the checked entries to the end of the list as one change.
void AddCheckedImport();
