#include "platform/FileIo.h"

#include "platform/WinHandles.h"

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsReadOnlyFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool ReadWholeFile(const std::wstring& path, std::string& bytes) {
    bytes.clear();
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return false;
    if (static_cast<unsigned long long>(size.QuadPart) > 0x7FFFFFFFull) return false;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(bytes.size() - done);
        if (!ReadFile(file.get(), &bytes[done], want, &got, nullptr)) return false;
        if (got == 0) break;  // the file shrank while we read it
        done += got;
    }
    bytes.resize(done);
    return true;
}

bool WriteFlushedFile(const std::wstring& path, const std::string& bytes) {
    HANDLE raw = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (raw == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    size_t done = 0;
    while (ok && done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
        ok = WriteFile(raw, bytes.data() + done, chunk, &written, nullptr) && written == chunk;
        done += written;
    }
    ok = ok && FlushFileBuffers(raw);
    // Closing is a step of its own: a failed close can still lose the data.
    const bool closed = CloseHandle(raw) != FALSE;
    return ok && closed;
}

bool ReplaceWithPending(const std::wstring& pendingPath, const std::wstring& targetPath) {
    return MoveFileExW(pendingPath.c_str(), targetPath.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}
