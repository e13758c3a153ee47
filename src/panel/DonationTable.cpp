#include "panel/DonationTable.h"

#include "app/AppState.h"

// The table control arrives with the list view; until then every entry is a
// visible row and the panel's entry count is repainted.
void RefreshDonationTable() {
    g_app.viewRows.resize(g_app.list.size());
    for (size_t i = 0; i < g_app.viewRows.size(); ++i) g_app.viewRows[i] = i;
    if (g_app.controlPanel) InvalidateRect(g_app.controlPanel, nullptr, FALSE);
}
