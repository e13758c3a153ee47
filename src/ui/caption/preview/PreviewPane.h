// The preview pane above the settings pages: a sample of the caption's style
// on a light, dark or red background, or, on the position page, the target
// screen with the caption's area, which can be dragged.
#pragma once

#include <windows.h>

#include <string>

// Preview colours.
constexpr COLORREF kPreviewLight = RGB(0xF8, 0xF9, 0xFA);
constexpr COLORREF kPreviewDark = RGB(0x27, 0x2B, 0x2F);
constexpr COLORREF kPreviewRed = RGB(0xB7, 0x1C, 0x2C);
constexpr COLORREF kPreviewHeadingOnLight = RGB(0x67, 0x73, 0x7C);
constexpr COLORREF kPreviewHeadingOnColour = RGB(0xE4, 0xE8, 0xEB);
constexpr COLORREF kPreviewScreen = RGB(0xE4, 0xE9, 0xED);
constexpr COLORREF kPreviewCaptionArea = RGB(0x00, 0x75, 0x65);

// Where a drag of the caption's area started: the cursor and the caption.
struct PreviewDragAnchor {
    POINT cursor{};
    POINT caption{};
};

LRESULT CALLBACK PreviewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The sample's em size in pixels: two thirds of the font size, 18 to 32, scaled.
int PreviewFontPixels(int fontSize, double dpiScale);
// The gap between the sample name and amount: at most 50, scaled.
int PreviewGap(int nameAmountGap, double dpiScale);

// The outline of the target screen in a pane of cw × ch pixels: the work
// area's aspect ratio, centred horizontally below the heading.
RECT PreviewScreenRect(int cw, int ch, const RECT& work, double dpiScale);
// The caption's area inside that outline (not yet clipped to it).
RECT PreviewCaptionRect(const RECT& screen, const RECT& work, const RECT& caption, double dpiScale);

// The caption's new top-left after the mouse travelled (dx, dy) pane pixels
// from where a drag started with the caption at `start`; kept in the work area.
POINT DraggedCaptionPosition(POINT start, int dx, int dy, const RECT& screen, const RECT& work, int width, int height);
