// When the layered caption presents: at most once per refresh interval of
// its screen, and only when the picture would change. The clock ticks every
// 8 ms and the motion follows real time; presenting every tick would show
// only about half the frames on a 60 Hz screen and pay for all of them.
#pragma once

// The refresh interval for a screen's reported rate; 0 and 1 (rates a driver
// reports when it does not know) count as 60 Hz.
double RefreshIntervalMs(unsigned hertz);

// What a frame would show: the whole-pixel scroll position, where the window
// is, and whether its content changed since the last present.
struct FramePicture {
    long position = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool contentChanged = false;
};

class FramePacer {
public:
    // True when the frame at `nowMs` should present: its picture differs from
    // the last one presented and a refresh interval has begun since then (an
    // interval of 0: no limit, for a renderer whose present waits for the screen).
    bool ShouldPresent(double nowMs, double intervalMs, const FramePicture& picture) const;
    void Presented(double nowMs, double intervalMs, const FramePicture& picture);
    // The next frame presents whatever it shows (after a show or a repaint).
    void Invalidate() { presented_ = false; }

private:
    bool presented_ = false;
    long long interval_ = 0;  // index of the refresh interval of the last present
    FramePicture last_;
};
