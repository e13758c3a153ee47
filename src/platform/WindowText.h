// The whole text of a window, whatever its length.
#pragma once

#include <windows.h>

#include <string>

// Empty for a null window.
inline std::wstring WindowText(HWND window) {
    if (!window) return {};
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}
