#include "core/list/DisplayText.h"

std::wstring DisplayCut(std::wstring_view text, size_t limit) {
    if (text.size() <= limit) return std::wstring(text);
    size_t keep = limit;
    // A high surrogate at the cut would leave half a character.
    if (keep > 0 && text[keep - 1] >= 0xD800 && text[keep - 1] <= 0xDBFF) --keep;
    std::wstring cut(text.substr(0, keep));
    cut += L'\x2026';
    return cut;
}
