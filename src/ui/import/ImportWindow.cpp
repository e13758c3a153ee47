#include "ui/import/ImportWindow.h"

#include <algorithm>

#include <shellapi.h>

#include "app/AppState.h"
#include "ui/Scale.h"
#include "platform/WindowText.h"
#include "platform/CommonControls.h"
#include "platform/FileIo.h"
#include "core/import/ImportFile.h"
#include "platform/WindowClass.h"
#include "platform/Dpi.h"
#include "ui/panel/ListEditing.h"
#include "commands/ListCommands.h"
#include "commands/ListStore.h"
#include "ui/panel/ControlPanel.h"
#include "ui/panel/OwnerDrawnButton.h"
#include "ui/panel/PanelChildren.h"
#include "ui/panel/PanelColors.h"
#include "ui/panel/PanelViews.h"


namespace {

struct ImportChild {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
};

const ImportChild kImportChildren[] = {
    {kIdImportPasteLabel, L"STATIC", L"粘贴名单", SS_CENTERIMAGE},
    {kIdImportPasteBox, L"EDIT", L"", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL},
    {kIdImportReportLabel, L"STATIC", L"识别结果", SS_CENTERIMAGE},
    {kIdImportReportBox, L"EDIT", L"", ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | WS_VSCROLL},
    {kIdImportCheckButton, L"BUTTON", L"检查名单", 0},
    {kIdImportAddButton, L"BUTTON", L"加入名单", 0},
    {kIdImportCancelButton, L"BUTTON", L"取消", 0},
};

constexpr UINT_PTR kPasteCueSubclass = 1;

// The cue of the empty paste box, in the muted text colour inside its margins.
void PaintPasteCue(HWND box) {
    if (GetWindowTextLengthW(box) > 0) return;
    HDC dc = GetDC(box);
    if (!dc) return;
    RECT area{};
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    HGDIOBJ font = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(box, WM_GETFONT, 0, 0)));
    SetTextColor(dc, kPanelMutedText);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, kImportPasteCue, -1, &area, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, font);
    ReleaseDC(box, dc);
}

LRESULT CALLBACK PasteBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
    switch (message) {
        case WM_PAINT: {
            const LRESULT result = comctl::DefSubclassProc(box, message, wParam, lParam);
            PaintPasteCue(box);
            return result;
        }
        case WM_NCDESTROY: comctl::RemoveWindowSubclass(box, PasteBoxProc, id); break;
        default: break;
    }
    return comctl::DefSubclassProc(box, message, wParam, lParam);
}

LRESULT OnCreate(HWND window) {
    for (const ImportChild& child : kImportChildren) {
        CreatePanelChild(window, child.className, child.text, child.style, child.id);
    }
    HWND paste = GetDlgItem(window, kIdImportPasteBox);
    SendMessageW(paste, EM_SETLIMITTEXT, kImportTextLimit, 0);
    // Edit controls show no cue banner when they are multi-line: the box draws its own.
    comctl::SetWindowSubclass(paste, PasteBoxProc, kPasteCueSubclass, 0);
    DragAcceptFiles(window, TRUE);
    EnableWindow(GetDlgItem(window, kIdImportAddButton), FALSE);
    return 0;
}

void Place(HWND window, int id, int x, int y, int width, int height) {
    if (HWND control = GetDlgItem(window, id)) {
        SetWindowPos(control, nullptr, S(x), S(y), S(width), S(height), SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

LRESULT OnSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    const int W = static_cast<int>(client.right / g_app.dpiScale + 0.5);
    const int H = static_cast<int>(client.bottom / g_app.dpiScale + 0.5);
    const int c = (W - 60) / 2;
    Place(window, kIdImportPasteLabel, 20, 12, c, 26);
    Place(window, kIdImportReportLabel, c + 40, 12, c, 26);
    Place(window, kIdImportPasteBox, 20, 46, c, H - 122);
    Place(window, kIdImportReportBox, c + 40, 46, c, H - 122);
    Place(window, kIdImportCheckButton, 20, H - 58, 120, 36);
    Place(window, kIdImportAddButton, W - 268, H - 58, 130, 36);
    Place(window, kIdImportCancelButton, W - 126, H - 58, 106, 36);
    return 0;
}

void RunCheck(HWND window) {
    const ImportCheck check = CheckImportText(WindowText(GetDlgItem(window, kIdImportPasteBox)), g_app.list,
                                              g_app.settings.amountUnit, g_app.settings.thousandsSeparator);
    g_app.panel->import.results = check.results;
    std::wstring report = check.report;
    if (g_app.panel->import.droppedColumnLines > 0) {
        report += L"\r\n（文件中有 " + std::to_wstring(g_app.panel->import.droppedColumnLines) + L" 行多于两列，只取了前两列）\r\n";
    }
    SetWindowTextW(GetDlgItem(window, kIdImportReportBox), report.c_str());
    HWND add = GetDlgItem(window, kIdImportAddButton);
    SetWindowTextW(add, (L"加入 " + std::to_wstring(check.validCount) + L" 条").c_str());
    EnableWindow(add, check.validCount > 0);
    g_app.panel->import.checked = true;
}

LRESULT OnCommand(HWND window, int id, int code) {
    switch (id) {
        case kIdImportPasteBox:
            // The cue comes and goes with the text.
            if (code == EN_CHANGE) InvalidateRect(GetDlgItem(window, kIdImportPasteBox), nullptr, TRUE);
            if (code == EN_CHANGE) {
                g_app.panel->import.checked = false;
                if (!g_app.panel->import.fillingFromFile) g_app.panel->import.droppedColumnLines = 0;
                EnableWindow(GetDlgItem(window, kIdImportAddButton), FALSE);
            }
            break;
        case kIdImportCheckButton: RunCheck(window); break;
        case kIdImportAddButton: AddCheckedImport(); break;
        case kIdImportCancelButton: DestroyWindow(window); break;
        default: break;
    }
    return 0;
}

// A file dropped from the Explorer: the first one is read.
LRESULT OnDropFiles(HWND window, HDROP drop) {
    wchar_t path[MAX_PATH] = {};
    const UINT length = DragQueryFileW(drop, 0, path, MAX_PATH);
    DragFinish(drop);  // the drop's memory belongs to the system again
    if (length > 0 && length < MAX_PATH) LoadImportFile(window, path);
    return 0;
}

LRESULT OnStaticColour(HDC dc) {
    SetTextColor(dc, kPanelText);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(g_app.panel->pageBrush.get());
}

LRESULT OnDestroy(HWND window) {
    if (g_app.importWindow == window) g_app.importWindow = nullptr;
    if (g_app.panel->window) SetForegroundWindow(g_app.panel->window);
    return 0;
}

LRESULT CALLBACK ImportWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: return OnCreate(window);
        case WM_SIZE: return OnSize(window);
        case WM_DRAWITEM: DrawOwnerDrawnButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return 1;
        case WM_CTLCOLORSTATIC: return OnStaticColour(reinterpret_cast<HDC>(wParam));
        case WM_COMMAND: return OnCommand(window, LOWORD(wParam), HIWORD(wParam));
        case WM_DROPFILES: return OnDropFiles(window, reinterpret_cast<HDROP>(wParam));
        case WM_CLOSE: DestroyWindow(window); return 0;
        case WM_DESTROY: return OnDestroy(window);
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

void RegisterImportClass() {
    // Not the panel's page brush, which goes with the panel while the class
    // stays: made once and handed to the class, whose end at exit deletes it.
    static const HBRUSH background = CreateSolidBrush(kPanelPageColor);
    // Registered on every opening; a failure (already registered) is harmless.
    RegisterProgramClass(g_app.instance, {kImportWindowClass, ImportWindowProc,
                                          LoadIconW(g_app.instance, MAKEINTRESOURCEW(101)), background});
}

}  // namespace

void OpenImportWindow() {
    if (g_app.importWindow) {
        SetForegroundWindow(g_app.importWindow);
        return;
    }
    RegisterImportClass();
    g_app.panel->import.checked = false;
    const int width = S(800);
    const int height = S(480);
    RECT panel{};
    if (g_app.panel->window) GetWindowRect(g_app.panel->window, &panel);
    const int left = panel.left + (panel.right - panel.left - width) / 2;
    const int top = panel.top + (panel.bottom - panel.top - height) / 2;
    HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME, kImportWindowClass, L"批量导入名单",
                                  WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, left, top, width, height, nullptr, nullptr,
                                  g_app.instance, nullptr);
    if (!window) return;
    g_app.importWindow = window;
    ShowWindow(window, SW_SHOW);
    SetFocus(GetDlgItem(window, kIdImportPasteBox));
}

void AddCheckedImport() {
    const bool anyValid = std::any_of(g_app.panel->import.results.begin(), g_app.panel->import.results.end(),
                                      [](const ImportCheckResult& r) { return r.valid; });
    if (!g_app.panel->import.checked || !anyValid) return;  // nothing to add is no change
    const bool anyUnusable = std::any_of(g_app.panel->import.results.begin(), g_app.panel->import.results.end(),
                                         [](const ImportCheckResult& r) { return !r.valid; });
    if (anyUnusable) {
        const int answer = MessageBoxW(g_app.importWindow, L"部分行无法识别，将跳过这些行并加入其余名单。是否继续？",
                                       L"检查导入", MB_ICONQUESTION | MB_YESNO);
        if (answer != IDYES) return;
    }
    DonationList added;
    for (const ImportCheckResult& r : g_app.panel->import.results) {
        if (r.valid) added.push_back({r.name, r.amount});
    }
    AppendEntries(g_app, ProgramViews(), added, L"已批量加入 " + std::to_wstring(added.size()) + L" 条");
    if (g_app.importWindow) DestroyWindow(g_app.importWindow);
}

void MarkImportCheckStale() {
    if (!g_app.importWindow || !g_app.panel->import.checked) return;
    g_app.panel->import.checked = false;
    EnableWindow(GetDlgItem(g_app.importWindow, kIdImportAddButton), FALSE);
    SetWindowTextW(GetDlgItem(g_app.importWindow, kIdImportReportBox),
                   L"名单文件已被外部修改，检查结果已过时，请重新点击“检查名单”");
}

void LoadImportFile(HWND window, const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    const std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    HWND report = GetDlgItem(window, kIdImportReportBox);
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        SetWindowTextW(report, (L"无法读取文件 " + name + L"（可能正被其他程序占用）").c_str());
        return;
    }
    const bool csv = name.size() >= 4 && _wcsicmp(name.c_str() + name.size() - 4, L".csv") == 0;
    const ImportFileText file = ImportTextFromFile(bytes, csv, kImportTextLimit);
    switch (file.outcome) {
        case ImportFileOutcome::TooLong:
            SetWindowTextW(report, (L"文件 " + name + L" 超过 4194304 个字符，无法导入").c_str());
            return;
        case ImportFileOutcome::Empty: SetWindowTextW(report, (L"文件 " + name + L" 中没有名单").c_str()); return;
        case ImportFileOutcome::Read: break;
    }
    g_app.panel->import.fillingFromFile = true;
    SetWindowTextW(GetDlgItem(window, kIdImportPasteBox), file.text.c_str());
    g_app.panel->import.fillingFromFile = false;
    g_app.panel->import.droppedColumnLines = file.linesWithMoreColumns;
    SetWindowTextW(report, (L"已读入文件 " + name + L"，请点击“检查名单”").c_str());
}

void OpenImportFile(HWND window) {
    wchar_t file[MAX_PATH] = L"";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = window;
    dialog.lpstrFilter = L"CSV 文件 (*.csv)\0*.csv\0制表符分隔文本 (*.txt;*.tsv)\0*.txt;*.tsv\0所有文件 (*.*)\0*.*\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = L"打开名单文件";
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (comdlg::GetOpenFileNameW(&dialog)) LoadImportFile(window, file);
}

bool HandleImportWindowKey(const MSG& m) {
    if (m.message != WM_KEYDOWN || m.wParam != 'O' || GetKeyState(VK_CONTROL) >= 0) return false;
    if (g_app.importWindow) OpenImportFile(g_app.importWindow);
    return true;
}
