#include "platform/FolderWatch.h"

#include <cstdint>
#include <vector>

bool FolderWatch::Start(const std::wstring& folder, const std::wstring& fileName, HWND target, UINT message) {
    Stop();
    fileName_ = fileName;
    target_ = target;
    message_ = message;
    folder_.reset(CreateFileW(folder.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr));
    stop_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    listening_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!folder_ || !stop_ || !listening_) return false;
    thread_.reset(CreateThread(nullptr, 0, &FolderWatch::Run, this, 0, nullptr));
    if (!thread_) return false;
    // A change made once this returns is never missed: the first read is
    // waiting for it (or the thread has given up).
    const HANDLE waitFor[] = {listening_.get(), thread_.get()};
    if (WaitForMultipleObjects(2, waitFor, FALSE, 5000) == WAIT_OBJECT_0) return true;
    Stop();
    return false;
}

void FolderWatch::Stop() {
    if (thread_) {
        SetEvent(stop_.get());
        WaitForSingleObject(thread_.get(), INFINITE);
        thread_.reset();
    }
    folder_.reset();
    stop_.reset();
    listening_.reset();
}

DWORD WINAPI FolderWatch::Run(void* self) {
    static_cast<FolderWatch*>(self)->Watch();
    return 0;
}

bool FolderWatch::Names(const FILE_NOTIFY_INFORMATION* entry) const {
    const int length = static_cast<int>(entry->FileNameLength / sizeof(wchar_t));
    return CompareStringOrdinal(entry->FileName, length, fileName_.c_str(), static_cast<int>(fileName_.size()), TRUE) ==
           CSTR_EQUAL;
}

void FolderWatch::Watch() {
    UniqueHandle ready(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!ready) return;
    // DWORD-aligned, as the notification records require.
    std::vector<uint32_t> buffer(16 * 1024);
    const DWORD bufferBytes = static_cast<DWORD>(buffer.size() * sizeof(uint32_t));
    const DWORD filter = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE;
    for (;;) {
        OVERLAPPED overlapped{};
        overlapped.hEvent = ready.get();
        ResetEvent(ready.get());
        if (!ReadDirectoryChangesW(folder_.get(), buffer.data(), bufferBytes, FALSE, filter, nullptr, &overlapped,
                                   nullptr)) {
            return;
        }
        SetEvent(listening_.get());
        const HANDLE events[] = {stop_.get(), ready.get()};
        const DWORD woken = WaitForMultipleObjects(2, events, FALSE, INFINITE);
        DWORD bytes = 0;
        if (woken != WAIT_OBJECT_0 + 1) {
            // Stopping: the pending read must end before its buffer goes.
            CancelIo(folder_.get());
            GetOverlappedResult(folder_.get(), &overlapped, &bytes, TRUE);
            return;
        }
        if (!GetOverlappedResult(folder_.get(), &overlapped, &bytes, FALSE)) return;
        // No bytes: more changes than the buffer held; the file may be among them.
        bool ours = bytes == 0;
        const auto* base = reinterpret_cast<const unsigned char*>(buffer.data());
        for (DWORD offset = 0; !ours && bytes != 0;) {
            const auto* entry = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(base + offset);
            ours = Names(entry);
            if (entry->NextEntryOffset == 0) break;
            offset += entry->NextEntryOffset;
        }
        if (ours) PostMessageW(target_, message_, 0, 0);
    }
}
