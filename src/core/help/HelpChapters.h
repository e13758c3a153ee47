// The six chapters of the help: their titles and texts.
#pragma once

#include <array>
#include <string>

#include "core/settings/AppSettings.h"

constexpr int kHelpChapterCount = 6;

extern const std::array<const wchar_t*, kHelpChapterCount> kHelpChapterTitles;

// The chapter's text, lines joined by CR LF; index clamped to 0..5. The
// hotkey chapter lists the hotkeys of `settings` as they are stored.
std::wstring HelpChapterText(int chapter, const AppSettings& settings);
