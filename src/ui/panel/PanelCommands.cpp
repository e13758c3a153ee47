#include "ui/panel/PanelCommands.h"

#include <commctrl.h>

#include "app/AppState.h"
#include "app/Playback.h"
#include "ui/caption/CaptionContent.h"
#include "ui/caption/CaptionPlacement.h"
#include "ui/import/ImportWindow.h"
#include "ui/panel/ListEditing.h"
#include "commands/ListStore.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/DonationTable.h"
#include "ui/panel/MoreMenu.h"
#include "ui/panel/PanelFocus.h"
#include "ui/panel/PanelIds.h"
#include "ui/panel/PositionPage.h"
#include "ui/panel/SettingsApply.h"
#include "ui/panel/SettingsControls.h"
#include "ui/panel/SettingsPages.h"
#include "ui/panel/StatusLine.h"
#include "ui/panel/StylePage.h"
#include "commands/SettingsCommands.h"
#include "app/Hotkeys.h"
#include "commands/OutsideChanges.h"
#include "ui/panel/PanelViews.h"

namespace {

void RefreshIndicatorsIfReady() {
    if (g_app.panel->panelReady) RefreshPanelIndicators();
}

void OnApplyAndSave() {
    ApplySettingsFromPanel();
    KeepUsableHotkeys(g_app);
    RegisterHotkeys();
    RefreshSettingsControls();
    const bool settingsSaved = SaveSettings(g_app);
    // A change another program made is taken in, never saved over.
    ReadyForListCommand(g_app, ProgramViews(), ListActionKind::AddsOnly);
    SaveDonationList();
    ShowListTakenIn();
    std::wstring status = settingsSaved && g_app.listSaved ? L"已应用并保存" : L"保存失败，请检查目录是否可写";
    if (!g_app.listSaved && !g_app.listFile.saveFailure.empty()) status = L"保存失败：" + g_app.listFile.saveFailure;
    if (!g_app.listFile.saveNote.empty()) status += L" · " + g_app.listFile.saveNote;
    if (!g_app.listFile.reloadNote.empty()) status = g_app.listFile.reloadNote + L" · " + status;
    g_app.listFile.reloadNote.clear();
    SetStatusText(status, true);
}

// Commands that end without the common tail; false when the id is not one of them.
bool RunDirectCommand(int id, int code) {
    switch (id) {
        case kIdUndoButton: UndoListChange(); return true;
        case kIdRedoButton: RedoListChange(); return true;
        case kIdImportButton: OpenImportWindow(); return true;
        case kIdMoreButton: ShowMoreMenu(); return true;
        case kIdTabStyle:
        case kIdTabPosition:
        case kIdTabHotkeys:
            SelectSettingsPage(id - kIdTabStyle);
            RefreshIndicatorsIfReady();
            return true;
        case kIdHorizontalButton:
        case kIdVerticalButton:
            SwitchDirection(g_app, ProgramViews(), id == kIdHorizontalButton ? ScrollDirection::Horizontal : ScrollDirection::Vertical);
            RefreshIndicatorsIfReady();
            return true;
        case kIdPreviewLight:
        case kIdPreviewDark:
        case kIdPreviewRed:
            g_app.panel->previewBackground = id - kIdPreviewLight;
            RefreshIndicatorsIfReady();
            return true;
        case kIdHelpButton: ShowHelpMenu(); return true;
        case kIdThousandsCheck:
            if (code == BN_CLICKED) OnThousandsSeparatorBox();
            return true;
        case kIdTopMostCheck: OnTopMostBox(); return true;
        case kIdNameColorButton:
        case kIdAmountColorButton: OnColourButton(id); return true;
        default: return false;
    }
}

// Commands followed by the common tail.
void RunTailCommand(int id, int code) {
    switch (id) {
        case kIdAppendButton: AppendEntry(); break;
        case kIdDeleteButton: DeleteSelectedEntries(); break;
        case kIdApplyAndSave: OnApplyAndSave(); break;
        case kIdPlayButton:
        case kIdTrayTogglePlayback: TogglePlayback(g_app, ProgramViews()); break;
        case kIdApplyHotkeys: ApplyHotkeyTexts(g_app, ProgramViews(), ReadHotkeyFields()); break;
        case kIdChooseFontButton: ChooseCaptionFont(); break;
        case kIdBoldCheck:
        case kIdOutlineCheck:
        case kIdShadowCheck: OnStyleCheckBox(id); break;
        case kIdOutlineColorButton:
        case kIdShadowColorButton: OnColourButton(id); break;
        case kIdDockTopButton: ApplyDockPreset(DockEdge::Top); break;
        case kIdDockBottomButton: ApplyDockPreset(DockEdge::Bottom); break;
        case kIdTargetScreenList:
            if (code == CBN_SELCHANGE) {
                const int index = static_cast<int>(SendMessageW(GetDlgItem(g_app.panel->window, id), CB_GETCURSEL, 0, 0));
                if (index >= 0 && static_cast<size_t>(index) < g_app.monitors.size()) SelectTargetScreen(g_app, ProgramViews(), index);
            }
            break;
        case kIdTrayShowPanel: ShowControlPanel(); break;
        case kIdTrayRestoreDefaults: ConfirmRestoreDefaults(g_app, ProgramViews()); break;
        case kIdTrayExit: ExitProgram(); break;
        default: break;
    }
}

// Edit notifications that tell of nothing but scrolling or redrawing.
bool IsEditChatter(int code) {
    return code == EN_UPDATE || code == EN_HSCROLL || code == EN_VSCROLL || code == EN_MAXTEXT ||
           code == EN_ERRSPACE;
}

}  // namespace

bool IsAppliedOnLeaving(int id) {
    switch (id) {
        case kIdFontFaceField:
        case kIdFontSizeField:
        case kIdSpeedBox:
        case kIdTitlePrefixField:
        case kIdSeparatorField:
        case kIdUnitField:
        case kIdGapField:
        case kIdOutlineSizeField:
        case kIdShadowSizeField:
        case kIdXField:
        case kIdYField:
        case kIdWidthField:
        case kIdHeightField: return true;
        default: return false;
    }
}

LRESULT OnPanelCommand(int id, int code) {
    if (g_app.panel->updatingControls) return 0;
    if (RunAltCommand(id)) return 0;
    if (id == kIdSearchBox && code == EN_CHANGE) {
        RefreshDonationTable();
        return 0;
    }
    if (id == kIdCellEditor && code == EN_KILLFOCUS) {
        CommitCellEditOnFocusLoss();
        return 0;
    }
    if (code == EN_KILLFOCUS) {
        // Typing applies nothing; leaving the box does.
        if (IsAppliedOnLeaving(id)) ApplySettingsWithStatus();
        return 0;
    }
    if (code == EN_SETFOCUS || code == EN_CHANGE || IsEditChatter(code)) return 0;
    if (RunDirectCommand(id, code)) return 0;
    RunTailCommand(id, code);
    g_app.captionLayoutDirty = true;
    g_app.captionStripDirty = true;
    RepaintCaption();
    RefreshIndicatorsIfReady();
    return 0;
}

LRESULT OnPanelNotify(NMHDR& header) {
    switch (header.idFrom) {
        case kIdDonationTable: return OnDonationTableNotify(header);
        case kIdFontSizeSpin:
            if (header.code == UDN_DELTAPOS) return OnFontSizeStep(reinterpret_cast<const NMUPDOWN&>(header));
            return 0;
        default: return 0;
    }
}
