// The "更多" button's menu: the rarer list and program actions.
#pragma once

#include "ui/panel/PanelIds.h"

// The entries of the menu in their order; id 0 is a separator.
struct MoreMenuEntry {
    int id;
    const wchar_t* text;
};
constexpr MoreMenuEntry kMoreMenuEntries[] = {
    {kIdMenuExport, L"导出名单..."},
    {kIdMenuRestoreBackup, L"恢复上次名单备份..."},
    {0, nullptr},
    {kIdMenuClearList, L"清空名单..."},
    {kIdMenuRestoreDefaults, L"恢复全部默认设置..."},
    {0, nullptr},
    {kIdMenuExit, L"退出程序"},
};

// Opens the menu upwards from the button and runs the chosen entry.
void ShowMoreMenu();

// Runs the action of a menu id; an unknown id (dismissal) does nothing.
void RunMoreMenuCommand(int id);
