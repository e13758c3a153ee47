// Amounts are free text ("1000", "1,000.00", "5万", "100美元") and are never
// parsed into numbers. These helpers settle trimming, the stored form of an
// amount and its displayed digit grouping.
#pragma once

#include <string>
#include <string_view>

// Removes space, TAB, CR, LF and U+FEFF from both ends, nothing else
// (an ideographic space U+3000 is kept).
std::wstring TrimText(std::wstring_view text);

// A name as stored: trimmed, with TABs and line breaks inside turned into
// spaces (a TAB shows as a box in the table and the caption).
std::wstring StoredText(std::wstring_view text);

// The stored form of an amount: trimmed, TABs inside turned into spaces,
// trailing decimal zeros dropped and the unit appended when the text ends in
// a number. Empty means "no amount".
std::wstring NormalizeAmount(std::wstring_view text, std::wstring_view unit);

// The shown form: only the grouping of a well-formed integer part changes.
std::wstring FormatAmountForDisplay(std::wstring_view amount, bool thousandsSeparator);
