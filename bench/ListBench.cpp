// Timings of the list file and the amount helpers. Prints one line per
// figure, "name value unit", each the median of repeated runs.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchTiming.h"
#include "app/AppState.h"
#include "core/list/AmountText.h"
#include "commands/ListStore.h"

namespace {

DonationList MakeList(size_t count) {
    static const wchar_t* const names[] = {L"张三", L"李四有限公司", L"Zhang Wei", L"北京市某某慈善基金会", L"王五"};
    static const wchar_t* const amounts[] = {L"1000元", L"1,000元", L"5万", L"1234567.5元", L"100美元"};
    DonationList list;
    list.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        list.push_back({std::wstring(names[i % 5]) + std::to_wstring(i), amounts[i % 5]});
    }
    return list;
}


void BenchFile(size_t count, const std::wstring& folder) {
    g_app.listPath = folder + L"\\donations.txt";
    DeleteFileW(g_app.listPath.c_str());
    DeleteFileW((g_app.listPath + L".bak").c_str());
    const DonationList base = MakeList(count);
    const int runs = count >= 100000 ? 7 : 21;
    char name[64];

    // Each run changes one entry, so every save writes the file and the backup.
    const double changed = MedianMs(runs, [&](int i) {
        g_app.list = base;
        g_app.list[0].amount = std::to_wstring(i) + L"元";
        SaveDonationList();
    });
    std::snprintf(name, sizeof(name), "save_%zu_changed", count);
    PrintFigure(name, changed, "ms");

    const double unchanged = MedianMs(runs, [&](int) { SaveDonationList(); });
    std::snprintf(name, sizeof(name), "save_%zu_unchanged", count);
    PrintFigure(name, unchanged, "ms");

    const double load = MedianMs(runs, [&](int) { LoadDonationList(); });
    std::snprintf(name, sizeof(name), "load_%zu", count);
    PrintFigure(name, load, "ms");
    if (g_app.list.size() != count || !g_app.listSaved) std::printf("error: list of %zu did not round-trip\n", count);
}

void BenchAmounts() {
    static const wchar_t* const inputs[] = {L"1000", L"1,000.00", L"1，000", L"1234567.50", L"100.", L"5万",
                                            L"-2500", L"￥3000", L"12,34", L"匿名"};
    const int calls = 200000;
    size_t sink = 0;
    const double total = MedianMs(9, [&](int) {
        for (int i = 0; i < calls; ++i) {
            const std::wstring stored = NormalizeAmount(inputs[i % 10], L"元");
            sink += FormatAmountForDisplay(stored, true).size();
        }
    });
    PrintFigure("normalize_and_format_per_call", total * 1e6 / calls, "ns");
    if (sink == 0) std::printf("error: nothing formatted\n");
}

}  // namespace

void RunListBenchmarks() {
    const std::wstring folder = MakeBenchFolder(L"velmaro-bench");
    for (size_t count : {1000u, 10000u, 100000u}) BenchFile(count, folder);
    BenchAmounts();
    DeleteFileW(g_app.listPath.c_str());
    DeleteFileW((g_app.listPath + L".bak").c_str());
    RemoveDirectoryW(folder.c_str());
    g_app.list.clear();
}
