// The keys of settings.ini, described once: section, key, field, kind, read
// buffer and clamp. Load, save and the tests walk the same table.
#pragma once

#include <array>

#include "core/settings/AppSettings.h"

enum class SettingsKeyKind { Integer, Bool, Colour, Direction, Text };

struct SettingsKey {
    const wchar_t* section;
    const wchar_t* key;
    SettingsKeyKind kind;
    int AppSettings::*integer = nullptr;
    bool AppSettings::*flag = nullptr;
    COLORREF AppSettings::*colour = nullptr;
    std::wstring AppSettings::*text = nullptr;
    int buffer = 0;  // characters including the terminator, for text keys
    int minimum = 0;
    int maximum = 0;  // clamp on read when minimum < maximum
};

// The [style], [scroll] and [hotkey] keys in the order they are written.
extern const std::array<SettingsKey, 29> kSettingsKeys;

// The six keys of a [layout...] section, in order.
extern const std::array<const wchar_t*, 6> kLayoutKeys;

constexpr const wchar_t* kLayoutSections[2] = {L"layoutHorizontal", L"layoutVertical"};
constexpr const wchar_t* kDockSections[2] = {L"dockHorizontal", L"dockVertical"};
