#include "platform/SystemTimer.h"

#include "platform/SystemLibrary.h"

namespace {

struct WinmmFunctions {
    decltype(&timeBeginPeriod) beginPeriod = nullptr;
    decltype(&timeEndPeriod) endPeriod = nullptr;
    decltype(&timeSetEvent) setEvent = nullptr;
    decltype(&timeKillEvent) killEvent = nullptr;
    bool loaded = false;
};

WinmmFunctions LoadFunctions() {
    WinmmFunctions f;
    const SystemFunction table[] = {
        {"timeBeginPeriod", reinterpret_cast<void**>(&f.beginPeriod)},
        {"timeEndPeriod", reinterpret_cast<void**>(&f.endPeriod)},
        {"timeSetEvent", reinterpret_cast<void**>(&f.setEvent)},
        {"timeKillEvent", reinterpret_cast<void**>(&f.killEvent)},
    };
    std::wstring missing;
    f.loaded = LoadSystemFunctions(L"winmm.dll", table, sizeof(table) / sizeof(table[0]), missing);
    return f;
}

const WinmmFunctions& Functions() {
    static const WinmmFunctions functions = LoadFunctions();
    return functions;
}

}  // namespace

bool SystemTimerAvailable() { return Functions().loaded; }

void BeginTimerPeriod(UINT milliseconds) {
    if (Functions().loaded) Functions().beginPeriod(milliseconds);
}

void EndTimerPeriod(UINT milliseconds) {
    if (Functions().loaded) Functions().endPeriod(milliseconds);
}

UINT StartPeriodicTimer(UINT milliseconds, UINT resolution, LPTIMECALLBACK callback, DWORD_PTR data) {
    if (!Functions().loaded) return 0;
    return Functions().setEvent(milliseconds, resolution, callback, data, TIME_PERIODIC | TIME_CALLBACK_FUNCTION);
}

void StopPeriodicTimer(UINT id) {
    if (Functions().loaded) Functions().killEvent(id);
}
