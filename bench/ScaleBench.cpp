// The layered caption at scale: how long the first frame takes after
// playback starts on a long list or after a huge name, and the memory the
// caption takes beyond the list itself.
#include <windows.h>
#include <psapi.h>

#include <string>

#include "BenchList.h"
#include "BenchTiming.h"
#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "ui/caption/CaptionContent.h"
#include "ui/caption/CaptionLayout.h"
#include "ui/caption/LayeredRenderer.h"

namespace {

// Resident memory: Wine reports no private usage, but the working set it does.
double ResidentMiB() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    if (!K32GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                 sizeof(counters))) {
        return 0;
    }
    return static_cast<double>(counters.WorkingSetSize) / 1048576.0;
}

// A fresh renderer's first composed frame, as after the toggle that starts playback.
double FirstFrameMs(LayeredCaptionRenderer& renderer) {
    bool stale = true;
    const double start = NowMs();
    CaptionFrame frame = ProgramCaptionFrame(1920, 128, stale);
    renderer.ComposeFrame(frame);
    return NowMs() - start;
}

void BenchLongLists() {
    char name[96];
    for (size_t count : {10000u, 100000u, 1000000u}) {
        FillBenchList(count);
        const double before = ResidentMiB();
        LayeredCaptionRenderer renderer;
        const double first = FirstFrameMs(renderer);
        const double after = ResidentMiB();
        std::snprintf(name, sizeof(name), "first_frame_after_play_%zu", count);
        PrintFigure(name, first, "ms");
        if (count != 100000u) {
            std::snprintf(name, sizeof(name), "caption_memory_%zu", count);
            PrintFigure(name, after - before, "MiB");
        }
        renderer.Release();
    }
}

void BenchHugeNames() {
    for (size_t length : {65536u, 4194304u}) {
        g_app.list.clear();
        g_app.list.push_back({std::wstring(length, L'名'), L"100元"});
        for (int i = 0; i < 100; ++i) g_app.list.push_back({L"捐赠人" + std::to_wstring(i), L"100元"});
        const double before = ResidentMiB();
        LayeredCaptionRenderer renderer;
        const double first = FirstFrameMs(renderer);
        const double after = ResidentMiB();
        char name[96];
        std::snprintf(name, sizeof(name), "name_%zu_first_frame", length);
        PrintFigure(name, first, "ms");
        std::snprintf(name, sizeof(name), "name_%zu_memory", length);
        PrintFigure(name, after - before, "MiB");
        renderer.Release();
    }
}

}  // namespace

void RunScaleBenchmarks() {
    g_app.settings = AppSettings{};
    g_app.paused = true;
    BenchLongLists();
    BenchHugeNames();
    g_app.list.clear();
    g_app.list.shrink_to_fit();
}
