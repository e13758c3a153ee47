// Changes that other programs make to the list file: a colleague's edit in
// Notepad, a spreadsheet's export saved over it, a sync folder's copy. They
// are taken in as one undoable step and never overwritten unseen.
#pragma once

#include "app/AppState.h"
#include "commands/Views.h"

enum class OutsideChange {
    None,        // the file holds what this program last read or wrote
    Reloaded,    // its new content is the list now (one undoable step)
    Removed,     // it is gone; the list stays and the next change writes it again
    Unreadable,  // it is there but cannot be read now; nothing is written over it
};

// Compares the file with what this program last read or wrote and takes a
// change in, telling the views. A file that was never read (locked at
// start-up) is left to the rules for that case.
OutsideChange TakeInOutsideChange(AppState& app, Views& views);

// The same for a look at the file made elsewhere (a worker thread) while
// AppState.listFile.stamp was what it is now.
OutsideChange TakeInListFileRead(AppState& app, Views& views, ListFileRead&& read);

// False while there is nothing to compare with: the file was never read.
bool WatchesForOutsideChanges(const AppState& app);

// What a list command does to the list, which decides whether it can still
// be applied after the file was changed outside.
enum class ListActionKind {
    AddsOnly,  // append, import: as unambiguous on the new list as on the old
    Other,     // edit, delete, clear, restore, undo, redo: meant for the list the operator saw
};

// Run just before a list command changes the list: takes an unseen outside
// change in first. True when the command may go on; false (and the status
// line says so) when it was meant for the list as it was.
bool ReadyForListCommand(AppState& app, Views& views, ListActionKind kind);

// For a command that asked a question first: true while no outside change
// has been taken in since `reloadsBefore` (AppState.listFile.reloads then)
// and none is waiting; otherwise false, and the status line says why.
bool StillTheListThatWasConfirmed(AppState& app, Views& views, unsigned reloadsBefore);
