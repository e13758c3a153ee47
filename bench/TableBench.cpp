// Timings of the donation table: a refill at 1,000 and 10,000 entries, and
// Enter in the amount box until the entry is saved and the table repainted.
#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "BenchTiming.h"
#include "app/AppState.h"
#include "app/ListFileWatch.h"
#include "ui/caption/Caption.h"
#include "ui/panel/ControlPanel.h"
#include "app/MessageLoop.h"
#include "app/Startup.h"
#include "commands/ListStore.h"
#include "commands/OutsideChanges.h"
#include "platform/FileIo.h"
#include "ui/panel/PanelViews.h"
#include "ui/panel/DonationTable.h"
#include "ui/panel/PanelIds.h"

namespace {

DonationList MakeTableList(size_t count) {
    static const wchar_t* const names[] = {L"张三", L"李四有限公司", L"Zhang Wei", L"北京市某某慈善基金会", L"王五"};
    static const wchar_t* const amounts[] = {L"1000元", L"1,000元", L"5万", L"1234567.5元", L"100美元"};
    DonationList list;
    for (size_t i = 0; i < count; ++i) list.push_back({std::wstring(names[i % 5]) + std::to_wstring(i), amounts[i % 5]});
    return list;
}

void DrainQueue() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_QUIT) continue;
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

void BenchRefill(size_t count) {
    g_app.list = MakeTableList(count);
    HWND table = GetDlgItem(g_app.panel->window, kIdDonationTable);
    const double ms = MedianMs(9, [&](int) {
        RefreshDonationTable();
        UpdateWindow(table);
    });
    char name[64];
    std::snprintf(name, sizeof name, "table_refresh_%zu", count);
    PrintFigure(name, ms, "ms");
}

// The key goes through the program's own message routing, as typed.
void BenchEnterToSaved(size_t count) {
    HWND panel = g_app.panel->window;
    HWND nameBox = GetDlgItem(panel, kIdNameBox);
    HWND amountBox = GetDlgItem(panel, kIdAmountBox);
    HWND table = GetDlgItem(panel, kIdDonationTable);
    g_app.list = MakeTableList(count);
    SaveDonationList();
    RefreshDonationTable();
    const double ms = MedianMs(9, [&](int i) {
        SetWindowTextW(nameBox, (L"新捐款人" + std::to_wstring(i)).c_str());
        SetWindowTextW(amountBox, L"2000");
        SetFocus(amountBox);
        MSG key{};
        key.hwnd = amountBox;
        key.message = WM_KEYDOWN;
        key.wParam = VK_RETURN;
        RouteMessage(key);
        UpdateWindow(table);
    });
    char name[64];
    std::snprintf(name, sizeof name, "enter_to_saved_and_shown_%zu", count);
    PrintFigure(name, ms, "ms");
}

// Another program rewrites the file (through a rename, from its own thread);
// the time from its write until the table shows the new entry: median and
// worst of 20, with the program's own watcher and debounce.
void BenchOutsideEditToTable(size_t count) {
    HWND table = GetDlgItem(g_app.panel->window, kIdDonationTable);
    g_app.list = MakeTableList(count);
    SaveDonationList();
    RefreshDonationTable();
    WatchListFile();
    std::vector<double> delays;
    for (int i = 0; i < 20; ++i) {
        DonationList outside = MakeTableList(count);
        outside.push_back({L"外部添加" + std::to_wstring(i), L"1元"});
        const std::string bytes = SerializeDonationList(outside);
        const std::wstring temporary = g_app.listPath + L".~outside";
        std::thread writer([&] {
            WriteFlushedFile(temporary, bytes);
            MoveFileExW(temporary.c_str(), g_app.listPath.c_str(), MOVEFILE_REPLACE_EXISTING);
        });
        writer.join();
        const double start = NowMs();
        const unsigned reloads = g_app.listFile.reloads;
        while (g_app.listFile.reloads == reloads && NowMs() - start < 5000) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            DrainQueue();
        }
        UpdateWindow(table);
        delays.push_back(NowMs() - start);
        Sleep(50);
    }
    g_app.listWatch->Stop();
    std::sort(delays.begin(), delays.end());
    char name[64];
    std::snprintf(name, sizeof name, "outside_edit_to_table_median_%zu", count);
    PrintFigure(name, delays[delays.size() / 2], "ms");
    std::snprintf(name, sizeof name, "outside_edit_to_table_worst_%zu", count);
    PrintFigure(name, delays.back(), "ms");
}

// Taking a large outside change in: the read and parse on the watcher's
// worker thread, and the window thread's share (the undo step, the table
// refill), during which the caption's frames wait.
void BenchOutsideReload(size_t count) {
    g_app.list = MakeTableList(count);
    SaveDonationList();
    RefreshDonationTable();
    std::vector<double> times;
    std::vector<double> readTimes;
    for (int i = 0; i < 5; ++i) {
        DonationList outside = MakeTableList(count);
        outside[static_cast<size_t>(i)].name += L"（已更正）";
        WriteFlushedFile(g_app.listPath, SerializeDonationList(outside));
        const double readStart = NowMs();  // the watcher's worker thread does this part
        ListFileRead read = ReadListFileIfChanged(g_app.listPath, g_app.settings.amountUnit, g_app.listFile.stamp);
        readTimes.push_back(NowMs() - readStart);
        const double start = NowMs();
        TakeInListFileRead(g_app, ProgramViews(), std::move(read));
        times.push_back(NowMs() - start);
    }
    std::sort(times.begin(), times.end());
    std::sort(readTimes.begin(), readTimes.end());
    char readName[64];
    std::snprintf(readName, sizeof readName, "outside_reload_read_on_worker_%zu", count);
    PrintFigure(readName, readTimes[readTimes.size() / 2], "ms");
    const double ms = times[times.size() / 2];
    char name[64];
    std::snprintf(name, sizeof name, "outside_reload_on_window_thread_%zu", count);
    PrintFigure(name, ms, "ms");
}

}  // namespace

void RunTableBenchmarks() {
    const std::wstring folder = MakeBenchFolder(L"velmaro-table-bench");
    g_app.instance = GetModuleHandleW(nullptr);
    g_app.listPath = folder + L"\\donations.txt";
    g_app.settingsPath = folder + L"\\settings.ini";
    RegisterWindowClasses();
    CreateMainWindows();
    ShowWindow(g_app.panel->window, SW_SHOW);
    DrainQueue();
    for (size_t count : {1000u, 10000u, 100000u}) BenchRefill(count);
    BenchEnterToSaved(10000);
    BenchOutsideEditToTable(1000);
    BenchOutsideReload(100000);
    g_app.exiting = true;
    DestroyWindow(g_app.caption->window);
    DestroyWindow(g_app.panel->window);
    DrainQueue();
    for (const wchar_t* file : {L"donations.txt", L"donations.txt.bak", L"settings.ini", L"donations.txt.~outside"}) {
        DeleteFileW((folder + L"\\" + file).c_str());
    }
    RemoveDirectoryW(folder.c_str());
}
