// The controls of the three settings pages, described once as tables that
// drive their creation; ShowSettingsPage places them from the same records.
#include "ui/panel/PageControls.h"

#include <commctrl.h>

#include "ui/panel/ControlPanel.h"
#include "ui/panel/PanelChildren.h"
#include "ui/panel/PanelIds.h"
#include "ui/panel/SettingsControls.h"
#include "ui/panel/SettingsPages.h"

namespace {

constexpr wchar_t kStatic[] = L"STATIC";
constexpr wchar_t kEdit[] = L"EDIT";
constexpr wchar_t kButton[] = L"BUTTON";

const PageControlRow kStylePage[] = {
    {kStatic, L"字体 (&F)", 0, 0, 0, 0, 300, 22, nullptr},
    {kEdit, L"", ES_AUTOHSCROLL, kIdFontFaceField, 0, 26, 270, 30, nullptr},
    {kButton, L"选择字体", 0, kIdChooseFontButton, 278, 26, 40, 30, L"选择系统字体"},
    {kStatic, L"字号 (&Z)", 0, 0, 0, 70, 110, 22, nullptr},
    {kEdit, L"", ES_NUMBER | ES_AUTOHSCROLL, kIdFontSizeField, 0, 96, 90, 30, nullptr},
    {UPDOWN_CLASSW, L"", UDS_ARROWKEYS | UDS_SETBUDDYINT, kIdFontSizeSpin, 94, 96, 24, 30, nullptr},
    {kLargeCheckboxClass, L"加粗 (&O)", 0, kIdBoldCheck, 126, 94, 150, 32, nullptr},
    {kStatic, L"姓名颜色 (&C)", 0, 0, 0, 140, 156, 22, nullptr},
    {kStatic, L"金额颜色 (&E)", 0, 0, 166, 140, 152, 22, nullptr},
    {kButton, L"姓名", 0, kIdNameColorButton, 0, 166, 152, 30, nullptr},
    {kButton, L"金额", 0, kIdAmountColorButton, 166, 166, 152, 30, nullptr},
    {kLargeCheckboxClass, L"千分位分隔符 (&8)", 0, kIdThousandsCheck, 0, 206, 318, 32,
     L"统一控制表格、预览和字幕的千分位显示；不修改原始金额"},
    {kStatic, L"字幕抬头 (&T)", 0, 0, 0, 248, 300, 22, nullptr},
    {kEdit, L"", ES_AUTOHSCROLL, kIdTitlePrefixField, 0, 274, 318, 30, nullptr},
    {kStatic, L"间隔符 (&R)", 0, 0, 0, 318, 103, 22, nullptr},
    {kStatic, L"单位 (&U)", 0, 0, 110, 318, 64, 22, nullptr},
    {kStatic, L"姓名金额间距 (&G)", 0, 0, 184, 318, 134, 22, nullptr},
    {kEdit, L"", ES_AUTOHSCROLL, kIdSeparatorField, 0, 344, 100, 30, nullptr},
    {kEdit, L"", ES_AUTOHSCROLL, kIdUnitField, 110, 344, 64, 30, nullptr},
    {kEdit, L"", ES_NUMBER | ES_AUTOHSCROLL, kIdGapField, 184, 344, 134, 30, nullptr},
    {kLargeCheckboxClass, L"描边 (&2)", 0, kIdOutlineCheck, 0, 388, 126, 30, nullptr},
    {kEdit, L"", ES_NUMBER | ES_AUTOHSCROLL, kIdOutlineSizeField, 146, 388, 58, 30, L"描边大小 (Alt+4)"},
    {kButton, L"颜色", 0, kIdOutlineColorButton, 214, 388, 104, 30, nullptr},
    {kLargeCheckboxClass, L"阴影 (&5)", 0, kIdShadowCheck, 0, 426, 126, 30, nullptr},
    {kEdit, L"", ES_NUMBER | ES_AUTOHSCROLL, kIdShadowSizeField, 146, 426, 58, 30, L"阴影大小 (Alt+6)"},
    {kButton, L"颜色", 0, kIdShadowColorButton, 214, 426, 104, 30, nullptr},
};

const PageControlRow kPositionPage[] = {
    {kStatic, L"位置预设", 0, 0, 0, 0, 318, 22, nullptr},
    {kButton, L"贴近顶部", 0, kIdDockTopButton, 0, 28, 152, 32, nullptr},
    {kButton, L"贴近底部", 0, kIdDockBottomButton, 166, 28, 152, 32, nullptr},
    {kStatic, L"水平位置 X (&X)", 0, 0, 0, 78, 210, 22, nullptr},
    {kEdit, L"", ES_AUTOHSCROLL, kIdXField, 226, 78, 92, 30, nullptr},
    {TRACKBAR_CLASSW, L"", TBS_NOTICKS, kIdXSlider, 0, 108, 318, 30, nullptr},
    {kStatic, L"垂直位置 Y (&Y)", 0, 0, 0, 148, 210, 22, nullptr},
    {kEdit, L"", ES_AUTOHSCROLL, kIdYField, 226, 148, 92, 30, nullptr},
    {TRACKBAR_CLASSW, L"", TBS_NOTICKS, kIdYSlider, 0, 178, 318, 30, nullptr},
    {kStatic, L"宽度 (&W)", 0, 0, 0, 218, 210, 22, nullptr},
    {kEdit, L"", ES_AUTOHSCROLL, kIdWidthField, 226, 218, 92, 30, nullptr},
    {TRACKBAR_CLASSW, L"", TBS_NOTICKS, kIdWidthSlider, 0, 248, 318, 30, nullptr},
    {kStatic, L"高度 (&H)", 0, 0, 0, 288, 210, 22, nullptr},
    {kEdit, L"", ES_AUTOHSCROLL, kIdHeightField, 226, 288, 92, 30, nullptr},
    {TRACKBAR_CLASSW, L"", TBS_NOTICKS, kIdHeightSlider, 0, 318, 318, 30, nullptr},
    {kLargeCheckboxClass, L"字幕窗口置顶 (&I)", 0, kIdTopMostCheck, 0, 378, 318, 32, nullptr},
};

const PageControlRow kHotkeyPage[] = {
    {kStatic, L"显示 / 隐藏控制面板 (&Q)", 0, 0, 0, 0, 318, 22, nullptr},
    {kEdit, L"", ES_AUTOHSCROLL, kIdHotkeyPanelField, 0, 26, 318, 32, nullptr},
    {kStatic, L"切换横向滚动 (&L)", 0, 0, 0, 74, 318, 22, nullptr},
    {kEdit, L"", ES_AUTOHSCROLL, kIdHotkeyHorizontalField, 0, 100, 318, 32, nullptr},
    {kStatic, L"切换纵向滚动 (&V)", 0, 0, 0, 148, 318, 22, nullptr},
    {kEdit, L"", ES_AUTOHSCROLL, kIdHotkeyVerticalField, 0, 174, 318, 32, nullptr},
    {kStatic, L"暂停隐藏 / 继续播放 (&P)", 0, 0, 0, 222, 318, 22, nullptr},
    {kEdit, L"", ES_AUTOHSCROLL, kIdHotkeyPauseField, 0, 248, 318, 32, nullptr},
    {kButton, L"应用快捷键", 0, kIdApplyHotkeys, 0, 310, 318, 36, nullptr},
};

template <size_t N>
void CreatePage(int page, const PageControlRow (&rows)[N]) {
    for (const PageControlRow& s : rows) {
        HWND control = AddPageControl(page, s.className, s.text, s.style, s.id, s.x, s.y, s.width, s.height);
        if (control && s.tooltip) AddTooltip(control, s.tooltip);
    }
}

}  // namespace

std::vector<PageControlRow> PageControlRows(int page) {
    switch (page) {
        case 0: return {std::begin(kStylePage), std::end(kStylePage)};
        case 1: return {std::begin(kPositionPage), std::end(kPositionPage)};
        case 2: return {std::begin(kHotkeyPage), std::end(kHotkeyPage)};
        default: return {};
    }
}

void CreateSettingsPageControls() {
    CreatePage(0, kStylePage);
    CreatePage(1, kPositionPage);
    CreatePage(2, kHotkeyPage);
}

// The spin buttons work on the font size box; the range is the font size's.
void AttachFontSizeSpin() {
    HWND spin = FindPanelControl(kIdFontSizeSpin);
    HWND box = FindPanelControl(kIdFontSizeField);
    if (!spin || !box) return;
    SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(box), 0);
    SendMessageW(spin, UDM_SETRANGE32, kMinFontSize, kMaxFontSize);
}
