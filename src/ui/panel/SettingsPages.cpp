#include "ui/panel/SettingsPages.h"

#include <algorithm>

#include "app/AppState.h"
#include "ui/Scale.h"
#include "platform/Dpi.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/PanelChildren.h"
#include "ui/panel/PanelColors.h"
#include "ui/panel/PanelIds.h"


namespace {

HWND Pane() { return g_app.panel->window ? GetDlgItem(g_app.panel->window, kIdSettingsPane) : nullptr; }

int PaneLogicalHeight(HWND pane) {
    RECT client{};
    GetClientRect(pane, &client);
    return static_cast<int>(client.bottom / g_app.dpiScale + 0.5);
}

// The scroll bar's own page size, as the platform may have adjusted it.
int PageSize(HWND pane, int view) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_PAGE;
    if (!GetScrollInfo(pane, SB_VERT, &info)) return view;
    return static_cast<int>(info.nPage);
}

// The 32-bit track position; the message's own word holds only 16 bits.
int TrackPosition(HWND pane, WPARAM wParam) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_TRACKPOS;
    if (!GetScrollInfo(pane, SB_VERT, &info)) return HIWORD(wParam);
    return info.nTrackPos;
}

void ScrollPageTo(int position) {
    g_app.panel->pages.scrollPos[static_cast<size_t>(g_app.panel->currentPage)] = position;
    ShowSettingsPage();
}

LRESULT OnInspectorScroll(HWND pane, WPARAM wParam) {
    int pos = g_app.panel->pages.scrollPos[static_cast<size_t>(g_app.panel->currentPage)];
    const int view = PaneLogicalHeight(pane);
    switch (LOWORD(wParam)) {
        case SB_LINEUP: pos -= kScrollLine; break;
        case SB_LINEDOWN: pos += kScrollLine; break;
        case SB_PAGEUP: pos -= PageSize(pane, view); break;
        case SB_PAGEDOWN: pos += PageSize(pane, view); break;
        case SB_THUMBTRACK: pos = TrackPosition(pane, wParam); break;
        default: return 0;
    }
    ScrollPageTo(pos);
    return 0;
}

}  // namespace

LRESULT CALLBACK InspectorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        // The pages' controls report to the panel, which carries out every command.
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_HSCROLL:
        case WM_DRAWITEM:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return g_app.panel->window ? SendMessageW(g_app.panel->window, message, wParam, lParam) : 0;
        case WM_VSCROLL: return OnInspectorScroll(window, wParam);
        case WM_MOUSEWHEEL: {
            const size_t page = static_cast<size_t>(g_app.panel->currentPage);
            g_app.panel->pages.scrollPos[page] = WheelScroll(g_app.panel->pages.scrollPos[page], g_app.panel->pages.wheelRemainder[page],
                                                  GET_WHEEL_DELTA_WPARAM(wParam));
            ShowSettingsPage();
            return 0;
        }
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

HWND AddPageControl(int page, const wchar_t* className, const wchar_t* text, DWORD extraStyle, int id, int x, int y,
                    int width, int height) {
    HWND pane = Pane();
    if (!pane) return nullptr;
    if (id == 0) id = g_app.panel->pages.nextLabelId + static_cast<int>(g_app.panel->pages.controls.size());
    HWND control = CreatePanelChild(pane, className, text, extraStyle, id);
    if (control) g_app.panel->pages.controls.push_back(PageControl{control, id, page, RECT{x, y, x + width, y + height}});
    return control;
}

int WheelScroll(int position, int& remainder, int delta) {
    remainder += delta;
    position -= remainder / WHEEL_DELTA * kWheelNotchScroll;  // C++ division truncates towards zero
    remainder %= WHEEL_DELTA;                                  // and keeps the dividend's sign
    return position;
}

int ClampPageScroll(int position, int contentHeight, int viewHeight) {
    return std::clamp(position, 0, std::max(0, contentHeight - viewHeight));
}

void ShowSettingsPage() {
    HWND pane = Pane();
    if (!pane) return;
    const size_t page = static_cast<size_t>(g_app.panel->currentPage);
    const int view = PaneLogicalHeight(pane);
    const int content = kPageContentHeight[page];
    const int pos = ClampPageScroll(g_app.panel->pages.scrollPos[page], content, view);
    g_app.panel->pages.scrollPos[page] = pos;

    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = content - 1;
    info.nPage = static_cast<UINT>(std::max(1, view));
    info.nPos = pos;
    SetScrollInfo(pane, SB_VERT, &info, TRUE);

    for (const PageControl& c : g_app.panel->pages.controls) {
        if (c.page != g_app.panel->currentPage) {
            ShowWindow(c.window, SW_HIDE);
            continue;
        }
        const RECT& r = c.rect;
        if (c.id >= kIdXSlider && c.id <= kIdHeightSlider) {
            LayoutTrackbar(c.window, r.left, r.top - pos, r.right - r.left, r.bottom - r.top);
        } else {
            SetWindowPos(c.window, nullptr, S(r.left), S(r.top - pos), S(r.right - r.left), S(r.bottom - r.top),
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
        ShowWindow(c.window, SW_SHOWNA);
    }
    RedrawWindow(pane, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void SelectSettingsPage(int page) {
    g_app.panel->currentPage = std::clamp(page, 0, 2);
    ShowSettingsPage();
    for (int id : {kIdTabStyle, kIdTabPosition, kIdTabHotkeys}) {
        if (HWND tab = GetDlgItem(g_app.panel->window, id)) InvalidateRect(tab, nullptr, TRUE);
    }
}
