// The batch-import window.
#pragma once

// Opens the import window (or brings an open one forward).
void OpenImportWindow();
