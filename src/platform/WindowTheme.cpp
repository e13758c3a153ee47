#include "platform/WindowTheme.h"

#include "platform/SystemLibrary.h"

namespace {

using SetWindowThemeFunction = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);

SetWindowThemeFunction LoadSetWindowTheme() {
    SetWindowThemeFunction function = nullptr;
    const SystemFunction table[] = {{"SetWindowTheme", reinterpret_cast<void**>(&function)}};
    std::wstring missing;
    LoadSystemFunctions(L"uxtheme.dll", table, 1, missing);
    return function;
}

}  // namespace

void ApplyExplorerTheme(HWND control) {
    static const SetWindowThemeFunction setWindowTheme = LoadSetWindowTheme();
    if (setWindowTheme) setWindowTheme(control, L"Explorer", nullptr);
}
