// The creation functions of Direct3D 11, Direct2D, DirectWrite and
// DirectComposition, taken from the system folder's DLLs on first use (never
// imported at load time, so a DLL of those names beside the program never
// runs). A DLL or function that cannot be found reports
// HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND); the caller treats it as any other
// failure to create the object.
#pragma once

#include <windows.h>

#include <d2d1_1.h>
#include <d3d11.h>
#include <dcomp.h>
#include <dwrite.h>

HRESULT SystemD3D11CreateDevice(IDXGIAdapter* adapter, D3D_DRIVER_TYPE driver, UINT flags,
                                const D3D_FEATURE_LEVEL* levels, UINT levelCount, ID3D11Device** device,
                                D3D_FEATURE_LEVEL* level, ID3D11DeviceContext** context);
HRESULT SystemD2D1CreateFactory(D2D1_FACTORY_TYPE type, REFIID iid, const D2D1_FACTORY_OPTIONS* options,
                                void** factory);
HRESULT SystemDWriteCreateFactory(DWRITE_FACTORY_TYPE type, REFIID iid, IUnknown** factory);
HRESULT SystemDCompositionCreateDevice(IDXGIDevice* device, REFIID iid, void** compositionDevice);
