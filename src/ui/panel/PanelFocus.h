// The Alt accelerators' focus and press operations.
#pragma once

#include <windows.h>

// Shows the settings page of a page control, scrolling it into view.
void RevealPanelControl(int id);

// Reveals, shows the panel and focuses the control (a text box gets its text selected).
void FocusPanelControl(int id);

// Reveals, shows the panel and clicks the control.
void PressPanelControl(int id);

// Alt+D: the button of the direction now playing.
void FocusPlayingDirectionButton();

// What an Alt command does (ui/panel/AltKeys.h); false for any other command.
bool RunAltCommand(int command);

// The control an Alt command acts on, and whether it is pressed (else focused).
struct AltTarget {
    int control;
    bool press;
};
AltTarget AltCommandTarget(int command);

// The help button's menu of the six chapters; opens the chosen one.
void ShowHelpMenu();
