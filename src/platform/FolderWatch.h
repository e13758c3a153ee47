// Watches one file of a folder from a thread of its own and posts a message
// to a window whenever that file is written, created, removed or renamed to
// or from, so that the window's thread can look at it. Nothing is read here:
// the window decides, by content, whether anything changed.
#pragma once

#include <windows.h>

#include <string>

#include "platform/WinHandles.h"

class FolderWatch {
public:
    FolderWatch() = default;
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;
    ~FolderWatch() { Stop(); }

    // Posts `message` (no parameters) to `target` for each batch of changes
    // that names `fileName` (or when the system lost count of them). False
    // when the folder cannot be watched.
    bool Start(const std::wstring& folder, const std::wstring& fileName, HWND target, UINT message);
    void Stop();
    bool Running() const { return static_cast<bool>(thread_); }

private:
    static DWORD WINAPI Run(void* self);
    void Watch();
    bool Names(const FILE_NOTIFY_INFORMATION* entry) const;

    std::wstring fileName_;
    HWND target_ = nullptr;
    UINT message_ = 0;
    UniqueHandle folder_;
    UniqueHandle stop_;
    UniqueHandle listening_;  // set once the first read waits for changes
    UniqueHandle thread_;
};
