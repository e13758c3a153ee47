// The real caption window playing for a few seconds on the real frame clock
// (8 ms multimedia timer) through the layered renderer: frames presented per
// second, the steps between them, and this process's CPU time meanwhile.
// tools/cpu-bench.sh measures the real program and the X server from outside.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "BenchTiming.h"
#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "ui/caption/CaptionContent.h"
#include "ui/caption/CaptionMotion.h"
#include "ui/caption/CaptionWindow.h"
#include "ui/caption/Monitors.h"

namespace {

double ProcessCpuMs() {
    FILETIME created{}, exited{}, kernel{}, user{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ms = [](const FILETIME& t) {
        return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

void BenchPlaying(const char* label, ScrollDirection direction, int width, int height) {
    g_app.settings.direction = direction;
    g_app.settings.x = 0;
    g_app.settings.y = 0;
    g_app.settings.width = width;
    g_app.settings.height = height;
    g_app.settings.speed = 3;
    g_app.list.clear();
    for (int i = 0; i < 1000; ++i) g_app.list.push_back({L"捐赠人" + std::to_wstring(i), L"100元"});
    InvalidateCaptionLayout();
    RefreshMonitorList();
    SetCaptionRenderers(nullptr, &g_app.caption->layered);
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    g_app.counterFrequency = frequency.QuadPart;
    g_app.paused = false;
    HWND window = CreateCaptionWindow(GetModuleHandleW(nullptr));
    if (!window) return;
    ShowWindow(window, SW_SHOWNOACTIVATE);

    const double seconds = 4.0;
    const unsigned long first = g_app.caption->presentedFrames;
    unsigned long seen = first;
    std::vector<double> steps;
    float lastOffset = g_app.caption->motion.scrollOffset;
    const double cpuStart = ProcessCpuMs();
    const double start = NowMs();
    MSG message;
    while (NowMs() - start < seconds * 1000.0) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            continue;
        }
        DispatchMessageW(&message);
        if (g_app.caption->presentedFrames != seen) {
            seen = g_app.caption->presentedFrames;
            const float offset = g_app.caption->motion.scrollOffset;
            if (offset >= lastOffset) steps.push_back(offset - lastOffset);  // a wrap is not a step
            lastOffset = offset;
        }
    }
    const double cpu = ProcessCpuMs() - cpuStart;
    const double elapsed = NowMs() - start;
    g_app.paused = true;
    DestroyWindow(window);

    char name[128];
    std::snprintf(name, sizeof(name), "playing_%s_presents_per_second", label);
    PrintFigure(name, (seen - first) * 1000.0 / elapsed, "fps");
    std::snprintf(name, sizeof(name), "playing_%s_refresh_rate", label);
    PrintFigure(name, 1000.0 / TargetRefreshIntervalMs(), "Hz");
    if (steps.size() > 2) {
        std::sort(steps.begin(), steps.end());
        std::snprintf(name, sizeof(name), "playing_%s_step_min", label);
        PrintFigure(name, steps.front(), "px");
        std::snprintf(name, sizeof(name), "playing_%s_step_median", label);
        PrintFigure(name, steps[steps.size() / 2], "px");
        std::snprintf(name, sizeof(name), "playing_%s_step_max", label);
        PrintFigure(name, steps.back(), "px");
    }
    std::snprintf(name, sizeof(name), "playing_%s_process_cpu", label);
    PrintFigure(name, 100.0 * cpu / elapsed, "%");
}

}  // namespace

void RunPacingBenchmarks() {
    g_app.settings = AppSettings{};
    g_app.instance = GetModuleHandleW(nullptr);
    RegisterCaptionWindowClass(g_app.instance, nullptr);
    BenchPlaying("horizontal_1920x128", ScrollDirection::Horizontal, 1920, 128);
    BenchPlaying("vertical_1920x1040", ScrollDirection::Vertical, 1920, 1040);
    g_app.list.clear();
}
