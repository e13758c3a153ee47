// The actions of the 文字样式 page: its check boxes, colour buttons and the
// font dialog. Each acts on the playing caption at once and saves.
#pragma once

#include <windows.h>
#include <commctrl.h>

// Bold (1030), outline (1048) or shadow (1052) ticked or cleared.
void OnStyleCheckBox(int id);

// A step of the font-size spin buttons; TRUE, as the step is done here.
LRESULT OnFontSizeStep(const NMUPDOWN& step);

// The thousands separator: table, preview and caption at once, amounts kept.
void OnThousandsSeparatorBox();

// A colour button (1010, 1011, 1049, 1053): the colour dialog, then applied.
void OnColourButton(int id);

// The system font dialog for face, size, weight and name colour.
void ChooseCaptionFont();

// The system colour dialog, opened fully and preset to `colour`; the chosen
// colour, or `colour` when the operator cancels.
COLORREF PickColor(HWND owner, COLORREF colour);
