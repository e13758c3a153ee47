#include "platform/GraphicsLibrary.h"

#include <initializer_list>
#include <string>

#include "platform/SystemLibrary.h"

namespace {

using CreateDevice = decltype(&D3D11CreateDevice);
using CreateD2DFactory = HRESULT(WINAPI*)(D2D1_FACTORY_TYPE, REFIID, const D2D1_FACTORY_OPTIONS*, void**);
using CreateDWriteFactory = decltype(&DWriteCreateFactory);
using CreateCompositionDevice = decltype(&DCompositionCreateDevice);

// The graphics DLLs import one another (Direct2D imports DirectWrite and
// DXGI, Direct3D imports DXGI). Loading each from the system folder first, in
// the order they depend on each other, makes those imports bind to the
// modules already loaded: Wine's loader would otherwise look for them in the
// program's folder. Loaded once, they stay loaded until the process ends.
void LoadGraphicsDllsInOrder() {
    static const bool loaded = [] {
        for (const wchar_t* dll : {L"dxgi.dll", L"d3d11.dll", L"dwrite.dll", L"d2d1.dll", L"dcomp.dll"}) {
            LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        }
        return true;
    }();
    (void)loaded;
}

// One function of one DLL, resolved once; null when it cannot be found.
template <typename Function>
Function Resolve(const wchar_t* dll, const char* name) {
    LoadGraphicsDllsInOrder();
    Function function = nullptr;
    const SystemFunction table[] = {{name, reinterpret_cast<void**>(&function)}};
    std::wstring missing;
    if (!LoadSystemFunctions(dll, table, 1, missing)) return nullptr;
    return function;
}

const HRESULT kNotFound = HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);

}  // namespace

HRESULT SystemD3D11CreateDevice(IDXGIAdapter* adapter, D3D_DRIVER_TYPE driver, UINT flags,
                                const D3D_FEATURE_LEVEL* levels, UINT levelCount, ID3D11Device** device,
                                D3D_FEATURE_LEVEL* level, ID3D11DeviceContext** context) {
    static const CreateDevice create = Resolve<CreateDevice>(L"d3d11.dll", "D3D11CreateDevice");
    if (!create) return kNotFound;
    return create(adapter, driver, nullptr, flags, levels, levelCount, D3D11_SDK_VERSION, device, level, context);
}

HRESULT SystemD2D1CreateFactory(D2D1_FACTORY_TYPE type, REFIID iid, const D2D1_FACTORY_OPTIONS* options,
                                void** factory) {
    static const CreateD2DFactory create = Resolve<CreateD2DFactory>(L"d2d1.dll", "D2D1CreateFactory");
    if (!create) return kNotFound;
    return create(type, iid, options, factory);
}

HRESULT SystemDWriteCreateFactory(DWRITE_FACTORY_TYPE type, REFIID iid, IUnknown** factory) {
    static const CreateDWriteFactory create = Resolve<CreateDWriteFactory>(L"dwrite.dll", "DWriteCreateFactory");
    if (!create) return kNotFound;
    return create(type, iid, factory);
}

HRESULT SystemDCompositionCreateDevice(IDXGIDevice* device, REFIID iid, void** compositionDevice) {
    static const CreateCompositionDevice create =
        Resolve<CreateCompositionDevice>(L"dcomp.dll", "DCompositionCreateDevice");
    if (!create) return kNotFound;
    return create(device, iid, compositionDevice);
}
