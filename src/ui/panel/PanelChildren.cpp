#include "ui/panel/PanelChildren.h"

#include <commctrl.h>

#include "app/AppState.h"
#include "ui/Scale.h"
#include "platform/Dpi.h"
#include "ui/panel/CentredTextBox.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/PanelIds.h"
#include "platform/CommonControls.h"
#include "platform/WindowTheme.h"

namespace {


// Ctrl+A selects the whole text of any panel text box.
LRESULT CALLBACK PanelEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && wParam == 'A' && (GetKeyState(VK_CONTROL) & 0x8000)) {
        SendMessageW(window, EM_SETSEL, 0, -1);
        return 0;
    }
    if (message == WM_CHAR && wParam == 1) return 0;  // the Ctrl+A character would beep
    LRESULT result = 0;
    if (IsSingleLineTextBox(window) &&
        CentredTextBoxMessage(window, message, wParam, lParam, g_app.panel->editProc, result)) {
        return result;
    }
    return CallWindowProcW(g_app.panel->editProc, window, message, wParam, lParam);
}

HWND SettingsPane() {
    return g_app.panel->window ? GetDlgItem(g_app.panel->window, kIdSettingsPane) : nullptr;
}

// The wheel over a slider scrolls the settings page instead of moving the slider.
LRESULT CALLBACK PanelSliderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
        case WM_MOUSEWHEEL: {
            HWND pane = SettingsPane();
            if (pane) {
                RECT r{};
                GetWindowRect(pane, &r);
                const POINT cursor{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
                if (GetParent(window) == pane || PtInRect(&r, cursor)) SendMessageW(pane, message, wParam, lParam);
            }
            return 0;
        }
        case WM_MOUSEHWHEEL: return 0;
        case WM_NCDESTROY: comctl::RemoveWindowSubclass(window, PanelSliderProc, 1); break;
        default: break;
    }
    return comctl::DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

HWND CreatePanelTooltip(HWND panel) {
    g_app.panel->tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, panel, nullptr, g_app.instance, nullptr);
    if (g_app.panel->tooltip) SendMessageW(g_app.panel->tooltip, TTM_SETMAXTIPWIDTH, 0, S(300));
    return g_app.panel->tooltip;
}

int TrackPanelMenu(HMENU menu, UINT flags, int x, int y) {
    HWND tooltip = g_app.panel->tooltip;
    if (tooltip) {
        SendMessageW(tooltip, TTM_POP, 0, 0);
        SendMessageW(tooltip, TTM_ACTIVATE, FALSE, 0);
    }
    const int chosen = static_cast<int>(TrackPopupMenu(menu, flags | TPM_RETURNCMD, x, y, 0, g_app.panel->window, nullptr));
    if (tooltip) SendMessageW(tooltip, TTM_ACTIVATE, TRUE, 0);
    return chosen;
}

void AddTooltip(HWND control, const wchar_t* text) {
    if (!g_app.panel->tooltip || !control) return;
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = g_app.panel->window;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(g_app.panel->tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

HWND CreatePanelChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD extraStyle, int id) {
    const bool isStatic = lstrcmpiW(className, L"STATIC") == 0;
    const bool isButton = lstrcmpiW(className, L"BUTTON") == 0;
    const bool isEdit = lstrcmpiW(className, L"EDIT") == 0;
    const bool isSlider = lstrcmpiW(className, TRACKBAR_CLASSW) == 0;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | extraStyle;
    if (!isStatic) style |= WS_TABSTOP;
    if (isButton) style |= BS_OWNERDRAW;
    if (isSlider) style |= TBS_BOTH | TBS_FIXEDLENGTH;
    HWND control = CreateWindowExW(isEdit ? WS_EX_CLIENTEDGE : 0, className, text, style, 0, 0, S(100), S(30), parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), g_app.instance, nullptr);
    if (!control) return nullptr;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(g_app.panel->uiFont.get()), FALSE);
    ApplyExplorerTheme(control);
    if (isSlider) comctl::SetWindowSubclass(control, PanelSliderProc, 1, 0);
    if (isEdit) {
        WNDPROC previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PanelEditProc)));
        if (!g_app.panel->editProc) g_app.panel->editProc = previous;
        SendMessageW(control, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(S(6), S(6)));
        // The frame was worked out before the subclass: once more, centred.
        SetWindowPos(control, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return control;
}

void LayoutTrackbar(HWND slider, int x, int y, int width, int height) {
    if (!slider) return;
    SendMessageW(slider, TBM_SETTHUMBLENGTH, S(18), 0);
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(slider, nullptr, S(x), S(y), S(width), S(height), flags);
    RECT channel{};
    SendMessageW(slider, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    const int c = channel.top + channel.bottom;
    if (c > 0 && S(height) >= c) {
        SetWindowPos(slider, nullptr, S(x), S(y) + (S(height) - c) / 2, S(width), c, flags);
    }
}
