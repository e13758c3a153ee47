// At its smallest the panel still shows every text whole: the search box's
// hint and the target screen's name, at 100 % and at 150 %.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ProgramWindowsTest.h"
#include "app/AppState.h"
#include "platform/WinHandles.h"
#include "ui/panel/PanelControls.h"
#include "ui/panel/PanelIds.h"
#include "ui/panel/PanelLayout.h"
#include "ui/panel/PanelMinimumSize.h"

namespace {

int PlacedWidth(int b, int id) {
    for (const ControlPlacement& p : PanelPlacements(b, 700)) {
        if (p.id == id) return p.rect.right - p.rect.left;
    }
    return -1;
}

TEST(PanelMinimumWidth, IsTheNarrowestWidthAtWhichEveryNeedIsMet) {
    for (int need : {150, 260, 333}) {
        const int b = ClientWidthForNeeds(0, {{kIdSearchBox, need}, {kIdTargetScreenList, need - 40}});
        EXPECT_GE(PlacedWidth(b, kIdSearchBox), need);
        EXPECT_GE(PlacedWidth(b, kIdTargetScreenList), need - 40);
        // One pixel narrower and one of them no longer fits.
        EXPECT_TRUE(PlacedWidth(b - 1, kIdSearchBox) < need || PlacedWidth(b - 1, kIdTargetScreenList) < need - 40);
    }
    EXPECT_EQ(ClientWidthForNeeds(864, {{kIdSearchBox, 10}}), 864);  // the floor holds
}

class MinimumSizeTest : public ProgramWindowsTest {
protected:
    void TearDown() override {
        g_app.dpiScale = 1.0;
        ProgramWindowsTest::TearDown();
    }

    void ShrinkToMinimum() {
        MINMAXINFO info{};
        SendMessageW(g_app.panel->window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        minimum_ = SIZE{info.ptMinTrackSize.x, info.ptMinTrackSize.y};
        SetWindowPos(g_app.panel->window, HWND_TOP, 20, 20, minimum_.cx, minimum_.cy, SWP_SHOWWINDOW);
        DrainMessages();
    }

    int TextWidth(HWND control, const std::wstring& text) const {
        WindowDC dc(control);
        SelectedObject font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        SIZE size{};
        GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

    void ExpectTextsWhole(const char* where) {
        HWND search = Control(kIdSearchBox);
        RECT format{};
        SendMessageW(search, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        std::wstring cue;
        for (const PanelControlRow& row : kPanelControls) {
            if (row.id == kIdSearchBox) cue = row.cue;
        }
        EXPECT_LE(TextWidth(search, cue), format.right - format.left) << where << ": the search hint is clipped";

        HWND screens = Control(kIdTargetScreenList);
        ASSERT_GT(SendMessageW(screens, CB_GETCOUNT, 0, 0), 0);
        wchar_t text[256] = {};
        SendMessageW(screens, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        ASSERT_TRUE(GetComboBoxInfo(screens, &info));
        EXPECT_LE(TextWidth(screens, text), info.rcItem.right - info.rcItem.left - 2)
            << where << ": the screen name is clipped";
    }

    SIZE minimum_{};
};

TEST_F(MinimumSizeTest, AtOneHundredPercent) {
    ShrinkToMinimum();
    EXPECT_GE(minimum_.cx, 880);
    EXPECT_EQ(minimum_.cy, 620);
    ExpectTextsWhole("100 %");
}

TEST_F(MinimumSizeTest, AtOneHundredAndFiftyPercent) {
    RECT suggested{20, 20, 20 + 1740, 20 + 1000};
    SendMessageW(g_app.panel->window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    ASSERT_DOUBLE_EQ(g_app.dpiScale, 1.5);
    ShrinkToMinimum();
    EXPECT_GE(minimum_.cx, 1320);
    EXPECT_EQ(minimum_.cy, 930);
    ExpectTextsWhole("150 %");
}

}  // namespace
