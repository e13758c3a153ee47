// The control panel's command and notification dispatch: every button, menu,
// accelerator and notification is handed to the part that carries it out.
#pragma once

#include <windows.h>

// WM_COMMAND with the control (or command) id and the notification code.
LRESULT OnPanelCommand(int id, int code);

// WM_NOTIFY from the table or the font size spin buttons.
LRESULT OnPanelNotify(NMHDR& header);

// True for the settings boxes that apply the panel's values when left.
bool IsAppliedOnLeaving(int id);
