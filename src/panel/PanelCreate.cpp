#include "panel/PanelCreate.h"

#include <commctrl.h>

#include "app/AppState.h"
#include "platform/WindowClass.h"
#include "caption/preview/PreviewPane.h"
#include "panel/ControlPanel.h"
#include "panel/DonationTable.h"
#include "panel/PanelChildren.h"
#include "panel/PanelColors.h"
#include "panel/PageControls.h"
#include "panel/PanelIds.h"
#include "panel/SettingsPages.h"
#include "panel/StatusLine.h"

namespace {

struct PanelChildRow {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    const wchar_t* tooltip;
    const wchar_t* cue;
};

// The panel's own controls in creation order; the pages' controls follow.
const PanelChildRow kPanelChildren[] = {
    {kIdSettingsPane, kInspectorClass, L"设置", WS_VSCROLL | WS_CLIPCHILDREN, nullptr, nullptr},
    {kIdPreviewPane, kPreviewClass, L"字幕预览", 0, nullptr, nullptr},
    {kIdPlayButton, L"BUTTON", L"开始播放", 0, nullptr, nullptr},
    {kIdHorizontalButton, L"BUTTON", L"横向", 0, nullptr, nullptr},
    {kIdVerticalButton, L"BUTTON", L"纵向", 0, nullptr, nullptr},
    {kIdSpeedBox, L"EDIT", L"3", ES_NUMBER | ES_AUTOHSCROLL, nullptr, nullptr},
    {kIdSpeedSlider, TRACKBAR_CLASSW, L"速度", TBS_NOTICKS, nullptr, nullptr},
    {kIdTargetScreenList, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL, nullptr, nullptr},
    {kIdCountLabel, L"STATIC", L"名单", SS_CENTERIMAGE, nullptr, nullptr},
    {kIdSearchBox, L"EDIT", L"", ES_AUTOHSCROLL, nullptr, L"搜索姓名/公司(机构)名称或金额"},
    {kIdUndoButton, L"BUTTON", L"撤销", 0, L"撤销名单操作 (Ctrl+Z)", nullptr},
    {kIdRedoButton, L"BUTTON", L"重做", 0, L"重做名单操作 (Ctrl+Y)", nullptr},
    {kIdDeleteButton, L"BUTTON", L"删除所选", 0, L"删除所选名单 (Delete)", nullptr},
    {kIdImportButton, L"BUTTON", L"批量导入", 0, nullptr, nullptr},
    // Rows are virtual: the table asks for the text of the rows it shows, so
    // a refill costs the same at ten thousand entries as at ten.
    {kIdDonationTable, WC_LISTVIEWW, L"名单表格", LVS_REPORT | LVS_SHOWSELALWAYS | LVS_OWNERDATA, nullptr, nullptr},
    {kIdNameBox, L"EDIT", L"", ES_AUTOHSCROLL, nullptr, L"输入姓名或公司(机构)名称"},
    {kIdAmountBox, L"EDIT", L"", ES_AUTOHSCROLL, nullptr, L"输入金额"},
    {kIdAppendButton, L"BUTTON", L"追加", 0, nullptr, nullptr},
    {kIdTabStyle, L"BUTTON", L"文字样式", 0, nullptr, nullptr},
    {kIdTabPosition, L"BUTTON", L"位置布局", 0, nullptr, nullptr},
    {kIdTabHotkeys, L"BUTTON", L"快捷键", 0, nullptr, nullptr},
    {kIdPreviewLight, L"BUTTON", L"", 0, L"浅色预览背景", nullptr},
    {kIdPreviewDark, L"BUTTON", L"", 0, L"深色预览背景", nullptr},
    {kIdPreviewRed, L"BUTTON", L"", 0, L"红色预览背景", nullptr},
    {kIdApplyAndSave, L"BUTTON", L"应用并保存 (&K)", 0, nullptr, nullptr},
    {kIdMoreButton, L"BUTTON", L"更多", 0, L"导出、备份恢复、默认设置与退出", nullptr},
    {kIdStatusLine, L"STATIC", L"就绪", SS_CENTERIMAGE | SS_PATHELLIPSIS, nullptr, nullptr},
    {kIdHelpButton, L"BUTTON", L"帮助", 0, L"使用说明与教程 (F1)", nullptr},
};

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
    g_pages = SettingsPagesState{};

    for (const PanelChildRow& child : kPanelChildren) {
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
