// Which of the control panel's own keys a key-down is. The decision is a pure
// function of the key and the focus, so it can be checked without windows.
#pragma once

#include <windows.h>

enum class PanelKeyAction {
    None,             // not a panel key: accelerators and dialog navigation get it
    OpenHelp,         // F1
    CancelCellEdit,   // Esc in the cell editor
    CommitCellEdit,   // Enter in the cell editor
    CellEditNext,     // Tab in the cell editor
    CellEditPrevious, // Shift+Tab in the cell editor
    ApplySpeed,       // Enter in the speed box
    AppendEntry,      // Enter in the name or amount box
    FocusSearch,      // Ctrl+F
    ApplyAndSave,     // Ctrl+S
    UndoList,         // Ctrl+Z outside text boxes
    RedoList,         // Ctrl+Y outside text boxes
    SelectAllRows,    // Ctrl+A in the table
    DeleteSelected,   // Delete in the table
    EditSelected,     // F2 in the table
};

struct PanelKeyContext {
    UINT key = 0;
    bool ctrl = false;
    bool shift = false;
    bool focusIsCellEditor = false;
    bool focusIsTextBox = false;  // window class "EDIT", any case
    int focusId = 0;              // control id of the focused window
};

PanelKeyAction ClassifyPanelKey(const PanelKeyContext& context);
