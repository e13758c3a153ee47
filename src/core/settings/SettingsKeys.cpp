#include "core/settings/SettingsKeys.h"

namespace {

using K = SettingsKeyKind;

SettingsKey Int(const wchar_t* section, const wchar_t* key, int AppSettings::*field, int minimum = 0,
                int maximum = 0) {
    SettingsKey k{section, key, K::Integer};
    k.integer = field;
    k.minimum = minimum;
    k.maximum = maximum;
    return k;
}

SettingsKey Flag(const wchar_t* section, const wchar_t* key, bool AppSettings::*field) {
    SettingsKey k{section, key, K::Bool};
    k.flag = field;
    return k;
}

SettingsKey Colour(const wchar_t* section, const wchar_t* key, COLORREF AppSettings::*field) {
    SettingsKey k{section, key, K::Colour};
    k.colour = field;
    return k;
}

SettingsKey Text(const wchar_t* section, const wchar_t* key, std::wstring AppSettings::*field, int buffer) {
    SettingsKey k{section, key, K::Text};
    k.text = field;
    k.buffer = buffer;
    return k;
}

SettingsKey Direction() { return SettingsKey{L"scroll", L"direction", K::Direction}; }

}  // namespace

const std::array<SettingsKey, 29> kSettingsKeys = {
    Text(L"style", L"fontFace", &AppSettings::fontFace, 32),
    Int(L"style", L"fontSize", &AppSettings::fontSize),
    Flag(L"style", L"bold", &AppSettings::bold),
    Colour(L"style", L"textColor", &AppSettings::textColor),
    Colour(L"style", L"amountColor", &AppSettings::amountColor),
    Flag(L"style", L"textOutline", &AppSettings::textOutline),
    Colour(L"style", L"outlineColor", &AppSettings::outlineColor),
    Int(L"style", L"outlineSize", &AppSettings::outlineSize, 1, 12),
    Flag(L"style", L"textShadow", &AppSettings::textShadow),
    Colour(L"style", L"shadowColor", &AppSettings::shadowColor),
    Int(L"style", L"shadowSize", &AppSettings::shadowSize, 1, 20),
    Colour(L"style", L"bgColor", &AppSettings::bgColor),
    Text(L"style", L"titlePrefix", &AppSettings::titlePrefix, 256),
    Text(L"style", L"separator", &AppSettings::separator, 256),
    Int(L"style", L"nameAmountGap", &AppSettings::nameAmountGap),
    Text(L"style", L"amountUnit", &AppSettings::amountUnit, 64),
    Flag(L"style", L"thousandsSeparator", &AppSettings::thousandsSeparator),
    Direction(),
    Int(L"scroll", L"speed", &AppSettings::speed),
    Int(L"scroll", L"x", &AppSettings::x),
    Int(L"scroll", L"y", &AppSettings::y),
    Int(L"scroll", L"width", &AppSettings::width),
    Int(L"scroll", L"height", &AppSettings::height),
    Flag(L"scroll", L"topMost", &AppSettings::topMost),
    Text(L"scroll", L"monitor", &AppSettings::monitor, 64),
    Text(L"hotkey", L"value", &AppSettings::value, 64),
    Text(L"hotkey", L"horizontal", &AppSettings::horizontal, 64),
    Text(L"hotkey", L"vertical", &AppSettings::vertical, 64),
    Text(L"hotkey", L"pause", &AppSettings::pause, 64),
};

const std::array<const wchar_t*, 6> kLayoutKeys = {L"x", L"y", L"width", L"height", L"nameAmountGap", L"speed"};
