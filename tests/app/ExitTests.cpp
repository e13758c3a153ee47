// Leaving with a list that is not saved: the question and each of its
// answers, answered from a second thread as the operator would; Windows
// ending the session, where nothing can be asked.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <functional>

#include "CommonDialogs.h"
#include "ProgramWindowsTest.h"
#include "commands/ExitCommands.h"
#include "app/ExitQuestion.h"
#include "app/MessageLoop.h"
#include "app/Playback.h"
#include "commands/ListStore.h"
#include "ui/panel/PanelIds.h"
#include "app/Hotkeys.h"
#include "commands/SettingsCommands.h"

namespace {

// Answers the exit question with `button` after running `before` (on the
// helper thread, while the question is up); collects every text it shows.
struct ExitAnswer {
    explicit ExitAnswer(int pressed, std::function<void()> first = nullptr) : button(pressed), before(std::move(first)) {}
    int button;
    std::function<void()> before;
    std::atomic<bool> actionReturned{false};
    int timesAsked = 0;
    std::wstring text;
};

BOOL CALLBACK CollectText(HWND child, LPARAM data) {
    wchar_t text[1024] = {};
    GetWindowTextW(child, text, 1024);
    *reinterpret_cast<std::wstring*>(data) += std::wstring(text) + L"\n";
    return TRUE;
}

DWORD WINAPI AnswerExitQuestion(void* data) {
    auto* answer = static_cast<ExitAnswer*>(data);
    for (int i = 0; i < 400 && !answer->actionReturned; ++i) {
        HWND question = FindWindowW(L"#32770", kExitQuestionTitle);
        if (question && IsWindowVisible(question)) {
            EnumChildWindows(question, CollectText, reinterpret_cast<LPARAM>(&answer->text));
            ++answer->timesAsked;
            if (answer->before) answer->before();
            PostMessageW(question, TDM_CLICK_BUTTON, static_cast<WPARAM>(answer->button), 0);
            return 0;
        }
        Sleep(25);
    }
    return 0;
}

template <typename Action>
void WithExitAnswer(ExitAnswer& answer, Action action) {
    HANDLE thread = CreateThread(nullptr, 0, AnswerExitQuestion, &answer, 0, nullptr);
    action();
    answer.actionReturned = true;
    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
}

class ExitTest : public ProgramWindowsTest {
protected:
    void SetUp() override {
        ProgramWindowsTest::SetUp();
        g_app.list = {{L"张三", L"100元"}};
        SaveDonationList();
        saved_ = ReadBytes(g_app.listPath);
        RegisterHotkeys();
    }
    void TearDown() override {
        SetFileAttributesW(g_app.listPath.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (g_app.panel->window) UnregisterHotkeys(g_app.panel->window);
        ProgramWindowsTest::TearDown();
    }

    // A change whose save fails: the list file has become read-only.
    void AppendUnsaved() {
        ASSERT_TRUE(SetFileAttributesW(g_app.listPath.c_str(), FILE_ATTRIBUTE_READONLY));
        g_app.list.push_back({L"李四", L"200元"});
        CommitListChange(L"已追加 1 条名单");
        ASSERT_FALSE(g_app.listSaved);
    }

    void Exit() { SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdTrayExit, 0), 0); }

    bool Exited() const { return g_app.exiting && !g_app.panel->window && !g_app.caption->window; }

    std::string saved_;
};

TEST_F(ExitTest, AnUnsavedListAsksAndExitAnywayLeaves) {
    AppendUnsaved();
    ExitAnswer answer(kExitAnywayButton);
    WithExitAnswer(answer, [&] { Exit(); });
    EXPECT_EQ(answer.timesAsked, 1);
    EXPECT_NE(answer.text.find(L"名单尚未保存"), std::wstring::npos) << answer.text;
    EXPECT_NE(answer.text.find(L"仍然退出"), std::wstring::npos);
    EXPECT_TRUE(Exited());
    EXPECT_EQ(ReadBytes(g_app.listPath), saved_);
    EXPECT_EQ(RunMessageLoop(), 0);  // the quit message was posted
}

TEST_F(ExitTest, TryAgainOnceTheFileIsWritableSavesAndLeaves) {
    AppendUnsaved();
    const std::wstring path = g_app.listPath;
    ExitAnswer answer(kExitRetryButton, [path] { SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL); });
    WithExitAnswer(answer, [&] { Exit(); });
    EXPECT_EQ(answer.timesAsked, 1);
    EXPECT_TRUE(Exited());
    DonationList onDisk;
    ReadDonationListFile(path, L"元", onDisk);
    EXPECT_EQ(onDisk.size(), 2u);
}

TEST_F(ExitTest, CancelKeepsEverythingRunning) {
    AppendUnsaved();
    HWND panel = g_app.panel->window;
    HWND caption = g_app.caption->window;
    const int hotkeys = g_app.registeredHotkeyCount;
    ASSERT_GT(hotkeys, 0);
    ExitAnswer answer(IDCANCEL);
    WithExitAnswer(answer, [&] { Exit(); });
    EXPECT_EQ(answer.timesAsked, 1);
    EXPECT_FALSE(g_app.exiting);
    EXPECT_EQ(g_app.panel->window, panel);
    EXPECT_EQ(g_app.caption->window, caption);
    EXPECT_TRUE(IsWindow(panel));
    EXPECT_EQ(g_app.registeredHotkeyCount, hotkeys);
    EXPECT_FALSE(RegisterHotKey(nullptr, 77, MOD_CONTROL | MOD_ALT, 'P'));  // still ours
    SendMessageW(panel, WM_HOTKEY, 4, 0);  // and it still plays the caption
    EXPECT_FALSE(g_app.paused);
    EXPECT_EQ(g_app.list.size(), 2u);
    EXPECT_FALSE(TakeQuitMessage());
}

TEST_F(ExitTest, SaveElsewhereWritesAListTheReaderReadsBack) {
    AppendUnsaved();
    const std::wstring copy = folder_.File(L"copy.txt");
    ExitAnswer answer(kExitSaveElsewhereButton);
    DialogAnswer save{1136, {{1148, copy}}, IDOK};  // the save dialog's type list and name box
    WithExitAnswer(answer, [&] { ASSERT_TRUE(AnswerNextDialog(save, [&] { Exit(); })); });
    EXPECT_TRUE(Exited());
    DonationList back;
    ASSERT_EQ(ReadDonationListFile(copy, L"元", back), ListReadResult::Loaded);
    EXPECT_EQ(back, (DonationList{{L"张三", L"100元"}, {L"李四", L"200元"}}));
    EXPECT_EQ(ReadBytes(g_app.listPath), saved_);
}

TEST_F(ExitTest, ASettingsFileThatCannotBeSavedAloneAsksNothing) {
    SaveSettings(g_app);
    ASSERT_TRUE(SetFileAttributesW(g_app.settingsPath.c_str(), FILE_ATTRIBUTE_READONLY));
    ExitAnswer answer(IDCANCEL);
    WithExitAnswer(answer, [&] { Exit(); });
    SetFileAttributesW(g_app.settingsPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(answer.timesAsked, 0);
    EXPECT_TRUE(Exited());
}

TEST(ExitQuestionText, SaysWhyAndMentionsSettingsOnlyWhenThoseFailedToo) {
    const std::wstring both = UnsavedListQuestion(L"名单文件无法写入", false);
    EXPECT_EQ(both.rfind(L"名单尚未保存：名单文件无法写入。", 0), 0u);
    EXPECT_NE(both.find(L"设置也未能保存"), std::wstring::npos);
    EXPECT_EQ(UnsavedListQuestion(L"名单文件无法写入", true).find(L"设置"), std::wstring::npos);
}

// --- Windows ending the session ----------------------------------------

class SessionEndTest : public ExitTest {
protected:
    void EndSession() {
        EXPECT_TRUE(SendMessageW(g_app.panel->window, WM_QUERYENDSESSION, 0, 0));
        SendMessageW(g_app.panel->window, WM_ENDSESSION, TRUE, 0);
    }
};

TEST_F(SessionEndTest, BothFilesAreSavedAndTheProgramEnds) {
    g_app.list.push_back({L"王五", L"300元"});
    g_app.listSaved = false;  // changed, not yet saved
    g_app.settings.fontSize = 61;
    EndSession();
    EXPECT_TRUE(Exited());
    DonationList onDisk;
    ReadDonationListFile(g_app.listPath, L"元", onDisk);
    EXPECT_EQ(onDisk.size(), 2u);
    EXPECT_NE(ReadBytes(g_app.settingsPath).find(std::string("f\0o\0n\0t\0S\0i\0z\0e\0=\0" "6\0" "1\0", 22)),
              std::string::npos);
    EXPECT_FALSE(FileExists(SessionFallbackBeside(g_app.listPath)));
}

TEST_F(SessionEndTest, AListThatCannotBeSavedGoesBesideItAndTheNextStartSaysWhere) {
    AppendUnsaved();
    EndSession();
    EXPECT_TRUE(Exited());
    const std::wstring fallback = SessionFallbackBeside(g_app.listPath);
    DonationList kept;
    ASSERT_EQ(ReadDonationListFile(fallback, L"元", kept), ListReadResult::Loaded);
    EXPECT_EQ(kept.size(), 2u);
    EXPECT_EQ(ReadBytes(g_app.listPath), saved_);
    const std::wstring note = L"上次 Windows 关机时名单未能保存到名单文件，完整名单已另存在 " + fallback;
    EXPECT_EQ(SessionFallbackNote(g_app.listPath), note);

    // The next start says so in the status line.
    TakeQuitMessage();
    g_app.exiting = false;
    CreateMainWindows();
    EXPECT_EQ(g_app.statusText.substr(0, note.size()), note);
}

TEST_F(SessionEndTest, AFolderThatCannotBeWrittenSendsTheListToLocalAppData) {
    const std::wstring locked = LockedFolder();
    ASSERT_FALSE(locked.empty());
    g_app.listPath = locked + L"\\donations.txt";
    g_app.list.push_back({L"锁定", L"9元"});
    g_app.listSaved = false;  // changed, not yet saved
    const std::wstring appData = SessionFallbackInAppData();
    ASSERT_FALSE(appData.empty());
    DeleteFileW(appData.c_str());
    EndSession();
    DonationList kept;
    ASSERT_EQ(ReadDonationListFile(appData, L"元", kept), ListReadResult::Loaded);
    EXPECT_EQ(kept.back().name, L"锁定");
    EXPECT_NE(SessionFallbackNote(g_app.listPath).find(appData), std::wstring::npos);
    DeleteFileW(appData.c_str());  // no later start may see it
    EXPECT_TRUE(SessionFallbackNote(g_app.listPath).empty());
}

}  // namespace
