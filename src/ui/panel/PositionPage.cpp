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

namespace {

int SliderPosition(int id, int fallback) {
    HWND slider = FindPanelControl(id);
    return slider ? static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0)) : fallback;
}

void StoreGeometry() {
    StoreActiveLayout(g_app.settings.direction);
    RecordDockOffset(g_app.settings.direction);
}

}  // namespace

void ApplySliderGeometry() {
    AppSettings& s = g_app.settings;
    s.x = SliderPosition(kIdXSlider, s.x);
    s.y = SliderPosition(kIdYSlider, s.y);
    s.width = std::max(180, SliderPosition(kIdWidthSlider, s.width));
    s.height = std::max(40, SliderPosition(kIdHeightSlider, s.height));
    SetNumberField(FindPanelControl(kIdXField), s.x);
    SetNumberField(FindPanelControl(kIdYField), s.y);
    SetNumberField(FindPanelControl(kIdWidthField), s.width);
    SetNumberField(FindPanelControl(kIdHeightField), s.height);
    StoreGeometry();
    if (g_app.caption->window) ApplyCaptionPlacement();
    SaveSettings(g_app);
}

void ApplyDockPreset(DockEdge edge) {
    AppSettings& s = g_app.settings;
    const RECT work = TargetWorkArea();
    if (g_app.panel->window) {
        s.x = ReadNumberField(FindPanelControl(kIdXField), s.x);
        s.y = ReadNumberField(FindPanelControl(kIdYField), s.y);
        s.width = std::max(180, ReadNumberField(FindPanelControl(kIdWidthField), s.width));
        s.height = std::max(40, ReadNumberField(FindPanelControl(kIdHeightField), s.height));
    }
    StoreGeometry();  // the edge in use so far remembers where the caption stood
    DockState& dock = g_app.directions.docks[static_cast<size_t>(DirectionIndex(s.direction))];
    dock.edge = edge;
    s.y = edge == DockEdge::Top ? work.top + dock.topOffset : work.bottom - s.height - dock.bottomOffset;
    StoreGeometry();
    RefreshSettingsControls();
    if (g_app.caption->window) ApplyCaptionPlacement();
    SaveSettings(g_app);
}

void OnTopMostBox() {
    g_app.settings.topMost = ReadCheckField(kIdTopMostCheck, false);
    if (g_app.caption->window) ApplyCaptionPlacement();
    SaveSettings(g_app);
    InvalidateCaptionLayout();
    RepaintCaption();
}
