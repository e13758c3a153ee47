#include "ui/caption/DibSurface.h"

#include <cstring>

bool DibSurface::Create(int width, int height) {
    Reset();
    if (width < 1 || height < 1) return false;
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    if (screen) ReleaseDC(nullptr, screen);
    if (!dc_) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap_ || !bits) {
        Reset();
        return false;
    }
    previous_ = SelectObject(dc_, bitmap_);
    pixels_ = static_cast<uint32_t*>(bits);
    width_ = width;
    height_ = height;
    Clear();
    return true;
}

void DibSurface::Reset() {
    if (dc_ && previous_) SelectObject(dc_, previous_);
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    previous_ = nullptr;
    pixels_ = nullptr;
    width_ = 0;
    height_ = 0;
}

void DibSurface::Clear() {
    if (pixels_) {
        GdiFlush();
        std::memset(pixels_, 0, bytes());
    }
}
