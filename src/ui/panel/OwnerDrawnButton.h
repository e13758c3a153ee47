// The panel's push buttons draw themselves: a role decided from the control
// id (primary, active segment, normal), a glyph instead of text for the icon
// buttons, and a colour sample for the swatch buttons.
#pragma once

#include <windows.h>

#include <string>

enum class ButtonRole { Primary, ActiveSegment, Normal };

struct ButtonColours {
    COLORREF fill;
    COLORREF border;
    COLORREF text;
};

ButtonRole RoleOfButton(int id);
ButtonColours ColoursOfButton(ButtonRole role, bool pressed, bool disabled);

// The glyph of an icon button, or 0 for a button that shows its text.
wchar_t GlyphOfButton(int id);

// Whether the font selected into dc has a real glyph for the character.
bool FontHasGlyph(HDC dc, wchar_t glyph);

// The swatch colour of a swatch button; false for other buttons.
bool SwatchOfButton(int id, COLORREF& colour);

// WM_DRAWITEM for one owner-drawn button.
void DrawOwnerDrawnButton(const DRAWITEMSTRUCT& item);
