// Entry point of velmaro.exe; everything else lives in the library.
#include <windows.h>

#include "app/Startup.h"
#include "platform/SystemLibrary.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    // First of all: no DLL loaded from here on may come from the program's folder.
    RestrictDllSearchToSystemFolder();
    return RunVelmaro(instance, showCommand);
}
