#include "commands/AmountWithSettings.h"

#include "app/AppState.h"

std::wstring NormalizeAmount(std::wstring_view text) { return NormalizeAmount(text, g_app.settings.amountUnit); }

std::wstring FormatAmountForDisplay(std::wstring_view amount) {
    return FormatAmountForDisplay(amount, g_app.settings.thousandsSeparator);
}
