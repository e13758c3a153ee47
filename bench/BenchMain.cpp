// velmaro_bench: the list file and amount helpers, the caption, then the donation table.
#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include "platform/SystemTimer.h"

#include "BenchTiming.h"

int wmain() {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    BeginTimerPeriod(1);
    RunListBenchmarks();
    RunCaptionBenchmarks();
    RunCompositionBenchmarks();
    RunPacingBenchmarks();
    RunScaleBenchmarks();
    RunTableBenchmarks();
    EndTimerPeriod(1);
    Gdiplus::GdiplusShutdown(token);
    return 0;
}
