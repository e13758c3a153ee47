// The presenter Windows uses: a DirectComposition target on top of the
// caption window, one visual whose content is a composition swap chain of
// two premultiplied BGRA buffers, presented with sync interval 1.
#pragma once

#include <windows.h>

#include <dcomp.h>

#include "ui/caption/composition/CaptionPresenter.h"

class DirectCompositionPresenter final : public CaptionPresenter {
public:
    bool Available() const override;
    HRESULT Attach(HWND window, const GraphicsDevices& devices) override;
    HRESULT EnsureTarget(const GraphicsDevices& devices, int width, int height,
                         Microsoft::WRL::ComPtr<ID2D1Bitmap1>& target) override;
    FrameResult EndFrame(ID2D1DeviceContext& dc) override;
    void Release() override;

private:
    HRESULT MakeSwapChain(const GraphicsDevices& devices, int width, int height);

    Microsoft::WRL::ComPtr<IDCompositionDevice> device_;
    Microsoft::WRL::ComPtr<IDCompositionTarget> target_;
    Microsoft::WRL::ComPtr<IDCompositionVisual> visual_;
    Microsoft::WRL::ComPtr<IDXGISwapChain1> swapChain_;
};
