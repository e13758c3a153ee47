// gdiplus.dll from the system folder, loaded on first use (see the .cpp).
#pragma once

#include <windows.h>

#include <string>

// True when GDI+ can be used; otherwise `missing` names what is missing.
bool LoadGdiplus(std::wstring& missing);

// GDI+ started for as long as the object lives. Every GDI+ object must be
// gone before it ends.
class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    bool started() const { return token_ != 0; }

private:
    ULONG_PTR token_ = 0;
};
