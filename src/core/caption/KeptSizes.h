// Which entry of an earlier strip measured the same texts as an entry of a
// new one, so that a list change measures only the texts that are new. Equal
// keys mean equal texts, so any match is right; the search only decides how
// often one is found: after the last kept entry or a little further on (rows
// edited, inserted or removed there), much further on right after a kept
// one (a block removed), or as far from the end as before (a block inserted
// or removed in front).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct KeptSizesSearch {
    size_t cursor = 0;     // in the earlier strip: after the last entry kept
    bool lastKept = true;  // whether the entry before kept its sizes
};

constexpr size_t kNoKeptEntry = static_cast<size_t>(-1);

// `baseKeys` holds the earlier strip's keys as far as it was measured, of
// `baseCount` entries in all; the new strip has `count`, and `index` is the
// entry asked for (entries are asked for in order). kNoKeptEntry when none.
size_t FindKeptEntry(const std::vector<uint64_t>& baseKeys, size_t baseCount, size_t count, size_t index,
                     uint64_t key, KeptSizesSearch& search);
