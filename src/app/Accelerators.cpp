#include "app/Accelerators.h"

#include <vector>

// Alt+6 and Alt+7 carry 50033 and 50032: the commands keep the numbers the
// shadow controls have always had, whatever the order of the keys.
const std::array<AltAccelerator, 34> kAltAccelerators = {{
    {'N', 50001}, {'M', 50002}, {'B', 50003}, {'F', 50004}, {'Z', 50005}, {'O', 50006},
    {'C', 50007}, {'E', 50008}, {'U', 50009}, {'D', 50010}, {'S', 50011}, {'T', 50012},
    {'R', 50013}, {'G', 50014}, {'X', 50015}, {'Y', 50016}, {'W', 50017}, {'H', 50018},
    {'I', 50019}, {'Q', 50020}, {'L', 50021}, {'V', 50022}, {'P', 50023}, {'A', 50024},
    {'K', 50025}, {'J', 50026}, {'1', 50027}, {'2', 50028}, {'3', 50029}, {'4', 50030},
    {'5', 50031}, {'6', 50033}, {'7', 50032}, {'8', 50034},
}};

HACCEL CreateAltAcceleratorTable() {
    std::vector<ACCEL> table;
    table.reserve(kAltAccelerators.size());
    for (const AltAccelerator& entry : kAltAccelerators) {
        table.push_back(ACCEL{static_cast<BYTE>(FVIRTKEY | FALT), entry.key, entry.command});
    }
    return CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}
