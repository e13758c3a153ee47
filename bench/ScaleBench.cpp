// The layered caption at scale: how long the first frame takes after
// playback starts on a long list or after a huge name, and the memory the
// caption takes beyond the list itself.
#include <windows.h>

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

// A fresh renderer's first composed frame, as after the toggle that starts
// playback for the first time: the caption starts from its edge.
double FirstFrameMs(LayeredCaptionRenderer& renderer) {
    g_app.caption->motion.scrollOffset = 0.0;
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

MeasuringFrames PlayUntilMeasured(LayeredCaptionRenderer& renderer, bool stale = false) {
    MeasuringFrames result;
    while ((renderer.measuring() || stale) && result.frames < 100000) {
        const double start = NowMs();
        CaptionFrame frame = ProgramCaptionFrame(1920, 128, stale);
        frame.scrollOffset += 3.0f * static_cast<float>(result.frames);  // playing on meanwhile
        renderer.ComposeFrame(frame);
        stale = frame.stale;
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

// A list of real Chinese names holds thousands of distinct characters, each
// measured once per font: a font change while it plays measures them anew.
void BenchNewGlyphs() {
    g_app.list.clear();
    for (int i = 0; i < 3000; ++i) {
        std::wstring name;
        for (int k = 0; k < 3; ++k) name += static_cast<wchar_t>(0x4E00 + (i * 3 + k) * 7 % 20000);
        g_app.list.push_back({name, L"100元"});
    }
    LayeredCaptionRenderer renderer;
    FirstFrameMs(renderer);
    PlayUntilMeasured(renderer);
    g_app.settings.fontSize = 43;  // a size nothing has measured yet
    g_app.caption->font.reset();
    const double start = NowMs();
    const MeasuringFrames frames = PlayUntilMeasured(renderer, true);
    PrintFigure("font_change_9000_new_glyphs_longest_frame", frames.longestMs, "ms");
    PrintFigure("font_change_9000_new_glyphs_frames_until_measured", frames.frames, "frames");
    PrintFigure("font_change_9000_new_glyphs_until_measured", NowMs() - start, "ms");
    renderer.Release();
    g_app.settings.fontSize = AppSettings{}.fontSize;
    g_app.caption->font.reset();
}

}  // namespace

void RunScaleBenchmarks() {
    g_app.settings = AppSettings{};
    g_app.paused = false;  // as after the toggle: the caption plays
    BenchLongLists();
    BenchHugeNames();
    BenchNewGlyphs();
    g_app.paused = true;
    g_app.list.clear();
    g_app.list.shrink_to_fit();
}
