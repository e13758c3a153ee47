// The batch-import window: paste, check, read the report, add.
#pragma once

#include <windows.h>

#include <string>
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
constexpr wchar_t kImportPasteCue[] = L"在此粘贴名单，或把 CSV、文本文件拖到这里（Ctrl+O 打开文件）";

struct ImportState {
    bool checked = false;                    // the pasted text is unchanged since its check
    std::vector<ImportCheckResult> results;  // of the last check; the add takes these
    int droppedColumnLines = 0;              // CSV rows of the loaded file with columns left out
    bool fillingFromFile = false;            // the paste box is being filled from a file
};

// Opens the window, or brings an open one forward with its text.
void OpenImportWindow();

// The list changed under a finished check (another program wrote the file):
// its duplicates may be wrong, so adding waits for a new check.
void MarkImportCheckStale();

// A dropped or opened file's text into the paste box, ready for the check;
// the report box says what could not be read.
void LoadImportFile(HWND window, const std::wstring& path);

// Ctrl+O: the open dialog for a list file.
void OpenImportFile(HWND window);

// The import window's own keys (Ctrl+O); false for any other.
bool HandleImportWindowKey(const MSG& m);

// "加入名单": the checked entries to the end of the list as one change.
void AddCheckedImport();
