#include "core/import/ImportCheck.h"

#include <set>
#include <tuple>

#include "core/list/AmountText.h"

namespace {

constexpr wchar_t kUnusableReason[] = L"缺少姓名/公司(机构)名称或金额";

bool IsImportSeparator(wchar_t c) { return c == L',' || c == L'\xFF0C' || c == L'\t' || c == L' '; }

std::wstring DuplicateKey(const std::wstring& name, const std::wstring& amount) { return name + L'\t' + amount; }

std::wstring ReportLine(const ImportCheckResult& r, bool thousandsSeparator) {
    std::wstring line = std::to_wstring(r.lineNumber) + L".  ";
    if (!r.valid) return line + L"无效行  [" + r.reason + L"]\r\n";
    line += r.name + L"    " + FormatAmountForDisplay(r.amount, thousandsSeparator);
    if (r.duplicate) line += L"  [重复，仍会加入]";
    return line + L"\r\n";
}

}  // namespace

namespace {

// A spreadsheet's quoted cell at the start of `text`: the outer quotes go
// and "" becomes ". It must close with a lone quote followed (after spaces)
// by a TAB or the end; `end` is then where the cell's text ends.
bool ReadQuotedCell(std::wstring_view text, std::wstring& cell, size_t& end) {
    if (text.empty() || text[0] != L'"') return false;
    cell.clear();
    for (size_t i = 1; i < text.size(); ++i) {
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;  // one break, one space
        if (text[i] != L'"') {
            cell += text[i];
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == L'"') {
            cell += L'"';
            ++i;
            continue;
        }
        size_t after = i + 1;
        while (after < text.size() && text[after] == L' ') ++after;
        if (after < text.size() && text[after] != L'\t') return false;
        end = after;
        return true;
    }
    return false;
}

// A cell as the spreadsheet meant it: quoted cells unquoted, others as they stand.
std::wstring CellText(std::wstring_view cell) {
    const std::wstring t = TrimText(cell);
    std::wstring unquoted;
    size_t end = 0;
    if (ReadQuotedCell(t, unquoted, end) && end == t.size()) return unquoted;
    return t;
}

}  // namespace

std::pair<std::wstring, std::wstring> SplitImportLine(std::wstring_view line, std::wstring_view unit) {
    const std::wstring t = TrimText(line);
    if (t.empty() || t[0] == L'#') return {};
    // A spreadsheet row keeps names with spaces or commas whole: when the line
    // has a TAB, the columns are what splits it, with the clipboard's quoting.
    if (t.find(L'\t') != std::wstring::npos) {
        std::wstring name;
        size_t end = 0;
        size_t p = t.find(L'\t');
        if (ReadQuotedCell(t, name, end) && end < t.size()) {
            p = end;  // the TAB after the closing quote
        } else {
            name = t.substr(0, p);  // an unmatched quote is an ordinary character
        }
        return {StoredText(name), NormalizeAmount(CellText(std::wstring_view(t).substr(p + 1)), unit)};
    }
    size_t p = 0;
    while (p < t.size() && !IsImportSeparator(t[p])) ++p;
    if (p == t.size()) return {};
    return {StoredText(std::wstring_view(t).substr(0, p)), NormalizeAmount(std::wstring_view(t).substr(p + 1), unit)};
}

size_t QuotedCellSpan(std::wstring_view text, size_t start) {
    size_t first = start;
    while (first < text.size() && (text[first] == L' ' || text[first] == L'\t')) ++first;
    if (first >= text.size() || text[first] != L'"') return 0;
    const size_t lineEnd = text.find(L'\n', start);
    std::wstring cell;
    size_t end = 0;
    // Closed on its own line: nothing to join.
    const std::wstring_view firstLine = text.substr(first, (lineEnd == std::wstring_view::npos ? text.size() : lineEnd) - first);
    if (lineEnd == std::wstring_view::npos || ReadQuotedCell(TrimText(firstLine), cell, end)) return 0;
    // A cell that runs over line breaks: find its closing quote, followed by
    // the row's TAB; at most kMaxCellLines lines, so a stray quote can never
    // swallow the rest of the paste.
    constexpr int kMaxCellLines = 64;
    size_t next = lineEnd;
    for (int lines = 1; lines < kMaxCellLines && next != std::wstring_view::npos; ++lines) {
        next = text.find(L'\n', next + 1);
        const size_t stop = next == std::wstring_view::npos ? text.size() : next;
        std::wstring_view record = text.substr(first, stop - first);
        while (!record.empty() && (record.back() == L'\r' || record.back() == L' ')) record.remove_suffix(1);
        if (ReadQuotedCell(record, cell, end)) {
            if (end < record.size()) return static_cast<size_t>(lines);  // a proper row: the cell, then a TAB
            return 0;
        }
    }
    return 0;
}

ImportCheck CheckImportText(std::wstring_view text, const DonationList& list, std::wstring_view unit,
                            bool thousandsSeparator) {
    std::set<std::wstring> keys;
    for (const DonationEntry& entry : list) keys.insert(DuplicateKey(entry.name, entry.amount));

    ImportCheck check;
    int lineNumber = 0;
    size_t start = 0;
    while (start <= text.size()) {
        // A quoted cell may hold line breaks: its row runs over those lines,
        // which still count for the numbering.
        const size_t extraLines = QuotedCellSpan(text, start);
        size_t end = text.find(L'\n', start);
        for (size_t i = 0; i < extraLines; ++i) end = text.find(L'\n', end + 1);
        if (end == std::wstring_view::npos) end = text.size();
        const std::wstring_view line = text.substr(start, end - start);
        ++lineNumber;
        const int rowLine = lineNumber;
        lineNumber += static_cast<int>(extraLines);
        start = end + 1;
        if (TrimText(line).empty()) continue;
        ImportCheckResult result;
        std::tie(result.name, result.amount) = SplitImportLine(line, unit);
        result.lineNumber = rowLine;
        if (result.name.empty() || result.amount.empty()) {
            result.reason = kUnusableReason;
        } else {
            result.valid = true;
            result.duplicate = !keys.insert(DuplicateKey(result.name, result.amount)).second;
        }
        check.results.push_back(std::move(result));
    }

    int unusable = 0;
    int duplicates = 0;
    for (const ImportCheckResult& r : check.results) {
        if (r.valid) ++check.validCount; else ++unusable;
        if (r.duplicate) ++duplicates;
    }
    check.report = L"可加入 " + std::to_wstring(check.validCount) + L" 条  \x00B7  无效 " + std::to_wstring(unusable) +
                   L" 条  \x00B7  重复 " + std::to_wstring(duplicates) + L" 条\r\n\r\n";
    for (const ImportCheckResult& r : check.results) check.report += ReportLine(r, thousandsSeparator);
    return check;
}
