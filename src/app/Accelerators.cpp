#include "app/Accelerators.h"

#include <vector>

#include "ui/panel/AltKeys.h"

HACCEL CreateAltAcceleratorTable() {
    std::vector<ACCEL> table;
    table.reserve(kAltKeys.size());
    for (const AltKey& row : kAltKeys) {
        table.push_back(ACCEL{static_cast<BYTE>(FVIRTKEY | FALT), row.key, row.command});
    }
    return CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}
