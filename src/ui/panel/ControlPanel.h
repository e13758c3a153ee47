// The control panel: the program's main window.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "ui/caption/preview/PreviewPane.h"
#include "ui/help/HelpWindow.h"
#include "ui/import/ImportWindow.h"
#include "ui/panel/SettingsPages.h"
#include "platform/WinHandles.h"

constexpr wchar_t kControlPanelClass[] = L"VelmaroControlPanel";
constexpr wchar_t kLargeCheckboxClass[] = L"VelmaroLargeCheckbox";
constexpr wchar_t kControlPanelTitle[] = L"Velmaro v2.1.3";

// Logical size the panel asks for before it is capped to the work area.
constexpr int kPanelLogicalWidth = 1160;
constexpr int kPanelLogicalHeight = 850;

// The control panel as one object: what its window draws with, and the state
// of its pages and of the windows it opens. The application record owns one.
struct ControlPanel {
    HWND window = nullptr;          // destroyed by the exit path or by the tests that made it
    bool panelReady = false;        // every control exists
    bool updatingControls = false;  // the settings are being written into the controls
    UniqueFont uiFont;
    UniqueFont titleFont;
    UniqueFont smallFont;
    UniqueFont iconFont;
    UniqueBrush whiteBrush;
    UniqueBrush pageBrush;
    UniqueBrush statusBrush;
    int currentPage = 0;         // 0 文字样式, 1 位置布局, 2 快捷键
    int previewBackground = 0;   // 0 light, 1 dark, 2 red
    HICON icon = nullptr;  // shared resource icon, not owned
    bool altChordUsed = false;     // an Alt accelerator ran since Alt went down
    HWND tooltip = nullptr;        // owned by the panel window, destroyed with it
    WNDPROC editProc = nullptr;    // the edit class's own procedure behind the panel's subclass
    HIMAGELIST rowImages = nullptr;  // freed by DestroyRowImageList; only makes rows S(32) high
    COLORREF customColours[16] = {};  // the colour dialog's custom colours for this run
    SettingsPagesState pages;
    PreviewDragAnchor drag;
    ImportState import;
    HelpWindowState help;
};

// Brings the speed slider, the play, direction and colour buttons, the
// preview and the panel's frame up to date after a change.
void RefreshPanelIndicators();

LRESULT CALLBACK ControlPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

bool RegisterControlPanelClass(HINSTANCE instance, HICON icon);
bool RegisterLargeCheckboxClass(HINSTANCE instance);

// The panel's rectangle: the scaled size capped to the work area, centred in it.
RECT ControlPanelRect(const RECT& workArea, double dpiScale);

HWND CreateControlPanel(HINSTANCE instance, const RECT& workArea);
