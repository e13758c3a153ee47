#include "core/caption/MotionMath.h"

#include <algorithm>
#include <cmath>

double FrameElapsedMs(LONGLONG now, LONGLONG last, LONGLONG frequency) {
    if (frequency <= 0 || last <= 0) return kDefaultFrameMs;
    return static_cast<double>(now - last) * 1000.0 / static_cast<double>(frequency);
}

float AdvanceScrollOffset(float offset, double dtMs, int speed, double scale) {
    const double dt = std::clamp(dtMs, 0.0, kLargestFrameMs);
    return offset + static_cast<float>(scale) * static_cast<float>(speed) *
                        static_cast<float>(dt * kPixelsPerMsPerSpeed);
}

float WrapScrollOffset(float offset, double cycle) {
    if (cycle <= 0) return offset;
    if (offset >= 0 && offset < cycle) return offset;
    double wrapped = std::fmod(static_cast<double>(offset), cycle);
    if (wrapped < 0) wrapped += cycle;
    float result = static_cast<float>(wrapped);
    // Rounding to float may land exactly on the cycle length.
    if (result >= cycle) result = 0.0f;
    return result;
}
