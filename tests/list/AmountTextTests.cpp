#include <gtest/gtest.h>

#include "FreshAppState.h"
#include "app/AppState.h"
#include "commands/AmountWithSettings.h"

namespace {

struct AmountExample {
    const wchar_t* typed;
    const wchar_t* stored;
    const wchar_t* shownGrouped;
    const wchar_t* shownPlain;
};

const AmountExample kExamples[] = {
    {L"1000", L"1000元", L"1,000元", L"1000元"},
    {L"1,000.00", L"1,000元", L"1,000元", L"1000元"},
    {L"1，000", L"1，000元", L"1,000元", L"1000元"},
    {L"1234567.50", L"1234567.5元", L"1,234,567.5元", L"1234567.5元"},
    {L"100.", L"100元", L"100元", L"100元"},
    {L"0.00", L"0元", L"0元", L"0元"},
    {L"1000元", L"1000元", L"1,000元", L"1000元"},
    {L"5万", L"5万", L"5万", L"5万"},
    {L"1.5万元", L"1.5万元", L"1.5万元", L"1.5万元"},
    {L"-2500", L"-2500元", L"-2,500元", L"-2500元"},
    {L"￥3000", L"￥3000元", L"￥3000元", L"￥3000元"},
    {L"12,34", L"12,34元", L"12,34元", L"12,34元"},
    {L"1234,567", L"1234,567元", L"1234,567元", L"1234,567元"},
    {L"匿名", L"匿名", L"匿名", L"匿名"},
};

TEST(AmountText, EveryExampleIsStoredAndShownAsTheTableSays) {
    for (const AmountExample& e : kExamples) {
        SCOPED_TRACE(testing::Message() << "typed index " << (&e - kExamples));
        const std::wstring stored = NormalizeAmount(e.typed, L"元");
        EXPECT_EQ(stored, e.stored);
        EXPECT_EQ(FormatAmountForDisplay(stored, true), e.shownGrouped);
        EXPECT_EQ(FormatAmountForDisplay(stored, false), e.shownPlain);
    }
}

TEST(AmountText, TrimRemovesOnlyTheFiveWhiteSpaceCharacters) {
    EXPECT_EQ(TrimText(L" \t\r\n\uFEFF张三\uFEFF\n\r\t "), L"张三");
    EXPECT_EQ(TrimText(L"\u3000张三\u3000"), L"\u3000张三\u3000");
    EXPECT_EQ(TrimText(L"  a b  "), L"a b");
    EXPECT_EQ(TrimText(L" \t\uFEFF "), L"");
    EXPECT_EQ(TrimText(L""), L"");
}

TEST(AmountText, DecimalZerosAndPointsAreCleanedBeforeTheUnit) {
    EXPECT_EQ(NormalizeAmount(L"10.10", L"元"), L"10.1元");
    EXPECT_EQ(NormalizeAmount(L".5", L"元"), L".5元");
    EXPECT_EQ(NormalizeAmount(L"100.", L"元"), L"100元");
    EXPECT_EQ(NormalizeAmount(L"  250  ", L"元"), L"250元");
    // Only the first point counts; zeros before it stay.
    EXPECT_EQ(NormalizeAmount(L"1000.000", L"元"), L"1000元");
    EXPECT_EQ(NormalizeAmount(L"1.2.30", L"元"), L"1.2.3元");
}

TEST(AmountText, UnitIsAddedOnlyWhenTheTextEndsInANumber) {
    EXPECT_EQ(NormalizeAmount(L"100美元", L"元"), L"100美元");
    EXPECT_EQ(NormalizeAmount(L"100 USD", L"元"), L"100 USD");
    EXPECT_EQ(NormalizeAmount(L"元100", L"元"), L"元100元");
    EXPECT_EQ(NormalizeAmount(L"1000", L""), L"1000");
    EXPECT_EQ(NormalizeAmount(L"1000", L"美元"), L"1000美元");
}

TEST(AmountText, EmptyOrBlankAmountsNormaliseToNothing) {
    EXPECT_EQ(NormalizeAmount(L"", L"元"), L"");
    EXPECT_EQ(NormalizeAmount(L" \t ", L"元"), L"");
    // A lone point is cut away entirely, leaving no amount.
    EXPECT_EQ(NormalizeAmount(L".", L"元"), L"");
}

TEST(AmountText, SignsAndCurrencySymbolsSurviveBothFunctions) {
    EXPECT_EQ(FormatAmountForDisplay(L"+1234元", true), L"+1,234元");
    EXPECT_EQ(FormatAmountForDisplay(L"-", true), L"-");
    EXPECT_EQ(FormatAmountForDisplay(L"$1000", true), L"$1000");
    EXPECT_EQ(FormatAmountForDisplay(L"", true), L"");
}

TEST(AmountText, MalformedGroupsAndFractionsAreShownAsStored) {
    EXPECT_EQ(FormatAmountForDisplay(L",100元", true), L",100元");
    EXPECT_EQ(FormatAmountForDisplay(L"1,,000元", true), L"1,,000元");
    EXPECT_EQ(FormatAmountForDisplay(L"1,000,00元", false), L"1,000,00元");
    EXPECT_EQ(FormatAmountForDisplay(L"1000.元", true), L"1000.元");
    EXPECT_EQ(FormatAmountForDisplay(L"1000.5.5元", true), L"1000.5.5元");
    EXPECT_EQ(FormatAmountForDisplay(L"1000.5,5元", true), L"1000.5,5元");
    // Well-formed groups of either comma are rebuilt with ASCII commas.
    EXPECT_EQ(FormatAmountForDisplay(L"1，234，567.25元", true), L"1,234,567.25元");
    EXPECT_EQ(FormatAmountForDisplay(L"1，234，567.25元", false), L"1234567.25元");
    EXPECT_EQ(FormatAmountForDisplay(L"123456789", true), L"123,456,789");
}

TEST(AmountText, CurrentSettingsDriveTheOneArgumentForms) {
    StartFreshAppState();
    g_app.settings.amountUnit = L"美元";
    g_app.settings.thousandsSeparator = true;
    const std::wstring stored = NormalizeAmount(L"2000");
    EXPECT_EQ(stored, L"2000美元");
    EXPECT_EQ(FormatAmountForDisplay(stored), L"2,000美元");
    // Switching the setting changes only what is shown, never what is stored.
    g_app.settings.thousandsSeparator = false;
    EXPECT_EQ(FormatAmountForDisplay(stored), L"2000美元");
    EXPECT_EQ(stored, L"2000美元");
}

}  // namespace
