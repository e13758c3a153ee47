// Pasted spreadsheet text turned into candidate entries and a check report,
// before anything is added to the list.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/list/DonationList.h"

struct ImportCheckResult {
    std::wstring name;    // trimmed; may be empty on an unusable line
    std::wstring amount;  // normalised; may be empty on an unusable line
    int lineNumber = 0;   // 1-based, blank lines counted
    bool valid = false;
    bool duplicate = false;  // valid lines only: already in the list or earlier in the paste
    std::wstring reason;     // empty on valid lines
};

struct ImportCheck {
    std::vector<ImportCheckResult> results;
    std::wstring report;
    int validCount = 0;
};

// Name and amount of one line, split at its first TAB when it has one (the
// columns of a spreadsheet, where a cell that begins with a quote is read by
// the clipboard's rules: outer quotes dropped, "" for ", line breaks inside
// stored as spaces), else at its first ",", "，" or space;
// both empty when the line cannot be split (blank, "#" first, no separator).
std::pair<std::wstring, std::wstring> SplitImportLine(std::wstring_view line, std::wstring_view unit);

// How many more lines the row starting at `start` takes because its first
// cell is quoted and holds line breaks; 0 for an ordinary line.
size_t QuotedCellSpan(std::wstring_view text, size_t start);

// Every non-blank line checked against `list` and against the earlier lines.
ImportCheck CheckImportText(std::wstring_view text, const DonationList& list, std::wstring_view unit,
                            bool thousandsSeparator);
