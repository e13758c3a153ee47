#include "platform/SystemLibrary.h"

#include <windows.h>

#include <vector>

bool LoadSystemFunctions(const wchar_t* dll, const SystemFunction* functions, size_t count, std::wstring& missing) {
    missing.clear();
    // Owned by the process: the functions stay in use until it ends.
    HMODULE module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module) {
        missing = dll;
        return false;
    }
    std::vector<void*> found(count, nullptr);
    for (size_t i = 0; i < count; ++i) {
        found[i] = reinterpret_cast<void*>(GetProcAddress(module, functions[i].name));
        if (!found[i]) {
            missing = std::wstring(dll) + L"!";
            for (const char* c = functions[i].name; *c; ++c) missing += static_cast<wchar_t>(*c);
            return false;
        }
    }
    for (size_t i = 0; i < count; ++i) *functions[i].slot = found[i];
    return true;
}

void RestrictDllSearchToSystemFolder() { SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32); }
