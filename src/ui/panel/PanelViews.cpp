#include "ui/panel/PanelViews.h"

#include <windows.h>

#include "app/AppState.h"
#include "app/ExitQuestion.h"
#include "app/Playback.h"
#include "ui/caption/Caption.h"
#include "ui/caption/CaptionFont.h"
#include "ui/caption/CaptionMotion.h"
#include "ui/caption/CaptionPlacement.h"
#include "ui/caption/Monitors.h"
#include "ui/panel/SettingsControls.h"
#include "app/Hotkeys.h"
#include "ui/panel/ControlPanel.h"
#include "ui/caption/CaptionContent.h"
#include "ui/import/ImportWindow.h"
#include "ui/panel/ListEditing.h"
#include "ui/panel/DonationTable.h"
#include "ui/panel/StatusLine.h"

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

    void ShowEntry(size_t listIndex) override { ScrollDonationTableTo(listIndex); }

    // Whatever changed, the preview, the swatches and the speed slider show it
    // in the same message: the preview is a picture of the caption's look.
    void SettingsChanged(SettingsChange what) override {
        Redo(what);
        if (g_app.panel->panelReady) RefreshPanelIndicators();
    }

private:
    static void Redo(SettingsChange what) {
        switch (what) {
            case SettingsChange::Colours:
                InvalidateCaptionLayout();
                RepaintCaption();
                return;
            case SettingsChange::Amounts:
                InvalidateCaptionLayout();
                RefreshDonationTable();
                RepaintCaption();
                return;
            case SettingsChange::Placement:
                if (g_app.caption->window) ApplyCaptionPlacement();
                return;
            case SettingsChange::Speed: return;  // the indicators below show it
            case SettingsChange::Screen:
                RebuildCaptionFont();
                EnsureMinimumCaptionHeight();  // the new screen's scale may need a taller caption
                SetSliderRanges();
                RefreshSettingsControls();
                if (g_app.caption->window) ApplyCaptionPlacement();
                return;
            case SettingsChange::ScreensListed:
                SetSliderRanges();  // the virtual screen may have grown or shrunk
                FillTargetScreenCombo();
                RefreshSettingsControls();
                return;
            case SettingsChange::Moved:
                RefreshSettingsControls();
                if (g_app.caption->window) ApplyCaptionPlacement();
                return;
            case SettingsChange::Hotkeys:
                RegisterHotkeys();
                RefreshSettingsControls();
                return;
            default: break;
        }
        const bool everything = what == SettingsChange::Everything;
        if (what != SettingsChange::Applied) RefreshSettingsControls();
        if (what != SettingsChange::Direction) RebuildCaptionFont();
        if (everything) RegisterHotkeys();
        if (g_app.caption->window) ApplyCaptionPlacement();
        if (everything) RefreshDonationTable();
        if (what == SettingsChange::Applied) {
            RepaintCaption();
        } else {
            ResetCaptionScroll();
        }
    }

public:
    void PlaybackChanged() override { ShowPlaybackState(); }

    ExitChoice AskAboutUnsavedList(const std::wstring& text) override {
        return ::AskAboutUnsavedList(g_app.panel->window, text);
    }

    std::wstring AskWhereToSaveList() override { return ::AskWhereToSaveList(g_app.panel->window); }

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
            case ConfirmKind::RestoreDefaults:
                text = L"确定要恢复默认设置吗？名单不会被清空。";
                title = L"恢复默认";
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
