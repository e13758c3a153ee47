// A presenter for tests: the composition renderer draws into an offscreen
// Direct2D bitmap that the test reads back, and ending a frame reports
// whatever results the test chooses.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "ui/caption/composition/CaptionPresenter.h"

class OffscreenPresenter final : public CaptionPresenter {
public:
    HRESULT attachResult = S_OK;
    HRESULT drawnResult = S_OK;      // reported instead of EndDraw's own result when not S_OK
    HRESULT presentedResult = S_OK;  // what presenting reports
    int targetsMade = 0;
    int resizes = 0;
    int frames = 0;
    int width = 0;
    int height = 0;

    HRESULT Attach(HWND, const GraphicsDevices&) override { return attachResult; }

    HRESULT EnsureTarget(const GraphicsDevices& devices, int w, int h,
                         Microsoft::WRL::ComPtr<ID2D1Bitmap1>& target) override {
        const D2D1_BITMAP_PROPERTIES1 properties = D2D1::BitmapProperties1(
            D2D1_BITMAP_OPTIONS_TARGET,
            D2D1::PixelFormat(DXGI_FORMAT_B8G8R8A8_UNORM, D2D1_ALPHA_MODE_PREMULTIPLIED), 96.0f, 96.0f);
        const HRESULT hr = devices.dc->CreateBitmap(D2D1::SizeU(static_cast<UINT32>(w), static_cast<UINT32>(h)),
                                                    nullptr, 0, &properties, target_.ReleaseAndGetAddressOf());
        if (FAILED(hr)) return hr;
        if (targetsMade == 0) {
            ++targetsMade;
        } else {
            ++resizes;
        }
        width = w;
        height = h;
        context_ = devices.d3dContext;
        target = target_;
        return S_OK;
    }

    FrameResult EndFrame(ID2D1DeviceContext& dc) override {
        FrameResult result;
        result.drawn = dc.EndDraw();
        if (drawnResult != S_OK) result.drawn = drawnResult;
        if (FAILED(result.drawn)) return result;
        result.presented = presentedResult;
        // What a present with a frame latency of one does: the frame's
        // commands go to the device, and the next frame waits until they are
        // done. Without it, frames queue up faster than a software device
        // draws them, and their memory with them.
        WaitForTheDevice();
        ++frames;
        return result;
    }

    void Release() override {
        target_.Reset();
        context_.Reset();
    }

    // The last frame's pixels, premultiplied BGRA, row by row; empty on failure.
    std::vector<uint32_t> ReadPixels(ID2D1DeviceContext& dc) const {
        std::vector<uint32_t> pixels;
        if (!target_) return pixels;
        const D2D1_BITMAP_PROPERTIES1 properties = D2D1::BitmapProperties1(
            D2D1_BITMAP_OPTIONS_CPU_READ | D2D1_BITMAP_OPTIONS_CANNOT_DRAW,
            D2D1::PixelFormat(DXGI_FORMAT_B8G8R8A8_UNORM, D2D1_ALPHA_MODE_PREMULTIPLIED), 96.0f, 96.0f);
        Microsoft::WRL::ComPtr<ID2D1Bitmap1> readable;
        const D2D1_SIZE_U size = D2D1::SizeU(static_cast<UINT32>(width), static_cast<UINT32>(height));
        if (FAILED(dc.CreateBitmap(size, nullptr, 0, &properties, &readable))) return pixels;
        if (FAILED(readable->CopyFromBitmap(nullptr, target_.Get(), nullptr))) return pixels;
        D2D1_MAPPED_RECT mapped{};
        if (FAILED(readable->Map(D2D1_MAP_OPTIONS_READ, &mapped))) return pixels;
        pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
        for (int y = 0; y < height; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(mapped.bits + static_cast<size_t>(y) * mapped.pitch);
            std::copy(row, row + width, pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
        }
        readable->Unmap();
        return pixels;
    }

private:
    void WaitForTheDevice() {
        if (!context_) return;
        Microsoft::WRL::ComPtr<ID3D11Device> device;
        context_->GetDevice(&device);
        D3D11_QUERY_DESC description{D3D11_QUERY_EVENT, 0};
        Microsoft::WRL::ComPtr<ID3D11Query> done;
        if (!device || FAILED(device->CreateQuery(&description, &done))) {
            context_->Flush();
            return;
        }
        context_->End(done.Get());
        BOOL finished = FALSE;
        while (context_->GetData(done.Get(), &finished, sizeof(finished), 0) == S_FALSE) Sleep(0);
    }

    Microsoft::WRL::ComPtr<ID2D1Bitmap1> target_;
    Microsoft::WRL::ComPtr<ID3D11DeviceContext> context_;
};
