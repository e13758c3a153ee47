// The clock ticks every 8 ms; the layered caption presents at most once per
// refresh of its screen, only when its picture changes, never while hidden,
// and its motion stays as smooth as the ticks allow.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "FakeMonitors.h"
#include "ProgramWindowsTest.h"
#include "RecordingViews.h"
#include "commands/SettingsCommands.h"
#include "core/caption/FramePacing.h"
#include "core/caption/MotionMath.h"
#include "ui/caption/CaptionMotion.h"
#include "ui/caption/CaptionPlacement.h"
#include "ui/caption/Caption.h"
#include "ui/caption/CaptionWindow.h"
#include "ui/caption/Monitors.h"

namespace {

TEST(RefreshInterval, FromTheReportedRateWithSixtyHertzForUnknown) {
    EXPECT_DOUBLE_EQ(RefreshIntervalMs(0), 1000.0 / 60);
    EXPECT_DOUBLE_EQ(RefreshIntervalMs(1), 1000.0 / 60);
    EXPECT_DOUBLE_EQ(RefreshIntervalMs(60), 1000.0 / 60);
    EXPECT_DOUBLE_EQ(RefreshIntervalMs(144), 1000.0 / 144);
}

// What a run of ticks presented: the times and the positions.
struct Presents {
    std::vector<double> times;
    std::vector<double> offsets;
};

// Ticks every 8 ms (with the jitter a real timer has) for `ms`, the motion
// at `pixelsPerMs`, through the pacer alone.
Presents RunTicks(double intervalMs, double pixelsPerMs, double ms) {
    FramePacer pacer;
    Presents seen;
    double offset = 0;
    double now = 0;
    for (int tick = 0; now < ms; ++tick) {
        now += 8.0 + ((tick * 7) % 5 - 2) * 0.2;  // 7.6 .. 8.4 ms
        offset += pixelsPerMs * 8.0;
        FramePicture picture;
        picture.position = static_cast<long>(std::floor(offset));
        picture.width = 1920;
        picture.height = 128;
        if (pacer.ShouldPresent(now, intervalMs, picture)) {
            pacer.Presented(now, intervalMs, picture);
            seen.times.push_back(now);
            seen.offsets.push_back(offset);
        }
    }
    return seen;
}

TEST(FramePacing, OncePerRefreshAtMostAndNeverALongerStepThanTwoRefreshes) {
    for (unsigned hertz : {60u, 75u, 50u}) {
        const double interval = RefreshIntervalMs(hertz);
        const double speed = 62.5 * 3 / 1000.0;  // speed 3, pixels per millisecond
        const Presents seen = RunTicks(interval, speed, 1000.0);
        EXPECT_LE(seen.times.size(), hertz + 2u) << hertz << " Hz";
        EXPECT_GE(seen.times.size(), hertz * 8u / 10) << hertz << " Hz: too few frames";
        std::vector<double> steps;
        for (size_t i = 1; i < seen.times.size(); ++i) {
            const long long a = static_cast<long long>(std::floor(seen.times[i - 1] / interval));
            const long long b = static_cast<long long>(std::floor(seen.times[i] / interval));
            EXPECT_GT(b, a) << "two presents in one refresh interval";
            steps.push_back(seen.offsets[i] - seen.offsets[i - 1]);
        }
        const auto [low, high] = std::minmax_element(steps.begin(), steps.end());
        EXPECT_LE(*high, 2 * interval * speed + 1e-9) << hertz << " Hz";
        // Steps are whole ticks of motion: one or two 8 ms ticks (8 ms ticks cannot be more even at 60 Hz).
        EXPECT_GE(*low, 8.0 * speed - 1e-9);
    }
}

TEST(FramePacing, AnUnchangedPictureNeverPresentsAndAChangeDoesInTheNextInterval) {
    FramePacer pacer;
    FramePicture still;
    still.width = 800;
    still.height = 100;
    ASSERT_TRUE(pacer.ShouldPresent(0, 16.7, still));  // the first frame always shows
    pacer.Presented(0, 16.7, still);
    for (double t = 8; t < 502; t += 8) EXPECT_FALSE(pacer.ShouldPresent(t, 16.7, still)) << t;
    FramePicture changed = still;
    changed.contentChanged = true;
    EXPECT_TRUE(pacer.ShouldPresent(502, 16.7, changed));
    pacer.Presented(502, 16.7, changed);
    EXPECT_FALSE(pacer.ShouldPresent(508, 16.7, changed)) << "still in the interval just presented";
    FramePicture moved = still;
    moved.x = 40;  // the window moved
    EXPECT_TRUE(pacer.ShouldPresent(520, 16.7, moved));
    // Without an interval (a present that waits for the screen), every change presents.
    pacer.Presented(520, 16.7, moved);
    moved.position = 1;
    EXPECT_TRUE(pacer.ShouldPresent(521, 0, moved));
    pacer.Invalidate();
    EXPECT_TRUE(pacer.ShouldPresent(522, 16.7, moved)) << "a repaint presents whatever it shows";
}

class CaptionPacingTest : public ProgramWindowsTest {
protected:
    void SetUp() override {
        ProgramWindowsTest::SetUp();
        g_app.list = {{L"张三", L"100元"}, {L"Maria García", L"200元"}};
        g_app.captionStripDirty = g_app.captionLayoutDirty = true;
        g_app.counterFrequency = 10000000;  // a fake clock: counter units of 0.1 µs
        g_app.lastFrameCounter = 0;
        g_app.paused = false;
        g_app.settings.speed = 3;
    }
    void TearDown() override {
        g_app.paused = true;
        ProgramWindowsTest::TearDown();
    }
};

TEST_F(CaptionPacingTest, TheClocksFramesPresentOncePerRefreshWithEvenSteps) {
    HWND window = g_app.caption->window;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    const double interval = TargetRefreshIntervalMs();
    const unsigned long before = g_app.caption->presentedFrames;
    Presents seen;
    double totalOffset = 0;
    float last = g_app.caption->motion.scrollOffset;
    for (double now = 8; now <= 1000; now += 8) {
        ASSERT_TRUE(StepCaptionMotion(static_cast<LONGLONG>(now * 10000)));
        const float offset = g_app.caption->motion.scrollOffset;
        totalOffset += offset >= last ? offset - last : offset;  // the offset may wrap into the cycle
        last = offset;
        if (PresentCaptionFrameIfDue(window, now)) {
            seen.times.push_back(now);
            seen.offsets.push_back(totalOffset);
        }
    }
    const unsigned long presented = g_app.caption->presentedFrames - before;
    EXPECT_EQ(presented, seen.times.size());
    EXPECT_LE(presented, 1000.0 / interval + 2);
    EXPECT_GE(presented, 1000.0 / interval * 0.8);
    EXPECT_TRUE(g_app.caption->layered.hasStrip()) << "the layered renderer drew the frames";
    const double speed = 62.5 * 3 * ScreenScale() / 1000.0;
    for (size_t i = 1; i < seen.times.size(); ++i) {
        EXPECT_GT(std::floor(seen.times[i] / interval), std::floor(seen.times[i - 1] / interval));
        EXPECT_LE(seen.offsets[i] - seen.offsets[i - 1], 2 * interval * speed + 0.01) << "a jump at " << seen.times[i];
    }
}

// Only the band that holds text is presented, as a window of its own size;
// the view stays the caption as placed.
TEST_F(CaptionPacingTest, TheLayeredWindowIsOnlyAsLargeAsTheBandThatHoldsText) {
    HWND window = g_app.caption->window;
    for (ScrollDirection direction : {ScrollDirection::Horizontal, ScrollDirection::Vertical}) {
        g_app.settings.direction = direction;
        g_app.settings.x = 30;
        g_app.settings.y = 200;
        g_app.settings.width = direction == ScrollDirection::Horizontal ? 1200 : 900;
        g_app.settings.height = direction == ScrollDirection::Horizontal ? 160 : 700;
        ApplyCaptionPlacement();
        ShowWindow(window, SW_SHOWNOACTIVATE);
        g_app.caption->pacer.Invalidate();
        for (double now : {1000.0, 1100.0, 1200.0}) {
            StepCaptionMotion(static_cast<LONGLONG>(now * 10000));
            g_app.caption->pacer.Invalidate();
            ASSERT_TRUE(PresentCaptionFrameIfDue(window, now));
            const StripParameters& view = g_app.caption->layered.strip().parameters();
            EXPECT_EQ(view.viewWidth, g_app.settings.width) << "the view shrank with the window";
            EXPECT_EQ(view.viewHeight, g_app.settings.height) << "the view shrank with the window";
            const RECT band = g_app.caption->layered.TextBand();
            RECT r{};
            GetWindowRect(window, &r);
            EXPECT_EQ(r.left, 30 + band.left);
            EXPECT_EQ(r.top, 200 + band.top);
            EXPECT_EQ(r.right - r.left, band.right - band.left);
            EXPECT_EQ(r.bottom - r.top, band.bottom - band.top);
            if (direction == ScrollDirection::Horizontal) {
                EXPECT_EQ(r.right - r.left, 1200);
                EXPECT_LT(r.bottom - r.top, 160 * 2 / 3);
            } else {
                EXPECT_EQ(r.bottom - r.top, 700);
                EXPECT_LT(r.right - r.left, 900 / 2);
            }
        }
    }
    g_app.settings.direction = ScrollDirection::Horizontal;
}

TEST_F(CaptionPacingTest, AHiddenCaptionDrawsAndPresentsNothing) {
    HWND window = g_app.caption->window;
    ShowWindow(window, SW_HIDE);
    const unsigned long before = g_app.caption->presentedFrames;
    for (double now = 8; now <= 200; now += 8) {
        StepCaptionMotion(static_cast<LONGLONG>(now * 10000));
        EXPECT_FALSE(PresentCaptionFrameIfDue(window, now));
    }
    EXPECT_EQ(g_app.caption->presentedFrames, before);
    EXPECT_FALSE(g_app.caption->layered.hasStrip()) << "a hidden caption built its strip";
    // Paused and hidden, the clock rests even if measuring was under way.
    g_app.paused = true;
    g_app.caption->motion.measuring = true;
    EXPECT_FALSE(PresentCaptionFrameIfDue(window, 300));
    MSG message{};
    while (PeekMessageW(&message, window, kCaptionFrameMessage, kCaptionFrameMessage, PM_REMOVE)) {
    }
    g_app.caption->motion.framePending = 0;
    CaptionTimerCallback(0, 0, reinterpret_cast<DWORD_PTR>(window), 0, 0);
    EXPECT_FALSE(PeekMessageW(&message, window, kCaptionFrameMessage, kCaptionFrameMessage, PM_REMOVE));
}

// A still frame measures what the view needs and a slice more, so that a
// new font on a paused long list never holds the panel up; the paused
// caption's clock then goes on with frames until the list is measured.
TEST_F(CaptionPacingTest, APausedCaptionGoesOnDrawingUntilItsListIsMeasured) {
    g_app.list.clear();
    for (int i = 0; i < 40000; ++i) g_app.list.push_back({L"Rene\u0301 " + std::to_wstring(i), std::to_wstring(i) + L"元"});
    g_app.paused = true;
    HWND window = g_app.caption->window;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    g_app.captionStripDirty = true;
    g_app.caption->pacer.Invalidate();
    ASSERT_TRUE(PresentCaptionFrameIfDue(window, 8));
    ASSERT_TRUE(g_app.caption->layered.hasStrip());
    EXPECT_TRUE(g_app.caption->motion.measuring) << "40,000 entries were measured in one still frame";
    const auto clockPosts = [&] {
        MSG message{};
        while (PeekMessageW(&message, window, kCaptionFrameMessage, kCaptionFrameMessage, PM_REMOVE)) {
        }
        g_app.caption->motion.framePending = 0;
        CaptionTimerCallback(0, 0, reinterpret_cast<DWORD_PTR>(window), 0, 0);
        return PeekMessageW(&message, window, kCaptionFrameMessage, kCaptionFrameMessage, PM_REMOVE) != FALSE;
    };
    EXPECT_TRUE(clockPosts()) << "paused, the clock stopped with the list half measured";
    const double offset = g_app.caption->motion.scrollOffset;
    int frames = 1;
    while (g_app.caption->motion.measuring && frames < 10000) {
        SendMessageW(window, kCaptionFrameMessage, 0, 0);
        ++frames;
    }
    EXPECT_GT(frames, 2);
    EXPECT_TRUE(g_app.caption->layered.strip().complete());
    EXPECT_EQ(g_app.caption->motion.scrollOffset, offset) << "the paused caption moved";
    EXPECT_FALSE(clockPosts()) << "a paused caption with nothing to measure still gets frames";
}

TEST_F(CaptionPacingTest, ADisplayChangeTakesInTheTargetScreensNewRefreshRate) {
    RecordingViews views;
    MonitorEntry screen = FakeScreen(L"\\\\.\\DISPLAY1", RECT{0, 0, 1920, 1080}, true);
    screen.refreshHz = 144;
    TakeInScreens(g_app, views, {screen});
    EXPECT_DOUBLE_EQ(TargetRefreshIntervalMs(), 1000.0 / 144);
    screen.refreshHz = 1;  // a driver that does not know
    TakeInScreens(g_app, views, {screen});
    EXPECT_DOUBLE_EQ(TargetRefreshIntervalMs(), 1000.0 / 60);
    // The real screens report what their display settings say.
    TakeInScreens(g_app, views, AttachedMonitors());
    DEVMODEW mode{};
    mode.dmSize = sizeof(mode);
    ASSERT_TRUE(EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode));
    EXPECT_DOUBLE_EQ(TargetRefreshIntervalMs(), RefreshIntervalMs(mode.dmDisplayFrequency));
}

}  // namespace
