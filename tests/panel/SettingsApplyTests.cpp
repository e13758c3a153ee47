// Leaving a settings box, Enter in the speed box and "应用并保存" read the
// panel's controls back into the settings, clamped, applied and saved.
#include <gtest/gtest.h>

#include "TableTestHelpers.h"
#include "platform/FileIo.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/SettingsControls.h"

namespace {

class SettingsApplyTest : public TableTest {
protected:
    HWND Field(int id) const { return FindPanelControl(id); }

    // Types into a box and then leaves it for the search box.
    void TypeAndLeave(int id, const std::wstring& text) {
        SetFocus(Field(id));
        SetWindowTextW(Field(id), text.c_str());
        SetFocus(Control(kIdSearchBox));
        DrainMessages();
    }

    std::wstring IniValue(const wchar_t* section, const wchar_t* key) const {
        wchar_t value[128] = {};
        GetPrivateProfileStringW(section, key, L"<missing>", value, 128, g_app.settingsPath.c_str());
        return value;
    }
};

TEST_F(SettingsApplyTest, TypingAppliesNothingUntilTheBoxIsLeft) {
    SetFocus(Field(kIdFontSizeField));
    SetWindowTextW(Field(kIdFontSizeField), L"300");
    DrainMessages();
    EXPECT_EQ(g_app.settings.fontSize, 35);
    EXPECT_EQ(g_app.statusText, L"就绪");

    SetFocus(Control(kIdSearchBox));
    DrainMessages();
    EXPECT_EQ(g_app.settings.fontSize, 160);                 // clamped
    EXPECT_EQ(TextOf(Field(kIdFontSizeField)), L"160");     // and shown clamped
    EXPECT_EQ(StatusWithoutTime(), L"设置已应用并保存");
    EXPECT_TRUE(EndsWithTime(g_app.statusText));
    EXPECT_TRUE(FileExists(g_app.settingsPath));
}

TEST_F(SettingsApplyTest, EmptyTextsFallBackAndNumbersKeepTheirValueWhenUnreadable) {
    TypeAndLeave(kIdUnitField, L"   ");
    EXPECT_EQ(g_app.settings.amountUnit, L"元");
    EXPECT_EQ(TextOf(Field(kIdUnitField)), L"元");
    TypeAndLeave(kIdSeparatorField, L"");
    EXPECT_EQ(g_app.settings.separator, L" ");
    TypeAndLeave(kIdWidthField, L"abc");
    EXPECT_EQ(g_app.settings.width, 900);  // unreadable: the current value stays
    TypeAndLeave(kIdWidthField, L"50");
    EXPECT_EQ(g_app.settings.width, 180);
    TypeAndLeave(kIdXField, L" -40 ");
    EXPECT_EQ(g_app.settings.x, -40);
}

TEST_F(SettingsApplyTest, EnterInTheSpeedBoxAppliesAndSelectsItsText) {
    HWND speed = Control(kIdSpeedBox);
    SetFocus(speed);
    SetWindowTextW(speed, L"45");
    RouteKey(speed, WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(g_app.settings.speed, 30);
    EXPECT_EQ(TextOf(speed), L"30");
    EXPECT_EQ(SendMessageW(Control(kIdSpeedSlider), TBM_GETPOS, 0, 0), 30);
    DWORD start = 1, end = 0;
    SendMessageW(speed, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 2u);
    EXPECT_EQ(StatusWithoutTime(), L"设置已应用并保存");
}

TEST_F(SettingsApplyTest, ANewDirectionInTheSelectorKeepsTheReadValuesForTheOldOne) {
    SendMessageW(Control(kIdDirectionMirror), CB_SETCURSEL, 1, 0);
    TypeAndLeave(kIdXField, L"77");
    EXPECT_EQ(g_app.settings.direction, ScrollDirection::Vertical);
    EXPECT_EQ(g_app.directions.lastAppliedDirection, ScrollDirection::Vertical);
    EXPECT_EQ(g_app.directions.layouts[0].x, 77);  // the horizontal layout got the typed value
    EXPECT_EQ(g_app.settings.x, g_app.directions.layouts[1].x);
}

TEST_F(SettingsApplyTest, ApplyAndSaveReadsTheBoxesToo) {
    SetWindowTextW(Field(kIdUnitField), L"美元");
    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdApplyAndSave, BN_CLICKED), 0);
    EXPECT_EQ(g_app.settings.amountUnit, L"美元");
    EXPECT_EQ(StatusWithoutTime(), L"已应用并保存");
    EXPECT_TRUE(FileExists(g_app.listPath));
    EXPECT_EQ(IniValue(L"style", L"amountUnit"), L"美元");
}

TEST_F(SettingsApplyTest, TheFontSizeSpinStepsAppliesAndStaysInRange) {
    HWND spin = Field(kIdFontSizeSpin);
    ASSERT_NE(spin, nullptr);
    const auto step = [&](int delta) {
        NMUPDOWN change{};
        change.hdr.hwndFrom = spin;
        change.hdr.idFrom = kIdFontSizeSpin;
        change.hdr.code = UDN_DELTAPOS;
        change.iPos = static_cast<int>(SendMessageW(spin, UDM_GETPOS32, 0, 0));
        change.iDelta = delta;
        return SendMessageW(g_app.panel->window, WM_NOTIFY, kIdFontSizeSpin, reinterpret_cast<LPARAM>(&change));
    };
    EXPECT_NE(step(1), 0);  // the panel's own step replaces the spin's
    EXPECT_EQ(g_app.settings.fontSize, 36);
    EXPECT_EQ(TextOf(Field(kIdFontSizeField)), L"36");
    EXPECT_EQ(IniValue(L"style", L"fontSize"), L"36");
    step(500);
    EXPECT_EQ(g_app.settings.fontSize, 160);
    step(-1000);
    EXPECT_EQ(g_app.settings.fontSize, 10);
}

}  // namespace
