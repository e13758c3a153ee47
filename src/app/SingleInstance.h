// One running program per program folder. Two instances in the same folder
// would each write the same donations.txt and overwrite each other's
// changes, so a second start there brings the first instance's panel to the
// front and ends. Programs in other folders run side by side.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/WinHandles.h"

// A key for the folder that two spellings of the same path share (case,
// "/" for "\", a trailing separator).
uint64_t ProgramFolderKey(const std::wstring& folder);

// Takes the folder's named mutex into `claim`; false when another instance
// of the program already holds it.
bool ClaimProgramFolder(const std::wstring& folder, UniqueHandle& claim);

// Asks the instance that holds the folder to show its panel; false when
// none answered.
bool BringFirstInstanceForward(const std::wstring& folder);

// The message a second start sends to the panels (lParam: the folder key);
// a panel of that folder shows itself and answers kShowPanelAnswer.
UINT ShowPanelMessage();
constexpr LRESULT kShowPanelAnswer = 0x564C4D52;  // "VLMR"
