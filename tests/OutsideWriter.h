// Writes to the list file the ways other programs do: in place (Notepad),
// through a new file renamed over it (many editors, sync tools), and by
// deleting it first and writing it again.
#pragma once

#include <windows.h>

#include <string>

inline bool WriteInPlace(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return ok;
}

inline bool WriteByRenameOver(const std::wstring& path, const std::string& bytes) {
    const std::wstring temporary = path + L".~tmp";
    return WriteInPlace(temporary, bytes) && MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

inline bool WriteAfterDeleting(const std::wstring& path, const std::string& bytes) {
    return DeleteFileW(path.c_str()) && WriteInPlace(path, bytes);
}

// The bytes of a list file with the given lines ("name,amount").
inline std::string ListFileBytes(const std::string& lines) { return "\xEF\xBB\xBF# name,amount\n" + lines; }
