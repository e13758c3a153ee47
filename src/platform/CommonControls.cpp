#include "platform/CommonControls.h"

#include "platform/SystemLibrary.h"

namespace {

struct ControlFunctions {
    decltype(&::InitCommonControlsEx) initCommonControlsEx = nullptr;
    decltype(&::SetWindowSubclass) setWindowSubclass = nullptr;
    decltype(&::RemoveWindowSubclass) removeWindowSubclass = nullptr;
    decltype(&::DefSubclassProc) defSubclassProc = nullptr;
    decltype(&::ImageList_Create) imageListCreate = nullptr;
    decltype(&::ImageList_Destroy) imageListDestroy = nullptr;
    decltype(&::TaskDialogIndirect) taskDialogIndirect = nullptr;  // version 6 only: optional
    bool loaded = false;
    std::wstring missing;
};

ControlFunctions LoadControlFunctions() {
    ControlFunctions f;
    const SystemFunction table[] = {
        {"InitCommonControlsEx", reinterpret_cast<void**>(&f.initCommonControlsEx)},
        {"SetWindowSubclass", reinterpret_cast<void**>(&f.setWindowSubclass)},
        {"RemoveWindowSubclass", reinterpret_cast<void**>(&f.removeWindowSubclass)},
        {"DefSubclassProc", reinterpret_cast<void**>(&f.defSubclassProc)},
        {"ImageList_Create", reinterpret_cast<void**>(&f.imageListCreate)},
        {"ImageList_Destroy", reinterpret_cast<void**>(&f.imageListDestroy)},
    };
    f.loaded = LoadSystemFunctions(L"comctl32.dll", table, sizeof(table) / sizeof(table[0]), f.missing);
    if (f.loaded) {
        const SystemFunction optional[] = {{"TaskDialogIndirect", reinterpret_cast<void**>(&f.taskDialogIndirect)}};
        std::wstring absent;
        LoadSystemFunctions(L"comctl32.dll", optional, 1, absent);
    }
    return f;
}

const ControlFunctions& Controls() {
    static const ControlFunctions functions = LoadControlFunctions();
    return functions;
}

struct DialogFunctions {
    decltype(&::ChooseColorW) chooseColor = nullptr;
    decltype(&::ChooseFontW) chooseFont = nullptr;
    decltype(&::GetSaveFileNameW) getSaveFileName = nullptr;
    decltype(&::GetOpenFileNameW) getOpenFileName = nullptr;
    bool loaded = false;
};

DialogFunctions LoadDialogFunctions() {
    DialogFunctions f;
    const SystemFunction table[] = {
        {"ChooseColorW", reinterpret_cast<void**>(&f.chooseColor)},
        {"ChooseFontW", reinterpret_cast<void**>(&f.chooseFont)},
        {"GetSaveFileNameW", reinterpret_cast<void**>(&f.getSaveFileName)},
        {"GetOpenFileNameW", reinterpret_cast<void**>(&f.getOpenFileName)},
    };
    std::wstring missing;
    f.loaded = LoadSystemFunctions(L"comdlg32.dll", table, sizeof(table) / sizeof(table[0]), missing);
    return f;
}

const DialogFunctions& Dialogs() {
    static const DialogFunctions functions = LoadDialogFunctions();
    return functions;
}

}  // namespace

bool LoadCommonControls(std::wstring& missing) {
    missing = Controls().missing;
    return Controls().loaded;
}

namespace comctl {

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* controls) {
    return Controls().loaded && Controls().initCommonControlsEx(controls);
}

BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
    return Controls().loaded && Controls().setWindowSubclass(window, procedure, id, data);
}

BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) {
    return Controls().loaded && Controls().removeWindowSubclass(window, procedure, id);
}

LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Only a subclassed window calls this, and subclassing needs the DLL.
    return Controls().loaded ? Controls().defSubclassProc(window, message, wParam, lParam)
                             : DefWindowProcW(window, message, wParam, lParam);
}

HIMAGELIST ImageList_Create(int width, int height, UINT flags, int initial, int grow) {
    return Controls().loaded ? Controls().imageListCreate(width, height, flags, initial, grow) : nullptr;
}

BOOL ImageList_Destroy(HIMAGELIST list) { return Controls().loaded && Controls().imageListDestroy(list); }

HRESULT TaskDialogIndirect(const TASKDIALOGCONFIG* config, int* button, int* radio, BOOL* verified) {
    if (!Controls().taskDialogIndirect) return E_NOTIMPL;
    return Controls().taskDialogIndirect(config, button, radio, verified);
}

}  // namespace comctl

namespace comdlg {

BOOL ChooseColorW(CHOOSECOLORW* dialog) { return Dialogs().loaded && Dialogs().chooseColor(dialog); }

BOOL ChooseFontW(CHOOSEFONTW* dialog) { return Dialogs().loaded && Dialogs().chooseFont(dialog); }

BOOL GetSaveFileNameW(OPENFILENAMEW* dialog) { return Dialogs().loaded && Dialogs().getSaveFileName(dialog); }

BOOL GetOpenFileNameW(OPENFILENAMEW* dialog) { return Dialogs().loaded && Dialogs().getOpenFileName(dialog); }

}  // namespace comdlg
