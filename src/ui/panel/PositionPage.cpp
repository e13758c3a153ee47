#include "ui/panel/PositionPage.h"

#include <algorithm>
#include <commctrl.h>

#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "ui/panel/ControlPanel.h"
#include "ui/caption/CaptionContent.h"
#include "ui/caption/CaptionPlacement.h"
#include "ui/panel/PanelIds.h"
#include "ui/panel/SettingsControls.h"
#include "commands/SettingsCommands.h"
#include "ui/panel/PanelViews.h"

namespace {

int SliderPosition(int id, int fallback) {
    HWND slider = FindPanelControl(id);
    return slider ? static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0)) : fallback;
}

}  // namespace

void ApplySliderGeometry() {
    const AppSettings& now = g_app.settings;
    const int x = SliderPosition(kIdXSlider, now.x);
    const int y = SliderPosition(kIdYSlider, now.y);
    const int width = std::max(180, SliderPosition(kIdWidthSlider, now.width));
    const int height = std::max(40, SliderPosition(kIdHeightSlider, now.height));
    SetNumberField(FindPanelControl(kIdXField), x);
    SetNumberField(FindPanelControl(kIdYField), y);
    SetNumberField(FindPanelControl(kIdWidthField), width);
    SetNumberField(FindPanelControl(kIdHeightField), height);
    ChangeSettings(g_app, ProgramViews(), SettingsChange::Placement, [&](AppSettings& s) {
        s.x = x;
        s.y = y;
        s.width = width;
        s.height = height;
    });
}

void ApplyDockPreset(DockEdge edge) {
    AppSettings typed = g_app.settings;
    if (g_app.panel->window) {
        typed.x = ReadNumberField(FindPanelControl(kIdXField), typed.x);
        typed.y = ReadNumberField(FindPanelControl(kIdYField), typed.y);
        typed.width = std::max(180, ReadNumberField(FindPanelControl(kIdWidthField), typed.width));
        typed.height = std::max(40, ReadNumberField(FindPanelControl(kIdHeightField), typed.height));
    }
    DockCaption(g_app, ProgramViews(), typed, edge);
    RefreshSettingsControls();
}

void OnTopMostBox() {
    const bool topMost = ReadCheckField(kIdTopMostCheck, false);
    ChangeSettings(g_app, ProgramViews(), SettingsChange::Placement, [topMost](AppSettings& s) { s.topMost = topMost; });
}
