// Entry point of velmaro.exe; everything else lives in the library.
#include <windows.h>

#include "app/Startup.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    return RunVelmaro(instance, showCommand);
}
