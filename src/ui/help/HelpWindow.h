// The help window: a chapter list, the chapter's text and "关闭".
#pragma once

#include <windows.h>

#include "platform/WinHandles.h"

constexpr wchar_t kHelpWindowClass[] = L"V2HelpWindow";

// What the open help window keeps: its scale and the font of its controls.
struct HelpWindowState {
    double scale = 1.0;
    UniqueFont font;
};

// Control ids of the help window.
constexpr int kIdHelpChapterList = 9301;
constexpr int kIdHelpText = 9302;
constexpr int kIdHelpCloseButton = 9303;

// Opens the help window at a chapter (0-5, clamped), or switches an open one
// to it and brings it forward.
void ShowHelp(int chapter);
