// Another program writes donations.txt while the program's windows run: the
// folder's notifications reach the window thread, a burst gives a few checks,
// and the table and the caption follow within a second.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "ComposedFrame.h"
#include "OutsideWriter.h"
#include "TableTestHelpers.h"
#include "app/ListFileWatch.h"
#include "ui/caption/LayeredRenderer.h"
#include "commands/ListStore.h"
#include "ui/import/ImportWindow.h"
#include "ui/panel/ListEditing.h"
#include "ui/panel/CellEditor.h"
#include "ui/panel/DonationTable.h"

namespace {

// Dispatches messages until `done` holds or `limitMs` has passed; the time taken.
template <typename Done>
ULONGLONG PumpUntil(Done done, ULONGLONG limitMs) {
    const ULONGLONG start = GetTickCount64();
    while (!done() && GetTickCount64() - start < limitMs) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        DrainMessages();
    }
    return GetTickCount64() - start;
}

void PumpFor(ULONGLONG ms) {
    PumpUntil([] { return false; }, ms);
}

TEST(ListFileWatcher, ABurstOfWritesGivesAFewChecksAndOtherFilesNone) {
    TestFolder folder;
    const std::wstring path = folder.File(L"donations.txt");
    ASSERT_TRUE(WriteInPlace(path, ListFileBytes("First,1\n")));
    int checks = 0;
    int retries = 0;
    int parsed = 0;
    bool retryWanted = false;
    ListFileWatcher::Callbacks callbacks;
    callbacks.prepare = [](std::wstring& unit, ListFileStamp& known) {
        unit = L"元";
        known = MissingFileStamp();  // whatever is there differs, so it is parsed
        return true;
    };
    callbacks.apply = [&](ListFileRead&& read) {
        EXPECT_EQ(read.result, ListReadResult::Loaded);
        // Parsed on the worker thread (a look in the middle of a write may see less).
        EXPECT_LE(read.list.size(), 1u);
        if (read.list.size() == 1) ++parsed;
        ++checks;
        return retryWanted && ++retries < 3;
    };
    ListFileWatcher watcher;
    ASSERT_TRUE(watcher.Start(GetModuleHandleW(nullptr), path, callbacks));

    for (int i = 0; i < 5; ++i) ASSERT_TRUE(WriteInPlace(folder.File(L"settings.ini"), "x"));
    ASSERT_TRUE(WriteInPlace(folder.File(L"donations.txt.bak"), "x"));  // a longer name is another file
    PumpFor(500);
    EXPECT_EQ(checks, 0);

    // A hundred writes in about a second, in place and by rename.
    std::atomic<bool> writing{true};
    std::thread writer([&] {
        for (int i = 0; i < 100; ++i) {
            const std::string bytes = ListFileBytes("W" + std::to_string(i) + ",1\n");  // one entry each
            if (i % 2) {
                WriteInPlace(path, bytes);
            } else {
                WriteByRenameOver(path, bytes);
            }
            Sleep(10);
        }
        writing = false;
    });
    const ULONGLONG firstCheck = PumpUntil([&] { return checks > 0; }, 3000);
    PumpUntil([&] { return !writing; }, 5000);
    writer.join();
    PumpFor(800);
    EXPECT_LE(firstCheck, 1000u);
    EXPECT_GE(checks, 1);
    EXPECT_GE(parsed, 1);
    EXPECT_LE(checks, 4);  // a reload at most every longest wait, plus the last one

    // A look that asks to look again soon is repeated without a new write.
    const int before = checks;
    retryWanted = true;
    ASSERT_TRUE(WriteInPlace(path, ListFileBytes("Last,1\n")));
    PumpUntil([&] { return retries >= 3; }, 4000);
    EXPECT_EQ(checks - before, 3);
}

class OutsideEditTest : public TableTest {
protected:
    void SetUp() override {
        TableTest::SetUp();
        g_app.settings.amountUnit = L"元";
        ASSERT_TRUE(WriteInPlace(g_app.listPath, kFirst));
        LoadDonationList();
        RefreshDonationTable();
        WatchListFile();
        ASSERT_TRUE(g_app.listWatch->Running());
        ASSERT_EQ(RowCount(), 2);
    }
    void TearDown() override {
        g_app.listWatch->Stop();
        if (g_app.importWindow) DestroyWindow(g_app.importWindow);
        TableTest::TearDown();
    }

    // Another program's write, from a thread of its own; the time until `shown` holds.
    template <typename Shown>
    ULONGLONG WriteOutsideAndWait(bool (*write)(const std::wstring&, const std::string&), const std::string& bytes,
                                  Shown shown) {
        const std::wstring path = g_app.listPath;
        std::thread writer([&] { write(path, bytes); });
        writer.join();
        return PumpUntil(shown, 3000);
    }

    const std::string kFirst = ListFileBytes("A,1\xE5\x85\x83\nB,2\xE5\x85\x83\n");
    const std::string kOutside = ListFileBytes("A,1\xE5\x85\x83\nB,2\xE5\x85\x83\nC from Notepad,3\xE5\x85\x83\n");
};

TEST_F(OutsideEditTest, TheTableAndTheCaptionFollowWithinASecondAndUndoSavesTheEarlierList) {
    SelectRow(1);
    const ULONGLONG delay = WriteOutsideAndWait(WriteByRenameOver, kOutside, [&] { return RowCount() == 3; });
    EXPECT_LT(delay, 1000u);
    EXPECT_EQ(Cell(2, 1), L"C from Notepad");
    EXPECT_TRUE(IsRowSelected(1));  // the selection stays by position
    EXPECT_EQ(StatusWithoutTime(), L"名单文件已被外部修改，已重新载入 3 条");
    EXPECT_TRUE(EndsWithTime(g_app.statusText));
    ASSERT_TRUE(ComposeProgramFrame(g_app.caption->layered, 900, 128));  // the caption's next frame
    EXPECT_EQ(g_app.caption->layered.strip().entryCount(), 3u);

    // The program's own saves are not outside changes.
    Type(kIdNameBox, L"Typed");
    Type(kIdAmountBox, L"5");
    AppendEntry();
    EXPECT_EQ(RowCount(), 4);
    PumpFor(800);
    EXPECT_EQ(g_app.listFile.reloads, 1u);
    EXPECT_EQ(StatusWithoutTime(), L"已追加 1 条名单 · 已保存");

    UndoListChange();
    UndoListChange();
    EXPECT_EQ(RowCount(), 2);
    EXPECT_EQ(ReadBytes(g_app.listPath), kFirst);
    PumpFor(800);
    EXPECT_EQ(g_app.listFile.reloads, 1u);

    // Deleted and written again by the other program.
    ASSERT_LT(WriteOutsideAndWait(WriteAfterDeleting, kOutside, [&] { return RowCount() == 3; }), 3000u);
    EXPECT_EQ(Cell(2, 1), L"C from Notepad");
}

TEST_F(OutsideEditTest, AnOpenCellEditClosesUncommittedAndAFinishedImportCheckGoesStale) {
    OpenCellEditor(0, 1);
    ASSERT_NE(g_app.cellEditor, nullptr);
    SetWindowTextW(g_app.cellEditor, L"Typed into the cell");
    WriteOutsideAndWait(WriteInPlace, kOutside, [&] { return RowCount() == 3; });
    EXPECT_EQ(g_app.cellEditor, nullptr);
    DrainMessages();
    EXPECT_EQ(g_app.list[0].name, L"A");
    EXPECT_EQ(ReadBytes(g_app.listPath), kOutside);

    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdImportButton, BN_CLICKED), 0);
    ASSERT_NE(g_app.importWindow, nullptr);
    SetWindowTextW(GetDlgItem(g_app.importWindow, kIdImportPasteBox), L"C from Notepad\t3");
    SendMessageW(g_app.importWindow, WM_COMMAND, MAKEWPARAM(kIdImportCheckButton, BN_CLICKED), 0);
    HWND add = GetDlgItem(g_app.importWindow, kIdImportAddButton);
    ASSERT_TRUE(IsWindowEnabled(add));
    WriteOutsideAndWait(WriteInPlace, kFirst, [&] { return RowCount() == 2; });
    EXPECT_FALSE(IsWindowEnabled(add));
    EXPECT_EQ(WindowText(GetDlgItem(g_app.importWindow, kIdImportReportBox)),
              L"名单文件已被外部修改，检查结果已过时，请重新点击“检查名单”");
    EXPECT_EQ(g_app.list.size(), 2u);
}

}  // namespace
