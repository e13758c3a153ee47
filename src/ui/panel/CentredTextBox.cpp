#include "ui/panel/CentredTextBox.h"

#include "platform/WinHandles.h"

namespace {

int LineHeight(HWND edit) {
    WindowDC dc(edit);
    if (!dc) return 0;
    auto* font = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
    SelectedObject selected(dc.get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics{};
    if (!GetTextMetricsW(dc.get(), &metrics)) return 0;
    return metrics.tmHeight;
}

// The client area lies centred inside the border, one line (and a pixel
// either side, for the caret) high.
LRESULT OnNcCalcSize(HWND edit, WPARAM wParam, LPARAM lParam, WNDPROC base) {
    const LRESULT result = CallWindowProcW(base, edit, WM_NCCALCSIZE, wParam, lParam);
    RECT& client = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : *reinterpret_cast<RECT*>(lParam);
    const int line = LineHeight(edit);
    const int spare = (client.bottom - client.top) - (line + 2);
    if (line > 0 && spare > 1) {
        client.top += spare / 2;
        client.bottom -= spare - spare / 2;
    }
    // The line moves within the window when its height changes: everything is drawn anew.
    return wParam ? (result | WVR_REDRAW) : result;
}

// The border's width: what the default frame takes on the left.
int BorderWidth(HWND edit, const RECT& window, const RECT& client) {
    POINT origin{client.left, client.top};
    ClientToScreen(edit, &origin);
    return origin.x - window.left;
}

// The bands above and below the line, inside the border (window coordinates).
void BandsOf(HWND edit, RECT& above, RECT& below) {
    RECT window{};
    GetWindowRect(edit, &window);
    RECT client{};
    GetClientRect(edit, &client);
    POINT origin{0, 0};
    ClientToScreen(edit, &origin);
    const int border = BorderWidth(edit, window, client);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int top = origin.y - window.top;
    above = RECT{border, border, width - border, top};
    below = RECT{border, top + client.bottom, width - border, height - border};
}

LRESULT OnNcPaint(HWND edit, WPARAM wParam, LPARAM lParam, WNDPROC base) {
    const LRESULT result = CallWindowProcW(base, edit, WM_NCPAINT, wParam, lParam);  // the border
    RECT above{};
    RECT below{};
    BandsOf(edit, above, below);
    WindowDC dc(edit, WindowDC::WholeWindow);
    if (!dc) return result;
    // The same background the edit paints behind its text, as its parent gives it.
    const LONG style = GetWindowLongW(edit, GWL_STYLE);
    const UINT ask = ((style & ES_READONLY) || !IsWindowEnabled(edit)) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(edit), ask, reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(edit)));
    if (!brush) brush = GetSysColorBrush(COLOR_WINDOW);  // system brush: never deleted
    if (above.bottom > above.top) FillRect(dc.get(), &above, brush);
    if (below.bottom > below.top) FillRect(dc.get(), &below, brush);
    return result;
}

// A click in a band lands in the box, as anywhere inside its border.
LRESULT OnNcHitTest(HWND edit, WPARAM wParam, LPARAM lParam, WNDPROC base) {
    const LRESULT hit = CallWindowProcW(base, edit, WM_NCHITTEST, wParam, lParam);
    if (hit == HTCLIENT) return hit;
    RECT window{};
    GetWindowRect(edit, &window);
    RECT client{};
    GetClientRect(edit, &client);
    const int border = BorderWidth(edit, window, client);
    InflateRect(&window, -border, -border);
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return PtInRect(&window, at) ? HTCLIENT : hit;
}

}  // namespace

bool IsSingleLineTextBox(HWND edit) { return !(GetWindowLongW(edit, GWL_STYLE) & ES_MULTILINE); }

bool CentredTextBoxMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, WNDPROC base, LRESULT& result) {
    switch (message) {
        case WM_NCCALCSIZE: result = OnNcCalcSize(edit, wParam, lParam, base); return true;
        case WM_NCPAINT: result = OnNcPaint(edit, wParam, lParam, base); return true;
        case WM_NCHITTEST: result = OnNcHitTest(edit, wParam, lParam, base); return true;
        case WM_SETFONT:
            // A new font is a new line height: the frame is worked out again.
            result = CallWindowProcW(base, edit, message, wParam, lParam);
            SetWindowPos(edit, nullptr, 0, 0, 0, 0,
                         SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return true;
        default: return false;
    }
}
