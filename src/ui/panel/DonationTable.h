// The donation table of the control panel: the list shown row by row, with
// the search narrowing what is shown and the selection kept by list index.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/list/DonationList.h"

// The table window of the control panel, or null.
HWND DonationTableWindow();

// Set-up of the freshly created table: header drawing, styles, row height,
// colours and the three columns.
void SetUpDonationTable(HWND table);

// Gives the table a row image list for the current DPI (the old one goes
// after the new one is attached); destroyed with the panel.
void AttachRowImageList();
void DestroyRowImageList();

// Column widths for the panel's logical client width b.
void SetDonationTableColumnWidths(int b);

// Refills the table (and AppState.viewRows) from the list and the search text.
void RefreshDonationTable();
// Scrolls the table so that the row of this list index shows (no row: nothing).
void ScrollDonationTableTo(size_t listIndex);

// List indices of the selected rows, top to bottom.
std::vector<size_t> SelectedListIndices();
void DeselectAllRows();
void SelectAllRows();

// F2: edits the name of the topmost selected row.
void EditSelectedRow();

// Double-click and custom draw of the table's rows.
LRESULT OnDonationTableNotify(NMHDR& header);

// The search: a-z become A-Z, everything else stays as typed.
std::wstring UpperAscii(std::wstring_view text);
// Whether an entry shown as `shownAmount` matches an upper-cased query.
bool EntryMatchesQuery(const DonationEntry& entry, const std::wstring& shownAmount, const std::wstring& upperQuery);
// "名单  N 条", with "  /  找到 M 条" while a search is active.
std::wstring CountLabelText(size_t entries, size_t rows, bool searching);
