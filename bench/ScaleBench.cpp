// The layered caption at scale: how long the first frame takes after
// playback starts on a long list or after a huge name, and the memory the
// caption takes beyond the list itself.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
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

// The frames that follow while the rest of the list is measured: the longest
// one is the longest the panel waits meanwhile (the caption's frames are the
// only work on its thread).
struct MeasuringFrames {
    double longestMs = 0;
    int frames = 0;
};

MeasuringFrames PlayUntilMeasured(LayeredCaptionRenderer& renderer) {
    MeasuringFrames result;
    bool stale = false;
    while (renderer.measuring() && result.frames < 100000) {
        const double start = NowMs();
        CaptionFrame frame = ProgramCaptionFrame(1920, 128, stale);
        frame.scrollOffset += 3.0f * static_cast<float>(result.frames);  // playing on meanwhile
        renderer.ComposeFrame(frame);
        result.longestMs = std::max(result.longestMs, NowMs() - start);
        ++result.frames;
    }
    return result;
}

void BenchLongLists() {
    char name[96];
    for (size_t count : {10000u, 100000u, 1000000u}) {
        FillBenchList(count);
        const double before = ResidentMiB();
        LayeredCaptionRenderer renderer;
        const double first = FirstFrameMs(renderer);
        const MeasuringFrames rest = PlayUntilMeasured(renderer);
        const double after = ResidentMiB();
        std::snprintf(name, sizeof(name), "first_frame_after_play_%zu", count);
        PrintFigure(name, first, "ms");
        std::snprintf(name, sizeof(name), "longest_ui_stall_while_measuring_%zu", count);
        PrintFigure(name, rest.longestMs, "ms");
        std::snprintf(name, sizeof(name), "frames_until_measured_%zu", count);
        PrintFigure(name, rest.frames, "frames");
        if (count != 100000u) {
            std::snprintf(name, sizeof(name), "caption_memory_%zu", count);
            PrintFigure(name, after - before, "MiB");
            std::snprintf(name, sizeof(name), "caption_entry_sizes_%zu", count);
            PrintFigure(name, static_cast<double>(renderer.entryBytes()) / 1048576.0, "MiB");
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
    g_app.paused = false;  // as after the toggle: the caption plays
    BenchLongLists();
    BenchHugeNames();
    g_app.paused = true;
    g_app.list.clear();
    g_app.list.shrink_to_fit();
}
