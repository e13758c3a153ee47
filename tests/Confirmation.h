// Answers the program's confirmation boxes from a second thread while the
// test's own thread sits in the modal message box.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>

struct ConfirmationSeen {
    bool found = false;
    std::wstring text;
    bool yesAndNo = false;  // Yes and No buttons, no OK
};

namespace confirmation_detail {

struct Request {
    const wchar_t* title;
    int answer;
    ConfirmationSeen seen;
    std::atomic<bool> actionReturned{false};  // no box can come any more
};

inline DWORD WINAPI Answer(void* data) {
    auto* request = static_cast<Request*>(data);
    for (int i = 0; i < 400 && !request->actionReturned; ++i) {
        HWND box = FindWindowW(L"#32770", request->title);
        if (box) {
            wchar_t text[256] = {};
            GetDlgItemTextW(box, 0xFFFF, text, 256);  // the message text's static control
            request->seen.text = text;
            request->seen.found = true;
            request->seen.yesAndNo = GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO) && !GetDlgItem(box, IDOK);
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(request->answer, BN_CLICKED), 0);
            return 0;
        }
        Sleep(25);
    }
    return 0;
}

}  // namespace confirmation_detail

// Runs `action`, answering the box titled `title` with `answer` (IDYES, IDNO).
template <typename Action>
ConfirmationSeen AnswerConfirmation(const wchar_t* title, int answer, Action action) {
    confirmation_detail::Request request{title, answer, {}};
    HANDLE thread = CreateThread(nullptr, 0, confirmation_detail::Answer, &request, 0, nullptr);
    action();
    request.actionReturned = true;
    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
    return request.seen;
}
