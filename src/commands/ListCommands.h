// The list commands the operator gives: append, edit, delete, clear, undo,
// redo and restore the backup. Each records the list as it was, changes it,
// saves and tells the views; they are the only writers of the list.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "commands/Views.h"

// The common ending of every list change: save, tell the views, report the
// message with the save result.
void FinishListChange(AppState& app, Views& views, const std::wstring& message);

// The typed name and amount as a new entry at the end; false (and a hint in
// the status line) when either is empty once stored.
bool AppendEntry(AppState& app, Views& views, const std::wstring& typedName, const std::wstring& typedAmount);

// Stores an edited cell (column 1 name, 2 amount); an empty result keeps the
// old value and says so; the same text records nothing.
void EditEntryField(AppState& app, Views& views, size_t index, int column, const std::wstring& typed);

// Removes the entries at the given list indices (any order, repeats allowed).
void DeleteEntries(AppState& app, Views& views, const std::vector<size_t>& indices);

// Empties the list once the operator confirms.
void ClearList(AppState& app, Views& views);

// Entries already checked (an import) at the end of the list, as one step.
void AppendEntries(AppState& app, Views& views, const DonationList& entries, const std::wstring& message);

// Before changing the list, each command takes in a change another program
// made to the file; one meant for the list as it was (all but appending) is
// then not applied, and the status line says so.
void UndoListChange(AppState& app, Views& views);
void RedoListChange(AppState& app, Views& views);

// The list from "<list>.bak" once the operator confirms; a missing or
// unreadable backup changes nothing.
void RestoreListBackup(AppState& app, Views& views);
