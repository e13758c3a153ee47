#include "panel/PanelFocus.h"

#include <algorithm>
#include <cwctype>

#include "app/AppState.h"
#include "app/Playback.h"
#include "help/HelpWindow.h"
#include "panel/ControlPanel.h"
#include "panel/PanelIds.h"
#include "panel/SettingsControls.h"
#include "panel/SettingsPages.h"

AltTarget AltCommandTarget(int command) {
    switch (command) {
        case 50001: return {kIdNameBox, false};
        case 50002: return {kIdAmountBox, false};
        case 50004: return {1008, false};
        case 50005: return {1009, false};
        case 50006: return {1030, true};
        case 50007: return {1010, true};
        case 50008: return {1011, true};
        case 50009: return {1031, false};
        case 50011: return {kIdSpeedBox, false};
        case 50012: return {1042, false};
        case 50013: return {1028, false};
        case 50014: return {1029, false};
        case 50015: return {1015, false};
        case 50016: return {1016, false};
        case 50017: return {1017, false};
        case 50018: return {1018, false};
        case 50019: return {1021, true};
        case 50020: return {kIdHotkeyPanelField, false};
        case 50021: return {kIdHotkeyHorizontalField, false};
        case 50022: return {kIdHotkeyVerticalField, false};
        case 50023: return {kIdHotkeyPauseField, false};
        case 50027: return {kIdTargetScreenList, false};
        case 50028: return {1048, true};
        case 50029: return {1049, true};
        case 50030: return {1050, false};
        case 50031: return {1052, true};
        case 50032: return {1053, true};
        case 50033: return {1054, false};
        case 50034: return {1057, true};
        default: return {kIdApplyAndSave, true};  // 50024, 50025 and any other in the range
    }
}

void RevealPanelControl(int id) {
    for (const PageControl& c : g_pages.controls) {
        if (c.id != id) continue;
        g_panel.currentPage = c.page;
        HWND pane = GetDlgItem(g_app.controlPanel, kIdSettingsPane);
        RECT client{};
        if (pane) GetClientRect(pane, &client);
        const int view = static_cast<int>(client.bottom / g_app.dpiScale + 0.5);
        int& pos = g_pages.scrollPos[static_cast<size_t>(c.page)];
        if (c.rect.top < pos || c.rect.bottom > pos + view) pos = std::max(0, static_cast<int>(c.rect.top) - 24);
        SelectSettingsPage(c.page);
        return;
    }
}

void FocusPanelControl(int id) {
    RevealPanelControl(id);
    HWND control = FindPanelControl(id);
    if (!control) return;
    ShowControlPanel();
    SetFocus(control);
    wchar_t name[16] = {};
    GetClassNameW(control, name, 16);
    if (_wcsicmp(name, L"EDIT") == 0) SendMessageW(control, EM_SETSEL, 0, -1);
}

void PressPanelControl(int id) {
    RevealPanelControl(id);
    HWND control = FindPanelControl(id);
    if (!control) return;
    ShowControlPanel();
    SendMessageW(control, BM_CLICK, 0, 0);
}

bool RunAltCommand(int command) {
    if (command < kFirstAltCommand || command > kLastAltCommand) return false;
    const AltTarget target = AltCommandTarget(command);
    if (target.press) {
        PressPanelControl(target.control);
    } else {
        FocusPanelControl(target.control);
    }
    return true;
}

void ShowHelpMenu() {
    HWND panel = g_app.controlPanel;
    HWND button = GetDlgItem(panel, kIdHelpButton);
    HMENU menu = CreatePopupMenu();
    if (!menu || !button) {
        if (menu) DestroyMenu(menu);
        return;
    }
    AppendMenuW(menu, MF_STRING, 1, L"快速上手教程\tF1");
    AppendMenuW(menu, MF_STRING, 2, L"名单编辑与批量导入");
    AppendMenuW(menu, MF_STRING, 3, L"播放与双屏演示");
    AppendMenuW(menu, MF_STRING, 4, L"参数设置与快捷键");
    AppendMenuW(menu, MF_STRING, 5, L"保存、备份与恢复");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, 6, L"关于与版本说明");
    RECT r{};
    GetWindowRect(button, &r);
    const int chosen = static_cast<int>(TrackPopupMenu(menu, TPM_RIGHTALIGN | TPM_TOPALIGN | TPM_RETURNCMD,
                                                       r.right, r.bottom, 0, panel, nullptr));
    DestroyMenu(menu);
    if (chosen >= 1 && chosen <= 6) ShowHelp(chosen - 1);
}
