#include "ui/panel/PanelFocus.h"

#include <algorithm>
#include <cwctype>

#include "app/AppState.h"
#include "app/Playback.h"
#include "ui/help/HelpWindow.h"
#include "ui/import/ImportWindow.h"
#include "ui/panel/AltKeys.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/PanelChildren.h"
#include "ui/panel/PanelIds.h"
#include "ui/panel/SettingsControls.h"
#include "ui/panel/SettingsPages.h"
#include "commands/SettingsCommands.h"
#include "ui/panel/PanelViews.h"

AltTarget AltCommandTarget(int command) {
    const AltKey* row = FindAltKey(command);
    if (!row || row->control == 0) return {kIdApplyAndSave, true};
    return {row->control, row->action == AltAction::Press};
}

void RevealPanelControl(int id) {
    for (const PageControl& c : g_app.panel->pages.controls) {
        if (c.id != id) continue;
        g_app.panel->currentPage = c.page;
        HWND pane = GetDlgItem(g_app.panel->window, kIdSettingsPane);
        RECT client{};
        if (pane) GetClientRect(pane, &client);
        const int view = static_cast<int>(client.bottom / g_app.dpiScale + 0.5);
        int& pos = g_app.panel->pages.scrollPos[static_cast<size_t>(c.page)];
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

void FocusPlayingDirectionButton() {
    const int id = g_app.settings.direction == ScrollDirection::Horizontal ? kIdHorizontalButton : kIdVerticalButton;
    if (HWND button = GetDlgItem(g_app.panel->window, id)) SetFocus(button);
}

bool RunAltCommand(int command) {
    const AltKey* row = FindAltKey(command);
    if (!row) return false;
    switch (row->action) {
        case AltAction::Focus: FocusPanelControl(row->control); break;
        case AltAction::Press: PressPanelControl(row->control); break;
        case AltAction::OpenImport: OpenImportWindow(); break;
        case AltAction::FocusPlayingDirection: FocusPlayingDirectionButton(); break;
        case AltAction::ConfirmRestoreDefaults: ConfirmRestoreDefaults(g_app, ProgramViews()); break;
    }
    return true;
}

void ShowHelpMenu() {
    HWND panel = g_app.panel->window;
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
    const int chosen = TrackPanelMenu(menu, TPM_RIGHTALIGN | TPM_TOPALIGN, r.right, r.bottom);
    DestroyMenu(menu);
    if (chosen >= 1 && chosen <= 6) ShowHelp(chosen - 1);
}
