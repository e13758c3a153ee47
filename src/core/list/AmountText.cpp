#include "core/list/AmountText.h"


namespace {

bool IsTrimmed(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == 0xFEFF;
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

bool IsGroupSeparator(wchar_t c) { return c == L',' || c == 0xFF0C; }

bool IsNumberCharacter(wchar_t c) { return IsDigit(c) || c == L'.' || IsGroupSeparator(c); }

}  // namespace

std::wstring TrimText(std::wstring_view text) {
    size_t first = 0;
    while (first < text.size() && IsTrimmed(text[first])) ++first;
    size_t last = text.size();
    while (last > first && IsTrimmed(text[last - 1])) --last;
    return std::wstring(text.substr(first, last - first));
}

std::wstring StoredText(std::wstring_view text) {
    std::wstring out = TrimText(text);
    for (wchar_t& c : out) {
        if (c == L'\t' || c == L'\r' || c == L'\n') c = L' ';
    }
    return out;
}

namespace {

// Steps 1 to 4 of the stored form: the number's decimal clean-up.
std::wstring CleanNumber(const std::wstring& t) {
    size_t numberEnd = 0;
    while (numberEnd < t.size() && IsNumberCharacter(t[numberEnd])) ++numberEnd;
    std::wstring number = t.substr(0, numberEnd);

    const size_t point = number.find(L'.');
    if (point != std::wstring::npos) {
        bool onlyZerosAfter = true;
        for (size_t i = point + 1; i < number.size(); ++i) {
            if (number[i] != L'0') { onlyZerosAfter = false; break; }
        }
        if (onlyZerosAfter) {
            number.erase(point);
        } else {
            while (!number.empty() && number.back() == L'0') number.pop_back();
        }
    }
    return TrimText(number + t.substr(numberEnd));
}

}  // namespace

std::wstring NormalizeAmount(std::wstring_view input, std::wstring_view unit) {
    // Dropping a lone "." may uncover a space and another number (". .5");
    // cleaning until nothing changes makes a stored amount read back as
    // itself, trimmed. Each round that changes the text shortens it.
    std::wstring result = StoredText(input);
    for (std::wstring next = CleanNumber(result); next != result; next = CleanNumber(result)) result = next;
    if (!result.empty() && (IsDigit(result.back()) || result.back() == L'.')) result += unit;
    return result;
}


std::wstring FormatAmountForDisplay(std::wstring_view amount, bool thousandsSeparator) {
    const std::wstring unchanged(amount);
    if (amount.empty()) return unchanged;
    const size_t signLength = (amount[0] == L'+' || amount[0] == L'-') ? 1 : 0;
    if (signLength == amount.size()) return unchanged;

    std::wstring digits;
    size_t groupDigits = 0;
    bool separatorSeen = false;
    size_t i = signLength;
    for (; i < amount.size(); ++i) {
        const wchar_t c = amount[i];
        if (IsDigit(c)) {
            digits += c;
            ++groupDigits;
        } else if (IsGroupSeparator(c)) {
            if (groupDigits == 0) return unchanged;
            if (!separatorSeen && groupDigits > 3) return unchanged;
            if (separatorSeen && groupDigits != 3) return unchanged;
            separatorSeen = true;
            groupDigits = 0;
        } else {
            break;
        }
    }
    if (digits.empty()) return unchanged;
    if (separatorSeen && groupDigits != 3) return unchanged;

    if (i < amount.size() && amount[i] == L'.') {
        size_t j = i + 1;
        if (j >= amount.size() || !IsDigit(amount[j])) return unchanged;
        while (j < amount.size() && IsDigit(amount[j])) ++j;
        if (j < amount.size() && (amount[j] == L',' || amount[j] == L'.' || amount[j] == 0xFF0C)) {
            return unchanged;
        }
    }

    std::wstring result(amount.substr(0, signLength));
    result.reserve(amount.size() + digits.size() / 3);
    for (size_t k = 0; k < digits.size(); ++k) {
        const size_t following = digits.size() - k - 1;
        if (thousandsSeparator && k > 0 && (following + 1) % 3 == 0) result += L',';
        result += digits[k];
    }
    result.append(amount.substr(i));
    return result;
}
