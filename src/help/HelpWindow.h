// The help window with its chapters.
#pragma once

// Opens the help window at the given chapter (0 = the first).
void OpenHelpWindow(int chapter);

// Control ids of the help window.
constexpr int kIdHelpChapterList = 9301;
constexpr int kIdHelpText = 9302;
