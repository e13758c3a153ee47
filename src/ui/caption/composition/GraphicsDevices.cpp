#include "ui/caption/composition/GraphicsDevices.h"

#include "platform/GraphicsLibrary.h"

namespace {

HRESULT CreateD3DDevice(D3D_DRIVER_TYPE driver, GraphicsDevices& d) {
    const D3D_FEATURE_LEVEL levels[] = {D3D_FEATURE_LEVEL_11_0, D3D_FEATURE_LEVEL_10_1, D3D_FEATURE_LEVEL_10_0};
    return SystemD3D11CreateDevice(nullptr, driver, D3D11_CREATE_DEVICE_BGRA_SUPPORT, levels, 3,
                                   d.d3d.ReleaseAndGetAddressOf(), nullptr, d.d3dContext.ReleaseAndGetAddressOf());
}

HRESULT CreateDevices(GraphicsDevices& d) {
    HRESULT hr = CreateD3DDevice(D3D_DRIVER_TYPE_HARDWARE, d);
    d.warp = FAILED(hr);
    if (FAILED(hr)) hr = CreateD3DDevice(D3D_DRIVER_TYPE_WARP, d);
    if (FAILED(hr)) return hr;
    if (FAILED(hr = d.d3d.As(&d.dxgi))) return hr;
    Microsoft::WRL::ComPtr<IDXGIDevice1> latency;
    if (SUCCEEDED(d.dxgi.As(&latency))) latency->SetMaximumFrameLatency(1);  // pacing only: a failure is harmless
    Microsoft::WRL::ComPtr<IDXGIAdapter> adapter;
    if (FAILED(hr = d.dxgi->GetAdapter(&adapter))) return hr;
    if (FAILED(hr = adapter->GetParent(__uuidof(IDXGIFactory2), &d.dxgiFactory))) return hr;

    D2D1_FACTORY_OPTIONS options{};
    options.debugLevel = D2D1_DEBUG_LEVEL_NONE;
    hr = SystemD2D1CreateFactory(D2D1_FACTORY_TYPE_SINGLE_THREADED, __uuidof(ID2D1Factory1), &options,
                                 reinterpret_cast<void**>(d.d2dFactory.ReleaseAndGetAddressOf()));
    if (FAILED(hr)) return hr;
    if (FAILED(hr = d.d2dFactory->CreateDevice(d.dxgi.Get(), &d.d2dDevice))) return hr;
    if (FAILED(hr = d.d2dDevice->CreateDeviceContext(D2D1_DEVICE_CONTEXT_OPTIONS_NONE, &d.dc))) return hr;
    d.dc->SetDpi(96.0f, 96.0f);
    d.dc->SetTextAntialiasMode(D2D1_TEXT_ANTIALIAS_MODE_GRAYSCALE);
    return SystemDWriteCreateFactory(DWRITE_FACTORY_TYPE_SHARED, __uuidof(IDWriteFactory),
                                     reinterpret_cast<IUnknown**>(d.dwrite.ReleaseAndGetAddressOf()));
}

}  // namespace

HRESULT GraphicsDevices::Create() {
    const HRESULT hr = CreateDevices(*this);
    if (FAILED(hr)) Release();
    return hr;
}

void GraphicsDevices::Release() {
    dwrite.Reset();
    dc.Reset();
    d2dDevice.Reset();
    d2dFactory.Reset();
    dxgiFactory.Reset();
    dxgi.Reset();
    d3dContext.Reset();
    d3d.Reset();
    warp = false;
}
