// The live list and its file: start-up's load, the save after each change,
// the common ending of every list command, and what they report. These read
// and write the application state; the file format and the save steps
// themselves are plain logic in core/list/ListFile.h.
#pragma once

#include <string>

#include "app/AppState.h"
#include "core/list/ListFile.h"

// Start-up: AppState.list := the entries of AppState.listPath. A file that
// exists but cannot be read is remembered (AppState.listFile.unread) and never
// overwritten; entries kept from an earlier run in "<path>.unsaved" come back.
void LoadDonationList(AppState& app);
void LoadDonationList();

// Writes AppState.list to AppState.listPath; AppState.listSaved := result.
// A file that another program changed since this program last read or wrote
// it is never replaced (AppState.listSaved stays false when a change of ours
// was pending, as FinishListChange marks it).
// While the file has never been read, it is read again first and its entries
// are taken in ahead of the typed ones; while it still cannot be read, the
// list goes to "<path>.unsaved" instead. AppState.listFile.saveNote says what
// happened beyond a plain save, saveFailure why it failed (both empty
// when there is nothing to say).
void SaveDonationList(AppState& app);
void SaveDonationList();

// The common ending of every list change: refresh the table, save, mark the
// caption stale and report the message with the save result and the time.
void CommitListChange(const std::wstring& message);

// The status text CommitListChange shows, without the time.
std::wstring ListChangeStatus(const std::wstring& message, bool saved);
std::wstring ListChangeStatus(const std::wstring& message, bool saved, const std::wstring& note,
                              const std::wstring& failure);
// The same for the last SaveDonationList, with what it noted.
std::wstring LastListChangeStatus(const AppState& app, const std::wstring& message);
std::wstring LastListChangeStatus(const std::wstring& message);

// Shows a list that the last save took in from the file: table and caption.
void ShowListTakenIn();

// What start-up has to tell about the list file, or empty.
std::wstring ListStartupStatus();
