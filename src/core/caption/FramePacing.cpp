#include "core/caption/FramePacing.h"

#include <cmath>

namespace {

long long IntervalIndex(double nowMs, double intervalMs) {
    return static_cast<long long>(std::floor(nowMs / intervalMs));
}

bool SamePicture(const FramePicture& a, const FramePicture& b) {
    return a.position == b.position && a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

}  // namespace

double RefreshIntervalMs(unsigned hertz) { return 1000.0 / (hertz <= 1 ? 60.0 : static_cast<double>(hertz)); }

bool FramePacer::ShouldPresent(double nowMs, double intervalMs, const FramePicture& picture) const {
    if (!presented_) return true;
    if (!picture.contentChanged && SamePicture(picture, last_)) return false;
    return intervalMs <= 0 || IntervalIndex(nowMs, intervalMs) > interval_;
}

void FramePacer::Presented(double nowMs, double intervalMs, const FramePicture& picture) {
    presented_ = true;
    interval_ = intervalMs > 0 ? IntervalIndex(nowMs, intervalMs) : 0;
    last_ = picture;
    last_.contentChanged = false;
}
