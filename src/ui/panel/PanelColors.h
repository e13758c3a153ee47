// The control panel's palette (COLORREF, written here as RGB).
#pragma once

#include <windows.h>

constexpr COLORREF kPanelPageColor = RGB(0xF6, 0xF8, 0xF9);
constexpr COLORREF kPanelWhite = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kPanelStatusStrip = RGB(0xEC, 0xF1, 0xF3);
constexpr COLORREF kPanelDivider = RGB(0xDD, 0xE3, 0xE7);
constexpr COLORREF kPanelText = RGB(0x1E, 0x27, 0x2E);
constexpr COLORREF kPanelMutedText = RGB(0x67, 0x73, 0x7C);
constexpr COLORREF kPanelPlayingText = RGB(0x00, 0x75, 0x65);

// The donation table.
constexpr COLORREF kTableOddRow = RGB(0xF8, 0xFA, 0xFB);
constexpr COLORREF kTableHeader = RGB(0xEF, 0xF3, 0xF5);
constexpr COLORREF kTableHeaderHot = RGB(0xE6, 0xF4, 0xEF);
constexpr COLORREF kTableSelectedUnfocused = RGB(0xCF, 0xE8, 0xE2);
