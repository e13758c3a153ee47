#include "app/Startup.h"

#include <objidl.h>  // before gdiplus.h, which needs PROPID
#include <gdiplus.h>
#include <commctrl.h>

#include "app/Accelerators.h"
#include "app/AppState.h"
#include "app/ListFileWatch.h"
#include "ui/caption/Caption.h"
#include "platform/Dpi.h"
#include "commands/ExitCommands.h"
#include "app/MessageLoop.h"
#include "app/SingleInstance.h"
#include "ui/tray/Tray.h"
#include "ui/caption/CaptionFont.h"
#include "ui/caption/CaptionPlacement.h"
#include "ui/caption/CaptionWindow.h"
#include "ui/caption/LayeredRenderer.h"
#include "ui/caption/composition/CompositionRenderer.h"
#include "ui/caption/Monitors.h"
#include "commands/ListStore.h"
#include "commands/OutsideChanges.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/PanelViews.h"
#include "ui/panel/StatusLine.h"
#include "platform/CommonControls.h"
#include "platform/GdiplusLibrary.h"
#include "platform/SystemLibrary.h"
#include "platform/SystemTimer.h"
#include "commands/SettingsCommands.h"
#include "app/Hotkeys.h"

std::wstring ProgramFolderFromModulePath(std::wstring_view path) {
    const size_t separator = path.find_last_of(L"\\/");
    if (separator == std::wstring_view::npos) return L".";
    return std::wstring(path.substr(0, separator));
}

HICON LoadApplicationIcon(int size) {
    return static_cast<HICON>(LoadImageW(g_app.instance, MAKEINTRESOURCEW(kApplicationIconId), IMAGE_ICON, size, size,
                                         LR_SHARED));
}

void StartPlatform(HINSTANCE instance) {
    g_app.instance = instance;
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    g_app.counterFrequency = frequency.QuadPart;
    BeginTimerPeriod(1);

    MakeProcessDpiAware();
    g_app.dpiScale = DpiScaleFromDpi(SystemDpi());

    InitialiseCommonControls();
}

void InitialiseCommonControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES;
    comctl::InitCommonControlsEx(&controls);
}

void FindProgramFiles() {
    wchar_t modulePath[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, modulePath, MAX_PATH);
    g_app.programFolder = ProgramFolderFromModulePath(std::wstring_view(modulePath, length));
    g_app.listPath = g_app.programFolder + L"\\donations.txt";
    g_app.settingsPath = g_app.programFolder + L"\\settings.ini";
}

void LoadStartupData() {
    RefreshMonitorList();
    g_app.settings = MakeDefaultSettings();
    g_app.directions = MakeDefaultDirectionRecords(PrimaryWorkArea());
    LoadSettings(g_app);
    LoadDonationList();
}

void RegisterWindowClasses() {
    InitialiseCommonControls();  // the panel's controls are of these classes
    HICON icon = LoadApplicationIcon(GetSystemMetrics(SM_CXICON));
    RegisterCaptionWindowClass(g_app.instance, icon);
    RegisterLargeCheckboxClass(g_app.instance);
    RegisterControlPanelClass(g_app.instance, icon);
}

void CreateMainWindows() {
    // The composition renderer first; where it cannot start (Wine has no
    // DirectComposition) the caption window turns layered at creation.
    SetCaptionRenderers(g_app.caption->composition.get(), &g_app.caption->layered);
    g_app.caption->window = CreateCaptionWindow(g_app.instance);
    g_app.panel->icon = LoadApplicationIcon(ScaleLogical(28, g_app.dpiScale));
    g_app.panel->window = CreateControlPanel(g_app.instance, PrimaryWorkArea());

    HICON bigIcon = LoadApplicationIcon(GetSystemMetrics(SM_CXICON));
    for (HWND window : {g_app.caption->window, g_app.panel->window}) {
        if (window) SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
    }
    RebuildCaptionFont();
    std::wstring note = ListStartupStatus();
    const std::wstring fallback = SessionFallbackNote(g_app.listPath);
    if (!fallback.empty()) note = note.empty() ? fallback : note + L" · " + fallback;
    if (!note.empty()) SetStatusText(note, true);
}

// Another program's change to the list file shows up within about a second.
void WatchListFile() {
    ListFileWatcher::Callbacks callbacks;
    callbacks.prepare = [](std::wstring& unit, ListFileStamp& known) {
        if (!WatchesForOutsideChanges(g_app)) return false;
        unit = g_app.settings.amountUnit;
        known = g_app.listFile.stamp;
        return true;
    };
    callbacks.apply = [](ListFileRead&& read) {
        return TakeInListFileRead(g_app, ProgramViews(), std::move(read)) == OutsideChange::Unreadable;
    };
    g_app.listWatch->Start(g_app.instance, g_app.listPath, std::move(callbacks));
    TakeInOutsideChange(g_app, ProgramViews());  // a change made since start-up read the file
}

void ShowMainWindows(int showCommand) {
    if (g_app.caption->window) {
        ShowWindow(g_app.caption->window, g_app.paused ? SW_HIDE : SW_SHOWNOACTIVATE);
        UpdateWindow(g_app.caption->window);
    }
    if (g_app.panel->window) {
        ShowWindow(g_app.panel->window, showCommand);
        UpdateWindow(g_app.panel->window);
    }
}

void ShutdownPlatform() {
    SaveSettings(g_app);
    g_app.caption->layered.Release();
    g_app.accelerators.reset();
    g_app.caption->font.reset();
    EndTimerPeriod(1);
}

// The panel is made of common controls and the caption is drawn with GDI+:
// without either there is nothing to show, so the operator is told why.
bool SystemComponentsOrExplain() {
    std::wstring missing;
    if (LoadCommonControls(missing) && LoadGdiplus(missing)) return true;
    const std::wstring text = L"无法加载系统组件 " + missing + L"，程序无法启动。\n请确认 Windows 系统文件完好。";
    MessageBoxW(nullptr, text.c_str(), L"Velmaro", MB_ICONERROR | MB_OK);
    return false;
}

int RunVelmaro(HINSTANCE instance, int showCommand) {
    if (!SystemComponentsOrExplain()) return 1;
    // Before anything else is made: a second start in the same folder only
    // brings the running program forward.
    FindProgramFiles();
    UniqueHandle folderClaim;
    if (!ClaimProgramFolder(g_app.programFolder, folderClaim)) {
        BringFirstInstanceForward(g_app.programFolder);
        return 0;
    }
    // Ends after ShutdownPlatform has released the caption's GDI+ objects.
    GdiplusSession gdiplus;
    StartPlatform(instance);
    LoadStartupData();
    RegisterWindowClasses();
    CreateMainWindows();
    WatchListFile();
    AddTrayIcon();
    KeepUsableHotkeys(g_app);
    RegisterHotkeys();
    g_app.accelerators.reset(CreateAltAcceleratorTable());
    if (g_app.caption->window) ApplyCaptionPlacement();
    ShowMainWindows(showCommand);
    RunMessageLoop();
    ShutdownPlatform();
    return 0;
}
