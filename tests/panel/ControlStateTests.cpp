// Controls say what state they are in and show their text where the eye
// expects it: the chosen preview background, the line of a text box.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "KeyInput.h"
#include "ProgramWindowsTest.h"
#include "app/AppState.h"
#include "ui/panel/PanelColors.h"
#include "ui/panel/PanelIds.h"

namespace {

class ControlStateTest : public ProgramWindowsTest {
protected:
    void SetUp() override {
        ProgramWindowsTest::SetUp();
        ShowWindow(g_app.panel->window, SW_SHOW);
        SetForegroundWindow(g_app.panel->window);
        Repaint();
    }

    void Repaint() {
        RedrawWindow(g_app.panel->window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
        DrainMessages();
    }

    // The colours of a control's window rectangle as the screen shows it, row by row.
    std::vector<std::vector<COLORREF>> Shot(HWND control) const {
        RECT r{};
        GetWindowRect(control, &r);
        HDC screen = GetDC(nullptr);
        std::vector<std::vector<COLORREF>> rows;
        for (int y = r.top; y < r.bottom; ++y) {
            rows.emplace_back();
            for (int x = r.left; x < r.right; ++x) rows.back().push_back(GetPixel(screen, x, y));
        }
        ReleaseDC(nullptr, screen);
        return rows;
    }
};

bool Dark(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 300; }

TEST_F(ControlStateTest, TheChosenPreviewBackgroundIsMarkedAndTheMarkFollowsAClick) {
    const COLORREF activeBorder = RGB(0, 117, 101);
    const COLORREF normalBorder = RGB(221, 227, 231);
    const int ids[] = {kIdPreviewLight, kIdPreviewDark, kIdPreviewRed};
    for (int chosen = 0; chosen < 3; ++chosen) {
        SendMessageW(Control(ids[chosen]), BM_CLICK, 0, 0);
        DrainMessages();
        UpdateWindow(g_app.panel->window);
        for (int id : ids) UpdateWindow(Control(id));
        for (int i = 0; i < 3; ++i) {
            const auto shot = Shot(Control(ids[i]));
            ASSERT_GT(shot.size(), 4u);
            const COLORREF top = shot[0][shot[0].size() / 2];
            const COLORREF inner = shot[1][shot[1].size() / 2];
            if (i == chosen) {
                EXPECT_EQ(top, activeBorder) << "button " << i << " chosen " << chosen;
                EXPECT_EQ(inner, activeBorder) << "button " << i << " chosen " << chosen;
            } else {
                EXPECT_EQ(top, normalBorder) << "button " << i << " chosen " << chosen;
            }
        }
    }
}

// Where the ink of a box's text lies between its top and bottom border.
struct InkRows {
    int first = -1;
    int last = -1;
};

InkRows TextInkRows(const std::vector<std::vector<COLORREF>>& shot) {
    InkRows ink;
    // Inside the border and the margin, clear of the frame's own lines.
    for (int y = 3; y + 3 < static_cast<int>(shot.size()); ++y) {
        const auto& row = shot[static_cast<size_t>(y)];
        const bool inked = std::any_of(row.begin() + 8, row.end() - 8, Dark);
        if (!inked) continue;
        if (ink.first < 0) ink.first = y;
        ink.last = y;
    }
    return ink;
}

TEST_F(ControlStateTest, SingleLineBoxesShowTheirTextInTheMiddle) {
    for (int id : {kIdNameBox, kIdAmountBox, kIdSearchBox, kIdSpeedBox}) {
        HWND box = Control(id);
        SetWindowTextW(box, id == kIdSpeedBox ? L"12" : L"张三丰Hg12");
        RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        DrainMessages();
        const auto shot = Shot(box);
        const InkRows ink = TextInkRows(shot);
        ASSERT_GE(ink.first, 0) << "no text drawn in box " << id;
        const int above = ink.first;
        const int below = static_cast<int>(shot.size()) - 1 - ink.last;
        EXPECT_LE(std::abs(above - below), 4) << "box " << id << ": " << above << " rows above the text, " << below
                                              << " below";
        // The bands around the line are the box's white, not the panel behind it.
        const auto& band = shot[3];
        EXPECT_EQ(band[band.size() / 2], kPanelWhite) << "box " << id;
    }
}

TEST_F(ControlStateTest, AClickInTheBandAboveTheLineFocusesTheBox) {
    HWND box = Control(kIdNameBox);
    SetFocus(Control(kIdAmountBox));
    RECT r{};
    GetWindowRect(box, &r);
    const POINT inBand{(r.left + r.right) / 2, r.top + 4};
    EXPECT_EQ(SendMessageW(box, WM_NCHITTEST, 0, MAKELPARAM(inBand.x, inBand.y)), HTCLIENT);
    POINT client = inBand;
    ScreenToClient(box, &client);
    SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    DrainMessages();
    EXPECT_EQ(GetFocus(), box);
}

}  // namespace
