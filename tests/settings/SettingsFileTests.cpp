#include <gtest/gtest.h>

#include "FreshAppState.h"
#include "FakeMonitors.h"
#include "commands/SettingsCommands.h"
#include "TestFolder.h"
#include "app/AppState.h"
#include "core/list/Utf8.h"

namespace {

// Text of a UTF-16LE file with its mark, as UTF-8 with LF line ends.
std::string Utf16FileText(const std::string& bytes) {
    if (bytes.size() < 2 || bytes[0] != '\xFF' || bytes[1] != '\xFE') return "<no UTF-16LE mark>";
    std::wstring text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const wchar_t c = static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                               (static_cast<unsigned char>(bytes[i + 1]) << 8));
        if (c != L'\r') text += c;
    }
    return ToUtf8(text);
}

// A UTF-16LE file with its mark from UTF-8 text.
std::string Utf16File(const std::string& utf8) {
    std::string bytes("\xFF\xFE", 2);
    for (wchar_t c : FromUtf8(utf8)) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>((c >> 8) & 0xFF);
    }
    return bytes;
}

class SettingsFileTest : public testing::Test {
protected:
    void SetUp() override {
        StartFreshAppState();
        // One 1920 × 1080 screen whose taskbar leaves a 1920 × 1040 work area.
        g_app.monitors = {FakeScreen(L"\\\\.\\DISPLAY1", {0, 0, 1920, 1080}, true, 40)};
        g_app.settingsPath = folder_.File(L"settings.ini");
        ResetToDefaults();
    }

    // The state start-up has before it reads the file.
    static void ResetToDefaults() {
        g_app.settings = MakeDefaultSettings();
        g_app.directions = MakeDefaultDirectionRecords(PrimaryWorkArea());
    }

    void LoadFrom(const std::string& utf8Text) {
        ASSERT_TRUE(WriteBytes(Path(), Utf16File(utf8Text)));
        ResetToDefaults();
        LoadSettings(g_app);
    }

    static const DirectionLayout& Layout(int d) { return g_app.directions.layouts[static_cast<size_t>(d)]; }

    std::wstring Path() const { return g_app.settingsPath; }
    std::wstring Pending() const { return g_app.settingsPath + L".pending"; }

    TestFolder folder_;
};

void ExpectLayout(const DirectionLayout& l, int x, int y, int width, int height, int gap, int speed) {
    EXPECT_EQ(l.x, x);
    EXPECT_EQ(l.y, y);
    EXPECT_EQ(l.width, width);
    EXPECT_EQ(l.height, height);
    EXPECT_EQ(l.nameAmountGap, gap);
    EXPECT_EQ(l.speed, speed);
}

const char kDefaultFile[] =
    "[style]\nfontFace=宋体\nfontSize=35\nbold=1\ntextColor=255\namountColor=255\ntextOutline=0\n"
    "outlineColor=16777215\noutlineSize=2\ntextShadow=0\nshadowColor=0\nshadowSize=3\nbgColor=1970181\n"
    "titlePrefix=捐款人名单:\nseparator=、\nnameAmountGap=10\namountUnit=元\nthousandsSeparator=0\n"
    "[scroll]\ndirection=0\nspeed=3\nx=0\ny=912\nwidth=1920\nheight=128\ntopMost=1\nmonitor=\\\\.\\DISPLAY1\n"
    "[hotkey]\nvalue=Ctrl+Alt+D\nhorizontal=Ctrl+Alt+H\nvertical=Ctrl+Alt+V\npause=Ctrl+Alt+P\n"
    "[layoutHorizontal]\nx=0\ny=912\nwidth=1920\nheight=128\nnameAmountGap=10\nspeed=3\n"
    "[layoutVertical]\nx=0\ny=0\nwidth=1920\nheight=1040\nnameAmountGap=30\nspeed=3\n"
    "[dockHorizontal]\nmode=1\ntopOffset=70\nbottomOffset=0\n"
    "[dockVertical]\nmode=0\ntopOffset=70\nbottomOffset=0\n";

TEST_F(SettingsFileTest, FirstSaveWritesEveryKeyInOrderAsUtf16) {
    ASSERT_TRUE(SaveSettings(g_app));
    EXPECT_FALSE(FileExists(Pending()));
    EXPECT_EQ(Utf16FileText(ReadBytes(Path())), kDefaultFile);
}

TEST_F(SettingsFileTest, EverySavedValueLoadsBack) {
    AppSettings& s = g_app.settings;
    s.fontFace = L"黑体";
    s.fontSize = 48;
    s.bold = false;
    s.textColor = 0x00123456;
    s.textOutline = true;
    s.outlineSize = 5;
    s.titlePrefix = L"";
    s.separator = L" · ";  // spaces at the ends must survive the file
    s.value = L"\"quoted\"";
    s.amountUnit = L"美元";
    s.thousandsSeparator = true;
    s.topMost = false;
    s.pause = L"Ctrl+Shift+F9";
    s.x = -1200;
    s.y = 700;
    s.width = 1000;
    s.height = 150;
    g_app.directions.docks[0].edge = DockEdge::Top;
    ASSERT_TRUE(SaveSettings(g_app));
    const AppSettings saved = s;
    const DirectionRecords savedRecords = g_app.directions;

    ResetToDefaults();
    LoadSettings(g_app);
    EXPECT_EQ(s.fontFace, L"黑体");
    EXPECT_EQ(s.fontSize, 48);
    EXPECT_FALSE(s.bold);
    EXPECT_EQ(s.textColor, 0x00123456u);
    EXPECT_TRUE(s.textOutline);
    EXPECT_EQ(s.outlineSize, 5);
    EXPECT_EQ(s.titlePrefix, L"");
    EXPECT_EQ(s.separator, L" · ");
    EXPECT_EQ(s.value, L"\"quoted\"");
    EXPECT_EQ(s.amountUnit, L"美元");
    EXPECT_TRUE(s.thousandsSeparator);
    EXPECT_FALSE(s.topMost);
    EXPECT_EQ(s.pause, L"Ctrl+Shift+F9");
    EXPECT_EQ(s.x, saved.x);
    EXPECT_EQ(s.y, saved.y);
    EXPECT_EQ(s.width, saved.width);
    EXPECT_EQ(s.height, saved.height);
    EXPECT_EQ(g_app.directions.docks[0].edge, DockEdge::Top);
    EXPECT_EQ(g_app.directions.docks[0].topOffset, savedRecords.docks[0].topOffset);
    EXPECT_EQ(g_app.directions.docks[0].topOffset, 700);
}

TEST_F(SettingsFileTest, ValuesAreClampedWhereTheTableSays) {
    LoadFrom("[style]\noutlineSize=0\nshadowSize=99\nfontSize=500\nnameAmountGap=900\n[scroll]\ndirection=-3\n");
    EXPECT_EQ(g_app.settings.outlineSize, 1);
    EXPECT_EQ(g_app.settings.shadowSize, 20);
    EXPECT_EQ(g_app.settings.fontSize, 500);  // not clamped on read
    EXPECT_EQ(g_app.settings.direction, ScrollDirection::Horizontal);
    EXPECT_EQ(g_app.settings.nameAmountGap, 900);  // active value from [style], no layout section

    LoadFrom("[style]\noutlineSize=40\n[scroll]\ndirection=7\n");
    EXPECT_EQ(g_app.settings.outlineSize, 12);
    EXPECT_EQ(g_app.settings.direction, ScrollDirection::Vertical);

    LoadFrom("[scroll]\ndirection=1\nwidth=50\nheight=5\nspeed=0\n[style]\nnameAmountGap=900\n"
             "[layoutVertical]\nx=10\ny=20\nwidth=50\nheight=5\nnameAmountGap=900\nspeed=0\n"
             "[dockVertical]\nmode=-4\n[dockHorizontal]\nmode=9\n");
    ExpectLayout(Layout(1), 10, 20, 180, 40, 500, 1);
    EXPECT_EQ(g_app.settings.width, 180);  // the layout section wins over [scroll]
    EXPECT_EQ(g_app.settings.speed, 1);
    EXPECT_EQ(g_app.directions.docks[1].edge, DockEdge::Top);
    EXPECT_EQ(g_app.directions.docks[0].edge, DockEdge::Bottom);
}

TEST_F(SettingsFileTest, EmptyTextValuesStayEmptyAndMissingKeysTakeDefaults) {
    LoadFrom("[style]\ntitlePrefix=\namountUnit=\n");
    EXPECT_EQ(g_app.settings.titlePrefix, L"");
    EXPECT_EQ(g_app.settings.amountUnit, L"");
    EXPECT_EQ(g_app.settings.separator, L"、");
    EXPECT_EQ(g_app.settings.fontFace, L"宋体");
    EXPECT_EQ(g_app.settings.value, L"Ctrl+Alt+D");

    LoadFrom("[style]\nfontFace=ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789\n");
    EXPECT_EQ(g_app.settings.fontFace, L"ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");  // 31 characters
}

// The seven ways an older file may lack the per-direction sections.
TEST_F(SettingsFileTest, MissingLayoutSectionsAreReconciled) {
    auto scroll = [](int direction) {
        return "[scroll]\ndirection=" + std::to_string(direction) +
               "\nx=5\ny=600\nwidth=800\nheight=100\nspeed=7\n[style]\nnameAmountGap=12\n";
    };
    const std::string h = "[layoutHorizontal]\nx=1\ny=2\nwidth=300\nheight=90\nnameAmountGap=4\nspeed=5\n";
    const std::string v = "[layoutVertical]\nx=3\ny=4\nwidth=400\nheight=500\nnameAmountGap=6\nspeed=8\n";

    LoadFrom(scroll(0) + h + v);
    ExpectLayout(Layout(0), 1, 2, 300, 90, 4, 5);
    ExpectLayout(Layout(1), 3, 4, 400, 500, 6, 8);

    LoadFrom(scroll(0) + h);
    ExpectLayout(Layout(0), 1, 2, 300, 90, 4, 5);
    ExpectLayout(Layout(1), 0, 0, 1920, 1040, 30, 3);

    LoadFrom(scroll(1) + h);
    ExpectLayout(Layout(0), 1, 2, 300, 90, 4, 5);
    ExpectLayout(Layout(1), 5, 600, 800, 100, 12, 7);

    LoadFrom(scroll(0) + v);
    ExpectLayout(Layout(0), 5, 600, 800, 100, 12, 7);
    ExpectLayout(Layout(1), 3, 4, 400, 500, 6, 8);

    LoadFrom(scroll(1) + v);
    ExpectLayout(Layout(0), 0, 912, 1920, 128, 10, 3);
    ExpectLayout(Layout(1), 3, 4, 400, 500, 6, 8);

    LoadFrom(scroll(0));
    ExpectLayout(Layout(0), 5, 600, 800, 100, 12, 7);
    ExpectLayout(Layout(1), 0, 0, 1920, 1040, 30, 3);

    LoadFrom(scroll(1));
    ExpectLayout(Layout(0), 0, 912, 1920, 128, 10, 3);
    ExpectLayout(Layout(1), 5, 600, 800, 100, 12, 7);
    // The active values are the playing direction's layout.
    EXPECT_EQ(g_app.settings.x, 5);
    EXPECT_EQ(g_app.settings.speed, 7);
    EXPECT_EQ(g_app.directions.lastAppliedDirection, ScrollDirection::Vertical);
}

TEST_F(SettingsFileTest, MissingDockSectionOfThePlayingDirectionIsDerived) {
    // Horizontal, 600 + 100 ends 340 pixels above the work area's bottom (1040).
    LoadFrom("[scroll]\ndirection=0\nx=5\ny=600\nwidth=800\nheight=100\n[dockVertical]\nmode=1\ntopOffset=9\n"
             "bottomOffset=11\n");
    EXPECT_EQ(g_app.directions.docks[0].edge, DockEdge::Bottom);
    EXPECT_EQ(g_app.directions.docks[0].bottomOffset, 340);
    EXPECT_EQ(g_app.directions.docks[0].topOffset, 70);
    EXPECT_EQ(g_app.directions.docks[1].edge, DockEdge::Bottom);
    EXPECT_EQ(g_app.directions.docks[1].topOffset, 9);
    EXPECT_EQ(g_app.directions.docks[1].bottomOffset, 11);
}

TEST_F(SettingsFileTest, AFileWithoutLayoutSectionsGetsThemOnTheNextSave) {
    LoadFrom("[style]\nfontSize=40\n; a comment the operator wrote\n[scroll]\ndirection=1\nx=5\ny=6\nwidth=700\n"
             "height=800\nspeed=9\n[custom]\nkeep=这一行不属于程序\n");
    ASSERT_TRUE(SaveSettings(g_app));
    const std::string text = Utf16FileText(ReadBytes(Path()));
    EXPECT_NE(text.find("[layoutVertical]\nx=5\ny=6\nwidth=700\nheight=800\nnameAmountGap=10\nspeed=9\n"),
              std::string::npos);
    EXPECT_NE(text.find("[layoutHorizontal]\nx=0\ny=912\nwidth=1920\nheight=128\n"), std::string::npos);
    EXPECT_NE(text.find("[dockHorizontal]"), std::string::npos);
    EXPECT_NE(text.find("[dockVertical]"), std::string::npos);
    // What the program does not own survives.
    EXPECT_NE(text.find("; a comment the operator wrote\n"), std::string::npos);
    EXPECT_NE(text.find("[custom]\nkeep=这一行不属于程序\n"), std::string::npos);
    EXPECT_NE(text.find("fontSize=40\n"), std::string::npos);
}

TEST_F(SettingsFileTest, AFileInTheSystemCodePageKeepsItsEncoding) {
    // GBK bytes: 黑体 = BA DA CC E5, 保留 = B1 A3 C1 F4.
    const std::string gbk = "[style]\r\nfontFace=\xBA\xDA\xCC\xE5\r\n[custom]\r\nkeep=\xB1\xA3\xC1\xF4\r\n";
    ASSERT_TRUE(WriteBytes(Path(), gbk));
    ResetToDefaults();
    LoadSettings(g_app);
    EXPECT_EQ(g_app.settings.fontFace, L"黑体");
    g_app.settings.titlePrefix = L"名单";  // 名单 = C3 FB B5 A5
    ASSERT_TRUE(SaveSettings(g_app));
    const std::string bytes = ReadBytes(Path());
    EXPECT_NE(bytes.substr(0, 2), "\xFF\xFE");
    EXPECT_NE(bytes.find("fontFace=\xBA\xDA\xCC\xE5"), std::string::npos);
    EXPECT_NE(bytes.find("keep=\xB1\xA3\xC1\xF4"), std::string::npos);
    EXPECT_NE(bytes.find("titlePrefix=\xC3\xFB\xB5\xA5"), std::string::npos);
}

TEST_F(SettingsFileTest, AnUnattachedMonitorResolvesToTheNearestScreen) {
    g_app.monitors.clear();
    RefreshMonitorList();  // the real screens of this display
    ASSERT_FALSE(g_app.monitors.empty());
    LoadFrom("[scroll]\nmonitor=\\\\.\\DISPLAY9\nx=10\ny=10\nwidth=300\nheight=100\n");
    EXPECT_EQ(g_app.settings.monitor, g_app.monitors[0].deviceName);
    SaveSettings(g_app);
    const std::string text = Utf16FileText(ReadBytes(Path()));
    EXPECT_NE(text.find("monitor=" + ToUtf8(g_app.monitors[0].deviceName) + "\n"), std::string::npos);
}

class SettingsSaveFailureTest : public SettingsFileTest {
protected:
    void SetUp() override {
        SettingsFileTest::SetUp();
        ASSERT_TRUE(WriteBytes(Path(), Utf16File("[style]\nfontSize=20\n[custom]\nkeep=1\n")));
        before_ = ReadBytes(Path());
        g_app.settings.fontSize = 99;
    }
    void ExpectUntouched(bool saved) {
        EXPECT_FALSE(saved);
        EXPECT_EQ(ReadBytes(Path()), before_);
    }
    std::string before_;
};

TEST_F(SettingsSaveFailureTest, ReadOnlyFileStaysAsItWas) {
    ASSERT_TRUE(SetFileAttributesW(Path().c_str(), FILE_ATTRIBUTE_READONLY));
    ExpectUntouched(SaveSettings(g_app));
    SetFileAttributesW(Path().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(SaveSettings(g_app));  // a later save tries again from the start
    EXPECT_NE(Utf16FileText(ReadBytes(Path())).find("fontSize=99\n"), std::string::npos);
}

TEST_F(SettingsSaveFailureTest, LockedFileStaysAsItWas) {
    HANDLE lock = CreateFileW(Path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    const bool saved = SaveSettings(g_app);
    CloseHandle(lock);
    ExpectUntouched(saved);
}

TEST_F(SettingsSaveFailureTest, StalePendingFileIsOverwritten) {
    ASSERT_TRUE(WriteBytes(Pending(), Utf16File("[stale]\nold=1\n")));
    EXPECT_TRUE(SaveSettings(g_app));
    const std::string text = Utf16FileText(ReadBytes(Path()));
    EXPECT_EQ(text.find("[stale]"), std::string::npos);
    EXPECT_NE(text.find("[custom]\nkeep=1\n"), std::string::npos);
    EXPECT_FALSE(FileExists(Pending()));
}

TEST_F(SettingsSaveFailureTest, AFailureAtAnyStepLeavesTheFileAsItWas) {
    const SettingsFileOps& platform = PlatformSettingsFileOps();
    SettingsFileOps failCopy = platform;
    failCopy.copyFile = [](const std::wstring&, const std::wstring&) { return false; };
    SettingsFileOps failOneWrite = platform;
    failOneWrite.writeValue = [](const wchar_t* section, const wchar_t* key, const std::wstring& value,
                                 const std::wstring& path) {
        if (std::wstring(key) == L"speed") return false;
        return PlatformSettingsFileOps().writeValue(section, key, value, path);
    };
    SettingsFileOps failFlush = platform;
    failFlush.flushFile = [](const std::wstring&) { return false; };
    SettingsFileOps failRename = platform;
    failRename.replaceFile = [](const std::wstring&, const std::wstring&) { return false; };

    for (const SettingsFileOps* ops : {&failCopy, &failOneWrite, &failFlush, &failRename}) {
        SCOPED_TRACE(ops == &failCopy ? "copy" : ops == &failOneWrite ? "write" : ops == &failFlush ? "flush" : "rename");
        ExpectUntouched(SaveSettings(g_app, *ops));
    }

    // Without a file, a pending file that cannot be created leaves no file at all.
    DeleteFileW(Path().c_str());
    SettingsFileOps failCreate = platform;
    failCreate.createWithBom = [](const std::wstring&) { return false; };
    EXPECT_FALSE(SaveSettings(g_app, failCreate));
    EXPECT_FALSE(FileExists(Path()));
}

}  // namespace
