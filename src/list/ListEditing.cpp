#include "list/ListEditing.h"

// Undo snapshots are taken by the editing commands, which arrive with the
// table; until then both stacks stay empty and there is nothing to undo.
void UndoListChange() {}

void RedoListChange() {}
