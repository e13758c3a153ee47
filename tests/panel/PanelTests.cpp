// The control panel's children: where they go, how the owner-drawn buttons
// and check boxes look and behave, and the settings pages.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "ProgramWindowsTest.h"
#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "app/Startup.h"
#include "ui/import/ImportWindow.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/OwnerDrawnButton.h"
#include "ui/panel/PanelIds.h"
#include "ui/panel/PanelLayout.h"
#include "ui/panel/SettingsPages.h"

namespace {

RECT PlacementOf(const std::vector<ControlPlacement>& all, int id) {
    for (const ControlPlacement& p : all) {
        if (p.id == id) return p.rect;
    }
    return RECT{-1, -1, -1, -1};
}

TEST(PanelLayout, PlacementsFollowTheClientSize) {
    const auto p = PanelPlacements(1144, 811);  // 1160 × 850 less the frame
    const int L = 1144 - 368;
    EXPECT_EQ(PlacementOf(p, 8031).left, 1144 - 114);
    EXPECT_EQ(PlacementOf(p, 1020).right, 24 + 142);
    EXPECT_EQ(PlacementOf(p, 1001).bottom - PlacementOf(p, 1001).top, 811 - 358);
    EXPECT_EQ(PlacementOf(p, 8004).left, L - 128);
    EXPECT_EQ(PlacementOf(p, 8011).left, L + 20);
    EXPECT_EQ(PlacementOf(p, 1002).top, 811 - 92);
    EXPECT_EQ(PlacementOf(p, 1056).right - PlacementOf(p, 1056).left, 1144 - 530);
    EXPECT_EQ(PlacementOf(p, 8018).left, L + 288);

    // At the minimum size the lower bounds take over.
    const auto small = PanelPlacements(700, 400);
    EXPECT_EQ(PlacementOf(small, 1046).right - PlacementOf(small, 1046).left, 126);
    EXPECT_EQ(PlacementOf(small, 8001).right - PlacementOf(small, 8001).left, 140);
    EXPECT_EQ(PlacementOf(small, 1001).bottom - PlacementOf(small, 1001).top, 80);
    EXPECT_EQ(PlacementOf(small, 8011).bottom - PlacementOf(small, 8011).top, 80);
    EXPECT_EQ(PlacementOf(small, 1056).right - PlacementOf(small, 1056).left, 170);
}

TEST(OwnerDrawnButtons, RolesAndColoursFollowTheState) {
    g_app.settings.direction = ScrollDirection::Horizontal;
    g_app.panel->currentPage = 1;
    EXPECT_EQ(RoleOfButton(1020), ButtonRole::Primary);
    EXPECT_EQ(RoleOfButton(1004), ButtonRole::Primary);
    EXPECT_EQ(RoleOfButton(8012), ButtonRole::ActiveSegment);
    EXPECT_EQ(RoleOfButton(8013), ButtonRole::Normal);
    EXPECT_EQ(RoleOfButton(8008), ButtonRole::ActiveSegment);
    EXPECT_EQ(RoleOfButton(8007), ButtonRole::Normal);
    EXPECT_EQ(RoleOfButton(1007), ButtonRole::Normal);
    g_app.panel->currentPage = 0;

    const ButtonColours disabledPrimary = ColoursOfButton(ButtonRole::Primary, false, true);
    EXPECT_EQ(disabledPrimary.fill, RGB(246, 248, 249));
    EXPECT_EQ(disabledPrimary.border, RGB(0, 117, 101));
    EXPECT_EQ(disabledPrimary.text, RGB(163, 171, 176));
    EXPECT_EQ(ColoursOfButton(ButtonRole::Primary, true, false).fill, RGB(0, 88, 76));
    EXPECT_EQ(ColoursOfButton(ButtonRole::Normal, false, false).border, RGB(221, 227, 231));
    EXPECT_EQ(ColoursOfButton(ButtonRole::ActiveSegment, false, false).text, RGB(0, 117, 101));

    EXPECT_EQ(GlyphOfButton(8002), 0xE7A7);
    EXPECT_EQ(GlyphOfButton(8006), 0xE712);
    EXPECT_EQ(GlyphOfButton(1007), 0);
    COLORREF swatch = 0;
    g_app.settings.amountColor = RGB(1, 2, 3);
    ASSERT_TRUE(SwatchOfButton(1011, swatch));
    EXPECT_EQ(swatch, RGB(1, 2, 3));  // read at every paint
    EXPECT_FALSE(SwatchOfButton(1020, swatch));
    g_app.settings = AppSettings{};
}

TEST(SettingsPages, ScrollPositionIsClampedToTheContent) {
    EXPECT_EQ(ClampPageScroll(-10, 456, 300), 0);
    EXPECT_EQ(ClampPageScroll(100, 456, 300), 100);
    EXPECT_EQ(ClampPageScroll(500, 456, 300), 156);
    EXPECT_EQ(ClampPageScroll(50, 364, 500), 0);  // everything fits
}

class PanelWindowTest : public ProgramWindowsTest {
protected:
    void SetUp() override {
        ProgramWindowsTest::SetUp();
        ShowWindow(g_app.panel->window, SW_SHOWNA);
    }
};

TEST_F(PanelWindowTest, EveryControlExistsInItsPlace) {
    for (int id : {8011, 8010, 1020, 8012, 8013, 1014, 8014, 1046, 8015, 8001, 8002, 8003, 1006, 8004, 1001, 1002,
                   1003, 1004, 8007, 8008, 8009, 8016, 8017, 8018, 1007, 8006, 1056, 8031, 1013}) {
        EXPECT_NE(Control(id), nullptr) << id;
    }
    EXPECT_FALSE(IsWindowVisible(Control(1013)));  // the hidden direction mirror
    EXPECT_EQ(SendMessageW(Control(1013), CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(GetWindowLongPtrW(Control(1020), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(GetWindowLongPtrW(Control(8011), GWL_STYLE) & WS_TABSTOP, 0);
    EXPECT_NE(GetWindowLongPtrW(Control(8011), GWL_EXSTYLE) & WS_EX_CONTROLPARENT, 0);
    EXPECT_EQ(SendMessageW(Control(8014), TBM_GETRANGEMAX, 0, 0), 30);
    wchar_t text[32] = {};
    GetWindowTextW(Control(1020), text, 32);
    EXPECT_STREQ(text, L"开始播放");

    RECT client{};
    GetClientRect(g_app.panel->window, &client);
    RECT help{};
    GetWindowRect(Control(8031), &help);
    MapWindowPoints(nullptr, g_app.panel->window, reinterpret_cast<POINT*>(&help), 2);
    EXPECT_EQ(help.left, client.right - 114);  // at 96 dpi
    EXPECT_EQ(help.top, 18);
}

TEST_F(PanelWindowTest, TheMinimumTrackingSizeIsKeptAndRaisedOnlyForTexts) {
    MINMAXINFO info{};
    SendMessageW(g_app.panel->window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_GE(info.ptMinTrackSize.x, 880);
    EXPECT_EQ(info.ptMinTrackSize.y, 620);
    // A screen with a longer name widens it by as much as the name needs.
    HWND screens = Control(kIdTargetScreenList);
    const std::wstring longName = L"显示器 2  非常长的投影仪型号名称 Projector XL-2000  3840×2160";
    SendMessageW(screens, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(longName.c_str()));
    MINMAXINFO wider{};
    SendMessageW(g_app.panel->window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&wider));
    EXPECT_GT(wider.ptMinTrackSize.x, info.ptMinTrackSize.x + 100);
    EXPECT_EQ(wider.ptMinTrackSize.y, 620);
}

TEST_F(PanelWindowTest, TabsShowOnlyTheirPage) {
    HWND field = GetDlgItem(Control(8011), kIdHotkeyPanelField);
    ASSERT_NE(field, nullptr);
    EXPECT_FALSE(IsWindowVisible(field));  // the hotkey page is not the first page
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(Control(8011), kIdFontFaceField)));
    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdTabHotkeys, BN_CLICKED), 0);
    EXPECT_EQ(g_app.panel->currentPage, 2);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(Control(8011), kIdHotkeyPanelField)));
    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdTabStyle, BN_CLICKED), 0);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(Control(8011), kIdHotkeyPanelField)));
}

BOOL CALLBACK CollectEdits(HWND window, LPARAM list) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (_wcsicmp(name, L"EDIT") == 0) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

TEST_F(PanelWindowTest, CtrlASelectsTheWholeTextOfEveryPanelTextBox) {
    std::vector<HWND> edits;
    EnumChildWindows(g_app.panel->window, CollectEdits, reinterpret_cast<LPARAM>(&edits));
    ASSERT_GE(edits.size(), 20u);  // header, list, add boxes and every page's boxes
    BYTE keys[256] = {};
    for (HWND box : edits) {
        SetWindowTextW(box, L"123456");
        SendMessageW(box, EM_SETSEL, 2, 2);
        GetKeyboardState(keys);
        keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
        SendMessageW(box, WM_KEYDOWN, 'A', 0);
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
        DWORD start = 1, end = 0;
        SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u) << GetDlgCtrlID(box);
        EXPECT_EQ(end, 6u) << GetDlgCtrlID(box);
    }
}

TEST_F(PanelWindowTest, TheSpeedSliderSetsAndSavesTheSpeed) {
    HWND slider = Control(kIdSpeedSlider);
    EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 3);
    SendMessageW(slider, TBM_SETPOS, TRUE, 12);
    SendMessageW(g_app.panel->window, WM_HSCROLL, TB_THUMBPOSITION, reinterpret_cast<LPARAM>(slider));
    EXPECT_EQ(g_app.settings.speed, 12);
    EXPECT_EQ(g_app.directions.layouts[0].speed, 12);
    wchar_t text[8] = {};
    GetWindowTextW(Control(kIdSpeedBox), text, 8);
    EXPECT_STREQ(text, L"12");
    EXPECT_TRUE(FileExists(g_app.settingsPath));
}

// The pane and import classes outlive any one panel: a panel made again in
// the same process must not paint with a brush its predecessor deleted.
TEST_F(PanelWindowTest, ClassBrushesOutliveThePanelThatFirstRegisteredThem) {
    OpenImportWindow();
    DrainMessages();
    for (int round = 0; round < 2; ++round) {
        DestroyWindow(g_app.caption->window);
        DestroyWindow(g_app.panel->window);
        DrainMessages();
        TakeQuitMessage();
        CreateMainWindows();
        ASSERT_NE(g_app.panel->window, nullptr);
        OpenImportWindow();
        DrainMessages();
        for (const wchar_t* name : {kInspectorClass, kPreviewClass, kImportWindowClass}) {
            WNDCLASSEXW wc{};
            wc.cbSize = sizeof(wc);
            ASSERT_TRUE(GetClassInfoExW(g_app.instance, name, &wc)) << name;
            EXPECT_EQ(GetObjectType(wc.hbrBackground), static_cast<DWORD>(OBJ_BRUSH)) << name;
        }
    }
}

class CheckboxTest : public PanelWindowTest {
protected:
    void SetUp() override {
        PanelWindowTest::SetUp();
        box_ = CreateWindowExW(0, kLargeCheckboxClass, L"加粗 (&O)", WS_CHILD | WS_VISIBLE, 10, 10, 150, 32,
                               g_app.panel->window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(4711)), nullptr,
                               nullptr);
        ASSERT_NE(box_, nullptr);
    }
    HWND box_ = nullptr;
};

TEST_F(CheckboxTest, SpaceAndClicksToggleOnce) {
    EXPECT_EQ(SendMessageW(box_, BM_GETCHECK, 0, 0), 0);
    SendMessageW(box_, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(box_, WM_KEYDOWN, VK_SPACE, 0x40000000);  // auto-repeat
    SendMessageW(box_, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(SendMessageW(box_, BM_GETCHECK, 0, 0), 1);
    SendMessageW(box_, WM_KEYUP, VK_SPACE, 0);  // a second release without a press does nothing
    EXPECT_EQ(SendMessageW(box_, BM_GETCHECK, 0, 0), 1);
    SendMessageW(box_, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageW(box_, BM_GETCHECK, 0, 0), 0);
    EXPECT_EQ(SendMessageW(box_, WM_GETDLGCODE, 0, 0), DLGC_BUTTON);
    SendMessageW(box_, BM_SETCHECK, 5, 0);  // only 1 means checked
    EXPECT_EQ(SendMessageW(box_, BM_GETCHECK, 0, 0), 0);
}

TEST_F(CheckboxTest, AReleaseOutsideLeavesTheStateUnchanged) {
    SendMessageW(box_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(box_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(400, 5));
    SendMessageW(box_, WM_LBUTTONUP, 0, MAKELPARAM(400, 5));  // released outside
    EXPECT_EQ(SendMessageW(box_, BM_GETCHECK, 0, 0), 0);
    SendMessageW(box_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(box_, WM_LBUTTONUP, 0, MAKELPARAM(6, 6));  // released inside
    EXPECT_EQ(SendMessageW(box_, BM_GETCHECK, 0, 0), 1);
}

}  // namespace

#include "app/Accelerators.h"
#include "app/MessageLoop.h"
#include "ui/panel/PanelFocus.h"

namespace {

void PressAlt(HWND target, WPARAM key) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_MENU] = 0x80;
    SetKeyboardState(keys);
    MSG m{};
    m.hwnd = target;
    m.message = WM_SYSKEYDOWN;
    m.wParam = key;
    m.lParam = 1 << 29;
    RouteMessage(m);
    keys[VK_MENU] = 0;
    SetKeyboardState(keys);
}

TEST(AltCommands, EveryCommandHasItsTarget) {
    EXPECT_EQ(AltCommandTarget(50001).control, 1002);
    EXPECT_FALSE(AltCommandTarget(50001).press);
    EXPECT_EQ(AltCommandTarget(50006).control, 1030);
    EXPECT_TRUE(AltCommandTarget(50006).press);
    EXPECT_EQ(AltCommandTarget(50032).control, 1053);  // Alt+7 presses the shadow colour
    EXPECT_TRUE(AltCommandTarget(50032).press);
    EXPECT_EQ(AltCommandTarget(50033).control, 1054);  // Alt+6 focuses the shadow size
    EXPECT_FALSE(AltCommandTarget(50033).press);
    EXPECT_EQ(AltCommandTarget(50024).control, 1007);
    EXPECT_EQ(AltCommandTarget(50025).control, 1007);
    EXPECT_FALSE(RunAltCommand(50035));
    EXPECT_FALSE(RunAltCommand(1007));
}

TEST_F(PanelWindowTest, AltKeysFocusRevealAndPress) {
    g_app.accelerators.reset(CreateAltAcceleratorTable());
    SetFocus(g_app.panel->window);

    PressAlt(g_app.panel->window, 'N');
    EXPECT_EQ(GetFocus(), Control(kIdNameBox));

    // Alt+Q shows the hotkey page and selects the field's text.
    HWND field = GetDlgItem(Control(kIdSettingsPane), kIdHotkeyPanelField);
    ASSERT_NE(field, nullptr);
    SetWindowTextW(field, L"Ctrl+Alt+D");
    PressAlt(GetFocus(), 'Q');
    EXPECT_EQ(g_app.panel->currentPage, 2);
    EXPECT_TRUE(IsWindowVisible(field));
    EXPECT_EQ(GetFocus(), field);
    DWORD start = 1, end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 10u);

    // Alt+D moves the focus to the playing direction's button.
    PressAlt(GetFocus(), 'D');
    EXPECT_EQ(GetFocus(), Control(kIdHorizontalButton));

    // Alt+K presses "应用并保存 (&K)", which saves.
    PressAlt(GetFocus(), 'K');
    EXPECT_TRUE(FileExists(g_app.listPath));
    g_app.accelerators.reset();
    g_app.panel->currentPage = 0;
}

}  // namespace

namespace {

TEST_F(PanelWindowTest, ADpiChangeRescalesFontsAndLayout) {
    RECT suggested{50, 40, 50 + 1740, 40 + 1000};
    SendMessageW(g_app.panel->window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_DOUBLE_EQ(g_app.dpiScale, 1.5);
    RECT window{};
    GetWindowRect(g_app.panel->window, &window);
    EXPECT_EQ(window.left, 50);
    EXPECT_EQ(window.right - window.left, 1740);
    RECT client{};
    GetClientRect(g_app.panel->window, &client);
    RECT play{};
    GetWindowRect(Control(kIdPlayButton), &play);
    EXPECT_EQ(play.right - play.left, 213);  // 142 × 1.5
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control(kIdNameBox), WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_EQ(font.lfHeight, -23);  // 15 × 1.5, rounded
    MINMAXINFO info{};
    SendMessageW(g_app.panel->window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_GE(info.ptMinTrackSize.x, 1320);  // raised where a text would be clipped
    EXPECT_EQ(info.ptMinTrackSize.y, 930);
    g_app.dpiScale = 1.0;
}

}  // namespace
