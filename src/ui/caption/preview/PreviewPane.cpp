#include "ui/caption/preview/PreviewPane.h"

#include <objidl.h>  // before gdiplus.h, which needs PROPID
#include <gdiplus.h>
#include <windowsx.h>

#include <algorithm>
#include <memory>

#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "ui/Scale.h"
#include "platform/Dpi.h"
#include "ui/caption/CaptionPlacement.h"
#include "commands/AmountWithSettings.h"
#include "core/list/DisplayText.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/SettingsControls.h"
#include "ui/panel/StatusLine.h"
#include "commands/SettingsCommands.h"
#include "ui/panel/PanelViews.h"

namespace {

constexpr int kPositionPage = 1;



bool PositionFace() { return g_app.panel->currentPage == kPositionPage; }

COLORREF BackgroundColour() {
    if (PositionFace()) return kPreviewLight;
    switch (g_app.panel->previewBackground) {
        case 1: return kPreviewDark;
        case 2: return kPreviewRed;
        default: return kPreviewLight;
    }
}

double Aspect(const RECT& work) {
    const int height = work.bottom - work.top;
    return height > 0 ? static_cast<double>(work.right - work.left) / height : 1.0;
}

Gdiplus::Color Opaque(COLORREF c) { return Gdiplus::Color(0xFF, GetRValue(c), GetGValue(c), GetBValue(c)); }

// One run of the sample: shadow, outline, then the fill. Returns how far its ink reaches past x.
float DrawSampleRun(Gdiplus::Graphics& graphics, const Gdiplus::FontFamily& family, int style, float em,
                    const Gdiplus::StringFormat& format, const std::wstring& text, float x, float y, COLORREF fill) {
    const AppSettings& s = g_app.settings;
    Gdiplus::GraphicsPath path;
    path.AddString(text.c_str(), static_cast<INT>(text.size()), &family, style, em, Gdiplus::PointF(x, y), &format);
    if (s.textShadow) {
        std::unique_ptr<Gdiplus::GraphicsPath> shadow(path.Clone());
        Gdiplus::Matrix shift;
        shift.Translate(static_cast<float>(S(s.shadowSize)), static_cast<float>(S(s.shadowSize)));
        shadow->Transform(&shift);
        Gdiplus::SolidBrush shadowBrush(Opaque(s.shadowColor));
        graphics.FillPath(&shadowBrush, shadow.get());
    }
    if (s.textOutline) {
        Gdiplus::Pen pen(Opaque(s.outlineColor), static_cast<float>(S(s.outlineSize)));
        pen.SetLineJoin(Gdiplus::LineJoinRound);
        graphics.DrawPath(&pen, &path);
    }
    Gdiplus::SolidBrush brush(Opaque(fill));
    graphics.FillPath(&brush, &path);
    // The amount follows the name's last ink, as in the caption.
    Gdiplus::RectF bounds;
    if (path.GetBounds(&bounds) != Gdiplus::Ok || bounds.Width <= 0) return 0;
    return bounds.GetRight() - x;
}

void PaintCaptionFace(HDC dc) {
    const AppSettings& s = g_app.settings;
    Gdiplus::Graphics graphics(dc);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
    std::unique_ptr<Gdiplus::FontFamily> family = std::make_unique<Gdiplus::FontFamily>(s.fontFace.c_str());
    if (family->GetLastStatus() != Gdiplus::Ok) family = std::make_unique<Gdiplus::FontFamily>(L"Microsoft YaHei");
    if (family->GetLastStatus() != Gdiplus::Ok) return;
    std::unique_ptr<Gdiplus::StringFormat> format(Gdiplus::StringFormat::GenericTypographic()->Clone());
    if (!format) return;
    format->SetFormatFlags(format->GetFormatFlags() | Gdiplus::StringFormatFlagsNoWrap);
    const int style = s.bold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular;
    const float em = static_cast<float>(PreviewFontPixels(s.fontSize, g_app.dpiScale));

    const bool empty = g_app.list.empty();
    const std::wstring name = empty ? L"暂无名单" : DisplayCut(g_app.list.front().name, kPreviewTextLimit);
    const float x = static_cast<float>(S(14));
    const float y = static_cast<float>(S(49));
    const float nameWidth = DrawSampleRun(graphics, *family, style, em, *format, name, x, y, s.textColor);
    if (empty) return;
    const std::wstring amount =
        DisplayCut(FormatAmountForDisplay(DisplayCut(g_app.list.front().amount, kPreviewTextLimit)), kPreviewTextLimit);
    DrawSampleRun(graphics, *family, style, em, *format, amount,
                  x + nameWidth + static_cast<float>(PreviewGap(s.nameAmountGap, g_app.dpiScale)), y, s.amountColor);
}

void PaintPositionFace(HDC dc, const RECT& client) {
    const RECT work = TargetWorkArea();
    const RECT screen = PreviewScreenRect(client.right, client.bottom, work, g_app.dpiScale);
    UniqueBrush screenBrush(CreateSolidBrush(kPreviewScreen));
    FillRect(dc, &screen, screenBrush.get());
    const RECT caption = PreviewCaptionRect(screen, work, ActiveCaptionRect(g_app.settings), g_app.dpiScale);
    RECT visible{};
    if (!IntersectRect(&visible, &caption, &screen)) return;  // wholly outside the target screen
    UniqueBrush areaBrush(CreateSolidBrush(kPreviewCaptionArea));
    FillRect(dc, &visible, areaBrush.get());
}

LRESULT OnPaint(HWND window) {
    PaintScope paint(window);
    RECT client{};
    GetClientRect(window, &client);
    // Drawn off screen first, so that dragging never flickers.
    MemoryDC memory(paint.get());
    UniqueBitmap bitmap(CreateCompatibleBitmap(paint.get(), std::max(1L, client.right), std::max(1L, client.bottom)));
    HDC dc = (memory && bitmap) ? memory.get() : paint.get();
    SelectedObject selected(memory.get(), bitmap.get());

    const COLORREF background = BackgroundColour();
    UniqueBrush fill(CreateSolidBrush(background));
    FillRect(dc, &client, fill.get());
    FrameRect(dc, &client, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
    RECT heading{S(12), S(4), client.right - S(10), S(26)};
    SelectedObject font(dc, g_app.panel->smallFont.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, background == kPreviewLight ? kPreviewHeadingOnLight : kPreviewHeadingOnColour);
    DrawTextW(dc, PositionFace() ? L"位置预览" : L"字幕预览", -1, &heading,
              DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    if (PositionFace()) {
        PaintPositionFace(dc, client);
    } else {
        PaintCaptionFace(dc);
    }
    if (dc != paint.get()) BitBlt(paint.get(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    return 0;
}

LRESULT OnButtonDown(HWND window, LPARAM lParam) {
    SetCapture(window);
    g_app.panel->drag.cursor = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    g_app.panel->drag.caption = POINT{g_app.settings.x, g_app.settings.y};
    return 0;
}

LRESULT OnDragMove(HWND window, LPARAM lParam) {
    const AppSettings& s = g_app.settings;
    RECT client{};
    GetClientRect(window, &client);
    const RECT work = TargetWorkArea();
    const RECT screen = PreviewScreenRect(client.right, client.bottom, work, g_app.dpiScale);
    const POINT moved = DraggedCaptionPosition(g_app.panel->drag.caption, GET_X_LPARAM(lParam) - g_app.panel->drag.cursor.x,
                                               GET_Y_LPARAM(lParam) - g_app.panel->drag.cursor.y, screen, work, s.width,
                                               s.height);
    MoveCaption(g_app, ProgramViews(), moved);
    InvalidateRect(window, nullptr, FALSE);
    return 0;
}

LRESULT OnButtonUp() {
    ReleaseCapture();
    const bool saved = SaveSettings(g_app);
    SetStatusText(saved ? L"位置已更新并保存" : L"位置已更新，保存失败", true);
    return 0;
}

}  // namespace

int PreviewFontPixels(int fontSize, double dpiScale) {
    return ScaleLogical(std::clamp(2 * fontSize / 3, 18, 32), dpiScale);
}

int PreviewGap(int nameAmountGap, double dpiScale) { return ScaleLogical(std::min(nameAmountGap, 50), dpiScale); }

RECT PreviewScreenRect(int cw, int ch, const RECT& work, double dpiScale) {
    const double a = Aspect(work);
    const int d = std::min(cw - ScaleLogical(30, dpiScale), static_cast<int>((ch - ScaleLogical(34, dpiScale)) * a));
    RECT r{};
    r.left = (cw - d) / 2;
    r.right = (cw + d) / 2;
    r.top = ScaleLogical(26, dpiScale);
    r.bottom = r.top + static_cast<int>(d / a);
    return r;
}

RECT PreviewCaptionRect(const RECT& screen, const RECT& work, const RECT& caption, double dpiScale) {
    const int workWidth = work.right - work.left;
    const double u = workWidth > 0 ? static_cast<double>(screen.right - screen.left) / workWidth : 1.0;
    const int x = caption.left - work.left;
    const int y = caption.top - work.top;
    RECT r{};
    r.left = screen.left + static_cast<int>(x * u);
    r.top = screen.top + static_cast<int>(y * u);
    r.right = screen.left + static_cast<int>((x + (caption.right - caption.left)) * u);
    r.bottom = std::max(screen.top + static_cast<int>((y + (caption.bottom - caption.top)) * u),
                        r.top + ScaleLogical(5, dpiScale));
    return r;
}

POINT DraggedCaptionPosition(POINT start, int dx, int dy, const RECT& screen, const RECT& work, int width, int height) {
    const int screenWidth = screen.right - screen.left;
    const double k = screenWidth > 0 ? static_cast<double>(work.right - work.left) / screenWidth : 1.0;
    const int x = start.x + static_cast<int>(dx * k);
    const int y = start.y + static_cast<int>(dy * k);
    return POINT{std::clamp(x, static_cast<int>(work.left), std::max<int>(work.left, work.right - width)),
                 std::clamp(y, static_cast<int>(work.top), std::max<int>(work.top, work.bottom - height))};
}

LRESULT CALLBACK PreviewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: return OnPaint(window);
        case WM_ERASEBKGND: return 1;  // the paint covers everything
        case WM_LBUTTONDOWN:
            if (PositionFace()) return OnButtonDown(window, lParam);
            break;
        case WM_MOUSEMOVE:
            if (GetCapture() == window) return OnDragMove(window, lParam);
            break;
        case WM_LBUTTONUP:
            if (GetCapture() == window) return OnButtonUp();
            break;
        default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
