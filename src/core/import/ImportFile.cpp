#include "core/import/ImportFile.h"

#include <windows.h>

#include <vector>

#include "core/list/Utf8.h"

namespace {

bool StartsWith(std::string_view bytes, std::string_view prefix) { return bytes.substr(0, prefix.size()) == prefix; }

std::wstring FromUtf16(std::string_view bytes, bool little) {
    std::wstring text;
    text.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const unsigned char a = static_cast<unsigned char>(bytes[i]);
        const unsigned char b = static_cast<unsigned char>(bytes[i + 1]);
        text += static_cast<wchar_t>(little ? (a | (b << 8)) : ((a << 8) | b));
    }
    return text;
}

std::wstring FromAnsi(std::string_view bytes) {
    if (bytes.empty()) return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
    return text;
}

// A cell in the paste box's form: quoted when it holds what would split it.
std::wstring PasteCell(const std::wstring& cell) {
    if (cell.find_first_of(L"\"\t\r\n") == std::wstring::npos) return cell;
    std::wstring quoted = L"\"";
    for (wchar_t c : cell) {
        if (c == L'"') quoted += L'"';
        quoted += c;
    }
    return quoted + L"\"";
}

}  // namespace

std::wstring DecodeImportFile(std::string_view bytes) {
    if (StartsWith(bytes, "\xFF\xFE")) return FromUtf16(bytes.substr(2), true);
    if (StartsWith(bytes, "\xFE\xFF")) return FromUtf16(bytes.substr(2), false);
    if (StartsWith(bytes, "\xEF\xBB\xBF")) return FromUtf8(bytes.substr(3));
    if (IsValidUtf8(bytes)) return FromUtf8(bytes);
    return FromAnsi(bytes);  // Chinese spreadsheets save "CSV" in the ANSI code page
}

std::wstring CsvToImportText(std::wstring_view csv, int& linesWithMoreColumns) {
    linesWithMoreColumns = 0;
    std::wstring out;
    std::vector<std::wstring> row(1);
    bool quoted = false;
    bool any = false;
    auto endRow = [&] {
        if (any) {
            out += PasteCell(row[0]);
            if (row.size() > 1) out += L"\t" + PasteCell(row[1]);
            if (row.size() > 2) ++linesWithMoreColumns;
        }
        out += L"\r\n";
        row.assign(1, std::wstring());
        any = false;
    };
    for (size_t i = 0; i < csv.size(); ++i) {
        const wchar_t c = csv[i];
        if (quoted) {
            if (c == L'"' && i + 1 < csv.size() && csv[i + 1] == L'"') {
                row.back() += L'"';
                ++i;
            } else if (c == L'"') {
                quoted = false;
            } else if (c != L'\r' || i + 1 >= csv.size() || csv[i + 1] != L'\n') {
                row.back() += c;  // a CR LF inside a cell is kept as one LF
            }
            continue;
        }
        switch (c) {
            case L'"':
                quoted = true;
                any = true;
                break;
            case L',':
                row.emplace_back();
                any = true;
                break;
            case L'\r': break;
            case L'\n': endRow(); break;
            default:
                row.back() += c;
                any = true;
                break;
        }
    }
    if (any) endRow();
    return out;
}

ImportFileText ImportTextFromFile(std::string_view bytes, bool csv, size_t limit) {
    ImportFileText result;
    // No encoding takes more than four bytes a character: a larger file is
    // refused before it is decoded.
    if (bytes.size() > limit * 4 + 4) {
        result.outcome = ImportFileOutcome::TooLong;
        return result;
    }
    const std::wstring text = DecodeImportFile(bytes);
    result.text = csv ? CsvToImportText(text, result.linesWithMoreColumns) : text;
    if (result.text.size() > limit) {
        result.outcome = ImportFileOutcome::TooLong;
        result.text.clear();
    } else if (result.text.find_first_not_of(L" \t\r\n\xFEFF") == std::wstring::npos) {
        result.outcome = ImportFileOutcome::Empty;
        result.text.clear();
    }
    return result;
}
