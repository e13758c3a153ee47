// The donor list the caption benchmarks play: numbered Chinese names and amounts.
#pragma once

#include <string>

#include "app/AppState.h"

inline void FillBenchList(size_t count) {
    g_app.list.clear();
    g_app.list.shrink_to_fit();
    g_app.list.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        g_app.list.push_back({L"捐赠人" + std::to_wstring(i), std::to_wstring(100 + i % 9000) + L"元"});
    }
}
