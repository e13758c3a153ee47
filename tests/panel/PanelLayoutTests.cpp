// The panel's geometry on the real window at given client sizes and scales,
// the settings pane's scrolling, and what the panel looks like at its
// minimum size.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "KeyInput.h"
#include "ProgramWindowsTest.h"
#include "app/Accelerators.h"
#include "platform/Dpi.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/OwnerDrawnButton.h"
#include "ui/panel/PanelColors.h"
#include "ui/panel/PanelIds.h"
#include "ui/panel/PageControls.h"
#include "ui/panel/PanelLayout.h"
#include "ui/panel/SettingsControls.h"
#include "ui/panel/SettingsPages.h"

namespace {

class PanelGeometryTest : public ProgramWindowsTest {
protected:
    void TearDown() override {
        g_app.dpiScale = 1.0;
        g_app.accelerators.reset();
        g_app.panel->pages.scrollPos = {};
        g_app.panel->currentPage = 0;
        ProgramWindowsTest::TearDown();
    }

    // Sizes the window so that its client area is width × height pixels.
    void SetClientSize(int width, int height) {
        RECT window{}, client{};
        GetWindowRect(g_app.panel->window, &window);
        GetClientRect(g_app.panel->window, &client);
        const int frameX = (window.right - window.left) - client.right;
        const int frameY = (window.bottom - window.top) - client.bottom;
        SetWindowPos(g_app.panel->window, nullptr, 0, 0, width + frameX, height + frameY,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        GetClientRect(g_app.panel->window, &client);
        ASSERT_EQ(client.right, width);
        ASSERT_EQ(client.bottom, height);
    }

    // The narrowest client width the window allows.
    int SmallestClientWidth() const {
        MINMAXINFO info{};
        SendMessageW(g_app.panel->window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        RECT window{}, client{};
        GetWindowRect(g_app.panel->window, &window);
        GetClientRect(g_app.panel->window, &client);
        return info.ptMinTrackSize.x - ((window.right - window.left) - client.right);
    }

    // A control's rectangle in the panel's client coordinates.
    RECT RectOf(HWND control) const {
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, g_app.panel->window, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    static int Width(const RECT& r) { return r.right - r.left; }
    static int Height(const RECT& r) { return r.bottom - r.top; }

    // The top of a page control below the top of the settings pane's client area.
    int TopInPane(int id) const {
        RECT r{};
        GetWindowRect(FindPanelControl(id), &r);
        POINT p{r.left, r.top};
        ScreenToClient(Control(kIdSettingsPane), &p);
        return p.y;
    }
};

TEST_F(PanelGeometryTest, AtTheSmallestClientSizeEveryControlFits) {
    // The rules at the size the layout was drawn for.
    const auto placed = [](int b, int id) {
        for (const ControlPlacement& p : PanelPlacements(b, 620)) {
            if (p.id == id) return p.rect;
        }
        return RECT{};
    };
    EXPECT_EQ(Width(placed(880, kIdDonationTable)), 464);
    EXPECT_EQ(Height(placed(880, kIdDonationTable)), 262);
    EXPECT_EQ(Width(placed(880, kIdNameBox)), 236);
    EXPECT_EQ(Width(placed(880, kIdTargetScreenList)), 192);
    EXPECT_EQ(Height(placed(880, kIdSettingsPane)), 192);
    EXPECT_EQ(placed(880, kIdSettingsPane).left, 512 + 20);  // rightPaneLeft + 20

    // The real window at its smallest, which the panel's texts may make a little wider.
    const int b = SmallestClientWidth();
    EXPECT_GE(b, 880 - 16);
    SetClientSize(b, 620);
    const RECT table = RectOf(Control(kIdDonationTable));
    EXPECT_EQ(Width(table), b - 416);
    EXPECT_EQ(Height(table), 262);
    EXPECT_EQ(Width(RectOf(Control(kIdNameBox))), b - 644);
    EXPECT_EQ(Width(RectOf(Control(kIdTargetScreenList))), b - 688);
    EXPECT_EQ(Height(RectOf(Control(kIdSettingsPane))), 192);
    EXPECT_EQ(RectOf(Control(kIdSettingsPane)).left, b - 368 + 20);
    EXPECT_EQ(RectOf(Control(kIdApplyAndSave)).left, b - 368 + 20);
    EXPECT_EQ(RectOf(Control(kIdStatusLine)).top, 620 - 29);
}

TEST_F(PanelGeometryTest, AtOneAndAHalfEveryControlSitsAtItsScaledRectangle) {
    g_app.dpiScale = 1.5;
    SetClientSize(1740, 1000);  // logical 1160 × 667
    const int b = static_cast<int>(1740 / 1.5 + 0.5);
    const int H = static_cast<int>(1000 / 1.5 + 0.5);
    const auto S = [](int v) { return ScaleLogical(v, 1.5); };
    int checked = 0;
    for (const ControlPlacement& p : PanelPlacements(b, H)) {
        if (p.id == kIdSpeedSlider) continue;  // its channel is centred in the row instead
        HWND control = Control(p.id);
        ASSERT_NE(control, nullptr) << p.id;
        const RECT r = RectOf(control);
        EXPECT_EQ(r.left, p.id == kIdTargetScreenList ? S(664) : S(p.rect.left)) << p.id;
        EXPECT_EQ(Width(r), S(p.rect.right - p.rect.left)) << p.id;
        if (p.id == kIdTargetScreenList) continue;  // the closed box is centred on y = 91
        EXPECT_EQ(r.top, S(p.rect.top)) << p.id;
        EXPECT_EQ(Height(r), S(p.rect.bottom - p.rect.top)) << p.id;
        ++checked;
    }
    EXPECT_GE(checked, 25);
    EXPECT_EQ(SendMessageW(Control(kIdDonationTable), LVM_GETCOLUMNWIDTH, 1, 0), S(std::max(120, b - 648)));
}

TEST_F(PanelGeometryTest, EveryPageShowsItsControlsAtTheirPlacesAndHidesTheOthers) {
    SetClientSize(1144, 811);
    const int tabs[] = {kIdTabStyle, kIdTabPosition, kIdTabHotkeys};
    for (int page = 0; page < 3; ++page) {
        SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(tabs[page], BN_CLICKED), 0);
        int placed = 0;
        for (int other = 0; other < 3; ++other) {
            for (const PageControlRow& row : PageControlRows(other)) {
                if (row.id == 0) continue;
                HWND control = FindPanelControl(row.id);
                ASSERT_NE(control, nullptr) << row.id;
                EXPECT_EQ(GetParent(control), Control(kIdSettingsPane)) << row.id;
                const bool shown = (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
                EXPECT_EQ(shown, other == page) << row.id;
                const bool slider = row.id >= kIdXSlider && row.id <= kIdHeightSlider;
                if (other != page || slider) continue;
                RECT r{};
                GetWindowRect(control, &r);
                MapWindowPoints(nullptr, Control(kIdSettingsPane), reinterpret_cast<POINT*>(&r), 2);
                EXPECT_EQ(r.left, row.x) << row.id;
                EXPECT_EQ(r.top, row.y) << row.id;
                EXPECT_EQ(Width(r), row.width) << row.id;
                ++placed;
            }
        }
        EXPECT_GE(placed, 4) << page;
    }
}

TEST_F(PanelGeometryTest, AltXScrollsThePositionPageToItsBox) {
    SetClientSize(SmallestClientWidth(), 620);  // a pane of 192 logical pixels over a page of 416
    g_app.accelerators.reset(CreateAltAcceleratorTable());
    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdTabPosition, BN_CLICKED), 0);
    SendMessageW(Control(kIdSettingsPane), WM_VSCROLL, SB_PAGEDOWN, 0);
    SendMessageW(Control(kIdSettingsPane), WM_VSCROLL, SB_PAGEDOWN, 0);
    ASSERT_EQ(g_app.panel->pages.scrollPos[1], 416 - 192);
    ShowWindow(g_app.panel->window, SW_SHOW);
    SetFocus(Control(kIdNameBox));
    RouteKey(GetFocus(), WM_SYSKEYDOWN, 'X');
    EXPECT_EQ(GetFocus(), FindPanelControl(kIdXField));
    EXPECT_EQ(g_app.panel->currentPage, 1);
    EXPECT_EQ(TopInPane(kIdXField), 24);

    // Alt+S focuses the speed box, which is not on a page: the page stays.
    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdTabHotkeys, BN_CLICKED), 0);
    RouteKey(GetFocus(), WM_SYSKEYDOWN, 'S');
    EXPECT_EQ(GetFocus(), Control(kIdSpeedBox));
    EXPECT_EQ(g_app.panel->currentPage, 2);
}

TEST_F(PanelGeometryTest, TheWheelOverAPositionSliderScrollsThePageByNotches) {
    SetClientSize(SmallestClientWidth(), 620);
    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdTabPosition, BN_CLICKED), 0);
    HWND slider = FindPanelControl(kIdXSlider);
    ASSERT_NE(slider, nullptr);
    const auto wheel = [&](int delta) {
        SendMessageW(slider, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(delta))), 0);
    };
    const int sliderPosition = static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0));
    wheel(-120);
    EXPECT_EQ(g_app.panel->pages.scrollPos[1], 42);
    wheel(-60);  // half a notch waits for the other half
    EXPECT_EQ(g_app.panel->pages.scrollPos[1], 42);
    wheel(-60);
    EXPECT_EQ(g_app.panel->pages.scrollPos[1], 84);
    for (int i = 0; i < 10; ++i) wheel(-120);
    EXPECT_EQ(g_app.panel->pages.scrollPos[1], 416 - 192);  // never past the content
    for (int i = 0; i < 10; ++i) wheel(120);
    EXPECT_EQ(g_app.panel->pages.scrollPos[1], 0);
    EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), sliderPosition);  // the slider itself did not move

    // The scroll bar's arrows move a line of 24; each page keeps its own position.
    SendMessageW(Control(kIdSettingsPane), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(g_app.panel->pages.scrollPos[1], 24);
    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdTabStyle, BN_CLICKED), 0);
    EXPECT_EQ(g_app.panel->pages.scrollPos[0], 0);
    SendMessageW(Control(kIdSettingsPane), WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(g_app.panel->pages.scrollPos[0], 0);
    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdTabPosition, BN_CLICKED), 0);
    EXPECT_EQ(g_app.panel->pages.scrollPos[1], 24);
}

// An owner-drawn button drawn into a bitmap of the given size: where it put
// ink (any pixel unlike its fill), and in which colours.
struct ButtonInk {
    int width = 0;
    int height = 0;
    std::vector<bool> ink;
    std::vector<COLORREF> colours;
    int Count() const { return static_cast<int>(std::count(ink.begin(), ink.end(), true)); }
    bool At(int x, int y) const { return ink[static_cast<size_t>(y * width + x)]; }
    int Left() const {
        for (int x = 0; x < width; ++x)
            for (int y = 0; y < height; ++y)
                if (At(x, y)) return x;
        return -1;
    }
    int Right() const {
        for (int x = width - 1; x >= 0; --x)
            for (int y = 0; y < height; ++y)
                if (At(x, y)) return x;
        return -1;
    }
    bool HasColour(COLORREF c) const { return std::find(colours.begin(), colours.end(), c) != colours.end(); }
};

ButtonInk DrawButtonInto(HWND button, int id, int width, int height, bool disabled) {
    ButtonInk result;
    result.width = width;
    result.height = height;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(id);
    item.hwndItem = button;
    item.hDC = memory;
    item.rcItem = RECT{0, 0, width, height};
    item.itemState = disabled ? ODS_DISABLED : 0;
    DrawOwnerDrawnButton(item);
    const COLORREF fill = GetPixel(memory, width / 2, 2);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = GetPixel(memory, x, y);
            // The frame's own line aside.
            const bool inside = x > 1 && y > 1 && x < width - 2 && y < height - 2;
            result.ink.push_back(inside && c != fill);
            if (inside && c != fill) result.colours.push_back(c);
        }
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return result;
}

// Ink of a with no ink of b (mirrored left to right) within a pixel of it, and the other way round.
int UnmatchedInk(const ButtonInk& a, const ButtonInk& b) {
    const auto inkNear = [](const ButtonInk& m, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx;
                const int ny = y + dy;
                if (nx >= 0 && ny >= 0 && nx < m.width && ny < m.height && m.At(nx, ny)) return true;
            }
        return false;
    };
    int unmatched = 0;
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            if (a.At(x, y) && !inkNear(b, a.width - 1 - x, y)) ++unmatched;
            if (b.At(a.width - 1 - x, y) && !inkNear(a, x, y)) ++unmatched;
        }
    }
    return unmatched;
}

int MaskDifference(const ButtonInk& a, const ButtonInk& b, bool mirrored) {
    int differ = 0;
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            if (a.At(x, y) != b.At(mirrored ? a.width - 1 - x : x, y)) ++differ;
        }
    }
    return differ;
}

TEST_F(PanelGeometryTest, IconButtonsDrawIconsOfTheirOwnWithoutTheIconFont) {
    HDC dc = GetDC(g_app.panel->window);
    HGDIOBJ old = SelectObject(dc, g_app.panel->iconFont.get());
    // This machine's icon font lacks the glyphs, so the buttons draw their own.
    const bool glyphs = FontHasGlyph(dc, static_cast<wchar_t>(GlyphOfButton(kIdUndoButton)));
    SelectObject(dc, old);
    SelectObject(dc, g_app.panel->uiFont.get());
    EXPECT_TRUE(FontHasGlyph(dc, L'删'));
    EXPECT_FALSE(FontHasGlyph(dc, static_cast<wchar_t>(0xE74D)));  // a private-use icon code
    SelectObject(dc, old);
    ReleaseDC(g_app.panel->window, dc);
    if (glyphs) GTEST_SKIP() << "the icon font has its glyphs here";

    const int ids[] = {kIdUndoButton, kIdRedoButton, kIdDeleteButton, kIdChooseFontButton, kIdMoreButton};
    std::vector<ButtonInk> drawn;
    for (int id : ids) {
        drawn.push_back(DrawButtonInto(Control(id), id, 34, 32, false));
        const ButtonInk& ink = drawn.back();
        EXPECT_GT(ink.Count(), 15) << "button " << id;
        EXPECT_TRUE(ink.HasColour(RGB(30, 39, 46))) << "button " << id << " has no ink in the text colour";
        // A drawn icon, not text: it keeps inside the button's middle.
        EXPECT_GE(ink.Left(), 6) << "button " << id;
        EXPECT_LE(ink.Right(), 34 - 7) << "button " << id;
    }
    // Redo is undo in a mirror, and no two icons look alike.
    EXPECT_LE(UnmatchedInk(drawn[0], drawn[1]), drawn[0].Count() / 10);
    EXPECT_GT(MaskDifference(drawn[0], drawn[1], false), drawn[0].Count() / 2);
    for (size_t a = 0; a < drawn.size(); ++a) {
        for (size_t b = a + 1; b < drawn.size(); ++b) {
            EXPECT_GT(MaskDifference(drawn[a], drawn[b], false), 15) << ids[a] << " and " << ids[b] << " look alike";
        }
    }
    // Disabled: greyed, nothing left in the dark text colour.
    const ButtonInk greyed = DrawButtonInto(Control(kIdUndoButton), kIdUndoButton, 34, 32, true);
    EXPECT_GT(greyed.Count(), 15);
    EXPECT_TRUE(greyed.HasColour(RGB(163, 171, 176)));
    EXPECT_FALSE(greyed.HasColour(RGB(30, 39, 46)));
    // At 150 % the icon is drawn half as large again, not scaled from pixels.
    g_app.dpiScale = 1.5;
    const ButtonInk large = DrawButtonInto(Control(kIdDeleteButton), kIdDeleteButton, 51, 48, false);
    g_app.dpiScale = 1.0;
    const double growth = static_cast<double>(large.Right() - large.Left()) / (drawn[2].Right() - drawn[2].Left());
    EXPECT_GT(growth, 1.3);
    EXPECT_LT(growth, 1.7);
}

TEST_F(PanelGeometryTest, AtTheMinimumSizeTheFrameZonesKeepTheirColours) {
    SetWindowPos(g_app.panel->window, HWND_TOP, 40, 40, 880, 620, SWP_SHOWWINDOW);
    RedrawWindow(g_app.panel->window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    DrainMessages();
    RECT client{};
    GetClientRect(g_app.panel->window, &client);
    POINT origin{0, 0};
    ClientToScreen(g_app.panel->window, &origin);
    HDC screen = GetDC(nullptr);
    const auto at = [&](int x, int y) { return GetPixel(screen, origin.x + x, origin.y + y); };
    const int W = client.right;
    const int H = client.bottom;
    const int L = W - 368;
    EXPECT_EQ(at(10, 10), kPanelWhite);                // header band
    EXPECT_EQ(at(10, 200), kPanelPageColor);           // list area
    EXPECT_EQ(at(L, 200), kPanelDivider);              // the right pane's divider
    EXPECT_EQ(at(L + 6, 130), kPanelWhite);            // right pane
    EXPECT_EQ(at(W / 2 + 200, H - 3), kPanelStatusStrip);  // status strip, right of the status line

    // Kept for looking at: the panel as the operator sees it at this size.
    const int height = H;
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = W;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, W, height, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + L"velmaro-panel-minimum.bmp";
    const DWORD stride = ((static_cast<DWORD>(W) * 3 + 3) & ~3u);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
    file.bfSize = file.bfOffBits + stride * static_cast<DWORD>(height);
    if (FILE* out = _wfopen(path.c_str(), L"wb")) {
        fwrite(&file, sizeof(file), 1, out);
        fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, out);
        fwrite(bits, stride, static_cast<size_t>(height), out);
        fclose(out);
        std::printf("minimum-size screenshot: %ls\n", path.c_str());
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

}  // namespace
