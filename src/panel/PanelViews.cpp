#include "panel/PanelViews.h"

#include <windows.h>

#include "app/AppState.h"
#include "panel/ControlPanel.h"
#include "caption/CaptionContent.h"
#include "import/ImportWindow.h"
#include "list/ListEditing.h"
#include "panel/DonationTable.h"
#include "panel/StatusLine.h"

namespace {

class PanelViews final : public Views {
public:
    void ListChanged() override {
        RefreshDonationTable();
        InvalidateCaptionLayout();
        RepaintCaption();
    }

    void ListReloaded() override {
        CommitCellEdit(true);  // the edited cell may no longer be the one it was
        MarkImportCheckStale();
        ListChanged();
    }

    void Status(const std::wstring& text, bool withTime) override { SetStatusText(text, withTime); }

    bool Confirm(ConfirmKind kind) override {
        const wchar_t* text = L"";
        const wchar_t* title = L"";
        switch (kind) {
            case ConfirmKind::ClearList:
                text = L"清空当前名单？可通过撤销恢复。";
                title = L"清空名单";
                break;
            case ConfirmKind::RestoreBackup:
                text = L"使用上次保存前的名单备份？当前操作可撤销。";
                title = L"恢复备份";
                break;
        }
        return MessageBoxW(g_app.panel->window, text, title, MB_ICONQUESTION | MB_YESNO) == IDYES;
    }
};

}  // namespace

Views& ProgramViews() {
    static PanelViews views;  // holds nothing: every call reaches the live windows
    return views;
}
