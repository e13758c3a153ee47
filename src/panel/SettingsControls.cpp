#include "panel/SettingsControls.h"

#include "app/AppState.h"
#include "list/AmountText.h"
#include "panel/PanelIds.h"

// The pages' controls come with the settings pane; until then the panel's
// frame is the only thing that shows settings, so it is repainted.
void RefreshSettingsControls() {
    if (g_app.controlPanel) InvalidateRect(g_app.controlPanel, nullptr, FALSE);
}

namespace {

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchControl(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<ControlSearch*>(data);
    if (GetDlgCtrlID(window) != search->id) return TRUE;
    search->found = window;
    return FALSE;
}

std::wstring ControlText(HWND control) {
    if (!control) return L"";
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, &text[0], length + 1)));
    return TrimText(text);
}

}  // namespace

HWND FindPanelControl(int id) {
    if (!g_app.controlPanel) return nullptr;
    if (HWND direct = GetDlgItem(g_app.controlPanel, id)) return direct;
    ControlSearch search{id, nullptr};
    EnumChildWindows(g_app.controlPanel, MatchControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::array<std::wstring, 4> ReadHotkeyFields() {
    return {ControlText(FindPanelControl(kIdHotkeyPanelField)), ControlText(FindPanelControl(kIdHotkeyHorizontalField)),
            ControlText(FindPanelControl(kIdHotkeyVerticalField)), ControlText(FindPanelControl(kIdHotkeyPauseField))};
}
