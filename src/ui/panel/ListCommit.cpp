// Every list command ends here, so the table, the file, the caption and the
// status line can never disagree about the list.
#include "app/AppState.h"
#include "ui/caption/CaptionContent.h"
#include "commands/ListStore.h"
#include "ui/panel/DonationTable.h"
#include "ui/panel/PanelViews.h"
#include "ui/panel/StatusLine.h"
#include "commands/ListCommands.h"

void ShowListTakenIn() {
    if (!g_app.listFile.takenIn) return;
    g_app.listFile.takenIn = false;
    RefreshDonationTable();
    InvalidateCaptionLayout();
    RepaintCaption();
}

void CommitListChange(const std::wstring& message) { FinishListChange(g_app, ProgramViews(), message); }
