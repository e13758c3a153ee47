// The frame of the control panel: header band, right pane, status strip and
// their texts. Painting takes everything it draws as arguments, so it can be
// drawn into any device context.
#pragma once

#include <windows.h>

#include <cstddef>

struct PanelFonts {
    HFONT uiFont = nullptr;
    HFONT titleFont = nullptr;
    HFONT smallFont = nullptr;
};

struct PanelFrame {
    int clientWidth = 0;   // pixels
    int clientHeight = 0;  // pixels
    double dpiScale = 1.0;
    bool paused = true;
    size_t entryCount = 0;
    HICON icon = nullptr;
    PanelFonts fonts;
    const RECT* targetScreenList = nullptr;  // the list's rectangle in client coordinates, if it exists
};

// Width of the right-hand pane in logical pixels.
constexpr int kRightPaneWidth = 368;

// Left edge of the right pane in logical pixels for a client width in pixels.
int RightPaneLeft(int clientWidth, double dpiScale);

void PaintPanelFrame(HDC dc, const PanelFrame& frame);
