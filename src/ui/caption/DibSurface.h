// A 32-bit top-down DIB section selected into its own memory DC: the back
// buffer of the layered caption and each tile of its strip image.
#pragma once

#include <windows.h>

#include <cstdint>

class DibSurface {
public:
    DibSurface() = default;
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;
    ~DibSurface() { Reset(); }

    // Makes a cleared surface of the given size; false (and empty) on failure.
    bool Create(int width, int height);
    void Reset();
    void Clear();

    HDC dc() const { return dc_; }
    uint32_t* pixels() const { return pixels_; }
    int width() const { return width_; }
    int height() const { return height_; }
    bool valid() const { return pixels_ != nullptr; }
    size_t bytes() const { return static_cast<size_t>(width_) * static_cast<size_t>(height_) * 4; }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;  // the DC's own bitmap, selected back before deletion
    uint32_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
