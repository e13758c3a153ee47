// Timings of the composition renderer's drawing on an offscreen target (the
// real Direct3D / Direct2D / DirectWrite drawing; only DirectComposition's
// presentation, missing under Wine, is left out): a normal frame with tiles
// and drawn directly, the tile build, and the rebuild after an append. The
// draws of one frame are printed beside, to show a tiled frame's cost does
// not grow with the list.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>

#include "BenchList.h"
#include "BenchTiming.h"
#include "OffscreenPresenter.h"
#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "ui/caption/CaptionContent.h"
#include "ui/caption/CaptionLayout.h"
#include "ui/caption/composition/CompositionRenderer.h"

namespace {

struct OffscreenCaption {
    OffscreenPresenter* presenter = nullptr;
    std::unique_ptr<CompositionCaptionRenderer> renderer;
    bool stale = true;

    OffscreenCaption() {
        auto owned = std::make_unique<OffscreenPresenter>();
        presenter = owned.get();
        renderer = std::make_unique<CompositionCaptionRenderer>(std::move(owned));
    }

    // A frame as the caption window presents it: paused, its window goes on
    // presenting until the list is measured, and so does this.
    bool Frame(int width, int height, double offset) {
        bool shown = false;
        do {
            CaptionFrame frame = ProgramCaptionFrame(width, height, stale);
            frame.scrollOffset = offset;
            shown = renderer->RenderFrame(nullptr, frame);
            stale = frame.stale;
        } while (shown && g_app.paused && renderer->measuring());
        return shown;
    }
};

void PrintDraws(const char* label, const CompositionFrameStats& stats) {
    char name[96];
    std::snprintf(name, sizeof(name), "composition_%s_text_draws", label);
    PrintFigure(name, stats.textDraws, "draws");
    std::snprintf(name, sizeof(name), "composition_%s_bitmap_draws", label);
    PrintFigure(name, stats.bitmapDraws, "draws");
}

void BenchFrames(const char* label, ScrollDirection direction, int width, int height, size_t entries) {
    g_app.settings.direction = direction;
    FillBenchList(entries);
    OffscreenCaption caption;
    if (!caption.Frame(width, height, 0)) {
        std::printf("composition_%s unavailable (no Direct3D / Direct2D device)\n", label);
        return;
    }
    char name[96];
    for (bool tiles : {true, false}) {
        caption.renderer->AllowTiles(tiles);
        float offset = 500.0f;
        caption.Frame(width, height, offset);
        const double frame = MedianMs(201, [&](int) { caption.Frame(width, height, offset += 3.0f); });
        std::snprintf(name, sizeof(name), "composition_frame_%s_%zu_%s", label, entries, tiles ? "tiles" : "direct");
        PrintFigure(name, frame, "ms");
        std::snprintf(name, sizeof(name), "%s_%zu_%s", label, entries, tiles ? "tiles" : "direct");
        PrintDraws(name, caption.renderer->lastFrame());
    }
}

void BenchTileBuild() {
    g_app.settings.direction = ScrollDirection::Horizontal;
    char name[96];
    for (size_t count : {100u, 1000u, 10000u}) {
        FillBenchList(count);
        OffscreenCaption caption;
        if (!caption.Frame(1920, 128, 0)) return;
        // Sizes, strip and tiles from nothing, as after a font change.
        const double build = MedianMs(5, [&](int run) {
            g_app.settings.fontSize = run % 2 == 0 ? 36 : 35;
            caption.stale = true;
            caption.Frame(1920, 128, 100.0f);
        });
        g_app.settings.fontSize = 35;
        caption.stale = true;
        caption.Frame(1920, 128, 100.0f);
        // The same font again: every entry keeps its sizes.
        const double warm = MedianMs(5, [&](int) {
            caption.stale = true;
            caption.Frame(1920, 128, 100.0f);
        });
        std::snprintf(name, sizeof(name), "composition_rebuild_and_tiles_%zu", count);
        PrintFigure(name, build, "ms");
        std::snprintf(name, sizeof(name), "composition_rebuild_warm_%zu", count);
        PrintFigure(name, warm, "ms");
        std::snprintf(name, sizeof(name), "composition_tiles_%zu", count);
        PrintFigure(name, static_cast<double>(caption.renderer->tileCount()), "tiles");
    }
}

void BenchAppend() {
    g_app.settings.direction = ScrollDirection::Horizontal;
    FillBenchList(10000);
    OffscreenCaption caption;
    if (!caption.Frame(1920, 128, 0)) return;
    size_t next = 10000;
    const double append = MedianMs(11, [&](int) {
        g_app.list.push_back({L"新捐赠人" + std::to_wstring(next++), L"888元"});
        caption.stale = true;
        caption.Frame(1920, 128, 100.0f);
    });
    PrintFigure("composition_append_to_10000_until_frame", append, "ms");
}

// A long list from nothing, as at the first toggle: the first frame, then
// the frames that measure the rest while the caption plays on, and what the
// sizes take beyond the list.
void BenchLongLists() {
    g_app.settings.direction = ScrollDirection::Horizontal;
    g_app.paused = false;
    char name[96];
    for (size_t count : {10000u, 100000u, 1000000u}) {
        // The devices are made, and have drawn, before the toggle: the
        // caption window is made at start-up.
        OffscreenCaption caption;
        g_app.list = {{L"张三", L"100元"}};
        if (!caption.Frame(1920, 128, 1000.0)) return;
        FillBenchList(count);
        caption.stale = true;
        const double before = ResidentMiB();
        const double start = NowMs();
        if (!caption.Frame(1920, 128, 0)) return;
        const double first = NowMs() - start;
        // A frame's time includes the device's drawing, which under Wine is
        // software and dominates; its measuring is the renderer's own work.
        double longest = 0;
        double longestMeasuring = caption.renderer->lastFrame().measuringMs;
        int frames = 0;
        while (caption.renderer->measuring() && frames < 1000000) {
            const double frameStart = NowMs();
            caption.Frame(1920, 128, 3.0 * ++frames);
            longest = std::max(longest, NowMs() - frameStart);
            longestMeasuring = std::max(longestMeasuring, caption.renderer->lastFrame().measuringMs);
        }
        const double after = ResidentMiB();
        std::snprintf(name, sizeof(name), "composition_first_frame_after_play_%zu", count);
        PrintFigure(name, first, "ms");
        std::snprintf(name, sizeof(name), "composition_longest_frame_while_measuring_%zu", count);
        PrintFigure(name, longest, "ms");
        std::snprintf(name, sizeof(name), "composition_longest_measuring_in_a_frame_%zu", count);
        PrintFigure(name, longestMeasuring, "ms");
        std::snprintf(name, sizeof(name), "composition_frames_until_measured_%zu", count);
        PrintFigure(name, frames, "frames");
        std::snprintf(name, sizeof(name), "composition_caption_memory_%zu", count);
        PrintFigure(name, after - before, "MiB");
        std::snprintf(name, sizeof(name), "composition_entry_sizes_%zu", count);
        PrintFigure(name, static_cast<double>(caption.renderer->entryBytes()) / 1048576.0, "MiB");
        caption.renderer->Release();
    }
    g_app.paused = true;
}

}  // namespace

void RunCompositionBenchmarks() {
    g_app.settings = AppSettings{};
    // 100 entries fit the 64 MiB tile budget; 1,000 and 10,000 are drawn directly.
    BenchFrames("horizontal_1920x128", ScrollDirection::Horizontal, 1920, 128, 100);
    BenchFrames("horizontal_1920x128", ScrollDirection::Horizontal, 1920, 128, 1000);
    BenchFrames("horizontal_1920x128", ScrollDirection::Horizontal, 1920, 128, 10000);
    BenchFrames("vertical_1920x1040", ScrollDirection::Vertical, 1920, 1040, 100);
    BenchFrames("vertical_1920x1040", ScrollDirection::Vertical, 1920, 1040, 1000);
    BenchTileBuild();
    BenchAppend();
    BenchLongLists();
    g_app.list.clear();
}
