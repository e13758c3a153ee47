// Timings of the layered caption: one frame split into compose (clear and
// blends) and present (UpdateLayeredWindow), beside the floor of one memset
// and one memcpy of a window-sized buffer; strip rebuilds; an append to a
// long list until the frame that shows it; and the strip's memory.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "BenchList.h"
#include "BenchTiming.h"
#include "ComposedFrame.h"
#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "ui/caption/CaptionContent.h"
#include "ui/caption/CaptionMotion.h"
#include "ui/caption/LayeredRenderer.h"

namespace {

void FillList(size_t count) {
    FillBenchList(count);
    InvalidateCaptionLayout();
}

HWND MakeLayeredWindow(int width, int height) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VelmaroBenchCaption";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, wc.lpszClassName, L"",
                                  WS_POPUP, 0, 0, width, height, nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    return window;
}

void BenchFrames(const char* label, ScrollDirection direction, int width, int height) {
    g_app.settings.direction = direction;
    g_app.settings.width = width;
    g_app.settings.height = height;
    FillList(1000);
    LayeredCaptionRenderer renderer;
    g_app.caption->motion.scrollOffset = 0.0f;
    ComposeProgramFrame(renderer, width, height);  // builds the strip
    const int runs = 301;
    char name[96];

    const double compose = MedianMs(runs, [&](int) {
        g_app.caption->motion.scrollOffset += 3.0f;
        ComposeProgramFrame(renderer, width, height);
    });
    std::snprintf(name, sizeof(name), "frame_%s_compose", label);
    PrintFigure(name, compose, "ms");

    HWND window = MakeLayeredWindow(width, height);
    HDC screen = GetDC(nullptr);
    const double present = MedianMs(runs, [&](int) {
        POINT destination{0, 0};
        SIZE size{width, height};
        POINT source{0, 0};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        UpdateLayeredWindow(window, screen, &destination, &size, renderer.backBuffer().dc(), &source, 0, &blend,
                            ULW_ALPHA);
    });
    // Only the band that holds text, as the renderer presents after its first frame.
    const RECT band = renderer.TextBand();
    const double presentBand = MedianMs(runs, [&](int) {
        POINT destination{0, 0};
        SIZE size{width, height};
        POINT source{0, 0};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        UPDATELAYEREDWINDOWINFO info{sizeof(info), screen, &destination, &size, renderer.backBuffer().dc(), &source,
                                     0, &blend, ULW_ALPHA, &band};
        UpdateLayeredWindowIndirect(window, &info);
    });
    // The same band as the whole of a window only as large as it.
    const int bandWidth = std::max(1L, band.right - band.left);
    const int bandHeight = std::max(1L, band.bottom - band.top);
    HWND bandWindow = MakeLayeredWindow(bandWidth, bandHeight);
    const double presentBandWindow = MedianMs(runs, [&](int) {
        POINT destination{band.left, band.top};
        SIZE size{bandWidth, bandHeight};
        POINT source{band.left, band.top};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        UpdateLayeredWindow(bandWindow, screen, &destination, &size, renderer.backBuffer().dc(), &source, 0, &blend,
                            ULW_ALPHA);
    });
    DestroyWindow(bandWindow);
    ReleaseDC(nullptr, screen);
    DestroyWindow(window);
    std::snprintf(name, sizeof(name), "frame_%s_present_window_of_text_band_%dx%d", label, bandWidth, bandHeight);
    PrintFigure(name, presentBandWindow, "ms");
    std::snprintf(name, sizeof(name), "frame_%s_present", label);
    PrintFigure(name, present, "ms");
    std::snprintf(name, sizeof(name), "frame_%s_present_text_band_%ldx%ld", label, band.right - band.left,
                  band.bottom - band.top);
    PrintFigure(name, presentBand, "ms");

    std::vector<uint8_t> a(static_cast<size_t>(width) * height * 4), b(a.size());
    volatile uint8_t sink = 0;
    const double floor = MedianMs(runs, [&](int i) {
        std::memset(a.data(), i & 0xFF, a.size());
        std::memcpy(b.data(), a.data(), a.size());
        sink = sink + b[static_cast<size_t>(i) % b.size()];
    });
    std::snprintf(name, sizeof(name), "frame_%s_floor_memset_memcpy", label);
    PrintFigure(name, floor, "ms");
    renderer.Release();
}

void BenchRebuilds() {
    g_app.settings.direction = ScrollDirection::Horizontal;
    char name[96];
    for (size_t count : {100u, 1000u, 10000u}) {
        FillList(count);
        LayeredCaptionRenderer renderer;
        // Cold: every text measured; warm: the measured sizes are known.
        const double cold = MedianMs(5, [&](int) {
            renderer.Release();
            InvalidateCaptionLayout();
            ComposeProgramFrame(renderer, 1920, 128);
        });
        const double warm = MedianMs(9, [&](int) {
            InvalidateCaptionLayout();
            ComposeProgramFrame(renderer, 1920, 128);
        });
        std::snprintf(name, sizeof(name), "strip_rebuild_%zu_cold", count);
        PrintFigure(name, cold, "ms");
        std::snprintf(name, sizeof(name), "strip_rebuild_%zu_warm", count);
        PrintFigure(name, warm, "ms");
        renderer.Release();
    }
}

void BenchAppend() {
    g_app.settings.direction = ScrollDirection::Horizontal;
    FillList(10000);
    LayeredCaptionRenderer renderer;
    ComposeProgramFrame(renderer, 1920, 128);
    size_t next = 10000;
    const double append = MedianMs(21, [&](int) {
        g_app.list.push_back({L"新捐赠人" + std::to_wstring(next++), L"888元"});
        InvalidateCaptionLayout();
        ComposeProgramFrame(renderer, 1920, 128);
    });
    PrintFigure("append_to_10000_until_frame", append, "ms");
    renderer.Release();
}

// A font change while a long caption plays: the longest single frame until
// the new font is shown, and how many frames that took.
void BenchFontChangeWhilePlaying() {
    g_app.settings.direction = ScrollDirection::Horizontal;
    FillList(10000);
    LayeredCaptionRenderer renderer;
    ComposeProgramFrame(renderer, 1920, 128);
    g_app.paused = false;
    std::vector<double> longest;
    std::vector<double> frames;
    for (int run = 0; run < 5; ++run) {
        g_app.settings.fontSize = run % 2 == 0 ? 36 : 35;
        g_app.caption->font.reset();
        InvalidateCaptionLayout();
        double worst = 0.0;
        int count = 0;
        do {
            const double start = NowMs();
            ComposeProgramFrame(renderer, 1920, 128);
            worst = std::max(worst, NowMs() - start);
            ++count;
        } while (renderer.restyling());
        longest.push_back(worst);
        frames.push_back(count);
    }
    g_app.paused = true;
    std::sort(longest.begin(), longest.end());
    std::sort(frames.begin(), frames.end());
    PrintFigure("font_change_10000_longest_frame", longest[longest.size() / 2], "ms");
    PrintFigure("font_change_10000_frames_until_shown", frames[frames.size() / 2], "frames");
    renderer.Release();
}

void BenchMemory() {
    g_app.settings.direction = ScrollDirection::Horizontal;
    char name[96];
    for (size_t count : {100u, 10000u, 100000u}) {
        FillList(count);
        LayeredCaptionRenderer renderer;
        ComposeProgramFrame(renderer, 1920, 128);
        // Somewhere in the middle of the list, where the most tiles are in view.
        g_app.caption->motion.scrollOffset = static_cast<float>(renderer.strip().cycleLength() / 2);
        ComposeProgramFrame(renderer, 1920, 128);
        std::snprintf(name, sizeof(name), "strip_memory_%zu", count);
        PrintFigure(name, renderer.tileBytes() / 1048576.0, "MiB");
        std::snprintf(name, sizeof(name), "strip_as_one_bitmap_%zu", count);
        PrintFigure(name, renderer.strip().stripWidth() * 128.0 * 4 / 1048576.0, "MiB");
        renderer.Release();
    }
}

}  // namespace

void RunCaptionBenchmarks() {
    g_app.settings = AppSettings{};
    BenchFrames("horizontal_1920x128", ScrollDirection::Horizontal, 1920, 128);
    BenchFrames("vertical_1920x1040", ScrollDirection::Vertical, 1920, 1040);
    BenchRebuilds();
    BenchAppend();
    BenchFontChangeWhilePlaying();
    BenchMemory();
    g_app.list.clear();
    g_app.caption->font.reset();
}
