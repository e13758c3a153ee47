#include "core/list/UndoHistory.h"

#include <algorithm>
#include <functional>

void PushSnapshot(UndoHistory& history, const DonationList& current) {
    while (history.undo.size() >= UndoHistory::kMaxSnapshots) history.undo.erase(history.undo.begin());
    history.undo.push_back(current);
    history.redo.clear();
}

namespace {

// Moves the newest snapshot of `from` into the list; the list goes onto `to`.
bool SwapWithNewest(std::vector<DonationList>& from, std::vector<DonationList>& to, DonationList& list) {
    if (from.empty()) return false;
    to.push_back(std::move(list));
    list = std::move(from.back());
    from.pop_back();
    return true;
}

}  // namespace

bool StepBack(UndoHistory& history, DonationList& list) { return SwapWithNewest(history.undo, history.redo, list); }

bool StepForward(UndoHistory& history, DonationList& list) { return SwapWithNewest(history.redo, history.undo, list); }

std::vector<size_t> DeletionOrder(std::vector<size_t> indices) {
    std::sort(indices.begin(), indices.end(), std::greater<size_t>());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    return indices;
}
