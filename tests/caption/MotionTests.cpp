#include <gtest/gtest.h>

#include "FreshAppState.h"
#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "ui/caption/CaptionMotion.h"

namespace {

constexpr LONGLONG kFrequency = 10000000;  // 10 MHz, as Wine reports

float PixelsAfter(double ms, int speed, double scale = 1.0) {
    return AdvanceScrollOffset(0.0f, ms, speed, scale);
}

TEST(Motion, SpeedIsSixtyTwoAndAHalfPixelsPerSecondPerStep) {
    // Frames of 10 ms, one second in all.
    float offset = 0.0f;
    for (int i = 0; i < 100; ++i) offset = AdvanceScrollOffset(offset, 10.0, 3, 1.0);
    EXPECT_NEAR(offset, 187.5f, 0.01f);
    offset = 0.0f;
    for (int i = 0; i < 100; ++i) offset = AdvanceScrollOffset(offset, 10.0, 30, 1.0);
    EXPECT_NEAR(offset, 1875.0f, 0.1f);
    EXPECT_FLOAT_EQ(PixelsAfter(16, 1), 1.0f);
    EXPECT_FLOAT_EQ(PixelsAfter(16, 10, 2.0), 20.0f);  // a screen twice as tall
}

// A pass over a long list at full speed travels tens of millions of pixels
// in an evening: every step there is as long as at the start.
TEST(Motion, StepsDeepIntoALongPassAreAsEvenAsAtItsStart) {
    const double speed30 = 30 * 62.5 / 1000.0;  // pixels per millisecond
    for (double start : {0.0, 16777216.0, 134217728.0, 1.0e9}) {
        double offset = start;
        for (int i = 0; i < 600; ++i) {
            const double next = AdvanceScrollOffset(offset, 16.7, 30, 1.0);
            ASSERT_NEAR(next - offset, 16.7 * speed30, 1e-4) << "a step " << i << " frames after " << start;
            offset = next;
        }
        EXPECT_NEAR(WrapScrollOffset(offset, 1.5e9) - WrapScrollOffset(start, 1.5e9), 600 * 16.7 * speed30, 1e-3);
    }
}

TEST(Motion, AStallCountsAtMostFiftyMilliseconds) {
    EXPECT_DOUBLE_EQ(FrameElapsedMs(3 * kFrequency, kFrequency, kFrequency), 2000.0);
    EXPECT_FLOAT_EQ(PixelsAfter(2000.0, 3), PixelsAfter(50.0, 3));
    EXPECT_FLOAT_EQ(PixelsAfter(-5.0, 3), 0.0f);
    // No counter or no previous reading: a frame of 16 ms.
    EXPECT_DOUBLE_EQ(FrameElapsedMs(100, 0, kFrequency), 16.0);
    EXPECT_DOUBLE_EQ(FrameElapsedMs(100, 50, 0), 16.0);
}

TEST(Motion, WrapBringsAnyOffsetIntoTheCycle) {
    EXPECT_FLOAT_EQ(WrapScrollOffset(50.0f, 1000.0), 50.0f);
    EXPECT_FLOAT_EQ(WrapScrollOffset(1000.0f, 1000.0), 0.0f);
    EXPECT_FLOAT_EQ(WrapScrollOffset(2500.0f, 1000.0), 500.0f);
    EXPECT_FLOAT_EQ(WrapScrollOffset(-250.0f, 1000.0), 750.0f);
    EXPECT_FLOAT_EQ(WrapScrollOffset(-3000.0f, 1000.0), 0.0f);
    EXPECT_FLOAT_EQ(WrapScrollOffset(123.0f, 0.0), 123.0f);  // no cycle: nothing wrapped
    // A shorter cycle after a list change keeps the position, wrapped.
    EXPECT_FLOAT_EQ(WrapScrollOffset(1500.0f, 1200.0), 300.0f);
}

class MotionStepTest : public testing::Test {
protected:
    void SetUp() override {
        StartFreshAppState();
        g_app.counterFrequency = kFrequency;
        g_app.settings.speed = 3;
        g_app.caption->motion.scrollOffset = 0.0f;
        g_app.paused = false;
    }
    void TearDown() override { g_app.paused = true; }
};

TEST_F(MotionStepTest, APauseOfAnyLengthDoesNotJump) {
    g_app.lastFrameCounter = kFrequency;
    ASSERT_TRUE(StepCaptionMotion(kFrequency + kFrequency / 100));  // 10 ms
    const float before = g_app.caption->motion.scrollOffset;
    EXPECT_NEAR(before, 1.875f, 1e-4);

    g_app.paused = true;
    // Paused frames move nothing but keep the counter fresh.
    EXPECT_FALSE(StepCaptionMotion(61 * kFrequency));
    EXPECT_EQ(g_app.lastFrameCounter, 61 * kFrequency);
    EXPECT_FLOAT_EQ(g_app.caption->motion.scrollOffset, before);

    g_app.paused = false;
    ASSERT_TRUE(StepCaptionMotion(61 * kFrequency + kFrequency / 100));
    EXPECT_NEAR(g_app.caption->motion.scrollOffset, 2 * before, 1e-4);
}

TEST_F(MotionStepTest, ResetStartsAgainFromTheEdge) {
    g_app.caption->motion.scrollOffset = 777.0f;
    ResetCaptionScroll();
    EXPECT_FLOAT_EQ(g_app.caption->motion.scrollOffset, 0.0f);
}

}  // namespace
