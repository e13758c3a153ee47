// settings.ini as other editors leave it: Notepad's UTF-8 without a mark,
// UTF-8 with a mark, UTF-16 in both byte orders, the ANSI code page (GBK) and
// bytes that are no UTF-8 at all. Each loads its values and, after a save,
// keeps every line the save did not change byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>

#include "FreshAppState.h"
#include "FakeMonitors.h"
#include "commands/SettingsCommands.h"
#include "TestFolder.h"
#include "app/AppState.h"
#include "core/list/Utf8.h"
#include "core/settings/IniDocument.h"

namespace {

std::vector<std::string> Lines(const std::string& bytes, const std::string& lineBreak) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find(lineBreak, start);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + lineBreak.size();
    }
    return lines;
}

// Every line of `before` except `changed` appears in `after`, in order.
void ExpectLinesKept(const std::string& before, const std::string& after, const std::string& changed,
                     const std::string& lineBreak) {
    const std::vector<std::string> old = Lines(before, lineBreak);
    const std::vector<std::string> now = Lines(after, lineBreak);
    size_t at = 0;
    for (const std::string& line : old) {
        if (line == changed) continue;
        const auto found = std::find(now.begin() + static_cast<std::ptrdiff_t>(at), now.end(), line);
        ASSERT_NE(found, now.end()) << "line lost or moved: " << line;
        at = static_cast<size_t>(found - now.begin()) + 1;
    }
}

std::string Utf16(const std::wstring& text, bool little) {
    std::string bytes = little ? std::string("\xFF\xFE", 2) : std::string("\xFE\xFF", 2);
    for (wchar_t c : text) {
        const char lo = static_cast<char>(c & 0xFF);
        const char hi = static_cast<char>((c >> 8) & 0xFF);
        bytes += little ? lo : hi;
        bytes += little ? hi : lo;
    }
    return bytes;
}

class SettingsEncodingTest : public testing::Test {
protected:
    void SetUp() override {
        StartFreshAppState();
        g_app.monitors = {FakeScreen(L"\\\\.\\DISPLAY1", {0, 0, 1920, 1080}, true, 40)};
        g_app.settingsPath = folder_.File(L"settings.ini");
    }

    // Loads the bytes, checks the font face, saves with a new font size.
    std::string LoadAndSave(const std::string& bytes, const std::wstring& expectedFace) {
        EXPECT_TRUE(WriteBytes(g_app.settingsPath, bytes));
        g_app.settings = MakeDefaultSettings();
        g_app.directions = MakeDefaultDirectionRecords(PrimaryWorkArea());
        LoadSettings(g_app);
        EXPECT_EQ(g_app.settings.fontFace, expectedFace);
        EXPECT_EQ(g_app.settings.fontSize, 20);
        g_app.settings.fontSize = 99;
        EXPECT_TRUE(SaveSettings(g_app));
        return ReadBytes(g_app.settingsPath);
    }

    TestFolder folder_;
};

// 黑体, 值 and 注释 in UTF-8.
const std::string kUtf8Text =
    "[style]\r\nfontFace=\xE9\xBB\x91\xE4\xBD\x93\r\nfontSize=20\r\n; \xE6\xB3\xA8\xE9\x87\x8A\r\n"
    "[custom]\r\ncustomKey=\xE5\x80\xBC\r\n";

TEST_F(SettingsEncodingTest, Utf8WithoutAMarkIsReadAndWrittenAsUtf8) {
    const std::string after = LoadAndSave(kUtf8Text, L"黑体");
    EXPECT_NE(after.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_TRUE(IsValidUtf8(after));
    ExpectLinesKept(kUtf8Text, after, "fontSize=20\r", "\n");
    EXPECT_NE(after.find("fontSize=99\r\n"), std::string::npos);
    EXPECT_NE(after.find("customKey=\xE5\x80\xBC\r\n"), std::string::npos);
    EXPECT_NE(after.find("titlePrefix=\xE6\x8D\x90\xE6\xAC\xBE\xE4\xBA\xBA\xE5\x90\x8D\xE5\x8D\x95:"),
              std::string::npos);  // 捐款人名单:
}

TEST_F(SettingsEncodingTest, Utf8WithAMarkKeepsItsMark) {
    const std::string before = "\xEF\xBB\xBF" + kUtf8Text;
    const std::string after = LoadAndSave(before, L"黑体");
    EXPECT_EQ(after.substr(0, 3), "\xEF\xBB\xBF");
    ExpectLinesKept(before, after, "fontSize=20\r", "\n");
}

TEST_F(SettingsEncodingTest, Utf16InBothByteOrdersKeepsItsOrderAndLines) {
    for (bool little : {true, false}) {
        SCOPED_TRACE(little ? "UTF-16LE" : "UTF-16BE");
        const std::string before = Utf16(FromUtf8(kUtf8Text), little);
        const std::string after = LoadAndSave(before, L"黑体");
        EXPECT_EQ(after.substr(0, 2), before.substr(0, 2));
        const std::string lineBreak = little ? std::string("\n\0", 2) : std::string("\0\n", 2);
        const std::string changed = Utf16(L"fontSize=20\r", little).substr(2);
        ExpectLinesKept(before.substr(2), after.substr(2), changed, lineBreak);
        EXPECT_NE(after.find(Utf16(L"fontSize=99", little).substr(2)), std::string::npos);
    }
}

TEST_F(SettingsEncodingTest, TheAnsiCodePageAndBytesThatAreNoUtf8StayAsTheyWere) {
    // GBK: 黑体 = BA DA CC E5; a line of bytes that are neither UTF-8 nor meant as text.
    const std::string before = "[style]\r\nfontFace=\xBA\xDA\xCC\xE5\r\nfontSize=20\r\n[custom]\r\nraw=\xC3\x28\xFF\x80\r\n";
    const std::string after = LoadAndSave(before, L"黑体");
    ExpectLinesKept(before, after, "fontSize=20\r", "\n");
    EXPECT_NE(after.find("titlePrefix=\xBE\xE8\xBF\xEE\xC8\xCB\xC3\xFB\xB5\xA5:"), std::string::npos);  // GBK

    // A value the code page cannot hold turns the file into UTF-8 with a mark
    // instead of a "?": every text survives.
    g_app.settings.titlePrefix = L"感谢 😀";
    ASSERT_TRUE(SaveSettings(g_app));
    const std::string utf8 = ReadBytes(g_app.settingsPath);
    EXPECT_EQ(utf8.substr(0, 3), "\xEF\xBB\xBF");
    g_app.settings = MakeDefaultSettings();
    LoadSettings(g_app);
    EXPECT_EQ(g_app.settings.titlePrefix, L"感谢 😀");
    EXPECT_EQ(g_app.settings.fontFace, L"黑体");
    EXPECT_EQ(g_app.settings.fontSize, 99);
}

TEST_F(SettingsEncodingTest, SectionsAndKeysMatchWithoutCaseAndKeepTheirSpelling) {
    const std::string before = "[STYLE]\r\nFontFace = \xE9\xBB\x91\xE4\xBD\x93\r\nFONTSIZE=20\r\n";
    const std::string after = LoadAndSave(before, L"黑体");
    EXPECT_NE(after.find("FONTSIZE=99\r\n"), std::string::npos);
    EXPECT_NE(after.find("FontFace = \xE9\xBB\x91\xE4\xBD\x93\r\n"), std::string::npos);  // unchanged, as written
    std::string lower = after;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_EQ(lower.find("fontsize="), lower.rfind("fontsize="));  // one key, not a second one
    EXPECT_EQ(lower.find("[style]"), lower.rfind("[style]"));
}

TEST(IniDocument, ValuesAndIntegersReadAsTheProfileFunctionsReadThem) {
    const IniDocument doc = IniDocument::FromBytes("[a]\nquoted = \" two spaces \" \nsingle='x'\nempty=\nk=v=w\n");
    EXPECT_EQ(doc.Value(L"A", L"QUOTED"), std::optional<std::wstring>(L" two spaces "));
    EXPECT_EQ(doc.Value(L"a", L"single"), std::optional<std::wstring>(L"x"));
    EXPECT_EQ(doc.Value(L"a", L"empty"), std::optional<std::wstring>(L""));
    EXPECT_EQ(doc.Value(L"a", L"k"), std::optional<std::wstring>(L"v=w"));
    EXPECT_FALSE(doc.Value(L"a", L"missing").has_value());
    EXPECT_FALSE(doc.Value(L"b", L"k").has_value());

    EXPECT_EQ(ProfileInteger(L"-120"), -120);
    EXPECT_EQ(ProfileInteger(L"+35"), 35);
    EXPECT_EQ(ProfileInteger(L"16777215"), 16777215);
    EXPECT_EQ(ProfileInteger(L"0x10"), 16);
    EXPECT_EQ(ProfileInteger(L"12px"), 12);
    EXPECT_EQ(ProfileInteger(L"abc"), 0);
    EXPECT_EQ(ProfileInteger(L"4294967295"), -1);  // wraps as a 32-bit value
}

TEST(IniDocument, NewKeysGoAtTheEndOfTheirSectionAndALastLineGainsItsBreak) {
    IniDocument doc = IniDocument::FromBytes("[a]\nx=1\n\n[b]\ny=2");
    doc.Set(L"a", L"z", L"3");
    doc.Set(L"b", L"w", L"4");
    doc.Set(L"c", L"v", L"5");
    doc.Set(L"a", L"x", L"1");  // the same value: the line stays as it was
    EXPECT_EQ(doc.ToBytes(), "[a]\nx=1\nz=3\n\n[b]\ny=2\nw=4\n[c]\nv=5\n");
    EXPECT_EQ(doc.encoding(), IniEncoding::Utf8);

    IniDocument fresh;
    fresh.Set(L"style", L"fontFace", L"宋体");
    EXPECT_EQ(fresh.ToBytes(), Utf16(L"[style]\r\nfontFace=宋体\r\n", true));
}

}  // namespace
