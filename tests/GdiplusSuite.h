// GDI+ started once for a test suite that draws with it.
#pragma once

#include <windows.h>

#include <objidl.h>  // before gdiplus.h, which needs PROPID
#include <gdiplus.h>

template <typename Base>
class WithGdiplus : public Base {
protected:
    static void SetUpTestSuite() {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&token_, &input, nullptr);
    }
    static void TearDownTestSuite() { Gdiplus::GdiplusShutdown(token_); }

private:
    static inline ULONG_PTR token_ = 0;
};
