// How much of a long list a caption frame measures: what the view needs
// whatever the time, then as long as the frame's budget lasts (a still
// caption's is longer: there is no motion to keep even, only the panel to
// keep responsive); a short list whole. The caption window goes on drawing
// frames, paused or not, until the list is measured. And when a newly
// measured strip shows.
#pragma once

#include <chrono>
#include <cstddef>

class MeasuringBudget {
public:
    // How long one frame may spend measuring (milliseconds).
    static constexpr double kFrameBudgetMs = 6.0;
    static constexpr double kStillFrameBudgetMs = 30.0;
    // A list this short is measured whole in one frame: its texts cost next
    // to nothing even on a busy machine.
    static constexpr size_t kShortList = 256;

    explicit MeasuringBudget(bool playing) : playing_(playing), start_(std::chrono::steady_clock::now()) {}

    // Whether this frame may measure more than the view needs.
    bool TimeLeft() const {
        const double spent = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count();
        return spent < (playing_ ? kFrameBudgetMs : kStillFrameBudgetMs);
    }
    // Whether a strip of `entryCount` entries is measured whole in this frame.
    static bool Whole(size_t entryCount) { return entryCount <= kShortList; }

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
