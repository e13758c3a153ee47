// The donation table of the control panel.
#pragma once

// Refills the table (and AppState.viewRows) from the list.
void RefreshDonationTable();
