#include "app/MessageLoop.h"

#include <cwctype>

#include "app/AppState.h"
#include "ui/panel/ControlPanel.h"
#include "ui/import/ImportWindow.h"
#include "app/KeyRouting.h"
#include "ui/help/HelpWindow.h"
#include "ui/panel/ListEditing.h"
#include "ui/panel/CellEditor.h"
#include "ui/panel/DonationTable.h"
#include "ui/panel/SettingsApply.h"
#include "ui/panel/PanelIds.h"

namespace {

bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

bool IsWindowOrDescendant(HWND root, HWND window) {
    return root && window && (window == root || IsChild(root, window));
}

bool IsTextBox(HWND window) {
    wchar_t name[16] = {};
    if (!window || GetClassNameW(window, name, 16) == 0) return false;
    return _wcsicmp(name, L"EDIT") == 0;
}

// Help window keys; true when the key was consumed.
bool HandleHelpKey(const MSG& m) {
    HWND help = g_app.helpWindow;
    HWND chapters = GetDlgItem(help, kIdHelpChapterList);
    switch (m.wParam) {
        case VK_TAB: {
            if (chapters) SendMessageW(chapters, CB_SHOWDROPDOWN, FALSE, 0);
            HWND next = GetNextDlgTabItem(help, GetFocus(), KeyDown(VK_SHIFT));
            if (next) SetFocus(next);
            return true;
        }
        case VK_ESCAPE:
            if (chapters && SendMessageW(chapters, CB_GETDROPPEDSTATE, 0, 0)) {
                SendMessageW(chapters, CB_SHOWDROPDOWN, FALSE, 0);
            } else {
                DestroyWindow(help);
            }
            return true;
        case 'A':
            if (KeyDown(VK_CONTROL) && GetFocus() == GetDlgItem(help, kIdHelpText)) {
                SendMessageW(GetFocus(), EM_SETSEL, 0, -1);
                return true;
            }
            return false;
        default:
            return false;
    }
}

void RouteHelpMessage(MSG& m) {
    if (m.message == WM_KEYDOWN && HandleHelpKey(m)) return;
    if (g_app.helpWindow && IsDialogMessageW(g_app.helpWindow, &m)) return;
    TranslateMessage(&m);
    DispatchMessageW(&m);
}

// Carries out a panel key; false when the action has nothing to act on,
// so the key goes on to the accelerators and dialog navigation.
bool RunPanelKeyAction(PanelKeyAction action) {
    HWND panel = g_app.panel->window;
    switch (action) {
        case PanelKeyAction::OpenHelp: ShowHelp(0); return true;
        case PanelKeyAction::FocusSearch: {
            HWND search = GetDlgItem(panel, kIdSearchBox);
            if (search) SetFocus(search);
            return search != nullptr;
        }
        case PanelKeyAction::ApplyAndSave:
            SendMessageW(panel, WM_COMMAND, MAKEWPARAM(kIdApplyAndSave, BN_CLICKED), 0);
            return true;
        case PanelKeyAction::UndoList: UndoListChange(); return true;
        case PanelKeyAction::RedoList: RedoListChange(); return true;
        case PanelKeyAction::CancelCellEdit:
        case PanelKeyAction::CommitCellEdit:
            CommitCellEdit(action == PanelKeyAction::CancelCellEdit);
            if (HWND table = GetDlgItem(panel, kIdDonationTable)) SetFocus(table);
            return true;
        case PanelKeyAction::CellEditNext:
        case PanelKeyAction::CellEditPrevious:
            MoveCellEditor(action == PanelKeyAction::CellEditPrevious);
            return true;
        case PanelKeyAction::AppendEntry: AppendEntry(); return true;
        case PanelKeyAction::SelectAllRows: SelectAllRows(); return true;
        case PanelKeyAction::DeleteSelected: DeleteSelectedEntries(); return true;
        case PanelKeyAction::EditSelected: EditSelectedRow(); return true;
        case PanelKeyAction::ApplySpeed:
            ApplySettingsWithStatus();
            if (HWND speed = GetDlgItem(panel, kIdSpeedBox)) SendMessageW(speed, EM_SETSEL, 0, -1);
            return true;
        default: return false;
    }
}

bool HandlePanelKey(const MSG& m) {
    HWND panel = g_app.panel->window;
    if (m.message != WM_KEYDOWN || !panel || !IsWindowVisible(panel)) return false;
    HWND focus = GetFocus();
    if (!IsWindowOrDescendant(panel, focus)) return false;
    PanelKeyContext context;
    context.key = static_cast<UINT>(m.wParam);
    context.ctrl = KeyDown(VK_CONTROL);
    context.shift = KeyDown(VK_SHIFT);
    context.focusIsCellEditor = g_app.cellEditor && focus == g_app.cellEditor;
    context.focusIsTextBox = IsTextBox(focus);
    context.focusId = focus == panel ? 0 : GetDlgCtrlID(focus);
    const PanelKeyAction action = ClassifyPanelKey(context);
    return action != PanelKeyAction::None && RunPanelKeyAction(action);
}

bool IsAltKey(WPARAM key) { return key == VK_MENU || key == VK_LMENU || key == VK_RMENU; }

// Under Wine the release of Alt after an Alt accelerator still puts the
// window into keyboard-menu mode, which swallows the keys typed next. Windows
// does nothing with that release, so it is dropped; a lone Alt press and
// release still reaches the system.
bool EndsAltChord(const MSG& m) {
    if (!IsAltKey(m.wParam)) return false;
    if (m.message == WM_SYSKEYDOWN || m.message == WM_KEYDOWN) g_app.panel->altChordUsed = false;
    if (m.message != WM_SYSKEYUP && m.message != WM_KEYUP) return false;
    const bool used = g_app.panel->altChordUsed;
    g_app.panel->altChordUsed = false;
    return used;
}

void RouteToPanel(MSG& m) {
    HWND panel = g_app.panel->window;
    if (panel) {
        if (EndsAltChord(m)) return;
        if (g_app.accelerators.get() && TranslateAcceleratorW(panel, g_app.accelerators.get(), &m)) {
            if (m.message == WM_SYSKEYDOWN) g_app.panel->altChordUsed = true;
            return;
        }
        if (IsDialogMessageW(panel, &m)) return;
    }
    TranslateMessage(&m);
    DispatchMessageW(&m);
}

}  // namespace

void RouteMessage(MSG& m) {
    if (g_app.helpWindow && IsWindowOrDescendant(g_app.helpWindow, m.hwnd)) {
        RouteHelpMessage(m);
        return;
    }
    if (g_app.importWindow && IsWindowOrDescendant(g_app.importWindow, m.hwnd)) {
        if (m.message == WM_KEYDOWN && m.wParam == VK_ESCAPE) {
            DestroyWindow(g_app.importWindow);
            return;
        }
        if (HandleImportWindowKey(m)) return;
        if (IsDialogMessageW(g_app.importWindow, &m)) return;
        RouteToPanel(m);
        return;
    }
    if (HandlePanelKey(m)) return;
    RouteToPanel(m);
}

int RunMessageLoop() {
    MSG m{};
    for (;;) {
        const BOOL result = GetMessageW(&m, nullptr, 0, 0);
        if (result == 0) return static_cast<int>(m.wParam);
        if (result == -1) return 0;
        RouteMessage(m);
    }
}
