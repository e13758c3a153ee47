// DLLs that are not among Windows' known DLLs are never imported at load
// time: Windows would look for them in the program's own folder first, and
// a file of that name placed beside velmaro.exe (a USB stick, a Downloads
// folder) would run inside it. They are loaded from the system folder only,
// and their functions resolved once, from one table per DLL.
#pragma once

#include <cstddef>
#include <string>

struct SystemFunction {
    const char* name;
    void** slot;  // receives the function's address
};

// Loads `dll` from the system folder only and fills every slot. On failure
// no slot is filled and `missing` names what is missing ("x.dll" or
// "x.dll!Function"). A loaded DLL stays loaded until the process ends.
bool LoadSystemFunctions(const wchar_t* dll, const SystemFunction* functions, size_t count, std::wstring& missing);

// Makes the system folder the only place later loads look in, so that no
// DLL a system component loads on demand comes from the program's folder.
void RestrictDllSearchToSystemFolder();
