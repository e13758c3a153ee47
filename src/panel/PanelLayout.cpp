#include "panel/PanelLayout.h"

#include <algorithm>

#include "app/AppState.h"
#include "platform/Dpi.h"
#include "list/ListEditing.h"
#include "panel/ControlPanel.h"
#include "panel/DonationTable.h"
#include "panel/PanelChildren.h"
#include "panel/PanelPaint.h"
#include "panel/SettingsPages.h"

namespace {

ControlPlacement At(int id, int x, int y, int width, int height) { return {id, RECT{x, y, x + width, y + height}}; }

int S(int v) { return ScaleLogical(v, g_app.dpiScale); }

constexpr int kSpeedSlider = 8014;
constexpr int kTargetScreen = 1046;

}  // namespace

std::vector<ControlPlacement> PanelPlacements(int b, int H) {
    const int L = b - kRightPaneWidth;
    return {
        At(8031, b - 114, 18, 90, 32),
        At(1020, 24, 72, 142, 38),
        At(8012, 184, 72, 78, 38),
        At(8013, 262, 72, 78, 38),
        At(kSpeedSlider, 408, 76, 112, 30),
        At(1014, 528, 76, 52, 30),
        At(kTargetScreen, 664, 76, std::max(126, b - 688), 150),
        At(8015, 24, 142, b - 416, 30),
        At(8001, 24, 182, std::max(140, b - 656), 32),
        At(8002, L - 248, 182, 34, 32),
        At(8003, L - 210, 182, 34, 32),
        At(1006, L - 172, 182, 34, 32),
        At(8004, L - 128, 182, 104, 32),
        At(1001, 24, 226, b - 416, std::max(80, H - 358)),
        At(1002, 24, H - 92, b - 644, 34),
        At(1003, b - 610, H - 92, 126, 34),
        At(1004, L - 106, H - 92, 82, 34),
        At(8010, L + 20, 142, 324, 128),
        At(8016, L + 196, 144, 42, 26),
        At(8017, L + 242, 144, 42, 26),
        At(8018, L + 288, 144, 42, 26),
        At(8007, L + 20, 286, 108, 34),
        At(8008, L + 128, 286, 108, 34),
        At(8009, L + 236, 286, 108, 34),
        At(8011, L + 20, 334, 344, std::max(80, H - 428)),
        At(1007, L + 20, H - 76, 272, 36),
        At(8006, L + 302, H - 76, 42, 36),
        At(1056, 180, H - 29, std::max(120, b - 530), 26),
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
        if (p.id == kSpeedSlider) {
            LayoutTrackbar(control, r.left, r.top, r.right - r.left, r.bottom - r.top);
            continue;
        }
        // The background swatches lie over the preview and must stay above it.
        const bool raise = p.id >= 8016 && p.id <= 8018;
        SetWindowPos(control, raise ? HWND_TOP : nullptr, S(r.left), S(r.top), S(r.right - r.left),
                     S(r.bottom - r.top), SWP_NOACTIVATE | (raise ? 0 : SWP_NOZORDER));
        if (p.id == kTargetScreen) {
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
