#include "panel/StatusLine.h"

#include <cwchar>

#include "app/AppState.h"
#include "panel/PanelIds.h"

std::wstring StatusTimeSuffix(const SYSTEMTIME& t) {
    wchar_t buffer[16];
    std::swprintf(buffer, 16, L"  %02u:%02u:%02u", static_cast<unsigned>(t.wHour), static_cast<unsigned>(t.wMinute),
                  static_cast<unsigned>(t.wSecond));
    return buffer;
}

void SetStatusText(const std::wstring& text, bool withTime) {
    std::wstring shown = text;
    if (withTime) {
        SYSTEMTIME now{};
        GetLocalTime(&now);
        shown += StatusTimeSuffix(now);
    }
    g_app.statusText = shown;
    if (g_app.controlPanel) {
        if (HWND line = GetDlgItem(g_app.controlPanel, kIdStatusLine)) SetWindowTextW(line, shown.c_str());
    }
}
