#include "ui/help/HelpWindow.h"

#include <algorithm>

#include "app/AppState.h"
#include "ui/panel/ControlPanel.h"
#include "platform/WindowClass.h"
#include "platform/Dpi.h"
#include "platform/WinHandles.h"
#include "core/help/HelpChapters.h"
#include "ui/panel/PanelColors.h"

namespace {

// The help window's controls; Layout places them.
struct HelpChild {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    DWORD extended;
};

constexpr HelpChild kHelpChildren[] = {
    {kIdHelpChapterList, L"COMBOBOX", L"帮助章节", WS_VSCROLL | CBS_DROPDOWNLIST, 0},
    {kIdHelpText, L"EDIT", L"", WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, WS_EX_CLIENTEDGE},
    {kIdHelpCloseButton, L"BUTTON", L"关闭", 0, 0},
};

HelpWindowState& Help() { return g_app.panel->help; }

int S(int v) { return ScaleLogical(v, Help().scale); }

// The font of the three controls; the old one goes after the new one is set.
void SetHelpFont(HWND window) {
    UniqueFont font(CreateFontW(-S(16), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                L"Microsoft YaHei UI"));
    for (const HelpChild& c : kHelpChildren) {
        SendMessageW(GetDlgItem(window, c.id), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    }
    SendMessageW(GetDlgItem(window, kIdHelpText), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(S(10), S(10)));
    Help().font = std::move(font);
}

void ShowChapter(HWND window, int chapter) {
    chapter = std::clamp(chapter, 0, kHelpChapterCount - 1);
    SendMessageW(GetDlgItem(window, kIdHelpChapterList), CB_SETCURSEL, static_cast<WPARAM>(chapter), 0);
    HWND text = GetDlgItem(window, kIdHelpText);
    SetWindowTextW(text, HelpChapterText(chapter, g_app.settings).c_str());
    SendMessageW(text, EM_SETSEL, 0, 0);
    SendMessageW(text, EM_SCROLLCARET, 0, 0);
}

void Layout(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    const int W = client.right;
    const int H = client.bottom;
    const int m = S(20);
    const int b = S(34);
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(GetDlgItem(window, kIdHelpChapterList), nullptr, m, m, W - 2 * m, S(240), flags);
    SetWindowPos(GetDlgItem(window, kIdHelpText), nullptr, m, 2 * m + b, W - 2 * m, std::max(b, H - 4 * m - 2 * b), flags);
    SetWindowPos(GetDlgItem(window, kIdHelpCloseButton), nullptr, W - m - S(100), H - m - b, S(100), b, flags);
}

LRESULT OnCreate(HWND window) {
    g_app.helpWindow = window;
    for (const HelpChild& c : kHelpChildren) {
        // Child windows: destroyed with the help window.
        CreateWindowExW(c.extended, c.className, c.text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | c.style, 0, 0, 0, 0,
                        window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), g_app.instance, nullptr);
    }
    for (const wchar_t* title : kHelpChapterTitles) {
        SendMessageW(GetDlgItem(window, kIdHelpChapterList), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title));
    }
    SetHelpFont(window);
    ShowChapter(window, 0);
    return 0;
}

LRESULT OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam) {
    Help().scale = HIWORD(wParam) / 96.0;
    SetHelpFont(window);
    const RECT* r = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top, SWP_NOZORDER | SWP_NOACTIVATE);
    Layout(window);
    return 0;
}

LRESULT OnCommand(HWND window, int id, int code) {
    if (id == kIdHelpChapterList && code == CBN_SELCHANGE) {
        ShowChapter(window, static_cast<int>(SendMessageW(GetDlgItem(window, id), CB_GETCURSEL, 0, 0)));
    } else if (id == kIdHelpCloseButton) {
        DestroyWindow(window);
    }
    return 0;
}

LRESULT OnStaticColour(HDC dc) {
    SetTextColor(dc, kPanelText);
    SetBkColor(dc, kPanelWhite);
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

LRESULT OnMinMaxInfo(LPARAM lParam) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    info->ptMinTrackSize.x = S(460);
    info->ptMinTrackSize.y = S(360);
    return 0;
}

LRESULT OnDestroy(HWND window) {
    Help().font.reset();
    if (g_app.helpWindow == window) g_app.helpWindow = nullptr;
    return 0;
}

LRESULT CALLBACK HelpWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: return OnCreate(window);
        case WM_SIZE: Layout(window); return 0;
        case WM_DPICHANGED: return OnDpiChanged(window, wParam, lParam);
        case WM_GETMINMAXINFO: return OnMinMaxInfo(lParam);
        case WM_COMMAND: return OnCommand(window, LOWORD(wParam), HIWORD(wParam));
        case WM_CLOSE: DestroyWindow(window); return 0;
        case WM_CTLCOLORSTATIC: return OnStaticColour(reinterpret_cast<HDC>(wParam));
        case WM_DESTROY: return OnDestroy(window);
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

RECT NearestWorkArea() {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromWindow(g_app.panel->window, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

HWND CreateHelpWindow() {
    // Registered on every creation; a failure (already registered) is harmless.
    RegisterProgramClass(g_app.instance, {kHelpWindowClass, HelpWindowProc, LoadIconW(g_app.instance, MAKEINTRESOURCEW(101)),
                                          static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))});

    const RECT a = NearestWorkArea();
    const int areaWidth = a.right - a.left;
    const int areaHeight = a.bottom - a.top;
    const int width = std::min(S(760), areaWidth);
    const int height = std::min(S(620), areaHeight);
    return CreateWindowExW(WS_EX_CONTROLPARENT, kHelpWindowClass, L"帮助 - Velmaro", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           a.left + (areaWidth - width) / 2, a.top + (areaHeight - height) / 2, width, height, nullptr,
                           nullptr, g_app.instance, nullptr);
}

}  // namespace

void ShowHelp(int chapter) {
    if (!g_app.helpWindow) {
        Help().scale = g_app.dpiScale;
        if (!CreateHelpWindow()) return;
        if (!g_app.helpWindow) return;
    }
    HWND window = g_app.helpWindow;
    ShowChapter(window, chapter);
    ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(GetDlgItem(window, kIdHelpText));
}
