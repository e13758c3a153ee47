#include "ui/panel/PanelCreate.h"

#include <commctrl.h>

#include "app/AppState.h"
#include "platform/WindowClass.h"
#include "ui/caption/preview/PreviewPane.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/DonationTable.h"
#include "ui/panel/PanelChildren.h"
#include "ui/panel/PanelColors.h"
#include "ui/panel/PanelControls.h"
#include "ui/panel/PageControls.h"
#include "ui/panel/PanelIds.h"
#include "ui/panel/SettingsPages.h"
#include "ui/panel/StatusLine.h"

namespace {

void RegisterPaneClass(const wchar_t* name, WNDPROC proc) {
    // The class outlives any one panel, so it must not paint with the panel's
    // own brush (deleted with the panel). This one is made once and handed to
    // the class: the system deletes it when the class goes at exit.
    static const HBRUSH paneBrush = CreateSolidBrush(kPanelWhite);
    // Registered on every creation; a failure (already registered) is harmless.
    RegisterProgramClass(g_app.instance, {name, proc, nullptr, paneBrush});
}

}  // namespace

void CreatePanelControls(HWND panel) {
    RegisterPaneClass(kInspectorClass, InspectorWindowProc);
    RegisterPaneClass(kPreviewClass, PreviewWindowProc);
    CreatePanelTooltip(panel);
    g_app.panel->pages = SettingsPagesState{};

    for (const PanelControlRow& child : kPanelControls) {
        HWND control = CreatePanelChild(panel, child.className, child.text, child.style, child.id);
        if (!control) continue;
        if (child.tooltip) AddTooltip(control, child.tooltip);
        if (child.cue) SendMessageW(control, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(child.cue));
    }
    // The settings pane is a container that Tab enters; neither pane is a tab stop.
    for (int id : {kIdSettingsPane, kIdPreviewPane}) {
        HWND pane = GetDlgItem(panel, id);
        if (!pane) continue;
        SetWindowLongPtrW(pane, GWL_STYLE, GetWindowLongPtrW(pane, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_TABSTOP));
    }
    if (HWND pane = GetDlgItem(panel, kIdSettingsPane)) {
        SetWindowLongPtrW(pane, GWL_EXSTYLE, GetWindowLongPtrW(pane, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    }
    SendMessageW(GetDlgItem(panel, kIdSpeedSlider), TBM_SETRANGE, TRUE, MAKELPARAM(1, 30));
    if (HWND table = GetDlgItem(panel, kIdDonationTable)) SetUpDonationTable(table);
    AttachStatusLinePainter(GetDlgItem(panel, kIdStatusLine));

    CreateSettingsPageControls();
    HWND mirror = CreatePanelChild(panel, L"COMBOBOX", L"", CBS_DROPDOWNLIST, kIdDirectionMirror);
    if (mirror) {
        ShowWindow(mirror, SW_HIDE);
        SendMessageW(mirror, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"横向滚动"));
        SendMessageW(mirror, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"纵向滚动"));
    }
}
