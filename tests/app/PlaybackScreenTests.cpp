// The caption really scrolls on the screen: the program's windows are created
// in this process, playback is started, and the screen is read back twice.
#include <gtest/gtest.h>

#include <objidl.h>
#include <gdiplus.h>

#include <vector>

#include "FreshAppState.h"
#include "TestFolder.h"
#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "ui/panel/ControlPanel.h"
#include "app/Startup.h"
#include "ui/caption/CaptionMotion.h"
#include "ui/caption/DibSurface.h"
#include "ui/caption/LayeredRenderer.h"
#include "platform/GdiplusLibrary.h"

namespace {

std::vector<uint32_t> ReadScreen(const RECT& r) {
    DibSurface copy;
    if (!copy.Create(r.right - r.left, r.bottom - r.top)) return {};
    HDC screen = GetDC(nullptr);
    BitBlt(copy.dc(), 0, 0, copy.width(), copy.height(), screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    GdiFlush();
    return std::vector<uint32_t>(copy.pixels(), copy.pixels() + copy.bytes() / 4);
}

void PumpFor(DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    while (GetTickCount64() < end) {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
        Sleep(2);
    }
}

size_t Lit(const std::vector<uint32_t>& pixels) {
    size_t lit = 0;
    for (uint32_t p : pixels) {
        if ((p & 0x00FFFFFFu) != 0) ++lit;
    }
    return lit;
}

TEST(PlaybackOnScreen, TheCaptionScrollsOverATransparentBackground) {
    GdiplusSession gdiplus;
    StartFreshAppState();
    TestFolder folder;
    g_app.listPath = folder.File(L"donations.txt");
    g_app.settings.x = 0;
    g_app.settings.y = 300;
    g_app.settings.width = 1200;
    g_app.settings.height = 128;
    g_app.settings.textColor = RGB(255, 255, 0);
    g_app.list = {{L"张三", L"100元"}, {L"李四", L"2,000元"}, {L"Zhang Wei", L"5万"}};
    RegisterWindowClasses();
    CreateMainWindows();
    ASSERT_NE(g_app.caption->window, nullptr);
    EXPECT_TRUE(GetWindowLongPtrW(g_app.caption->window, GWL_EXSTYLE) & WS_EX_LAYERED);

    g_app.paused = false;
    ResumeCaptionMotion();
    g_app.caption->motion.scrollOffset = 600.0f;  // the title is in view
    PumpFor(400);
    const RECT area{0, 300, 1200, 428};
    const std::vector<uint32_t> first = ReadScreen(area);
    const float offsetThen = g_app.caption->motion.scrollOffset;
    PumpFor(500);
    const std::vector<uint32_t> second = ReadScreen(area);
    const float offsetNow = g_app.caption->motion.scrollOffset;

    EXPECT_GT(offsetNow, offsetThen + 30.0f) << "the frame clock moves the caption";
    EXPECT_GT(Lit(first), 500u) << "text is on the screen";
    EXPECT_NE(first, second) << "and it moves between two frames";
    // Where no text is, the background behind the window shows (Xvfb's black).
    EXPECT_LT(Lit(first), first.size() / 3);

    g_app.paused = true;
    PauseCaptionMotion();
    EXPECT_FALSE(IsWindowVisible(g_app.caption->window));
    DestroyWindow(g_app.caption->window);
    DestroyWindow(g_app.panel->window);
    g_app.caption->layered.Release();
    g_app.caption->font.reset();
}

}  // namespace
