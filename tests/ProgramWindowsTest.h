// A fixture with the program's own caption window and control panel, created
// in the test process on fresh files in a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include "FreshAppState.h"
#include "MessagePump.h"
#include "TestFolder.h"
#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "ui/panel/ControlPanel.h"
#include "app/Startup.h"

class ProgramWindowsTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        g_app.instance = GetModuleHandleW(nullptr);
        RegisterWindowClasses();
    }

    void SetUp() override {
        StartFreshAppState();
        g_app.listPath = folder_.File(L"donations.txt");
        g_app.settingsPath = folder_.File(L"settings.ini");
        g_app.settings.x = 10;
        g_app.settings.y = 600;
        g_app.settings.width = 900;
        g_app.settings.height = 128;
        CreateMainWindows();
        ASSERT_NE(g_app.caption->window, nullptr);
        ASSERT_NE(g_app.panel->window, nullptr);
    }

    void TearDown() override {
        if (g_app.caption->window) DestroyWindow(g_app.caption->window);
        if (g_app.panel->window) DestroyWindow(g_app.panel->window);
        DrainMessages();
        TakeQuitMessage();
        // The next test starts from a fresh record; the windows are all that
        // outlives this one's.
    }

    HWND Control(int id) const { return GetDlgItem(g_app.panel->window, id); }

    TestFolder folder_;
};
