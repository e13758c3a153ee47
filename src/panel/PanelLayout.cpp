#include "panel/PanelLayout.h"

#include <algorithm>

#include "app/AppState.h"
#include "platform/Dpi.h"
#include "list/ListEditing.h"
#include "panel/ControlPanel.h"
#include "panel/PanelIds.h"
#include "panel/DonationTable.h"
#include "panel/PanelChildren.h"
#include "panel/PanelPaint.h"
#include "panel/SettingsPages.h"

namespace {

ControlPlacement At(int id, int x, int y, int width, int height) { return {id, RECT{x, y, x + width, y + height}}; }

int S(int v) { return ScaleLogical(v, g_app.dpiScale); }


}  // namespace

std::vector<ControlPlacement> PanelPlacements(int b, int H) {
    const int L = b - kRightPaneWidth;
    return {
        At(kIdHelpButton, b - 114, 18, 90, 32),
        At(kIdPlayButton, 24, 72, 142, 38),
        At(kIdHorizontalButton, 184, 72, 78, 38),
        At(kIdVerticalButton, 262, 72, 78, 38),
        At(kIdSpeedSlider, 408, 76, 112, 30),
        At(kIdSpeedBox, 528, 76, 52, 30),
        At(kIdTargetScreenList, 664, 76, std::max(126, b - 688), 150),
        At(kIdCountLabel, 24, 142, b - 416, 30),
        At(kIdSearchBox, 24, 182, std::max(140, b - 656), 32),
        At(kIdUndoButton, L - 248, 182, 34, 32),
        At(kIdRedoButton, L - 210, 182, 34, 32),
        At(kIdDeleteButton, L - 172, 182, 34, 32),
        At(kIdImportButton, L - 128, 182, 104, 32),
        At(kIdDonationTable, 24, 226, b - 416, std::max(80, H - 358)),
        At(kIdNameBox, 24, H - 92, b - 644, 34),
        At(kIdAmountBox, b - 610, H - 92, 126, 34),
        At(kIdAppendButton, L - 106, H - 92, 82, 34),
        At(kIdPreviewPane, L + 20, 142, 324, 128),
        At(kIdPreviewLight, L + 196, 144, 42, 26),
        At(kIdPreviewDark, L + 242, 144, 42, 26),
        At(kIdPreviewRed, L + 288, 144, 42, 26),
        At(kIdTabStyle, L + 20, 286, 108, 34),
        At(kIdTabPosition, L + 128, 286, 108, 34),
        At(kIdTabHotkeys, L + 236, 286, 108, 34),
        At(kIdSettingsPane, L + 20, 334, 344, std::max(80, H - 428)),
        At(kIdApplyAndSave, L + 20, H - 76, 272, 36),
        At(kIdMoreButton, L + 302, H - 76, 42, 36),
        At(kIdStatusLine, 180, H - 29, std::max(120, b - 530), 26),
    };
}

void LayoutControlPanel() {
    HWND panel = g_app.controlPanel;
    if (!panel || !g_panel.panelReady) return;
    CommitCellEdit(false);  // the editor would no longer sit over its cell
    RECT client{};
    GetClientRect(panel, &client);
    const int b = static_cast<int>(client.right / g_app.dpiScale + 0.5);
    const int H = static_cast<int>(client.bottom / g_app.dpiScale + 0.5);
    for (const ControlPlacement& p : PanelPlacements(b, H)) {
        HWND control = GetDlgItem(panel, p.id);
        if (!control) continue;
        const RECT& r = p.rect;
        if (p.id == kIdSpeedSlider) {
            LayoutTrackbar(control, r.left, r.top, r.right - r.left, r.bottom - r.top);
            continue;
        }
        // The background swatches lie over the preview and must stay above it.
        const bool raise = p.id >= kIdPreviewLight && p.id <= kIdPreviewRed;
        SetWindowPos(control, raise ? HWND_TOP : nullptr, S(r.left), S(r.top), S(r.right - r.left),
                     S(r.bottom - r.top), SWP_NOACTIVATE | (raise ? 0 : SWP_NOZORDER));
        if (p.id == kIdTargetScreenList) {
            // Centre the closed box on y = 91, whatever height the list gives itself.
            RECT box{};
            GetWindowRect(control, &box);
            const int top = S(91) - (box.bottom - box.top) / 2;
            SetWindowPos(control, nullptr, S(664), top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    SetDonationTableColumnWidths(b);
    ShowSettingsPage();
    RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
