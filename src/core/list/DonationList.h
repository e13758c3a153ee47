// The donor list: the program's only user data. Order is display order;
// duplicates are allowed and nothing limits the length.
#pragma once

#include <string>
#include <vector>

struct DonationEntry {
    std::wstring name;    // trimmed, never empty
    std::wstring amount;  // trimmed and normalised, never empty
};

inline bool operator==(const DonationEntry& a, const DonationEntry& b) {
    return a.name == b.name && a.amount == b.amount;
}

using DonationList = std::vector<DonationEntry>;
