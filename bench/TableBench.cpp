// Timings of the donation table: a refill at 1,000 and 10,000 entries, and
// Enter in the amount box until the entry is saved and the table repainted.
#include <windows.h>

#include <string>

#include "BenchTiming.h"
#include "app/AppState.h"
#include "app/MessageLoop.h"
#include "app/Startup.h"
#include "commands/ListStore.h"
#include "panel/DonationTable.h"
#include "panel/PanelIds.h"

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
    HWND table = GetDlgItem(g_app.controlPanel, kIdDonationTable);
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
    HWND panel = g_app.controlPanel;
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

}  // namespace

void RunTableBenchmarks() {
    const std::wstring folder = MakeBenchFolder(L"velmaro-table-bench");
    g_app.instance = GetModuleHandleW(nullptr);
    g_app.listPath = folder + L"\\donations.txt";
    g_app.settingsPath = folder + L"\\settings.ini";
    RegisterWindowClasses();
    CreateMainWindows();
    ShowWindow(g_app.controlPanel, SW_SHOW);
    DrainQueue();
    for (size_t count : {1000u, 10000u}) BenchRefill(count);
    BenchEnterToSaved(10000);
    g_app.exiting = true;
    DestroyWindow(g_app.captionWindow);
    DestroyWindow(g_app.controlPanel);
    DrainQueue();
    for (const wchar_t* file : {L"donations.txt", L"donations.txt.bak", L"settings.ini"}) {
        DeleteFileW((folder + L"\\" + file).c_str());
    }
    RemoveDirectoryW(folder.c_str());
}
