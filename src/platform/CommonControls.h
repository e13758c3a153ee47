// comctl32.dll and comdlg32.dll, loaded from the system folder once the
// program has restricted where DLLs come from. Imported at load time, they
// would be set up before wWinMain, and comctl32 then loads uxtheme.dll by a
// search that starts in the program's folder. The manifest's dependency
// still brings Common Controls 6: the loader redirects the name to it.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <string>

// True when comctl32.dll and every function the program calls in it could
// be had; otherwise `missing` names what is missing.
bool LoadCommonControls(std::wstring& missing);

namespace comctl {
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* controls);
BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id);
LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
HIMAGELIST ImageList_Create(int width, int height, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST list);
// E_NOTIMPL where Common Controls 6 is missing; callers then ask by message box.
HRESULT TaskDialogIndirect(const TASKDIALOGCONFIG* config, int* button, int* radio, BOOL* verified);
}  // namespace comctl

// The common dialogs; without comdlg32.dll each acts as if cancelled.
namespace comdlg {
BOOL ChooseColorW(CHOOSECOLORW* dialog);
BOOL ChooseFontW(CHOOSEFONTW* dialog);
BOOL GetSaveFileNameW(OPENFILENAMEW* dialog);
BOOL GetOpenFileNameW(OPENFILENAMEW* dialog);
}  // namespace comdlg
