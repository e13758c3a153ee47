// The text box laid over a table cell while it is edited in place.
#pragma once

// Opens the editor over (row, column): column 1 name, 2 amount. An editor
// still open is committed first; a row that is not shown opens nothing.
void OpenCellEditor(int row, int column);

// Tab (forward) or Shift+Tab: commits and opens the next or previous cell.
void MoveCellEditor(bool backwards);

// The cell Tab or Shift+Tab leads to from (row, column): {row, column}.
struct CellPosition {
    int row;
    int column;
};
CellPosition NextCell(CellPosition from, bool backwards);
