// Timing helpers of the benchmark: medians of repeated runs, one printed
// line per figure ("name value unit").
#pragma once

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

inline double NowMs() {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f{};
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    LARGE_INTEGER c{};
    QueryPerformanceCounter(&c);
    return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(frequency);
}

// Resident memory: Wine reports no private usage, but the working set it does.
inline double ResidentMiB() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    if (!K32GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                 sizeof(counters))) {
        return 0;
    }
    return static_cast<double>(counters.WorkingSetSize) / 1048576.0;
}

template <typename Work>
double MedianMs(int runs, Work work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = NowMs();
        work(i);
        times.push_back(NowMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A fresh folder under the temp folder for one group of benchmarks.
inline std::wstring MakeBenchFolder(const wchar_t* name) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + name + L"-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

inline void PrintFigure(const char* name, double value, const char* unit) {
    std::printf("%s %.3f %s\n", name, value, unit);
}

void RunListBenchmarks();
void RunCaptionBenchmarks();
void RunCompositionBenchmarks();
void RunPacingBenchmarks();
void RunScaleBenchmarks();
void RunTableBenchmarks();
