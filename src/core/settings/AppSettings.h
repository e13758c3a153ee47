// The one settings record. Field names are the keys of settings.ini.
// The active geometry (x, y, width, height, nameAmountGap, speed) belongs to
// the direction now playing; the other direction keeps its own copy in
// `layouts`.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "core/caption/MonitorList.h"

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

inline int DirectionIndex(ScrollDirection d) { return d == ScrollDirection::Vertical ? 1 : 0; }

// Any integer from outside: negative -> Horizontal, positive -> Vertical.
inline ScrollDirection DirectionFromInt(int value) {
    return value > 0 ? ScrollDirection::Vertical : ScrollDirection::Horizontal;
}

// Index of the target monitor in a monitor list: the entry named `monitor`
// (ignoring case), else the one nearest to the caption rectangle, else the
// primary, else 0; -1 for an empty list. `nearest` is the monitor handle the
// platform reports as nearest to `caption`.
int TargetMonitorIndexIn(const std::vector<MonitorEntry>& monitors, const std::wstring& monitor, HMONITOR nearest);

// The active caption rectangle (x, y, width, height).
RECT ActiveCaptionRect(const AppSettings& settings);

// Copies of the active geometry into and out of a direction's layout.
DirectionLayout ActiveLayout(const AppSettings& settings);
void LoadActiveLayout(AppSettings& settings, const DirectionLayout& layout);

// Offset of the dock state's current edge from the active y and height.
void RecordDockOffsetIn(DockState& dock, const AppSettings& settings, const RECT& workArea);

// Default layouts and dock states for the given primary work area.
DirectionRecords MakeDefaultDirectionRecords(const RECT& primaryWorkArea);
