// The list commands that change the donation list.
#pragma once

// Returns the list to the state before the last change.
void UndoListChange();

// Repeats the last undone change.
void RedoListChange();
