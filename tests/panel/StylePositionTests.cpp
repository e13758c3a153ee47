// The 文字样式 page's check boxes, colour and font dialogs, and the 位置布局
// page's dock presets and sliders, driven through the panel.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "CommonDialogs.h"
#include "commands/SettingsCommands.h"
#include "TableTestHelpers.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/SettingsControls.h"
#include "ui/panel/StylePage.h"

namespace {

std::wstring IniValue(const wchar_t* section, const wchar_t* key) {
    wchar_t value[128] = {};
    GetPrivateProfileStringW(section, key, L"<missing>", value, 128, g_app.settingsPath.c_str());
    return value;
}

class PageActionsTest : public TableTest {
protected:
    void Click(int id) { SendMessageW(FindPanelControl(id), BM_CLICK, 0, 0); }
};

TEST_F(PageActionsTest, StyleCheckBoxesApplyAndSaveAtOnce) {
    ASSERT_TRUE(g_app.settings.bold);
    Click(kIdBoldCheck);
    EXPECT_FALSE(g_app.settings.bold);
    EXPECT_EQ(IniValue(L"style", L"bold"), L"0");
    Click(kIdOutlineCheck);
    EXPECT_TRUE(g_app.settings.textOutline);
    EXPECT_EQ(IniValue(L"style", L"textOutline"), L"1");
    Click(kIdShadowCheck);
    EXPECT_TRUE(g_app.settings.textShadow);
    EXPECT_TRUE(g_app.captionLayoutDirty);
    EXPECT_EQ(g_app.statusText, L"就绪");  // none of them reports
}

TEST_F(PageActionsTest, AColourButtonTakesTheDialogsColourAndCancelKeepsIt) {
    const COLORREF before = g_app.settings.textColor;
    DialogAnswer cancel{kColourRedEdit, {}, IDCANCEL};
    ASSERT_TRUE(AnswerNextDialog(cancel, [&] { Click(kIdNameColorButton); }));
    EXPECT_EQ(g_app.settings.textColor, before);

    DialogAnswer choose{kColourRedEdit, {{kColourRedEdit, L"12"}, {kColourGreenEdit, L"34"}, {kColourBlueEdit, L"56"}}, IDOK};
    ASSERT_TRUE(AnswerNextDialog(choose, [&] { Click(kIdShadowColorButton); }));
    EXPECT_EQ(g_app.settings.shadowColor, RGB(12, 34, 56));
    EXPECT_EQ(g_app.settings.textColor, before);
    EXPECT_NE(IniValue(L"style", L"shadowColor"), L"<missing>");
}

TEST_F(PageActionsTest, CancellingTheFontDialogChangesNothing) {
    const AppSettings before = g_app.settings;
    DialogAnswer cancel{kFontFaceList, {}, IDCANCEL};
    ASSERT_TRUE(AnswerNextDialog(cancel, [&] { Click(kIdChooseFontButton); }));
    EXPECT_EQ(g_app.settings.fontFace, before.fontFace);
    EXPECT_EQ(g_app.settings.fontSize, before.fontSize);
    EXPECT_EQ(g_app.settings.bold, before.bold);
}

TEST_F(PageActionsTest, TheFontDialogsSizeIsTakenAndRaisedToTheMinimum) {
    // 9 points is taken from the dialog, then raised to the smallest caption size.
    DialogAnswer tiny{kFontFaceList, {{kFontSizeBox, L"9"}}, IDOK};
    ASSERT_TRUE(AnswerNextDialog(tiny, [&] { Click(kIdChooseFontButton); }));
    EXPECT_EQ(g_app.settings.fontSize, 10);
    EXPECT_EQ(TextOf(FindPanelControl(kIdFontSizeField)), L"10");
    EXPECT_EQ(TextOf(FindPanelControl(kIdFontFaceField)), g_app.settings.fontFace);
    EXPECT_EQ(IniValue(L"style", L"fontSize"), L"10");
}

TEST_F(PageActionsTest, DockPresetsRememberTheDistanceOfEachEdge) {
    const RECT work = TargetWorkArea();
    const int bottomDistance = work.bottom - (g_app.settings.y + g_app.settings.height);
    Click(kIdDockTopButton);
    EXPECT_EQ(g_app.settings.y, work.top + 70);
    EXPECT_EQ(TextOf(FindPanelControl(kIdYField)), std::to_wstring(work.top + 70));
    EXPECT_EQ(g_app.directions.docks[0].edge, DockEdge::Top);
    Click(kIdDockBottomButton);
    EXPECT_EQ(g_app.settings.y + g_app.settings.height, work.bottom - bottomDistance);
    EXPECT_EQ(g_app.directions.docks[0].edge, DockEdge::Bottom);
    EXPECT_EQ(IniValue(L"scroll", L"y"), std::to_wstring(g_app.settings.y));
}

TEST_F(PageActionsTest, SlidersRunOverTheVirtualScreenAndMoveTheCaption) {
    const int vx = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int vw = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    HWND x = FindPanelControl(kIdXSlider);
    HWND width = FindPanelControl(kIdWidthSlider);
    EXPECT_EQ(SendMessageW(x, TBM_GETRANGEMIN, 0, 0), vx);
    EXPECT_EQ(SendMessageW(x, TBM_GETRANGEMAX, 0, 0), vx + std::max(600, vw));
    EXPECT_EQ(SendMessageW(width, TBM_GETRANGEMIN, 0, 0), 180);

    SendMessageW(x, TBM_SETPOS, TRUE, 123);
    SendMessageW(width, TBM_SETPOS, TRUE, 456);
    // The slider reports to the settings pane, which passes it on to the panel.
    SendMessageW(Control(kIdSettingsPane), WM_HSCROLL, TB_THUMBTRACK, reinterpret_cast<LPARAM>(width));
    EXPECT_EQ(g_app.settings.x, 123);
    EXPECT_EQ(g_app.settings.width, 456);
    EXPECT_EQ(TextOf(FindPanelControl(kIdXField)), L"123");
    EXPECT_EQ(TextOf(FindPanelControl(kIdWidthField)), L"456");
    EXPECT_EQ(g_app.directions.layouts[0].width, 456);
    RECT caption{};
    GetWindowRect(g_app.caption->window, &caption);
    EXPECT_EQ(caption.left, 123);
    EXPECT_EQ(caption.right - caption.left, 456);
    EXPECT_EQ(IniValue(L"scroll", L"width"), L"456");
}

}  // namespace
