#include "ui/panel/MoreMenu.h"

#include "app/AppState.h"
#include "ui/panel/ControlPanel.h"
#include "app/Playback.h"
#include "ui/panel/ListBackup.h"
#include "ui/panel/ListEditing.h"
#include "ui/panel/PanelChildren.h"
#include "ui/panel/PanelIds.h"
#include "commands/SettingsCommands.h"
#include "ui/panel/PanelViews.h"

void ShowMoreMenu() {
    HWND panel = g_app.panel->window;
    HWND button = panel ? GetDlgItem(panel, kIdMoreButton) : nullptr;
    if (!button) return;
    HMENU menu = CreatePopupMenu();
    if (!menu) return;
    for (const MoreMenuEntry& entry : kMoreMenuEntries) {
        if (entry.id == 0) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(entry.id), entry.text);
        }
    }
    RECT r{};
    GetWindowRect(button, &r);
    // Its bottom-right corner at the button's top-right corner: it opens upwards.
    const int chosen = TrackPanelMenu(menu, TPM_RIGHTALIGN | TPM_BOTTOMALIGN | TPM_NONOTIFY, r.right, r.top);
    DestroyMenu(menu);
    RunMoreMenuCommand(chosen);
}

void RunMoreMenuCommand(int id) {
    switch (id) {
        case kIdMenuClearList: ClearList(); break;
        case kIdMenuRestoreDefaults: ConfirmRestoreDefaults(g_app, ProgramViews()); break;
        case kIdMenuExit: ExitProgram(); break;
        case kIdMenuRestoreBackup: RestoreListBackup(); break;
        case kIdMenuExport: ExportList(); break;
        default: break;
    }
}
