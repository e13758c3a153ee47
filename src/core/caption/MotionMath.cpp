#include "core/caption/MotionMath.h"

#include <algorithm>
#include <cmath>

double FrameElapsedMs(LONGLONG now, LONGLONG last, LONGLONG frequency) {
    if (frequency <= 0 || last <= 0) return kDefaultFrameMs;
    return static_cast<double>(now - last) * 1000.0 / static_cast<double>(frequency);
}

double AdvanceScrollOffset(double offset, double dtMs, int speed, double scale) {
    const double dt = std::clamp(dtMs, 0.0, kLargestFrameMs);
    return offset + scale * speed * dt * kPixelsPerMsPerSpeed;
}

double WrapScrollOffset(double offset, double cycle) {
    if (cycle <= 0) return offset;
    if (offset >= 0 && offset < cycle) return offset;
    double wrapped = std::fmod(offset, cycle);
    if (wrapped < 0) wrapped += cycle;
    // Rounding may land exactly on the cycle length.
    return wrapped >= cycle ? 0.0 : wrapped;
}
