#include "ui/panel/LargeCheckbox.h"

#include <algorithm>

#include "app/AppState.h"
#include "ui/Scale.h"
#include "platform/Dpi.h"
#include "ui/panel/ControlPanel.h"

namespace {

constexpr int kStateOffset = 0;
constexpr int kPressedOffset = 8;


LONG_PTR State(HWND w) { return GetWindowLongPtrW(w, kStateOffset); }
bool Pressed(HWND w) { return GetWindowLongPtrW(w, kPressedOffset) != 0; }
void SetPressed(HWND w, bool pressed) { SetWindowLongPtrW(w, kPressedOffset, pressed ? 1 : 0); }
void Repaint(HWND w) { InvalidateRect(w, nullptr, FALSE); }

LRESULT OnPaint(HWND w) {
    PaintScope paint(w);
    HDC dc = paint.get();
    RECT client{};
    GetClientRect(w, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const int h = client.bottom;
    const int e = std::min(S(22), std::max(S(16), h - S(4)));
    RECT box{S(2), (h - e) / 2, S(2) + e, (h + e) / 2};
    UINT state = DFCS_BUTTONCHECK;
    if (State(w) == 1) state |= DFCS_CHECKED;
    if (Pressed(w)) state |= DFCS_PUSHED;
    if (!IsWindowEnabled(w)) state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &box, DFC_BUTTON, state);

    wchar_t text[128] = {};
    GetWindowTextW(w, text, 128);
    RECT label{box.right + S(7), 0, client.right, h};
    HFONT font = g_app.panel->uiFont ? g_app.panel->uiFont.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SelectedObject selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(w) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    DrawTextW(dc, text, -1, &label, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (GetFocus() == w) {
        RECT focus{box.left, S(1), client.right - S(1), client.bottom - S(1)};
        DrawFocusRect(dc, &focus);
    }
    return 0;
}

LRESULT OnButtonUp(HWND w, LPARAM lParam) {
    const bool wasPressed = Pressed(w);
    SetPressed(w, false);
    if (GetCapture() == w) ReleaseCapture();
    // With the mouse captured the release point may lie outside the box.
    const POINT cursor{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    RECT client{};
    GetClientRect(w, &client);
    if (wasPressed && PtInRect(&client, cursor)) ToggleCheckAndNotify(w);
    Repaint(w);
    return 0;
}

}  // namespace

void ToggleCheckAndNotify(HWND checkbox) {
    SendMessageW(checkbox, BM_SETCHECK, State(checkbox) == 1 ? 0 : 1, 0);
    SendMessageW(GetParent(checkbox), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(checkbox), BN_CLICKED),
                 reinterpret_cast<LPARAM>(checkbox));
}

LRESULT CALLBACK LargeCheckboxProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: return OnPaint(w);
        case WM_ERASEBKGND: return 1;
        case WM_GETDLGCODE: return DLGC_BUTTON;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE: Repaint(w); return 0;
        case WM_KEYDOWN:
            if (wParam != VK_SPACE) break;
            SetPressed(w, true);
            Repaint(w);
            return 0;
        case WM_KEYUP:
            if (wParam != VK_SPACE || !Pressed(w)) break;
            SetPressed(w, false);
            ToggleCheckAndNotify(w);
            Repaint(w);
            return 0;
        case WM_LBUTTONDOWN:
            SetFocus(w);
            SetCapture(w);
            SetPressed(w, true);
            Repaint(w);
            return 0;
        case WM_LBUTTONUP: return OnButtonUp(w, lParam);
        case WM_CAPTURECHANGED:
            SetPressed(w, false);
            Repaint(w);
            return 0;
        case BM_GETCHECK: return State(w);
        case BM_SETCHECK:
            SetWindowLongPtrW(w, kStateOffset, wParam == 1 ? 1 : 0);
            Repaint(w);
            return 0;
        case BM_CLICK: ToggleCheckAndNotify(w); return 0;
        default: break;
    }
    return DefWindowProcW(w, message, wParam, lParam);
}
