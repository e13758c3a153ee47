// Writing the settings into the pages' controls and reading numbers back.
// The controls keep no values of their own: after every change they are
// refilled from AppSettings, with commands ignored while that happens.
#include "ui/panel/SettingsControls.h"
#include "commands/SettingsCommands.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cwchar>

#include <commctrl.h>

#include "app/AppState.h"
#include "platform/WindowText.h"
#include "app/Playback.h"
#include "core/list/AmountText.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/PanelIds.h"

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

std::wstring ControlText(HWND control) { return TrimText(WindowText(control)); }

void SetText(int id, const std::wstring& text) {
    if (HWND control = FindPanelControl(id)) SetWindowTextW(control, text.c_str());
}

void SetCheck(int id, bool checked) {
    if (HWND control = FindPanelControl(id)) SendMessageW(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void SetSliderPosition(int id, int position) {
    if (HWND slider = FindPanelControl(id)) SendMessageW(slider, TBM_SETPOS, TRUE, position);
}

void SetSliderRange(int id, int minimum, int maximum, int position) {
    HWND slider = FindPanelControl(id);
    if (!slider) return;
    SendMessageW(slider, TBM_SETRANGEMIN, FALSE, minimum);
    SendMessageW(slider, TBM_SETRANGEMAX, FALSE, maximum);
    SendMessageW(slider, TBM_SETPOS, TRUE, position);
}

}  // namespace

HWND FindPanelControl(int id) {
    if (!g_app.panel->window) return nullptr;
    if (HWND direct = GetDlgItem(g_app.panel->window, id)) return direct;
    ControlSearch search{id, nullptr};
    EnumChildWindows(g_app.panel->window, MatchControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::array<std::wstring, 4> ReadHotkeyFields() {
    return {ControlText(FindPanelControl(kIdHotkeyPanelField)), ControlText(FindPanelControl(kIdHotkeyHorizontalField)),
            ControlText(FindPanelControl(kIdHotkeyVerticalField)), ControlText(FindPanelControl(kIdHotkeyPauseField))};
}

int ParseNumberText(const std::wstring& raw, int fallback) {
    const std::wstring text = TrimText(raw);
    if (text.empty()) return fallback;
    const wchar_t* begin = text.c_str();
    wchar_t* end = nullptr;
    errno = 0;
    const long value = std::wcstol(begin, &end, 10);
    if (end == begin || errno == ERANGE || value < INT_MIN || value > INT_MAX) return fallback;
    return static_cast<int>(value);
}

int ReadNumberField(HWND field, int fallback) {
    if (!field) return fallback;
    return ParseNumberText(WindowText(field), fallback);
}

bool ReadCheckField(int id, bool fallback) {
    HWND box = FindPanelControl(id);
    return box ? SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED : fallback;
}

void SetNumberField(HWND field, int value) {
    if (field) SetWindowTextW(field, std::to_wstring(value).c_str());
}

void RefreshSettingsControls() {
    const AppSettings& s = g_app.settings;
    g_app.panel->updatingControls = true;
    SetText(kIdFontFaceField, s.fontFace);
    SetText(kIdFontSizeField, std::to_wstring(s.fontSize));
    if (HWND spin = FindPanelControl(kIdFontSizeSpin)) SendMessageW(spin, UDM_SETPOS32, 0, s.fontSize);
    SetCheck(kIdBoldCheck, s.bold);
    SetCheck(kIdOutlineCheck, s.textOutline);
    SetText(kIdOutlineSizeField, std::to_wstring(s.outlineSize));
    SetCheck(kIdShadowCheck, s.textShadow);
    SetText(kIdShadowSizeField, std::to_wstring(s.shadowSize));
    if (HWND mirror = FindPanelControl(kIdDirectionMirror)) {
        SendMessageW(mirror, CB_SETCURSEL, static_cast<WPARAM>(DirectionIndex(s.direction)), 0);
    }
    SetText(kIdSpeedBox, std::to_wstring(s.speed));
    SetText(kIdTitlePrefixField, s.titlePrefix);
    SetText(kIdSeparatorField, s.separator);
    SetText(kIdGapField, std::to_wstring(s.nameAmountGap));
    SetText(kIdUnitField, s.amountUnit);
    SetCheck(kIdThousandsCheck, s.thousandsSeparator);
    SetText(kIdXField, std::to_wstring(s.x));
    SetText(kIdYField, std::to_wstring(s.y));
    SetText(kIdWidthField, std::to_wstring(s.width));
    SetText(kIdHeightField, std::to_wstring(s.height));
    SetSliderPosition(kIdXSlider, s.x);
    SetSliderPosition(kIdYSlider, s.y);
    SetSliderPosition(kIdWidthSlider, s.width);
    SetSliderPosition(kIdHeightSlider, s.height);
    SetCheck(kIdTopMostCheck, s.topMost);
    const int target = TargetMonitorIndex();
    if (target >= 0) {
        if (HWND list = FindPanelControl(kIdTargetScreenList)) SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(target), 0);
    }
    SetText(kIdHotkeyPanelField, s.value);
    SetText(kIdHotkeyHorizontalField, s.horizontal);
    SetText(kIdHotkeyVerticalField, s.vertical);
    SetText(kIdHotkeyPauseField, s.pause);
    SetText(kIdPlayButton, CurrentPlayButtonText());
    g_app.panel->updatingControls = false;
    if (g_app.panel->panelReady) RefreshPanelIndicators();
}

SliderRanges SliderRangesFor(int vx, int vy, int vw, int vh) {
    const int spanX = std::max(600, vw);
    const int spanY = std::max(300, vh);
    return {{vx, vx + spanX}, {vy, vy + spanY}, {180, spanX}, {40, spanY}};
}

void SetSliderRanges() {
    const SliderRanges r = SliderRangesFor(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                                           GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    const AppSettings& s = g_app.settings;
    SetSliderRange(kIdXSlider, r.x.minimum, r.x.maximum, s.x);
    SetSliderRange(kIdYSlider, r.y.minimum, r.y.maximum, s.y);
    SetSliderRange(kIdWidthSlider, r.width.minimum, r.width.maximum, s.width);
    SetSliderRange(kIdHeightSlider, r.height.minimum, r.height.maximum, s.height);
}
