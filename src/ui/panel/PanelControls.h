// The control panel's own controls, described once: id, class, text, style,
// tooltip, cue and where each goes for a client size. Creation, layout and
// the tests read this table; the settings pages have their own (PageControls).
#pragma once

#include <windows.h>

#include <array>

// A logical client size: b wide, H high; L is the left edge of the right pane.
struct PanelGeometry {
    int b;
    int H;
    int L;
};

struct PanelControlRow {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    const wchar_t* tooltip;
    const wchar_t* cue;  // the grey hint of an empty text box
    RECT (*place)(const PanelGeometry& g);  // logical pixels
};

// In creation order: the tab order of the panel follows it.
extern const std::array<PanelControlRow, 28> kPanelControls;
