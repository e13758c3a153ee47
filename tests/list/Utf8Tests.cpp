#include <gtest/gtest.h>

#include "core/list/Utf8.h"

namespace {

TEST(Utf8, EncodesEveryPlaneAndReplacesUnpairedSurrogates) {
    EXPECT_EQ(ToUtf8(L""), "");
    EXPECT_EQ(ToUtf8(L"A"), "A");
    EXPECT_EQ(ToUtf8(L"\u00E9"), "\xC3\xA9");
    EXPECT_EQ(ToUtf8(L"张三"), "\xE5\xBC\xA0\xE4\xB8\x89");
    EXPECT_EQ(ToUtf8(L"\U0001F600"), "\xF0\x9F\x98\x80");

    const std::string replacement = "\xEF\xBF\xBD";
    std::wstring loneHigh = L"a";
    loneHigh += static_cast<wchar_t>(0xD83D);
    loneHigh += L"b";
    EXPECT_EQ(ToUtf8(loneHigh), "a" + replacement + "b");
    std::wstring loneLow = L"a";
    loneLow += static_cast<wchar_t>(0xDE00);
    EXPECT_EQ(ToUtf8(loneLow), "a" + replacement);
    std::wstring highAtEnd(1, static_cast<wchar_t>(0xD83D));
    EXPECT_EQ(ToUtf8(highAtEnd), replacement);
    std::wstring twoHighs = {static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xD83D),
                             static_cast<wchar_t>(0xDE00)};
    EXPECT_EQ(ToUtf8(twoHighs), replacement + "\xF0\x9F\x98\x80");
}

TEST(Utf8, DecodesValidTextExactly) {
    EXPECT_EQ(FromUtf8("\xE5\xBC\xA0\xE4\xB8\x89,100"), L"张三,100");
    EXPECT_EQ(FromUtf8("\xF0\x9F\x98\x80"), L"\U0001F600");
    EXPECT_EQ(FromUtf8("\xEF\xBB\xBF#"), L"\uFEFF#");
}

TEST(Utf8, InvalidSequencesBecomeOneReplacementEach) {
    const std::wstring r = L"\uFFFD";
    EXPECT_EQ(FromUtf8("a\xFF" "b"), L"a" + r + L"b");
    EXPECT_EQ(FromUtf8("\x80"), r);
    EXPECT_EQ(FromUtf8("\xC0\xAF"), r + r);          // overlong
    EXPECT_EQ(FromUtf8("\xED\xA0\x80"), r + r + r);  // encoded surrogate
    EXPECT_EQ(FromUtf8("\xE5\xBC"), r);              // truncated at the end
    EXPECT_EQ(FromUtf8("\xE5\xBC" "A"), r + L"A");   // truncated before ASCII
    EXPECT_EQ(FromUtf8("\xF4\x90\x80\x80"), r + r + r + r);  // above U+10FFFF
}

TEST(Utf8, RoundTripsWhatItEncodes) {
    const std::wstring text = L"北京市某某慈善基金会, Zhang Wei，￥3000\t\U00020000";
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
}

}  // namespace
