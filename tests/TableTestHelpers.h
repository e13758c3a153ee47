// Reading and driving the donation table and the panel's boxes in tests.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "KeyInput.h"
#include "ProgramWindowsTest.h"
#include "platform/WindowText.h"
#include "ui/panel/PanelIds.h"

class TableTest : public ProgramWindowsTest {
protected:
    void SetUp() override {
        ProgramWindowsTest::SetUp();
        ShowWindow(g_app.panel->window, SW_SHOW);
        SetForegroundWindow(g_app.panel->window);
    }

    void TearDown() override {
        SetKeyDown(VK_CONTROL, false);
        SetKeyDown(VK_SHIFT, false);
        ProgramWindowsTest::TearDown();
    }

    HWND Table() const { return Control(kIdDonationTable); }

    static std::wstring TextOf(HWND window) { return WindowText(window); }

    void Type(int id, const std::wstring& text) { SetWindowTextW(Control(id), text.c_str()); }

    // Focuses the control and presses the key there, as the operator would.
    void PressIn(HWND control, WPARAM key) {
        SetFocus(control);
        RouteKey(control, WM_KEYDOWN, key);
    }

    int RowCount() const { return static_cast<int>(SendMessageW(Table(), LVM_GETITEMCOUNT, 0, 0)); }

    std::wstring Cell(int row, int column) const {
        wchar_t text[256] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 256;
        SendMessageW(Table(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return text;
    }

    void SelectRow(int row) {
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED;
        item.state = LVIS_SELECTED;
        SendMessageW(Table(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }

    bool IsRowSelected(int row) const {
        return SendMessageW(Table(), LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) != 0;
    }

    RECT CellRect(int row, int column) const {
        RECT r{LVIR_BOUNDS, column, 0, 0};
        SendMessageW(Table(), LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
        return r;
    }

    void DoubleClickCell(int row, int column) {
        const RECT r = CellRect(row, column);
        DoubleClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }

    void DoubleClickAt(int x, int y) {
        SendMessageW(Table(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
        DrainMessages();
    }

    // The status text without its "  HH:MM:SS" ending.
    static std::wstring StatusWithoutTime() {
        const std::wstring& s = g_app.statusText;
        return s.size() >= 10 ? s.substr(0, s.size() - 10) : s;
    }

    static bool EndsWithTime(const std::wstring& s) {
        if (s.size() < 10 || s.compare(s.size() - 10, 2, L"  ") != 0) return false;
        for (size_t i : {2u, 3u, 5u, 6u, 8u, 9u}) {
            if (!iswdigit(s[s.size() - 10 + i])) return false;
        }
        return s[s.size() - 6] == L':' && s[s.size() - 3] == L':';
    }
};
