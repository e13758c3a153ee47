#include "ui/panel/ButtonIcons.h"

#include <objidl.h>  // before gdiplus.h, which needs PROPID
#include <gdiplus.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "ui/panel/PanelIds.h"

namespace {

using Gdiplus::PointF;

constexpr float kGrid = 16.0f;  // the design grid of every icon

// A curved arrow turning back to the left: the undo sign.
void AddUndoArrow(Gdiplus::GraphicsPath& path) {
    path.StartFigure();
    path.AddLine(PointF(3.0f, 6.0f), PointF(10.0f, 6.0f));
    path.AddArc(6.0f, 6.0f, 8.0f, 8.0f, 270.0f, 180.0f);  // down the right side
    path.AddLine(PointF(10.0f, 14.0f), PointF(5.0f, 14.0f));
    path.StartFigure();
    path.AddLine(PointF(6.0f, 3.0f), PointF(3.0f, 6.0f));
    path.AddLine(PointF(3.0f, 6.0f), PointF(6.0f, 9.0f));
}

void AddTrashCan(Gdiplus::GraphicsPath& path) {
    path.StartFigure();
    path.AddLine(PointF(2.0f, 4.0f), PointF(14.0f, 4.0f));
    path.StartFigure();
    const PointF handle[] = {{6.0f, 4.0f}, {6.0f, 2.0f}, {10.0f, 2.0f}, {10.0f, 4.0f}};
    path.AddLines(handle, 4);
    path.StartFigure();
    const PointF body[] = {{4.0f, 4.0f}, {4.0f, 14.0f}, {12.0f, 14.0f}, {12.0f, 4.0f}};
    path.AddLines(body, 4);
    path.StartFigure();
    path.AddLine(PointF(7.0f, 7.0f), PointF(7.0f, 11.0f));
    path.StartFigure();
    path.AddLine(PointF(9.0f, 7.0f), PointF(9.0f, 11.0f));
}

// A capital A: the font sign.
void AddLetterA(Gdiplus::GraphicsPath& path) {
    path.StartFigure();
    const PointF sides[] = {{2.5f, 14.0f}, {8.0f, 2.0f}, {13.5f, 14.0f}};
    path.AddLines(sides, 3);
    path.StartFigure();
    path.AddLine(PointF(4.8f, 10.0f), PointF(11.2f, 10.0f));
}

}  // namespace

ButtonIcon IconOfButton(int id) {
    switch (id) {
        case kIdUndoButton: return ButtonIcon::Undo;
        case kIdRedoButton: return ButtonIcon::Redo;
        case kIdDeleteButton: return ButtonIcon::Delete;
        case kIdChooseFontButton: return ButtonIcon::ChooseFont;
        case kIdMoreButton: return ButtonIcon::More;
        default: return ButtonIcon::None;
    }
}

void DrawButtonIcon(HDC dc, const RECT& box, ButtonIcon icon, COLORREF colour, double scale) {
    if (icon == ButtonIcon::None) return;
    Gdiplus::Graphics graphics(dc);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    const float size = static_cast<float>(kGrid * scale);
    // Whole pixels, so that the lines of the grid fall on pixel centres.
    const float left = std::floor(static_cast<float>(box.left + box.right) / 2.0f - size / 2.0f);
    const float top = std::floor(static_cast<float>(box.top + box.bottom) / 2.0f - size / 2.0f);
    const Gdiplus::Color ink(0xFF, GetRValue(colour), GetGValue(colour), GetBValue(colour));

    if (icon == ButtonIcon::More) {
        Gdiplus::SolidBrush brush(ink);
        const float r = static_cast<float>(1.8 * scale);
        for (float cx : {3.0f, 8.0f, 13.0f}) {
            graphics.FillEllipse(&brush, left + cx * size / kGrid - r, top + 8.0f * size / kGrid - r, 2 * r, 2 * r);
        }
        return;
    }
    Gdiplus::GraphicsPath path;
    switch (icon) {
        case ButtonIcon::Undo:
        case ButtonIcon::Redo: AddUndoArrow(path); break;
        case ButtonIcon::Delete: AddTrashCan(path); break;
        case ButtonIcon::ChooseFont: AddLetterA(path); break;
        default: return;
    }
    Gdiplus::Matrix place;
    place.Translate(left, top);
    place.Scale(size / kGrid, size / kGrid);
    if (icon == ButtonIcon::Redo) {
        // Redo is undo in a mirror.
        place.Translate(kGrid, 0);
        place.Scale(-1, 1);
    }
    path.Transform(&place);
    // One pixel at 100 %, in proportion above: thin lines read as an icon, thick ones as a blot.
    Gdiplus::Pen pen(ink, static_cast<float>(std::max(1.0, std::round(1.1 * scale))));
    pen.SetLineJoin(Gdiplus::LineJoinRound);
    pen.SetStartCap(Gdiplus::LineCapRound);
    pen.SetEndCap(Gdiplus::LineCapRound);
    graphics.DrawPath(&pen, &path);
}
