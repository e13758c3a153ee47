#include "app/KeyRouting.h"

#include "ui/panel/PanelIds.h"

namespace {

PanelKeyAction CellEditorKey(const PanelKeyContext& c) {
    switch (c.key) {
        case VK_ESCAPE: return PanelKeyAction::CancelCellEdit;
        case VK_RETURN: return PanelKeyAction::CommitCellEdit;
        case VK_TAB: return c.shift ? PanelKeyAction::CellEditPrevious : PanelKeyAction::CellEditNext;
        default: return PanelKeyAction::None;
    }
}

PanelKeyAction CtrlKey(const PanelKeyContext& c) {
    switch (c.key) {
        case 'F': return PanelKeyAction::FocusSearch;
        case 'S': return PanelKeyAction::ApplyAndSave;
        // In a text box Ctrl+Z and Ctrl+Y belong to the box's own editing.
        case 'Z': return c.focusIsTextBox ? PanelKeyAction::None : PanelKeyAction::UndoList;
        case 'Y': return c.focusIsTextBox ? PanelKeyAction::None : PanelKeyAction::RedoList;
        default: return PanelKeyAction::None;
    }
}

PanelKeyAction TableKey(const PanelKeyContext& c) {
    if (c.key == 'A' && c.ctrl) return PanelKeyAction::SelectAllRows;
    if (c.key == VK_DELETE) return PanelKeyAction::DeleteSelected;
    if (c.key == VK_F2) return PanelKeyAction::EditSelected;
    return PanelKeyAction::None;
}

}  // namespace

PanelKeyAction ClassifyPanelKey(const PanelKeyContext& c) {
    if (c.key == VK_F1) return PanelKeyAction::OpenHelp;
    if (c.focusIsCellEditor) {
        const PanelKeyAction action = CellEditorKey(c);
        if (action != PanelKeyAction::None) return action;
    }
    if (c.key == VK_RETURN) {
        if (c.focusId == kIdSpeedBox) return PanelKeyAction::ApplySpeed;
        if (c.focusId == kIdNameBox || c.focusId == kIdAmountBox) return PanelKeyAction::AppendEntry;
    }
    if (c.ctrl) {
        const PanelKeyAction action = CtrlKey(c);
        if (action != PanelKeyAction::None) return action;
    }
    if (c.focusId == kIdDonationTable && !c.focusIsCellEditor) return TableKey(c);
    return PanelKeyAction::None;
}
