// How much of a long list a caption frame measures: what the view needs
// whatever the time, then as long as the frame's budget lasts; the whole
// list when the caption is still (a still picture has no next frame to
// finish in) or the list is short. And when a newly measured strip shows.
#pragma once

#include <chrono>
#include <cstddef>

class MeasuringBudget {
public:
    // How long one frame may spend measuring (milliseconds).
    static constexpr double kFrameBudgetMs = 6.0;
    // A list this short is measured whole in one frame: its texts cost next
    // to nothing even on a busy machine.
    static constexpr size_t kShortList = 256;

    explicit MeasuringBudget(bool playing) : playing_(playing), start_(std::chrono::steady_clock::now()) {}

    // Whether this frame may measure more than the view needs.
    bool TimeLeft() const {
        return !playing_ ||
               std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count() <
                   kFrameBudgetMs;
    }
    // Whether a strip of `entryCount` entries is measured whole in this frame.
    bool Whole(size_t entryCount) const { return entryCount <= kShortList || !playing_; }

private:
    bool playing_;
    std::chrono::steady_clock::time_point start_;
};

// Whether a strip being measured replaces the one shown. A new font shows as
// soon as the view is measured; a list change, which keeps most sizes and so
// costs little, once it is whole, unless the strip shown cannot show the
// view as it now is (`mustShow`: none shown, another size or direction, not
// measured that far, or entries in view whose texts changed).
inline bool NewStripReady(bool complete, bool coversView, bool keepsSizes, bool mustShow) {
    return complete || (coversView && (!keepsSizes || mustShow));
}
