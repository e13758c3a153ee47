#include "ui/panel/PanelLayout.h"

#include <algorithm>

#include "app/AppState.h"
#include "ui/Scale.h"
#include "platform/Dpi.h"
#include "ui/panel/ListEditing.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/PanelIds.h"
#include "ui/panel/DonationTable.h"
#include "ui/panel/PanelChildren.h"
#include "ui/panel/PanelControls.h"
#include "ui/panel/PanelPaint.h"
#include "ui/panel/SettingsPages.h"

std::vector<ControlPlacement> PanelPlacements(int b, int H) {
    const PanelGeometry geometry{b, H, b - kRightPaneWidth};
    std::vector<ControlPlacement> placements;
    placements.reserve(kPanelControls.size());
    for (const PanelControlRow& row : kPanelControls) placements.push_back({row.id, row.place(geometry)});
    return placements;
}

void LayoutControlPanel() {
    HWND panel = g_app.panel->window;
    if (!panel || !g_app.panel->panelReady) return;
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
