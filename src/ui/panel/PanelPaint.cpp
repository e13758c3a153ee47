#include "ui/panel/PanelPaint.h"

#include <string>

#include "platform/Dpi.h"
#include "platform/WinHandles.h"
#include "ui/panel/PanelColors.h"

namespace {

void FillColor(HDC dc, const RECT& rect, COLORREF color) {
    UniqueBrush brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.get());
}

void DrawLabel(HDC dc, const std::wstring& text, RECT rect, HFONT font, COLORREF color, UINT align) {
    SelectedObject selected(dc, font);
    SetTextColor(dc, color);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, align | DT_SINGLELINE | DT_VCENTER);
}

}  // namespace

int RightPaneLeft(int clientWidth, double dpiScale) {
    const int logicalWidth = static_cast<int>(clientWidth / dpiScale + 0.5);
    return logicalWidth - kRightPaneWidth;
}

void PaintPanelFrame(HDC dc, const PanelFrame& f) {
    const double k = f.dpiScale;
    auto S = [k](int v) { return ScaleLogical(v, k); };
    const int W = f.clientWidth;
    const int Hp = f.clientHeight;
    const int L = RightPaneLeft(W, k);
    const int H = static_cast<int>(Hp / k + 0.5);
    const UINT left = DT_LEFT | DT_END_ELLIPSIS;

    FillColor(dc, RECT{0, 0, W, Hp}, kPanelPageColor);
    FillColor(dc, RECT{0, 0, W, S(126)}, kPanelWhite);
    FillColor(dc, RECT{S(L), S(126), W, Hp - S(34)}, kPanelWhite);
    FillColor(dc, RECT{S(L), S(126), S(L + 1), Hp - S(34)}, kPanelDivider);

    if (f.icon) DrawIconEx(dc, S(24), S(18), f.icon, S(28), S(28), 0, nullptr, DI_NORMAL);

    SetBkMode(dc, TRANSPARENT);
    DrawLabel(dc, L"Velmaro", RECT{S(64), S(15), S(335), S(49)}, f.fonts.titleFont, kPanelText, left);
    DrawLabel(dc, L"速度", RECT{S(364), S(74), S(404), S(108)}, f.fonts.uiFont, kPanelMutedText, left);
    RECT screenLabel{S(594), S(74), S(660), S(108)};
    if (f.targetScreenList) {
        screenLabel.top = f.targetScreenList->top;
        screenLabel.bottom = f.targetScreenList->bottom;
    }
    DrawLabel(dc, L"目标屏幕", screenLabel, f.fonts.uiFont, kPanelMutedText, left);
    DrawLabel(dc, L"姓名/公司(机构)名称 (&N)", RECT{S(24), S(H - 120), S(L - 252), S(H - 96)}, f.fonts.uiFont,
              kPanelMutedText, left);
    DrawLabel(dc, L"金额 (&M)", RECT{S(L - 242), S(H - 120), S(L - 110), S(H - 96)}, f.fonts.uiFont, kPanelMutedText,
              left);

    FillColor(dc, RECT{0, Hp - S(34), W, Hp}, kPanelStatusStrip);
    if (f.paused) {
        DrawLabel(dc, L"已暂停 · 字幕已隐藏", RECT{S(24), Hp - S(32), S(176), Hp}, f.fonts.smallFont, kPanelMutedText,
                  left);
    } else {
        DrawLabel(dc, L"正在播放", RECT{S(24), Hp - S(32), S(176), Hp}, f.fonts.smallFont, kPanelPlayingText, left);
    }
    DrawLabel(dc, std::to_wstring(f.entryCount) + L" 条名单", RECT{W - S(322), Hp - S(32), W - S(24), Hp},
              f.fonts.smallFont, kPanelMutedText, DT_RIGHT);
}
