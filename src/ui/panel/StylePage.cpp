#include "ui/panel/StylePage.h"

#include <commdlg.h>

#include <algorithm>
#include <cwchar>

#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "ui/panel/ControlPanel.h"
#include "ui/caption/CaptionContent.h"
#include "ui/caption/CaptionFont.h"
#include "ui/caption/CaptionPlacement.h"
#include "ui/panel/DonationTable.h"
#include "ui/panel/PageControls.h"
#include "ui/panel/PanelIds.h"
#include "ui/panel/SettingsControls.h"
#include "ui/panel/StatusLine.h"
#include "platform/CommonControls.h"
#include "commands/SettingsCommands.h"
#include "ui/panel/PanelViews.h"

namespace {

// The dialog's custom colours last until the program exits; they are not saved.

COLORREF* ColourOfButton(int id, AppSettings& s) {
    switch (id) {
        case kIdNameColorButton: return &s.textColor;
        case kIdAmountColorButton: return &s.amountColor;
        case kIdOutlineColorButton: return &s.outlineColor;
        case kIdShadowColorButton: return &s.shadowColor;
        default: return nullptr;
    }
}

}  // namespace

void OnStyleCheckBox(int id) {
    bool AppSettings::*flag = nullptr;
    switch (id) {
        case kIdBoldCheck: flag = &AppSettings::bold; break;
        case kIdOutlineCheck: flag = &AppSettings::textOutline; break;
        case kIdShadowCheck: flag = &AppSettings::textShadow; break;
        default: return;
    }
    const bool checked = ReadCheckField(id, false);
    ChangeSettings(g_app, ProgramViews(), SettingsChange::Applied, [&](AppSettings& s) { s.*flag = checked; });
}

LRESULT OnFontSizeStep(const NMUPDOWN& step) {
    const int size = std::clamp(step.iPos + step.iDelta, kMinFontSize, kMaxFontSize);
    SetNumberField(FindPanelControl(kIdFontSizeField), size);
    SendMessageW(step.hdr.hwndFrom, UDM_SETPOS32, 0, size);
    ChangeSettings(g_app, ProgramViews(), SettingsChange::Applied, [size](AppSettings& s) { s.fontSize = size; });
    return TRUE;  // the spin's own step is replaced by ours
}

// The thousands separator changes the table, the preview and the caption at
// once; the stored amounts stay as they are.
void OnThousandsSeparatorBox() {
    const bool grouped = ReadCheckField(kIdThousandsCheck, false);
    const bool saved = ChangeSettings(g_app, ProgramViews(), SettingsChange::Amounts,
                                      [grouped](AppSettings& s) { s.thousandsSeparator = grouped; });
    SetStatusText(saved ? L"千分位显示已应用并保存" : L"千分位显示已应用，保存失败", true);
}

void OnColourButton(int id) {
    COLORREF* colour = ColourOfButton(id, g_app.settings);
    if (!colour) return;
    const COLORREF picked = PickColor(g_app.panel->window, *colour);
    ChangeSettings(g_app, ProgramViews(), SettingsChange::Colours, [&](AppSettings& s) {
        *ColourOfButton(id, s) = picked;
    });
    if (HWND button = FindPanelControl(id)) InvalidateRect(button, nullptr, TRUE);
}

COLORREF PickColor(HWND owner, COLORREF colour) {
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.rgbResult = colour;
    dialog.lpCustColors = g_app.panel->customColours;
    dialog.Flags = CC_FULLOPEN | CC_RGBINIT;
    return comdlg::ChooseColorW(&dialog) ? dialog.rgbResult : colour;
}

void ChooseCaptionFont() {
    const AppSettings& s = g_app.settings;
    HWND panel = g_app.panel->window;
    LOGFONTW font{};
    wcsncpy(font.lfFaceName, s.fontFace.c_str(), LF_FACESIZE - 1);
    int dpi = 96;
    if (HDC dc = GetDC(panel)) {
        dpi = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(panel, dc);
    }
    font.lfHeight = -MulDiv(s.fontSize, dpi, 72);
    font.lfWeight = s.bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;

    CHOOSEFONTW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = panel;
    dialog.lpLogFont = &font;
    dialog.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS;
    dialog.rgbColors = s.textColor;
    if (!comdlg::ChooseFontW(&dialog)) return;

    AppSettings chosen = s;
    chosen.fontFace = font.lfFaceName;
    chosen.bold = font.lfWeight > 599;
    const int points = dialog.iPointSize / 10;  // tenths of a point
    chosen.fontSize = std::clamp(points, kMinFontSize, kMaxFontSize);  // as the size box would take it
    chosen.textColor = dialog.rgbColors;
    ApplySettings(g_app, ProgramViews(), chosen);
    RefreshSettingsControls();
}
