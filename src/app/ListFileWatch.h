// Notices, within about a second, that another program wrote the list file,
// without touching the disk every frame: the folder's change notifications
// arrive as messages, a burst of them (a writer that saves in several steps,
// or through a rename) gives one look, and the look decides by content. The
// file is read and parsed on a worker thread, so that a long list changed
// outside does not hold up the caption's frames.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "core/list/ListFile.h"
#include "platform/FolderWatch.h"
#include "platform/WinHandles.h"

class ListFileWatcher {
public:
    // How long the file must stay quiet before it is looked at, at most how
    // long a stream of writes can put that off, and how soon a file that
    // could not be read is tried again.
    static constexpr UINT kQuietMs = 150;
    static constexpr UINT kLongestWaitMs = 600;
    static constexpr UINT kRetryMs = 500;

    struct Callbacks {
        // On this thread before each look: the amount unit to parse with and
        // what the file is known to hold; false when there is nothing to compare.
        std::function<bool(std::wstring& unit, ListFileStamp& known)> prepare;
        // On this thread with what the look found; true to look again soon.
        std::function<bool(ListFileRead&& read)> apply;
    };

    ListFileWatcher() = default;
    ListFileWatcher(const ListFileWatcher&) = delete;
    ListFileWatcher& operator=(const ListFileWatcher&) = delete;
    ~ListFileWatcher() { Stop(); }

    // False when the folder cannot be watched.
    bool Start(HINSTANCE instance, const std::wstring& listPath, Callbacks callbacks);
    void Stop();
    bool Running() const { return watch_.Running(); }

private:
    struct Look;  // one read on the worker thread
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static DWORD WINAPI Read(void* look);
    void OnNotice();
    void OnTimer();
    void OnLookDone(Look* look);
    void CheckAfter(UINT delayMs);
    void EndLook();

    HWND window_ = nullptr;  // a message-only window of ours, destroyed by Stop
    std::wstring path_;
    FolderWatch watch_;
    Callbacks callbacks_;
    UniqueHandle reader_;   // the worker thread of the look under way
    bool waiting_ = false;  // a look is due
    bool lookAgain_ = false;  // a notice came while a look was under way
    ULONGLONG firstNotice_ = 0;
};
