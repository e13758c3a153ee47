// Leaving never loses a donor. Before anything of the running program is
// torn down, the settings and the list are saved; while the list is not
// saved, the operator is asked (try again, save it elsewhere, exit anyway,
// or stay). When Windows ends the session no question can be asked, so a
// list that cannot be saved goes to a fallback file, named at the next start.
#pragma once

#include <windows.h>

#include <string>

#include "app/AppState.h"
#include "commands/Views.h"
#include "core/list/DonationList.h"


// The question's text: why the list is not saved, and whether the settings
// could not be saved either (which alone never holds the exit up).
std::wstring UnsavedListQuestion(const std::wstring& reason, bool settingsSaved);

// Saves both files and asks while the list is not saved. True when the
// program may go on to exit; false when the operator chose to stay, and
// then nothing has changed.
bool SaveBeforeExit(AppState& app, Views& views);

// The list in its own file's format at `path`, through a pending file.
bool WriteListCopy(const DonationList& list, const std::wstring& path);

// Windows is ending the session: saves both files now; a list that cannot
// be saved is written to the fallback file. No question is shown.
void SaveForSessionEnd(AppState& app);

// Where an unsaved list goes when the session ends: beside the list file,
// else in the user's local application data folder.
std::wstring SessionFallbackBeside(const std::wstring& listPath);
std::wstring SessionFallbackInAppData();

// What start-up says about a fallback file left by an ended session, or empty.
std::wstring SessionFallbackNote(const std::wstring& listPath);
