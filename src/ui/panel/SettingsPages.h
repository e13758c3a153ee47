// The scrollable settings pane (V2InspectorWindow) and its three pages. Each
// control on a page is a PageControl record with its place on the page; only
// the current page's controls are shown, moved by the page's scroll position.
#pragma once

#include <windows.h>

#include <array>
#include <vector>

struct PageControl {
    HWND window = nullptr;
    int id = 0;
    int page = 0;
    RECT rect{};  // logical pixels relative to the page's top
};

struct SettingsPagesState {
    std::vector<PageControl> controls;
    std::array<int, 3> scrollPos{};
    std::array<int, 3> wheelRemainder{};  // wheel delta not yet turned into scrolling
    int nextLabelId = 9000;
};

constexpr std::array<int, 3> kPageContentHeight = {456, 416, 364};
constexpr wchar_t kInspectorClass[] = L"V2InspectorWindow";
constexpr wchar_t kPreviewClass[] = L"V2PreviewWindow";

LRESULT CALLBACK InspectorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A control on a settings page; a label (id 0) gets an id of its own from 9000 on.
HWND AddPageControl(int page, const wchar_t* className, const wchar_t* text, DWORD extraStyle, int id, int x, int y,
                    int width, int height);

constexpr int kScrollLine = 24;        // logical pixels per scroll-bar arrow click
constexpr int kWheelNotchScroll = 42;  // logical pixels per wheel notch

// The page position after a wheel delta; finer deltas gather in the remainder.
int WheelScroll(int position, int& remainder, int delta);

// The page's scroll position, clamped to its content.
int ClampPageScroll(int position, int contentHeight, int viewHeight);

// Shows the current page's controls at their scrolled places, hides the rest.
void ShowSettingsPage();

// Switches the settings pane to the given page.
void SelectSettingsPage(int page);
