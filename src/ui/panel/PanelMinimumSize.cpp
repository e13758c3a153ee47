#include "ui/panel/PanelMinimumSize.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/AppState.h"
#include "platform/Dpi.h"
#include "platform/WinHandles.h"
#include "ui/Scale.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/PanelControls.h"
#include "ui/panel/PanelIds.h"

namespace {

constexpr int kMinimumLogicalWidth = 880;  // the window, as everywhere else in the panel's rules
constexpr int kMinimumLogicalHeight = 620;
// Two widths far enough apart that a growing control grows between them.
constexpr int kWide = 4000;
constexpr int kHigh = 1200;

int WidthAt(int b, int id) {
    for (const ControlPlacement& p : PanelPlacements(b, kHigh)) {
        if (p.id == id) return p.rect.right - p.rect.left;
    }
    return 0;
}

int TextWidth(HWND control, const std::wstring& text) {
    WindowDC dc(control);
    if (!dc || text.empty()) return 0;
    SelectedObject font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

int OuterWidth(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    return r.right - r.left;
}

// The search box's hint, its margins and frame, and a pixel for the caret.
int SearchBoxNeed(HWND box) {
    const wchar_t* cue = nullptr;
    for (const PanelControlRow& row : kPanelControls) {
        if (row.id == kIdSearchBox) cue = row.cue;
    }
    RECT client{};
    GetClientRect(box, &client);
    const DWORD margins = static_cast<DWORD>(SendMessageW(box, EM_GETMARGINS, 0, 0));
    const int frame = OuterWidth(box) - client.right;
    return TextWidth(box, cue ? cue : L"") + LOWORD(margins) + HIWORD(margins) + frame + 2;
}

// The longest screen name, and what the list's frame and arrow take beside its text.
int ScreenListNeed(HWND list) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (!GetComboBoxInfo(list, &info)) return 0;
    const int beside = OuterWidth(list) - (info.rcItem.right - info.rcItem.left);
    int longest = 0;
    const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const int length = static_cast<int>(SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0));
        if (length <= 0) continue;
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(length));
        longest = std::max(longest, TextWidth(list, text));
    }
    return longest + beside + S(4);  // the selection field's own inset
}

}  // namespace

int ClientWidthForNeeds(int floor, const std::vector<std::pair<int, int>>& idAndNeededWidth) {
    int b = floor;
    for (const auto& [id, needed] : idAndNeededWidth) {
        // Width = b − k once it grows: k from a wide layout.
        const int k = kWide - WidthAt(kWide, id);
        if (WidthAt(kWide, id) <= 0) continue;
        b = std::max(b, needed + k);
    }
    return b;
}

SIZE MinimumPanelWindowSize() {
    const double scale = g_app.dpiScale;
    SIZE size{ScaleLogical(kMinimumLogicalWidth, scale), ScaleLogical(kMinimumLogicalHeight, scale)};
    HWND panel = g_app.panel->window;
    if (!panel) return size;
    RECT window{};
    RECT client{};
    GetWindowRect(panel, &window);
    GetClientRect(panel, &client);
    const int frame = (window.right - window.left) - client.right;
    const auto logical = [scale](int pixels) { return static_cast<int>(std::ceil(pixels / scale)); };
    std::vector<std::pair<int, int>> needs;
    if (HWND box = GetDlgItem(panel, kIdSearchBox)) needs.emplace_back(kIdSearchBox, logical(SearchBoxNeed(box)));
    if (HWND list = GetDlgItem(panel, kIdTargetScreenList)) {
        needs.emplace_back(kIdTargetScreenList, logical(ScreenListNeed(list)));
    }
    const int b = ClientWidthForNeeds(0, needs);
    size.cx = std::max<LONG>(size.cx, ScaleLogical(b, scale) + frame);
    return size;
}
