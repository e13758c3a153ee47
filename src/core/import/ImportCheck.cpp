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

std::pair<std::wstring, std::wstring> SplitImportLine(std::wstring_view line, std::wstring_view unit) {
    const std::wstring t = TrimText(line);
    if (t.empty() || t[0] == L'#') return {};
    // A spreadsheet row keeps names with spaces or commas whole: when the line
    // has a TAB, the columns are what splits it.
    size_t p = t.find(L'\t');
    if (p == std::wstring::npos) {
        p = 0;
        while (p < t.size() && !IsImportSeparator(t[p])) ++p;
        if (p == t.size()) return {};
    }
    return {StoredText(std::wstring_view(t).substr(0, p)), NormalizeAmount(std::wstring_view(t).substr(p + 1), unit)};
}

ImportCheck CheckImportText(std::wstring_view text, const DonationList& list, std::wstring_view unit,
                            bool thousandsSeparator) {
    std::set<std::wstring> keys;
    for (const DonationEntry& entry : list) keys.insert(DuplicateKey(entry.name, entry.amount));

    ImportCheck check;
    int lineNumber = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring_view::npos) end = text.size();
        const std::wstring_view line = text.substr(start, end - start);
        ++lineNumber;
        start = end + 1;
        if (TrimText(line).empty()) continue;
        ImportCheckResult result;
        std::tie(result.name, result.amount) = SplitImportLine(line, unit);
        result.lineNumber = lineNumber;
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
