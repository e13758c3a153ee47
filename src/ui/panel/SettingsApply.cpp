#include "ui/panel/SettingsApply.h"

#include <algorithm>

#include "app/AppState.h"
#include "commands/SettingsCommands.h"
#include "core/list/AmountText.h"
#include "platform/WindowText.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/PanelIds.h"
#include "ui/panel/PanelViews.h"
#include "ui/panel/SettingsControls.h"
#include "ui/panel/StatusLine.h"

namespace {

std::wstring FieldText(int id) { return TrimText(WindowText(FindPanelControl(id))); }

std::wstring FieldTextOr(int id, const wchar_t* whenEmpty) {
    const std::wstring text = FieldText(id);
    return text.empty() ? whenEmpty : text;
}

int FieldNumber(int id, int current) { return ParseNumberText(FieldText(id), current); }

int FieldNumberIn(int id, int current, int low, int high) { return std::clamp(FieldNumber(id, current), low, high); }

void ReadStyleFields(AppSettings& s) {
    s.fontFace = FieldTextOr(kIdFontFaceField, L"宋体");
    s.fontSize = FieldNumberIn(kIdFontSizeField, s.fontSize, 10, 160);
    s.bold = ReadCheckField(kIdBoldCheck, s.bold);
    s.textOutline = ReadCheckField(kIdOutlineCheck, s.textOutline);
    s.textShadow = ReadCheckField(kIdShadowCheck, s.textShadow);
    s.outlineSize = FieldNumberIn(kIdOutlineSizeField, s.outlineSize, 1, 12);
    s.shadowSize = FieldNumberIn(kIdShadowSizeField, s.shadowSize, 1, 20);
}

void ReadLayoutFields(AppSettings& s) {
    if (HWND mirror = FindPanelControl(kIdDirectionMirror)) {
        s.direction = DirectionFromInt(static_cast<int>(SendMessageW(mirror, CB_GETCURSEL, 0, 0)));
    }
    s.speed = FieldNumberIn(kIdSpeedBox, s.speed, 1, 30);
    s.titlePrefix = FieldText(kIdTitlePrefixField);
    s.separator = FieldTextOr(kIdSeparatorField, L" ");
    s.nameAmountGap = FieldNumberIn(kIdGapField, s.nameAmountGap, 0, 500);
    s.amountUnit = FieldTextOr(kIdUnitField, L"元");
    s.thousandsSeparator = ReadCheckField(kIdThousandsCheck, s.thousandsSeparator);
    s.x = FieldNumber(kIdXField, s.x);
    s.y = FieldNumber(kIdYField, s.y);
    s.width = std::max(180, FieldNumber(kIdWidthField, s.width));
    s.height = std::max(40, FieldNumber(kIdHeightField, s.height));
    s.topMost = ReadCheckField(kIdTopMostCheck, s.topMost);
    if (HWND list = FindPanelControl(kIdTargetScreenList)) {
        const LRESULT index = SendMessageW(list, CB_GETCURSEL, 0, 0);
        if (index >= 0 && static_cast<size_t>(index) < g_app.monitors.size()) {
            s.monitor = g_app.monitors[static_cast<size_t>(index)].deviceName;
        }
    }
}

void ReadHotkeyTexts(AppSettings& s) {
    const AppSettings defaults;
    const std::array<std::wstring, 4> texts = ReadHotkeyFields();
    s.value = texts[0].empty() ? defaults.value : texts[0];
    s.horizontal = texts[1].empty() ? defaults.horizontal : texts[1];
    s.vertical = texts[2].empty() ? defaults.vertical : texts[2];
    s.pause = texts[3].empty() ? defaults.pause : texts[3];
}

}  // namespace

bool ApplySettingsFromPanel() {
    AppSettings read = g_app.settings;
    ReadStyleFields(read);
    ReadLayoutFields(read);
    ReadHotkeyTexts(read);
    return ApplySettings(g_app, ProgramViews(), read);
}

void ApplySettingsWithStatus() {
    if (g_app.panel->updatingControls || !g_app.panel->panelReady) return;
    const bool saved = ApplySettingsFromPanel();
    RefreshSettingsControls();
    SetStatusText(saved ? L"设置已应用并保存" : L"设置已应用，保存失败", true);
}
