// The preview pane: its sizes and geometry, its faces on the real panel, and
// dragging the caption's area on the position page.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "CommonDialogs.h"
#include "ProgramWindowsTest.h"
#include "platform/FileIo.h"
#include "ui/caption/preview/PreviewPane.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/PanelIds.h"
#include "ui/panel/SettingsApply.h"
#include "ui/panel/SettingsControls.h"
#include "commands/SettingsCommands.h"

namespace {

TEST(PreviewGeometry, SampleSizeAndGapAreBounded) {
    EXPECT_EQ(PreviewFontPixels(35, 1.0), 23);
    EXPECT_EQ(PreviewFontPixels(10, 1.0), 18);
    EXPECT_EQ(PreviewFontPixels(160, 1.0), 32);
    EXPECT_EQ(PreviewFontPixels(35, 1.5), 35);
    EXPECT_EQ(PreviewGap(200, 1.0), 50);
    EXPECT_EQ(PreviewGap(10, 1.5), 15);
}

TEST(PreviewGeometry, TheScreenKeepsItsAspectAndTheCaptionFollowsIt) {
    const RECT work{0, 0, 1920, 1040};
    const RECT screen = PreviewScreenRect(324, 128, work, 1.0);
    EXPECT_EQ(screen.left, 75);
    EXPECT_EQ(screen.right, 248);
    EXPECT_EQ(screen.top, 26);
    EXPECT_EQ(screen.bottom, 26 + 93);

    // A horizontal caption along the bottom, 128 high: a thin band, at least 5 high.
    const RECT caption = PreviewCaptionRect(screen, work, RECT{0, 1040 - 128, 1920, 1040}, 1.0);
    EXPECT_EQ(caption.left, screen.left);
    EXPECT_EQ(caption.right, screen.right);
    EXPECT_EQ(caption.bottom, 26 + 93);
    const RECT thin = PreviewCaptionRect(screen, work, RECT{0, 0, 1920, 10}, 1.0);
    EXPECT_EQ(thin.bottom - thin.top, 5);
}

TEST(PreviewGeometry, ADragScalesTheTravelAndStopsAtTheEdges) {
    const RECT work{0, 0, 1920, 1040};
    const RECT screen{75, 26, 267, 130};  // 192 wide: k = 10
    EXPECT_EQ(DraggedCaptionPosition({100, 100}, 5, -3, screen, work, 400, 128).x, 150);
    EXPECT_EQ(DraggedCaptionPosition({100, 100}, 5, -3, screen, work, 400, 128).y, 70);
    const POINT clamped = DraggedCaptionPosition({100, 100}, 500, 500, screen, work, 400, 128);
    EXPECT_EQ(clamped.x, 1920 - 400);
    EXPECT_EQ(clamped.y, 1040 - 128);
    EXPECT_EQ(DraggedCaptionPosition({100, 100}, -500, -500, screen, work, 400, 128).x, 0);
    EXPECT_EQ(DraggedCaptionPosition({0, 0}, 50, 0, screen, work, 2500, 128).x, 0);  // wider than the screen
}

class PreviewPaneTest : public ProgramWindowsTest {
protected:
    void TearDown() override {
        g_app.panel->currentPage = 0;
        g_app.panel->previewBackground = 0;
        ProgramWindowsTest::TearDown();
    }

    HWND Pane() const { return Control(kIdPreviewPane); }

    void Repaint() { RedrawWindow(Pane(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

    // How many pixels of the sample area have the colour.
    int CountInSample(COLORREF colour) {
        ShowWindow(g_app.panel->window, SW_SHOW);
        Repaint();
        HDC dc = GetDC(Pane());
        RECT client{};
        GetClientRect(Pane(), &client);
        int count = 0;
        for (int y = 30; y < client.bottom - 2; y += 1) {
            for (int x = 2; x < client.right - 2; x += 2) count += GetPixel(dc, x, y) == colour;
        }
        ReleaseDC(Pane(), dc);
        return count;
    }

    // The sample area as it stands on the screen: only what something asked
    // to repaint has been painted again.
    std::vector<COLORREF> Shown() {
        UpdateWindow(Pane());
        HDC dc = GetDC(Pane());
        RECT client{};
        GetClientRect(Pane(), &client);
        std::vector<COLORREF> pixels;
        for (int y = 30; y < client.bottom - 2; y += 2) {
            for (int x = 2; x < client.right - 2; x += 2) pixels.push_back(GetPixel(dc, x, y));
        }
        ReleaseDC(Pane(), dc);
        return pixels;
    }

    static int Count(const std::vector<COLORREF>& pixels, COLORREF colour) {
        return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
    }

    // A check box of the style page clicked to `checked`.
    void Check(int id, bool checked) {
        HWND box = FindPanelControl(id);
        ASSERT_NE(box, nullptr);
        SendMessageW(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(box));
    }

    COLORREF PaneBackground() {
        ShowWindow(g_app.panel->window, SW_SHOW);
        Repaint();
        HDC dc = GetDC(Pane());
        const COLORREF c = GetPixel(dc, 4, 40);
        ReleaseDC(Pane(), dc);
        return c;
    }
};

TEST_F(PreviewPaneTest, TheBackgroundButtonsColourTheSampleButNotThePositionFace) {
    EXPECT_EQ(PaneBackground(), kPreviewLight);
    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdPreviewRed, BN_CLICKED), 0);
    EXPECT_EQ(PaneBackground(), kPreviewRed);
    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdPreviewDark, BN_CLICKED), 0);
    EXPECT_EQ(PaneBackground(), kPreviewDark);
    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdTabPosition, BN_CLICKED), 0);
    EXPECT_EQ(PaneBackground(), kPreviewLight);
    EXPECT_GT(CountInSample(kPreviewCaptionArea), 20);  // the caption's area on the screen outline
}

TEST_F(PreviewPaneTest, TheSampleIsDrawnInTheNameColourEvenWithAnEmptyList) {
    g_app.settings.textColor = RGB(0, 0, 255);
    g_app.settings.textOutline = false;
    g_app.settings.textShadow = false;
    EXPECT_GT(CountInSample(RGB(0, 0, 255)), 20);  // "暂无名单"
    g_app.list = {{L"张三", L"100元"}};
    g_app.settings.amountColor = RGB(0, 128, 0);
    EXPECT_GT(CountInSample(RGB(0, 128, 0)), 10);  // the amount beside the name
}

TEST_F(PreviewPaneTest, EveryStyleChangeRepaintsTheSampleAtOnce) {
    g_app.list = {{L"张三", L"20000元"}};  // the sample shows the first entry
    g_app.settings.textOutline = false;
    g_app.settings.textShadow = false;
    g_app.settings.fontSize = 22;
    RefreshSettingsControls();
    ShowWindow(g_app.panel->window, SW_SHOW);
    Repaint();

    // The name colour picked in the colour dialog.
    DialogAnswer blue{kColourRedEdit, {{kColourRedEdit, L"0"}, {kColourGreenEdit, L"0"}, {kColourBlueEdit, L"255"}}, IDOK};
    ASSERT_TRUE(AnswerNextDialog(blue, [&] {
        SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdNameColorButton, BN_CLICKED), 0);
    }));
    ASSERT_EQ(g_app.settings.textColor, RGB(0, 0, 255));
    EXPECT_GT(Count(Shown(), RGB(0, 0, 255)), 20) << "the sample is drawn in the new colour";

    // The font size stepped with the spin's arrow.
    std::vector<COLORREF> before = Shown();
    NMUPDOWN step{};
    step.hdr.hwndFrom = FindPanelControl(kIdFontSizeSpin);
    step.hdr.idFrom = kIdFontSizeSpin;
    step.hdr.code = UDN_DELTAPOS;
    step.iPos = 22;
    step.iDelta = 18;
    SendMessageW(g_app.panel->window, WM_NOTIFY, kIdFontSizeSpin, reinterpret_cast<LPARAM>(&step));
    ASSERT_EQ(g_app.settings.fontSize, 40);
    EXPECT_TRUE(Shown() != before) << "the sample is drawn larger";

    // Outline, shadow and the thousands separator, each at once. (Bold is left
    // out: the fonts under Wine draw the same path with and without it.)
    for (int id : {kIdOutlineCheck, kIdShadowCheck, kIdThousandsCheck}) {
        SCOPED_TRACE(id);
        before = Shown();
        Check(id, true);
        EXPECT_TRUE(Shown() != before);
    }

    // A box left after typing (here the gap between name and amount).
    before = Shown();
    SetWindowTextW(FindPanelControl(kIdGapField), L"60");
    ApplySettingsWithStatus();
    ASSERT_EQ(g_app.settings.nameAmountGap, 60);
    EXPECT_TRUE(Shown() != before) << "the amount moved away from the name";
}

TEST_F(PreviewPaneTest, DraggingMovesTheCaptionLiveAndSavesOnRelease) {
    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdTabPosition, BN_CLICKED), 0);
    const int x = g_app.settings.x;
    const int y = g_app.settings.y;
    SendMessageW(Pane(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));  // outside the area still drags
    ASSERT_EQ(GetCapture(), Pane());
    SendMessageW(Pane(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(25, 10));
    EXPECT_GT(g_app.settings.x, x);
    EXPECT_NE(g_app.settings.y, y);
    RECT caption{};
    GetWindowRect(g_app.caption->window, &caption);
    EXPECT_EQ(caption.left, g_app.settings.x);
    EXPECT_FALSE(FileExists(g_app.settingsPath));  // nothing saved while dragging

    SendMessageW(Pane(), WM_LBUTTONUP, 0, MAKELPARAM(25, 10));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(FileExists(g_app.settingsPath));
    EXPECT_EQ(g_app.statusText.substr(0, 8), L"位置已更新并保存");
    EXPECT_EQ(g_app.directions.layouts[0].x, g_app.settings.x);
}

}  // namespace
