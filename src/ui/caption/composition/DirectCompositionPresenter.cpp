#include "ui/caption/composition/DirectCompositionPresenter.h"

#include "platform/GraphicsLibrary.h"

FrameOutcome OutcomeOf(const FrameResult& result) {
    const auto lost = [](HRESULT hr) {
        return hr == static_cast<HRESULT>(DXGI_ERROR_DEVICE_REMOVED) || hr == static_cast<HRESULT>(DXGI_ERROR_DEVICE_RESET);
    };
    if (lost(result.drawn) || result.drawn == static_cast<HRESULT>(D2DERR_RECREATE_TARGET)) {
        return FrameOutcome::DeviceLost;
    }
    if (FAILED(result.drawn)) return FrameOutcome::Failed;
    if (lost(result.presented)) return FrameOutcome::DeviceLost;
    // Success codes such as DXGI_STATUS_OCCLUDED count as presented.
    return FAILED(result.presented) ? FrameOutcome::Failed : FrameOutcome::Presented;
}

namespace {

// Set when DirectComposition is missing or not implemented (Wine): that does
// not change while the program runs.
bool g_compositionMissing = false;

}  // namespace

bool DirectCompositionPresenter::Available() const { return !g_compositionMissing; }

HRESULT DirectCompositionPresenter::Attach(HWND window, const GraphicsDevices& devices) {
    HRESULT hr = SystemDCompositionCreateDevice(devices.dxgi.Get(), __uuidof(IDCompositionDevice),
                                                reinterpret_cast<void**>(device_.ReleaseAndGetAddressOf()));
    if (hr == E_NOTIMPL || hr == HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND)) g_compositionMissing = true;
    if (FAILED(hr)) return hr;
    if (FAILED(hr = device_->CreateTargetForHwnd(window, TRUE, &target_))) return hr;
    if (FAILED(hr = device_->CreateVisual(&visual_))) return hr;
    return target_->SetRoot(visual_.Get());
}

HRESULT DirectCompositionPresenter::MakeSwapChain(const GraphicsDevices& devices, int width, int height) {
    DXGI_SWAP_CHAIN_DESC1 description{};
    description.Width = static_cast<UINT>(width);
    description.Height = static_cast<UINT>(height);
    description.Format = DXGI_FORMAT_B8G8R8A8_UNORM;
    description.SampleDesc.Count = 1;
    description.BufferUsage = DXGI_USAGE_RENDER_TARGET_OUTPUT;
    description.BufferCount = 2;
    description.Scaling = DXGI_SCALING_STRETCH;
    description.SwapEffect = DXGI_SWAP_EFFECT_FLIP_SEQUENTIAL;
    description.AlphaMode = DXGI_ALPHA_MODE_PREMULTIPLIED;
    HRESULT hr = devices.dxgiFactory->CreateSwapChainForComposition(devices.d3d.Get(), &description, nullptr,
                                                                    &swapChain_);
    if (FAILED(hr)) return hr;
    if (FAILED(hr = visual_->SetContent(swapChain_.Get()))) return hr;
    return device_->Commit();
}

HRESULT DirectCompositionPresenter::EnsureTarget(const GraphicsDevices& devices, int width, int height,
                                                 Microsoft::WRL::ComPtr<ID2D1Bitmap1>& target) {
    if (!device_ || !visual_) return E_UNEXPECTED;
    HRESULT hr = swapChain_ ? swapChain_->ResizeBuffers(2, static_cast<UINT>(width), static_cast<UINT>(height),
                                                        DXGI_FORMAT_B8G8R8A8_UNORM, 0)
                            : MakeSwapChain(devices, width, height);
    if (FAILED(hr)) return hr;
    Microsoft::WRL::ComPtr<IDXGISurface> surface;
    if (FAILED(hr = swapChain_->GetBuffer(0, __uuidof(IDXGISurface), &surface))) return hr;
    const D2D1_BITMAP_PROPERTIES1 properties = D2D1::BitmapProperties1(
        D2D1_BITMAP_OPTIONS_TARGET | D2D1_BITMAP_OPTIONS_CANNOT_DRAW,
        D2D1::PixelFormat(DXGI_FORMAT_B8G8R8A8_UNORM, D2D1_ALPHA_MODE_PREMULTIPLIED), 96.0f, 96.0f);
    return devices.dc->CreateBitmapFromDxgiSurface(surface.Get(), &properties, target.ReleaseAndGetAddressOf());
}

FrameResult DirectCompositionPresenter::EndFrame(ID2D1DeviceContext& dc) {
    FrameResult result;
    result.drawn = dc.EndDraw();
    if (FAILED(result.drawn) || !swapChain_) return result;
    result.presented = swapChain_->Present(1, 0);
    return result;
}

void DirectCompositionPresenter::Release() {
    swapChain_.Reset();
    visual_.Reset();
    target_.Reset();
    device_.Reset();
}
