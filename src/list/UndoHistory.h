// Whole-list snapshots for undo and redo; kept in memory only.
#pragma once

#include <vector>

#include "list/DonationList.h"

struct UndoHistory {
    static constexpr size_t kMaxSnapshots = 30;
    std::vector<DonationList> undo;
    std::vector<DonationList> redo;
};
