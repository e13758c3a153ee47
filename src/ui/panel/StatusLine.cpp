#include "ui/panel/StatusLine.h"

#include <algorithm>
#include <cwchar>

#include <commctrl.h>

#include "app/AppState.h"
#include "platform/WindowText.h"
#include "platform/WinHandles.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/PanelColors.h"
#include "ui/panel/PanelIds.h"
#include "platform/CommonControls.h"

namespace {

constexpr UINT_PTR kStatusSubclassId = 3;
constexpr size_t kTimeSuffixLength = 10;  // "  HH:MM:SS"
constexpr wchar_t kEllipsis[] = L"\x2026";

std::wstring Shortened(const std::wstring& text, size_t kept, size_t keepTail) {
    const size_t tail = std::min(kept, std::max(kept - kept / 2, keepTail));
    const size_t head = kept - tail;
    return text.substr(0, head) + kEllipsis + text.substr(text.size() - tail);
}

void PaintStatusLine(HWND line) {
    PaintScope paint(line);
    RECT client{};
    GetClientRect(line, &client);
    UniqueBrush fill(CreateSolidBrush(kPanelStatusStrip));
    FillRect(paint.get(), &client, fill.get());
    HFONT font = g_app.panel->uiFont ? g_app.panel->uiFont.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SelectedObject selected(paint.get(), font);
    SetBkMode(paint.get(), TRANSPARENT);
    SetTextColor(paint.get(), kPanelText);

    const std::wstring text = WindowText(line);
    HDC dc = paint.get();
    const auto measure = [dc](const std::wstring& s) {
        SIZE size{};
        GetTextExtentPoint32W(dc, s.c_str(), static_cast<int>(s.size()), &size);
        return static_cast<int>(size.cx);
    };
    const std::wstring shown = FitStatusText(text, client.right, kTimeSuffixLength, measure);
    DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &client, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

LRESULT CALLBACK StatusLineProc(HWND line, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
    switch (message) {
        case WM_PAINT: PaintStatusLine(line); return 0;
        case WM_ERASEBKGND: return 1;  // the paint fills the whole line
        case WM_SETTEXT: {
            const LRESULT result = comctl::DefSubclassProc(line, message, wParam, lParam);
            InvalidateRect(line, nullptr, FALSE);
            return result;
        }
        case WM_NCDESTROY: comctl::RemoveWindowSubclass(line, StatusLineProc, id); break;
        default: break;
    }
    return comctl::DefSubclassProc(line, message, wParam, lParam);
}

}  // namespace

std::wstring StatusTimeSuffix(const SYSTEMTIME& t) {
    wchar_t buffer[16];
    std::swprintf(buffer, 16, L"  %02u:%02u:%02u", static_cast<unsigned>(t.wHour), static_cast<unsigned>(t.wMinute),
                  static_cast<unsigned>(t.wSecond));
    return buffer;
}

void SetStatusText(const std::wstring& text, bool withTime) {
    if (!g_app.panel->window) return;
    std::wstring shown = text;
    if (withTime) {
        SYSTEMTIME now{};
        GetLocalTime(&now);
        shown += StatusTimeSuffix(now);
    }
    g_app.statusText = shown;
    if (HWND line = GetDlgItem(g_app.panel->window, kIdStatusLine)) SetWindowTextW(line, shown.c_str());
    InvalidateRect(g_app.panel->window, nullptr, FALSE);
}

std::wstring FitStatusText(const std::wstring& text, int width, size_t keepTail,
                           const std::function<int(const std::wstring&)>& measure) {
    if (text.empty() || measure(text) <= width) return text;
    // The most characters that still fit around the ellipsis.
    size_t low = 0;
    size_t high = text.size() - 1;
    while (low < high) {
        const size_t mid = (low + high + 1) / 2;
        if (measure(Shortened(text, mid, keepTail)) <= width) {
            low = mid;
        } else {
            high = mid - 1;
        }
    }
    return Shortened(text, low, keepTail);
}

void AttachStatusLinePainter(HWND statusLine) {
    if (statusLine) comctl::SetWindowSubclass(statusLine, StatusLineProc, kStatusSubclassId, 0);
}
