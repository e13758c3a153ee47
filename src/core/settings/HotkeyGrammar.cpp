#include "core/settings/HotkeyGrammar.h"

#include <cwchar>

namespace {

std::wstring UpperAscii(std::wstring text) {
    for (wchar_t& c : text) {
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    return text;
}

std::wstring TrimToken(const std::wstring& token) {
    const wchar_t* blanks = L" \t\r\n";
    const size_t first = token.find_first_not_of(blanks);
    if (first == std::wstring::npos) return L"";
    return token.substr(first, token.find_last_not_of(blanks) - first + 1);
}

// F1-F24 as a virtual key; 0 when the token is not one.
UINT FunctionKey(const std::wstring& token) {
    wchar_t* end = nullptr;
    const long n = std::wcstol(token.c_str() + 1, &end, 10);
    if (end == token.c_str() + 1 || n < 1 || n > 24) return 0;
    return static_cast<UINT>(111 + n);
}

}  // namespace

ParsedHotkey ParseHotkey(const std::wstring& text) {
    ParsedHotkey result;
    size_t start = 0;
    while (start <= text.size()) {
        size_t plus = text.find(L'+', start);
        if (plus == std::wstring::npos) plus = text.size();
        const std::wstring token = UpperAscii(TrimToken(text.substr(start, plus - start)));
        start = plus + 1;
        if (token.empty()) continue;
        if (token == L"CTRL" || token == L"CONTROL") {
            result.binding.modifiers |= MOD_CONTROL;
        } else if (token == L"ALT") {
            result.binding.modifiers |= MOD_ALT;
        } else if (token == L"SHIFT") {
            result.binding.modifiers |= MOD_SHIFT;
        } else if (token == L"WIN") {
            result.binding.modifiers |= MOD_WIN;
        } else if (token.size() == 1 && ((token[0] >= L'A' && token[0] <= L'Z') || (token[0] >= L'0' && token[0] <= L'9'))) {
            result.binding.virtualKey = token[0];
        } else if (token.size() >= 2 && token[0] == L'F') {
            if (const UINT key = FunctionKey(token)) result.binding.virtualKey = key;
        }
    }
    result.valid = result.binding.modifiers != 0 && result.binding.virtualKey != 0;
    return result;
}

const wchar_t* DefaultHotkeyText(int id) {
    static const wchar_t* const defaults[kHotkeyCount] = {L"Ctrl+Alt+D", L"Ctrl+Alt+H", L"Ctrl+Alt+V",
                                                          L"Ctrl+Alt+P"};
    return defaults[id - 1];
}
