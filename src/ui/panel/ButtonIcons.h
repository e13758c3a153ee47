// Icons of our own for the icon buttons, drawn as lines in the button's text
// colour at any size, for systems whose icon font lacks the glyphs (Wine,
// Windows before 10): the panel then looks the same everywhere.
#pragma once

#include <windows.h>

enum class ButtonIcon { None, Undo, Redo, Delete, ChooseFont, More };

ButtonIcon IconOfButton(int id);

// Draws the icon centred in box, its 16-unit design grid scaled by scale.
void DrawButtonIcon(HDC dc, const RECT& box, ButtonIcon icon, COLORREF colour, double scale);
