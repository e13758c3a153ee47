#include "app/ExitQuestion.h"

#include "platform/CommonControls.h"

ExitChoice AskAboutUnsavedList(HWND owner, const std::wstring& text) {
    const TASKDIALOG_BUTTON buttons[] = {
        {kExitRetryButton, L"重试保存(&R)"},
        {kExitSaveElsewhereButton, L"另存为(&S)…"},
        {kExitAnywayButton, L"仍然退出(&Q)"},
    };
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof(config);
    config.hwndParent = owner;
    config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
    config.dwCommonButtons = TDCBF_CANCEL_BUTTON;
    config.pszWindowTitle = kExitQuestionTitle;
    config.pszMainIcon = TD_WARNING_ICON;
    config.pszMainInstruction = L"名单尚未保存";
    config.pszContent = text.c_str();
    config.cButtons = sizeof(buttons) / sizeof(buttons[0]);
    config.pButtons = buttons;
    config.nDefaultButton = kExitRetryButton;
    int pressed = IDCANCEL;
    if (SUCCEEDED(comctl::TaskDialogIndirect(&config, &pressed, nullptr, nullptr))) {
        switch (pressed) {
            case kExitRetryButton: return ExitChoice::RetrySave;
            case kExitSaveElsewhereButton: return ExitChoice::SaveElsewhere;
            case kExitAnywayButton: return ExitChoice::ExitAnyway;
            default: return ExitChoice::StayOpen;
        }
    }
    // Without Common Controls 6: the three answers a message box can give.
    const std::wstring boxText = text + L"\n\n是：重试保存　　否：仍然退出　　取消：返回程序";
    switch (MessageBoxW(owner, boxText.c_str(), kExitQuestionTitle, MB_YESNOCANCEL | MB_ICONWARNING)) {
        case IDYES: return ExitChoice::RetrySave;
        case IDNO: return ExitChoice::ExitAnyway;
        default: return ExitChoice::StayOpen;
    }
}

std::wstring AskWhereToSaveList(HWND owner) {
    wchar_t file[MAX_PATH] = L"donations.txt";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = L"名单文件 (*.txt)\0*.txt\0所有文件 (*.*)\0*.*\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = L"txt";
    dialog.lpstrTitle = L"名单另存为";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!comdlg::GetSaveFileNameW(&dialog)) return {};
    return file;
}
