// The amount rules with the settings in force: the unit for a new amount,
// the grouping for a shown one.
#pragma once

#include <string>
#include <string_view>

#include "core/list/AmountText.h"

// NormalizeAmount with the current amountUnit setting.
std::wstring NormalizeAmount(std::wstring_view text);
// FormatAmountForDisplay with the current thousandsSeparator setting.
std::wstring FormatAmountForDisplay(std::wstring_view amount);
