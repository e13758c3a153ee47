// Whole-list snapshots for undo and redo; kept in memory only.
#pragma once

#include <cstddef>
#include <vector>

#include "core/list/DonationList.h"

struct UndoHistory {
    static constexpr size_t kMaxSnapshots = 30;
    std::vector<DonationList> undo;
    std::vector<DonationList> redo;
};

// The history steps on their own, so they can be checked without windows.
// Records `current` before a change; the oldest snapshot goes beyond 30.
void PushSnapshot(UndoHistory& history, const DonationList& current);
// Swaps `list` with the newest undo (redo) snapshot; false when there is none.
bool StepBack(UndoHistory& history, DonationList& list);
bool StepForward(UndoHistory& history, DonationList& list);

// Each index once, largest first, so removing in this order keeps the rest valid.
std::vector<size_t> DeletionOrder(std::vector<size_t> indices);
