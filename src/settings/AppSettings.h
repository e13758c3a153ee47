// The one settings record. Field names are the keys of settings.ini.
// The active geometry (x, y, width, height, nameAmountGap, speed) belongs to
// the direction now playing; the other direction keeps its own copy in
// `layouts`.
#pragma once

#include <windows.h>

#include <array>
#include <string>

enum class ScrollDirection : int { Horizontal = 0, Vertical = 1 };
enum class DockEdge : int { Top = 0, Bottom = 1 };

struct DirectionLayout {
    int x = 0;
    int y = 0;
    int width = 1000;
    int height = 128;
    int nameAmountGap = 10;
    int speed = 3;
};

struct DockState {
    DockEdge edge = DockEdge::Bottom;
    int topOffset = 70;
    int bottomOffset = 0;
};

struct AppSettings {
    std::wstring fontFace = L"宋体";
    int fontSize = 35;
    bool bold = true;
    COLORREF textColor = 255;
    COLORREF amountColor = 255;
    bool textOutline = false;
    COLORREF outlineColor = 16777215;
    int outlineSize = 2;
    bool textShadow = false;
    COLORREF shadowColor = 0;
    int shadowSize = 3;
    COLORREF bgColor = 1970181;
    std::wstring titlePrefix = L"捐款人名单:";
    std::wstring separator = L"、";
    int nameAmountGap = 10;
    std::wstring amountUnit = L"元";
    bool thousandsSeparator = false;
    ScrollDirection direction = ScrollDirection::Horizontal;
    int speed = 3;
    int x = 0;
    int y = 0;
    int width = 1000;
    int height = 128;
    bool topMost = true;
    std::wstring monitor;
    std::wstring value = L"Ctrl+Alt+D";
    std::wstring horizontal = L"Ctrl+Alt+H";
    std::wstring vertical = L"Ctrl+Alt+V";
    std::wstring pause = L"Ctrl+Alt+P";
};

// Per-direction records beside the settings, indexed by ScrollDirection.
struct DirectionRecords {
    std::array<DirectionLayout, 2> layouts{};
    std::array<DockState, 2> docks{};
    ScrollDirection lastAppliedDirection = ScrollDirection::Horizontal;
};

// Work area of the primary monitor (first monitor, then the system work area).
RECT PrimaryWorkArea();

// All defaults, with the caption geometry and monitor taken from the primary screen.
AppSettings MakeDefaultSettings();

// Default layouts and dock states for the given primary work area.
DirectionRecords MakeDefaultDirectionRecords(const RECT& primaryWorkArea);
