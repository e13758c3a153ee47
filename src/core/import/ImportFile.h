// A list file dropped onto the import window (or opened with Ctrl+O): its
// text as the paste box takes it, tab-separated lines ready for the check.
// Encodings: UTF-8 with or without a mark, UTF-16LE/BE with a mark, and the
// ANSI code page when the bytes are not valid UTF-8. A .csv file is read by
// the usual CSV rules and turned into name TAB amount.
#pragma once

#include <string>
#include <string_view>

enum class ImportFileOutcome { Read, Empty, TooLong };

struct ImportFileText {
    ImportFileOutcome outcome = ImportFileOutcome::Read;
    std::wstring text;         // for the paste box: name TAB amount per line
    int linesWithMoreColumns = 0;  // CSV rows whose third and later columns were dropped
};

// The file's characters in whichever encoding its bytes show.
std::wstring DecodeImportFile(std::string_view bytes);

// CSV text (comma separated, quoted fields, "" for ", line breaks inside
// quotes) as tab-separated name and amount lines; a cell holding a quote, a
// TAB or a line break is quoted again as a spreadsheet's clipboard quotes it.
std::wstring CsvToImportText(std::wstring_view csv, int& linesWithMoreColumns);

// The whole turn from bytes to paste text; `csv` for files named *.csv.
// Longer than `limit` characters is refused.
ImportFileText ImportTextFromFile(std::string_view bytes, bool csv, size_t limit);
