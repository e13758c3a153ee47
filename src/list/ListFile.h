// donations.txt: UTF-8 with a byte-order mark, the header "# name,amount",
// then one "name,amount" line per entry. A line splits at its first ",",
// "，" or TAB, so amounts may carry digit groups.
//
// The plain format cannot hold a name that contains a separator or starts
// with "#". Such a name (and a name starting with a quote that would
// otherwise read back differently) is written in double quotes with inner
// quotes doubled: "Smith, Jones & Co",500元. The reader accepts the quoted
// form only where the writer would have produced it, so every file without
// such names reads and writes exactly as the plain format says.
#pragma once

#include <string>
#include <string_view>

#include "list/DonationList.h"

// Entries of a file's bytes; amounts are normalised with the given unit.
DonationList ParseDonationListBytes(std::string_view bytes, std::wstring_view unit);

// The complete file content for a list.
std::string SerializeDonationList(const DonationList& list);

// Writes the list through "<path>.pending", refreshing "<path>.bak" from the
// previous file. Nothing is written when the bytes on disk are already equal.
bool WriteDonationListFile(const DonationList& list, const std::wstring& path);

// AppState.list := the entries of AppState.listPath (empty when unreadable).
void LoadDonationList();

// Writes AppState.list to AppState.listPath; AppState.listSaved := result.
void SaveDonationList();

// The common ending of every list change: refresh the table, save, mark the
// caption stale and report the message with the save result and the time.
void CommitListChange(const std::wstring& message);

// The status text CommitListChange shows, without the time.
std::wstring ListChangeStatus(const std::wstring& message, bool saved);
