#include "core/caption/KeptSizes.h"

namespace {

constexpr size_t kNearLookahead = 8;
constexpr size_t kFarLookahead = 4096;

}  // namespace

size_t FindKeptEntry(const std::vector<uint64_t>& baseKeys, size_t baseCount, size_t count, size_t index,
                     uint64_t key, KeptSizesSearch& search) {
    const size_t measured = baseKeys.size();
    const auto keep = [&](size_t at) {
        if (at >= measured || baseKeys[at] != key) return false;
        search.cursor = at + 1;
        search.lastKept = true;
        return true;
    };
    const size_t reach = search.lastKept ? kFarLookahead : kNearLookahead;
    for (size_t ahead = 0; ahead <= reach && search.cursor + ahead < measured; ++ahead) {
        if (keep(search.cursor + ahead)) return search.cursor - 1;
    }
    const long long shifted =
        static_cast<long long>(index) + static_cast<long long>(baseCount) - static_cast<long long>(count);
    if (shifted >= 0 && keep(static_cast<size_t>(shifted))) return search.cursor - 1;
    search.lastKept = false;
    return kNoKeptEntry;
}
