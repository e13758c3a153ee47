// The controls of the settings pages: 文字样式 (0), 位置布局 (1) and 快捷键 (2).
#pragma once

#include <windows.h>

#include <vector>

struct PageControlRow {
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    int id;  // 0 for a label, which gets an id of its own
    int x, y, width, height;  // logical pixels from the top of the page
    const wchar_t* tooltip;
};

constexpr int kMinFontSize = 10;
constexpr int kMaxFontSize = 160;

// The table of one page, in creation order.
std::vector<PageControlRow> PageControlRows(int page);

// Creates the controls of the three pages on the settings pane, page by page.
void CreateSettingsPageControls();

// Ties the font size spin buttons to their box and gives them their range.
void AttachFontSizeSpin();
