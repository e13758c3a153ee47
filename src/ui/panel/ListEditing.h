// The list commands: append, edit a cell, delete, clear, undo and redo. Each
// records the list as it was, changes it and ends in CommitListChange.
#pragma once

#include <string>

#include "core/list/DonationList.h"
#include "core/list/UndoHistory.h"

// Called by every list command just before it changes the list.
void PushUndoSnapshot();

// Returns the list to the state before the last change.
void UndoListChange();
// Repeats the last undone change.
void RedoListChange();

// Appends the entry typed into the name and amount boxes.
void AppendEntry();

// Ends the cell edit: stores the editor's text (cancel = false) or drops it.
void CommitCellEdit(bool cancel);
// The same when the editor loses the focus; the editor window itself goes
// once its own focus handling has finished.
void CommitCellEditOnFocusLoss();

// Removes the entries of the selected table rows.
void DeleteSelectedEntries();

// Empties the list after the operator confirms.
void ClearList();
