// The one process-wide record: the plain data (settings, list, undo history,
// paths, flags) and the two objects that own the windows and everything they
// draw with, the control panel and the caption. It is read and written on the
// user-interface thread only; the motion timer thread reads `paused` and the
// caption's pending-frame flag alone.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "platform/WinHandles.h"
#include "core/caption/MonitorList.h"
#include "core/list/DonationList.h"
#include "core/list/ListFile.h"
#include "core/list/UndoHistory.h"
#include "core/settings/AppSettings.h"

// What the program knows about the list file beyond its contents.
struct ListFileStatus {
    bool unread = false;              // it exists but has never been read this run
    bool unsavedCopyWritten = false;  // "<list>.unsaved" holds entries not yet in the list file
    bool takenIn = false;             // the last save took the file's entries in: show them
    std::wstring saveNote;            // what the last save did beyond saving
    std::wstring saveFailure;         // why the last save failed, when there is more to say
    std::wstring startupNote;         // what start-up has to tell about the list file
    ListFileStamp stamp;              // what the file held when this program last read or wrote it
    unsigned reloads = 0;             // how often another program's change was taken in
    std::wstring reloadNote;          // a reload the next list change reports first
    bool unreadableReported = false;  // the file turned unreadable and the operator was told
};

struct Caption;
struct ControlPanel;
class ListFileWatcher;

struct AppState {
    AppState();
    ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    // Always there; their windows exist from start-up to the exit.
    std::unique_ptr<ControlPanel> panel;
    std::unique_ptr<Caption> caption;

    HINSTANCE instance = nullptr;
    LONGLONG counterFrequency = 0;
    LONGLONG lastFrameCounter = 0;
    double dpiScale = 1.0;

    std::wstring programFolder;
    std::wstring listPath;
    std::wstring settingsPath;

    AppSettings settings;
    DirectionRecords directions;
    DonationList list;
    UndoHistory undoHistory;
    std::vector<size_t> viewRows;
    std::wstring statusText = L"就绪";
    std::vector<MonitorEntry> monitors;

    std::atomic<bool> paused{true};  // read by the motion timer thread too
    bool playbackEverToggled = false;  // started or paused at least once this run
    bool exiting = false;
    bool listSaved = true;
    ListFileStatus listFile;
    std::unique_ptr<ListFileWatcher> listWatch;  // another program's writes to the list file
    bool captionFormatDirty = true;
    bool captionLayoutDirty = true;
    bool captionStripDirty = true;

    HWND helpWindow = nullptr;
    HWND importWindow = nullptr;
    HWND cellEditor = nullptr;
    size_t editedListIndex = 0;
    int editedColumn = 1;
    bool commitGuard = false;

    int registeredHotkeyCount = 0;  // how many of the four global hotkeys are ours
    UniqueAccelerators accelerators;
    NOTIFYICONDATAW notifyIcon{};
};

extern AppState g_app;
