// The Direct3D, DXGI, Direct2D and DirectWrite objects the composition
// renderer draws with, created together and released in the reverse order.
#pragma once

#include <windows.h>

#include <d2d1_1.h>
#include <d3d11.h>
#include <dwrite.h>
#include <dxgi1_2.h>
#include <wrl/client.h>

struct GraphicsDevices {
    Microsoft::WRL::ComPtr<ID3D11Device> d3d;
    Microsoft::WRL::ComPtr<ID3D11DeviceContext> d3dContext;
    Microsoft::WRL::ComPtr<IDXGIDevice> dxgi;
    Microsoft::WRL::ComPtr<IDXGIFactory2> dxgiFactory;
    Microsoft::WRL::ComPtr<ID2D1Factory1> d2dFactory;
    Microsoft::WRL::ComPtr<ID2D1Device> d2dDevice;
    Microsoft::WRL::ComPtr<ID2D1DeviceContext> dc;
    Microsoft::WRL::ComPtr<IDWriteFactory> dwrite;
    bool warp = false;  // the software driver, when no hardware device could be made

    // Hardware device, else WARP (BGRA support, feature levels 11.0, 10.1,
    // 10.0, frame latency 1), DXGI factory 2, a single-threaded Direct2D 1.1
    // device context at 96 DPI with grayscale text, a shared DirectWrite
    // factory. On failure everything made so far is released.
    HRESULT Create();
    // Drops every object: the DirectWrite factory first, the Direct3D device last.
    void Release();
};
