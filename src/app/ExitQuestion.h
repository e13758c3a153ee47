// The question shown when the list is not saved at exit, owned by the panel.
#pragma once

#include <windows.h>

#include <string>

#include "commands/Views.h"

constexpr wchar_t kExitQuestionTitle[] = L"退出程序";
constexpr int kExitRetryButton = 101;
constexpr int kExitSaveElsewhereButton = 102;
constexpr int kExitAnywayButton = 103;

ExitChoice AskAboutUnsavedList(HWND owner, const std::wstring& text);

// The save dialog for a copy of the list; empty when cancelled.
std::wstring AskWhereToSaveList(HWND owner);
