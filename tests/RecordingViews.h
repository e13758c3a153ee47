// Views that record what the windows would be told, for commands run on a
// state of their own without any window.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "commands/Views.h"

struct RecordingViews : Views {
    int listChanges = 0;
    int reloads = 0;
    std::vector<size_t> shownEntries;
    std::vector<SettingsChange> settingsChanges;
    int playbackChanges = 0;
    std::vector<std::wstring> statuses;
    std::vector<ConfirmKind> asked;
    bool answer = true;
    std::vector<ExitChoice> exitChoices;  // the answers to the exit question, in turn
    std::vector<std::wstring> exitQuestions;
    std::wstring savePath;                // where a copy of the list goes; empty = cancelled
    std::function<void()> whileAsking;  // what happens while a question is open

    void ListChanged() override { ++listChanges; }
    void ListReloaded() override {
        ++reloads;
        ListChanged();
    }
    void ShowEntry(size_t listIndex) override { shownEntries.push_back(listIndex); }
    void SettingsChanged(SettingsChange what) override { settingsChanges.push_back(what); }
    void PlaybackChanged() override { ++playbackChanges; }
    void Status(const std::wstring& text, bool withTime) override {
        statuses.push_back(text + (withTime ? L" @" : L""));
    }
    ExitChoice AskAboutUnsavedList(const std::wstring& text) override {
        exitQuestions.push_back(text);
        if (exitChoices.empty()) return ExitChoice::StayOpen;
        const ExitChoice choice = exitChoices.front();
        exitChoices.erase(exitChoices.begin());
        return choice;
    }
    std::wstring AskWhereToSaveList() override { return savePath; }
    bool Confirm(ConfirmKind kind) override {
        asked.push_back(kind);
        if (whileAsking) whileAsking();
        return answer;
    }
};
