#include "ui/panel/OwnerDrawnButton.h"

#include <string>

#include "app/AppState.h"
#include "ui/Scale.h"
#include "platform/Dpi.h"
#include "platform/WindowText.h"
#include "core/list/AmountText.h"
#include "ui/import/ImportWindow.h"
#include "ui/panel/ButtonIcons.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/PanelIds.h"

namespace {

void Fill(HDC dc, const RECT& r, COLORREF c) {
    UniqueBrush brush(CreateSolidBrush(c));
    FillRect(dc, &r, brush.get());
}

void Frame(HDC dc, const RECT& r, COLORREF c) {
    UniqueBrush brush(CreateSolidBrush(c));
    FrameRect(dc, &r, brush.get());
}

}  // namespace

ButtonRole RoleOfButton(int id) {
    switch (id) {
        case kIdAppendButton:
        case kIdPlayButton:
        case kIdImportAddButton: return ButtonRole::Primary;
        case kIdTabStyle:
        case kIdTabPosition:
        case kIdTabHotkeys: return id - kIdTabStyle == g_app.panel->currentPage ? ButtonRole::ActiveSegment : ButtonRole::Normal;
        case kIdHorizontalButton: return g_app.settings.direction == ScrollDirection::Horizontal ? ButtonRole::ActiveSegment
                                                                                  : ButtonRole::Normal;
        case kIdVerticalButton: return g_app.settings.direction == ScrollDirection::Vertical ? ButtonRole::ActiveSegment
                                                                                : ButtonRole::Normal;
        case kIdPreviewLight:
        case kIdPreviewDark:
        case kIdPreviewRed:
            return id - kIdPreviewLight == g_app.panel->previewBackground ? ButtonRole::ActiveSegment
                                                                           : ButtonRole::Normal;
        default: return ButtonRole::Normal;
    }
}

ButtonColours ColoursOfButton(ButtonRole role, bool pressed, bool disabled) {
    ButtonColours c{};
    switch (role) {
        case ButtonRole::Primary:
            c = {pressed ? RGB(0, 88, 76) : RGB(0, 117, 101), RGB(0, 117, 101), RGB(255, 255, 255)};
            break;
        case ButtonRole::ActiveSegment:
            c = {pressed ? RGB(223, 232, 229) : RGB(230, 244, 239), RGB(0, 117, 101), RGB(0, 117, 101)};
            break;
        case ButtonRole::Normal:
            c = {pressed ? RGB(223, 232, 229) : RGB(255, 255, 255), RGB(221, 227, 231), RGB(30, 39, 46)};
            break;
    }
    if (disabled) {
        c.fill = RGB(246, 248, 249);
        c.text = RGB(163, 171, 176);
    }
    return c;
}

wchar_t GlyphOfButton(int id) {
    switch (id) {
        case kIdUndoButton: return 0xE7A7;
        case kIdRedoButton: return 0xE7A6;
        case kIdDeleteButton: return 0xE74D;
        case kIdChooseFontButton: return 0xE8D2;
        case kIdMoreButton: return 0xE712;
        default: return 0;
    }
}

bool FontHasGlyph(HDC dc, wchar_t glyph) {
    WORD index = 0xFFFF;
    if (GetGlyphIndicesW(dc, &glyph, 1, &index, GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) return false;
    return index != 0xFFFF;
}

bool SwatchOfButton(int id, COLORREF& colour) {
    const AppSettings& s = g_app.settings;
    switch (id) {
        case kIdNameColorButton: colour = s.textColor; return true;
        case kIdAmountColorButton: colour = s.amountColor; return true;
        case kIdOutlineColorButton: colour = s.outlineColor; return true;
        case kIdShadowColorButton: colour = s.shadowColor; return true;
        case kIdPreviewLight: colour = RGB(248, 249, 250); return true;
        case kIdPreviewDark: colour = RGB(39, 43, 47); return true;
        case kIdPreviewRed: colour = RGB(183, 28, 44); return true;
        default: return false;
    }
}

void DrawOwnerDrawnButton(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const int id = static_cast<int>(item.CtlID);
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    const ButtonRole role = RoleOfButton(id);
    const ButtonColours c = ColoursOfButton(role, pressed, disabled);
    RECT r = item.rcItem;
    Fill(dc, r, c.fill);
    Frame(dc, r, c.border);
    if (role == ButtonRole::ActiveSegment && id >= kIdPreviewLight && id <= kIdPreviewRed) {
        // The small background swatches show the chosen one with a border twice as strong.
        RECT inner = r;
        InflateRect(&inner, -1, -1);
        Frame(dc, inner, c.border);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, c.text);
    const UINT centred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (const wchar_t glyph = GlyphOfButton(id)) {
        SelectedObject font(dc, g_app.panel->iconFont.get());
        if (FontHasGlyph(dc, glyph)) {
            DrawTextW(dc, &glyph, 1, &r, centred);
        } else {
            DrawButtonIcon(dc, r, IconOfButton(id), c.text, g_app.dpiScale);
        }
    } else {
        RECT text = r;
        COLORREF swatch = 0;
        if (SwatchOfButton(id, swatch)) {
            const RECT sample{r.left + S(9), r.top + S(8), r.left + S(25), r.bottom - S(8)};
            Fill(dc, sample, swatch);
            FrameRect(dc, &sample, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
            text.left += S(30);
        }
        const std::wstring label = TrimText(WindowText(item.hwndItem));
        SelectedObject font(dc, g_app.panel->uiFont.get());
        DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &text, centred);
    }
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -S(3), -S(3));
        DrawFocusRect(dc, &focus);
    }
}
