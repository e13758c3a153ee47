#include "ui/panel/ControlPanel.h"

#include <algorithm>
#include <string>

#include <commctrl.h>

#include "app/AppState.h"
#include "platform/Dpi.h"
#include "commands/ExitCommands.h"
#include "app/Playback.h"
#include "app/SingleInstance.h"
#include "ui/tray/Tray.h"
#include "platform/WindowClass.h"
#include "app/Hotkeys.h"
#include "ui/caption/CaptionPlacement.h"
#include "core/list/ListFile.h"
#include "ui/panel/LargeCheckbox.h"
#include "ui/panel/OwnerDrawnButton.h"
#include "ui/panel/PanelColors.h"
#include "ui/panel/PanelCreate.h"
#include "ui/panel/PanelFocus.h"
#include "ui/panel/PageControls.h"
#include "ui/panel/PanelCommands.h"
#include "ui/panel/PanelIds.h"
#include "ui/panel/PanelLayout.h"
#include "ui/panel/PanelMinimumSize.h"
#include "ui/panel/SettingsPages.h"
#include "ui/caption/Monitors.h"
#include "ui/panel/DonationTable.h"
#include "ui/panel/PanelPaint.h"
#include "ui/panel/PositionPage.h"
#include "ui/panel/SettingsControls.h"
#include "commands/SettingsCommands.h"
#include "ui/panel/PanelViews.h"


namespace {

HFONT CreatePanelFont(int logicalHeight, int weight) {
    return CreateFontW(-ScaleLogical(logicalHeight, g_app.dpiScale), 0, 0, 0, weight, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, L"Microsoft YaHei UI");
}

BOOL CALLBACK ApplyUiFont(HWND child, LPARAM font) {
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    return TRUE;
}

// Fonts for the current dpiScale; every control gets the new UI font before
// the old one is deleted, so no control is ever left with a dead font.
void CreatePanelFonts() {
    UniqueFont oldUi(g_app.panel->uiFont.release());
    g_app.panel->uiFont.reset(CreatePanelFont(15, 400));
    if (g_app.panel->window) {
        EnumChildWindows(g_app.panel->window, ApplyUiFont, reinterpret_cast<LPARAM>(g_app.panel->uiFont.get()));
    }
    g_app.panel->titleFont.reset(CreatePanelFont(22, 600));
    g_app.panel->smallFont.reset(CreatePanelFont(12, 400));
    g_app.panel->iconFont.reset(CreateFontW(-ScaleLogical(17, g_app.dpiScale), 0, 0, 0, 400, FALSE, FALSE, FALSE,
                                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                       DEFAULT_PITCH | FF_DONTCARE, L"Segoe MDL2 Assets"));
    if (g_app.panel->window) AttachRowImageList();
}

LRESULT OnCreate(HWND window) {
    g_app.panel->window = window;
    g_app.panel->whiteBrush.reset(CreateSolidBrush(kPanelWhite));
    g_app.panel->pageBrush.reset(CreateSolidBrush(kPanelPageColor));
    g_app.panel->statusBrush.reset(CreateSolidBrush(kPanelStatusStrip));
    CreatePanelFonts();
    CreatePanelControls(window);
    g_app.panel->panelReady = true;
    FillTargetScreenCombo();
    SetSliderRanges();
    RefreshSettingsControls();
    LayoutControlPanel();
    RefreshDonationTable();
    if (HWND table = GetDlgItem(window, kIdDonationTable)) SendMessageW(table, LVM_ENSUREVISIBLE, 0, FALSE);
    AttachFontSizeSpin();
    if (HWND play = GetDlgItem(window, kIdPlayButton)) SetWindowTextW(play, L"开始播放");
    return 0;
}

LRESULT OnControlColour(UINT message, HDC dc, HWND control) {
    SetTextColor(dc, kPanelText);
    SetBkMode(dc, TRANSPARENT);
    if (GetDlgCtrlID(control) == kIdStatusLine) {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, kPanelStatusStrip);
        return reinterpret_cast<LRESULT>(g_app.panel->statusBrush.get());
    }
    const bool onPane = GetParent(control) == GetDlgItem(g_app.panel->window, kIdSettingsPane);
    if (message == WM_CTLCOLOREDIT || onPane || GetDlgCtrlID(control) == kIdSpeedSlider) {
        SetBkColor(dc, kPanelWhite);
        return reinterpret_cast<LRESULT>(g_app.panel->whiteBrush.get());
    }
    SetBkColor(dc, kPanelPageColor);
    return reinterpret_cast<LRESULT>(g_app.panel->pageBrush.get());
}

LRESULT OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam) {
    g_app.dpiScale = HIWORD(wParam) / 96.0;
    CreatePanelFonts();
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutControlPanel();
    return 0;
}

// A click on the panel takes the focus out of the speed box, which applies it.
LRESULT OnPanelClick(HWND window, WPARAM wParam, LPARAM lParam) {
    HWND focus = GetFocus();
    if (focus && GetDlgCtrlID(focus) == kIdSpeedBox && GetParent(focus) == window) SetFocus(window);
    return DefWindowProcW(window, WM_LBUTTONDOWN, wParam, lParam);
}

LRESULT OnMinMaxInfo(LPARAM lParam) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    const SIZE minimum = MinimumPanelWindowSize();
    info->ptMinTrackSize.x = minimum.cx;
    info->ptMinTrackSize.y = minimum.cy;
    return 0;
}

LRESULT OnSpeedSlider(HWND slider) {
    const int speed = static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0));
    g_app.panel->updatingControls = true;
    SetNumberField(GetDlgItem(g_app.panel->window, kIdSpeedBox), speed);
    g_app.panel->updatingControls = false;
    ChangeSettings(g_app, ProgramViews(), SettingsChange::Speed, [speed](AppSettings& s) { s.speed = speed; });
    return 0;
}

LRESULT OnHorizontalScroll(HWND control) {
    const int id = GetDlgCtrlID(control);
    if (id == kIdSpeedSlider) return OnSpeedSlider(control);
    if (id >= kIdXSlider && id <= kIdHeightSlider) ApplySliderGeometry();
    return 0;
}

LRESULT OnPaint(HWND window) {
    PaintScope paint(window);
    RECT client{};
    GetClientRect(window, &client);
    PanelFrame frame;
    frame.clientWidth = client.right;
    frame.clientHeight = client.bottom;
    frame.dpiScale = g_app.dpiScale;
    frame.paused = g_app.paused;
    frame.entryCount = g_app.list.size();
    frame.icon = g_app.panel->icon;
    frame.fonts = PanelFonts{g_app.panel->uiFont.get(), g_app.panel->titleFont.get(), g_app.panel->smallFont.get()};

    // Drawn off screen first so that resizing never flickers.
    MemoryDC memory(paint.get());
    UniqueBitmap bitmap(CreateCompatibleBitmap(paint.get(), std::max(1L, client.right), std::max(1L, client.bottom)));
    if (!memory || !bitmap) {
        PaintPanelFrame(paint.get(), frame);
        return 0;
    }
    {
        SelectedObject selected(memory.get(), bitmap.get());
        PaintPanelFrame(memory.get(), frame);
        BitBlt(paint.get(), 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
    }
    return 0;
}

// Closing only hides the panel, as long as the tray icon or a hotkey can
// bring it back; with neither, hiding would strand the operator, so it exits.
LRESULT OnClose(HWND window) {
    if (PanelCanBeBroughtBack()) {
        ShowWindow(window, SW_HIDE);
    } else {
        ExitProgram();
    }
    return 0;
}

// Windows is logging off or shutting down: no question can be asked any more.
LRESULT OnEndSession(bool ending) {
    if (!ending) return 0;
    SaveForSessionEnd(g_app);
    LeaveProgram();
    return 0;
}

// A second start in our folder asks us to come forward instead of running twice.
LRESULT OnShowPanelRequest(uint64_t folderKey) {
    if (folderKey != ProgramFolderKey(g_app.programFolder)) return 0;
    ShowControlPanel();
    return kShowPanelAnswer;
}

LRESULT OnDestroy(HWND window) {
    g_app.panel->panelReady = false;
    if (g_app.helpWindow) DestroyWindow(g_app.helpWindow);
    if (g_app.importWindow) DestroyWindow(g_app.importWindow);
    g_app.panel->uiFont.reset();
    g_app.panel->titleFont.reset();
    g_app.panel->smallFont.reset();
    g_app.panel->iconFont.reset();
    g_app.panel->whiteBrush.reset();
    g_app.panel->pageBrush.reset();
    g_app.panel->statusBrush.reset();
    DestroyRowImageList();
    if (g_app.exiting && g_app.notifyIcon.cbSize != 0) Shell_NotifyIconW(NIM_DELETE, &g_app.notifyIcon);
    if (g_app.panel->window == window) g_app.panel->window = nullptr;
    return 0;
}

}  // namespace

void RefreshPanelIndicators() {
    HWND panel = g_app.panel->window;
    if (!panel) return;
    if (HWND slider = GetDlgItem(panel, kIdSpeedSlider)) SendMessageW(slider, TBM_SETPOS, TRUE, g_app.settings.speed);
    for (int id : {kIdPlayButton, kIdHorizontalButton, kIdVerticalButton, kIdNameColorButton, kIdAmountColorButton,
                   kIdOutlineColorButton, kIdShadowColorButton, kIdPreviewLight, kIdPreviewDark, kIdPreviewRed}) {
        if (HWND button = FindPanelControl(id)) InvalidateRect(button, nullptr, TRUE);
    }
    if (HWND preview = GetDlgItem(panel, kIdPreviewPane)) InvalidateRect(preview, nullptr, FALSE);
    InvalidateRect(panel, nullptr, FALSE);
}

LRESULT CALLBACK ControlPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: return OnCreate(window);
        case WM_PAINT: return OnPaint(window);
        case WM_ERASEBKGND: return 1;  // the paint covers the whole client area
        case WM_SIZE: LayoutControlPanel(); return 0;
        case WM_GETMINMAXINFO: return OnMinMaxInfo(lParam);
        case WM_DPICHANGED: return OnDpiChanged(window, wParam, lParam);
        case WM_LBUTTONDOWN: return OnPanelClick(window, wParam, lParam);
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC: return OnControlColour(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_DRAWITEM: DrawOwnerDrawnButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return 1;
        case WM_HSCROLL: return OnHorizontalScroll(reinterpret_cast<HWND>(lParam));
        case WM_NOTIFY: return OnPanelNotify(*reinterpret_cast<NMHDR*>(lParam));
        case WM_DISPLAYCHANGE: HandleDisplayChange(); return 0;
        case WM_CLOSE: return OnClose(window);
        case WM_QUERYENDSESSION: SaveForSessionEnd(g_app); return TRUE;
        case WM_ENDSESSION: return OnEndSession(wParam != FALSE);
        case WM_DESTROY: return OnDestroy(window);
        case WM_COMMAND: return OnPanelCommand(LOWORD(wParam), HIWORD(wParam));
        case WM_HOTKEY:
            if (HandleHotkey(static_cast<int>(wParam))) return 0;
            return DefWindowProcW(window, message, wParam, lParam);
        case kTrayCallbackMessage: OnTrayCallback(lParam); return 0;
        default:
            if (message == ShowPanelMessage()) return OnShowPanelRequest(static_cast<uint64_t>(lParam));
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

bool RegisterControlPanelClass(HINSTANCE instance, HICON icon) {
    return RegisterProgramClass(instance, {kControlPanelClass, ControlPanelProc, icon,
                                           reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1))});
}

bool RegisterLargeCheckboxClass(HINSTANCE instance) {
    return RegisterProgramClass(instance, {kLargeCheckboxClass, LargeCheckboxProc, nullptr, nullptr, 16});
}

RECT ControlPanelRect(const RECT& area, double dpiScale) {
    const int areaWidth = area.right - area.left;
    const int areaHeight = area.bottom - area.top;
    const int width = std::min(ScaleLogical(kPanelLogicalWidth, dpiScale), areaWidth);
    const int height = std::min(ScaleLogical(kPanelLogicalHeight, dpiScale), areaHeight);
    const int spareWidth = areaWidth - width;
    const int spareHeight = areaHeight - height;
    const int left = area.left + (spareWidth >= 2 ? spareWidth >> 1 : 0);
    const int top = area.top + (spareHeight >= 2 ? spareHeight >> 1 : 0);
    return RECT{left, top, left + width, top + height};
}

HWND CreateControlPanel(HINSTANCE instance, const RECT& workArea) {
    const RECT r = ControlPanelRect(workArea, g_app.dpiScale);
    return CreateWindowExW(0, kControlPanelClass, kControlPanelTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, r.left,
                           r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr);
}
