// Answers the common dialogs the program opens (colour, font) from a second
// thread while the test's own thread sits in the modal dialog.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <utility>
#include <vector>

// Answers the next common dialog (the one with control `marker`) from a
// second thread: fills in the given edits, then presses `button`.
struct DialogAnswer {
    int marker;
    std::vector<std::pair<int, std::wstring>> edits;
    int button;
    std::atomic<bool> actionReturned{false};
    bool found = false;
};

inline DWORD WINAPI AnswerDialog(void* data) {
    auto* answer = static_cast<DialogAnswer*>(data);
    for (int i = 0; i < 400 && !answer->actionReturned; ++i) {
        HWND dialog = nullptr;
        while ((dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr)) != nullptr) {
            if (GetDlgItem(dialog, answer->marker)) break;
        }
        // A dialog is shown only once it has filled its controls; answering
        // earlier would have its own initial values overwrite ours.
        if (dialog && IsWindowVisible(dialog)) {
            Sleep(50);
            for (const auto& edit : answer->edits) SetDlgItemTextW(dialog, edit.first, edit.second.c_str());
            answer->found = true;
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(answer->button, BN_CLICKED), 0);
            return 0;
        }
        Sleep(25);
    }
    return 0;
}

template <typename Action>
bool AnswerNextDialog(DialogAnswer& answer, Action action) {
    HANDLE thread = CreateThread(nullptr, 0, AnswerDialog, &answer, 0, nullptr);
    action();
    answer.actionReturned = true;
    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
    return answer.found;
}

constexpr int kColourRedEdit = 706;  // the colour dialog's red, green and blue boxes
constexpr int kColourGreenEdit = 707;
constexpr int kColourBlueEdit = 708;
constexpr int kFontFaceList = 1136;  // the font dialog's face list and size box
constexpr int kFontSizeBox = 1138;
