// What the windows need to hear from the commands. A command changes the
// state and then tells the views; it never calls a window itself, so a test
// can implement the views and see exactly what would be shown.
#pragma once

#include <string>

// The Yes/No questions a command may have to ask first.
enum class ConfirmKind { ClearList, RestoreBackup };

struct Views {
    // The list changed: table, count and caption show it.
    virtual void ListChanged() = 0;
    // The list was replaced by what another program wrote to the file: an
    // open cell edit and a finished import check no longer apply; then as
    // ListChanged.
    virtual void ListReloaded() = 0;
    // The status line; `withTime` appends the time of day.
    virtual void Status(const std::wstring& text, bool withTime) = 0;
    // True when the operator answers Yes.
    virtual bool Confirm(ConfirmKind kind) = 0;
    virtual ~Views() = default;
};
