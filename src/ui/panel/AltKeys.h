// The control panel's Alt keys, described once: the key, the command it
// sends, the control it acts on and how. The accelerator table, the Alt
// dispatch and the tests all read this table.
#pragma once

#include <windows.h>

#include <array>

enum class AltAction {
    Focus,                  // reveal, show the panel, focus the control
    Press,                  // reveal, show the panel, click the control
    OpenImport,             // the batch import window
    FocusPlayingDirection,  // the button of the direction now playing
    ConfirmRestoreDefaults, // the restore-defaults question
};

struct AltKey {
    WORD key;      // virtual-key code, with Alt
    WORD command;  // sent to the control panel as WM_COMMAND
    int control;   // the control it focuses or presses; 0 for the other actions
    AltAction action;
};

extern const std::array<AltKey, 34> kAltKeys;

// The row of a command; null outside the table.
const AltKey* FindAltKey(int command);
