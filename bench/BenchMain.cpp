// velmaro_bench: the list file and amount helpers, the caption, then the donation table.
#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include "platform/SystemTimer.h"

#include "BenchTiming.h"

namespace {

struct BenchGroup {
    const wchar_t* name;
    void (*run)();
};

constexpr BenchGroup kGroups[] = {
    {L"list", RunListBenchmarks},       {L"caption", RunCaptionBenchmarks}, {L"composition", RunCompositionBenchmarks},
    {L"pacing", RunPacingBenchmarks},   {L"scale", RunScaleBenchmarks},     {L"table", RunTableBenchmarks},
};

}  // namespace

// With no argument every group runs; otherwise the groups named.
int wmain(int argc, wchar_t** argv) {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    BeginTimerPeriod(1);
    for (const BenchGroup& group : kGroups) {
        bool chosen = argc < 2;
        for (int i = 1; i < argc; ++i) chosen = chosen || wcscmp(argv[i], group.name) == 0;
        if (chosen) group.run();
    }
    EndTimerPeriod(1);
    Gdiplus::GdiplusShutdown(token);
    return 0;
}
