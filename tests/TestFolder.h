// A fresh folder under the Windows temp folder, removed with everything in it
// (read-only files included) when the test ends; plus small file helpers.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <string>

#include "platform/FileIo.h"

class TestFolder {
public:
    TestFolder() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        static int counter = 0;
        path_ = std::wstring(temp) + L"velmaro-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(++counter);
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;
    ~TestFolder() { RemoveTree(path_); }

    const std::wstring& path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    static void RemoveTree(const std::wstring& folder) {
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = data.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::wstring child = folder + L"\\" + name;
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(child);
                } else {
                    DeleteFileW(child.c_str());
                }
            } while (FindNextFileW(find, &data));
            FindClose(find);
        }
        RemoveDirectoryW(folder.c_str());
    }

    std::wstring path_;
};

inline std::string ReadBytes(const std::wstring& path) {
    std::string bytes;
    ReadWholeFile(path, bytes);
    return bytes;
}

inline bool WriteBytes(const std::wstring& path, const std::string& bytes) { return WriteFlushedFile(path, bytes); }

// Identity of the file now at the path (changes when a rename replaces it).
inline unsigned long long FileIdentity(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    BY_HANDLE_FILE_INFORMATION info{};
    GetFileInformationByHandle(file, &info);
    CloseHandle(file);
    return (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
}

// UTF-8 literal helper: the tests spell file bytes as u8 strings.
inline std::string Bytes(const char* text) { return std::string(text); }

// A folder holding donations.txt and its backup that this process cannot
// write, prepared by the test runner; empty when the runner gave none.
inline std::wstring LockedFolder() {
    const char* locked = std::getenv("VELMARO_LOCKED_DIR");
    std::wstring folder;
    for (const char* c = locked ? locked : ""; *c; ++c) folder += static_cast<wchar_t>(*c);
    return folder;
}
