// The list commands: append, edit a cell, delete, clear, undo and redo. Each
// records the list as it was, changes it and ends in CommitListChange.
#pragma once

#include <string>
#include <vector>

#include "list/DonationList.h"
#include "list/UndoHistory.h"

// The history steps on their own, so they can be checked without windows.
// Records `current` before a change; the oldest snapshot goes beyond 30.
void PushSnapshot(UndoHistory& history, const DonationList& current);
// Swaps `list` with the newest undo (redo) snapshot; false when there is none.
bool StepBack(UndoHistory& history, DonationList& list);
bool StepForward(UndoHistory& history, DonationList& list);

// Each index once, largest first, so removing in this order keeps the rest valid.
std::vector<size_t> DeletionOrder(std::vector<size_t> indices);

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
