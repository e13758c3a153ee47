// What the windows need to hear from the commands. A command changes the
// state and then tells the views; it never calls a window itself, so a test
// can implement the views and see exactly what would be shown.
#pragma once

#include <cstddef>
#include <string>

// The Yes/No questions a command may have to ask first.
enum class ConfirmKind { ClearList, RestoreBackup, RestoreDefaults };

// The operator's answer when the list is not saved at exit.
enum class ExitChoice { RetrySave, SaveElsewhere, ExitAnyway, StayOpen };

// What a settings command changed, and so what the windows redo.
enum class SettingsChange {
    Direction,            // the active direction and its layout: controls, caption placed again and restarted
    Applied,              // the panel's values in the same direction: font, caption placed again and repainted
    AppliedNewDirection,  // the panel's values with another direction: controls, font, placed, restarted
    Everything,           // every setting: also the hotkeys and the table's amounts
    Colours,              // a colour: the caption repainted
    Amounts,              // how amounts are shown: the table and the caption
    Placement,            // the caption's rectangle or z-order: placed again
    Speed,                // the speed: the panel's indicators
    Screen,               // another target screen: font, minimum height, slider ranges, controls, placed
    ScreensListed,        // the attached screens changed: slider ranges, the screen list, controls
    Hotkeys,              // the hotkey texts: registered again, controls
    Moved,                // the caption dragged to a new place: controls, placed (saved when the drag ends)
};

struct Views {
    // The list changed: table, count and caption show it.
    virtual void ListChanged() = 0;
    // The list was replaced by what another program wrote to the file: an
    // open cell edit and a finished import check no longer apply; then as
    // ListChanged.
    virtual void ListReloaded() = 0;
    // The operator added this entry (a list index) and expects to see it:
    // the table brings its row into view.
    virtual void ShowEntry(size_t listIndex) = 0;
    // Settings changed as a whole; the command saves them after this.
    virtual void SettingsChanged(SettingsChange what) = 0;
    // Playback started or paused: the caption shows or hides, the play button follows.
    virtual void PlaybackChanged() = 0;
    // The status line; `withTime` appends the time of day.
    virtual void Status(const std::wstring& text, bool withTime) = 0;
    // True when the operator answers Yes.
    virtual bool Confirm(ConfirmKind kind) = 0;
    // The list is not saved and the program is about to exit: the question's
    // text, the operator's choice.
    virtual ExitChoice AskAboutUnsavedList(const std::wstring& text) = 0;
    // Where a copy of the list goes; empty when the operator cancelled.
    virtual std::wstring AskWhereToSaveList() = 0;
    virtual ~Views() = default;
};
