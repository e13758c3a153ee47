// Restoring the backup and exporting the list, through the "更多" menu's
// commands, with the question and the save dialog answered as an operator would.
#include <gtest/gtest.h>

#include "CommonDialogs.h"
#include "Confirmation.h"
#include "TableTestHelpers.h"
#include "platform/FileIo.h"
#include "ui/panel/ListBackup.h"
#include "ui/panel/ListEditing.h"
#include "commands/ListStore.h"
#include "ui/panel/DonationTable.h"
#include "ui/panel/MoreMenu.h"

namespace {

TEST(ListExport, BytesAreTabSeparatedUtf8WithCrLf) {
    EXPECT_EQ(SerializeExport({}), "\xEF\xBB\xBF");
    EXPECT_EQ(SerializeExport({{L"张三", L"1,000元"}, {L"A B", L"5"}}),
              "\xEF\xBB\xBF\xE5\xBC\xA0\xE4\xB8\x89\t1,000\xE5\x85\x83\r\nA B\t5\r\n");
}

class ListBackupTest : public TableTest {
protected:
    // Two saves: the backup then holds `first`, the file `second`.
    void SaveTwice(const DonationList& first, const DonationList& second) {
        g_app.list = first;
        SaveDonationList();
        g_app.list = second;
        SaveDonationList();
        RefreshDonationTable();
    }

    ConfirmationSeen Restore(int answer) {
        return AnswerConfirmation(L"恢复备份", answer, [] { RunMoreMenuCommand(kIdMenuRestoreBackup); });
    }

    const DonationList a_{{L"A", L"1元"}};
    const DonationList b_{{L"A", L"1元"}, {L"B", L"2元"}};
};

TEST_F(ListBackupTest, RestoringAlternatesBetweenTheLastTwoVersionsAndEachCanBeUndone) {
    SaveTwice(a_, b_);
    ConfirmationSeen seen = Restore(IDYES);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.text, L"使用上次保存前的名单备份？当前操作可撤销。");
    EXPECT_TRUE(seen.yesAndNo);
    EXPECT_EQ(g_app.list, a_);
    EXPECT_EQ(StatusWithoutTime(), L"已恢复上次名单备份 · 已保存");
    EXPECT_EQ(RowCount(), 1);

    Restore(IDYES);
    EXPECT_EQ(g_app.list, b_);
    UndoListChange();
    EXPECT_EQ(g_app.list, a_);
    UndoListChange();
    EXPECT_EQ(g_app.list, b_);
}

TEST_F(ListBackupTest, NoMeansNothingAndWithoutABackupNothingIsAsked) {
    SaveTwice(a_, b_);
    ASSERT_TRUE(Restore(IDNO).found);
    EXPECT_EQ(g_app.list, b_);
    EXPECT_TRUE(g_app.undoHistory.undo.empty());
    EXPECT_EQ(g_app.statusText, L"就绪");

    DeleteFileW((g_app.listPath + L".bak").c_str());
    EXPECT_FALSE(Restore(IDYES).found);
    EXPECT_EQ(g_app.statusText, L"暂无可恢复的备份");
    EXPECT_EQ(g_app.list, b_);
}

TEST_F(ListBackupTest, ABackupEqualToTheFileIsStillAnUndoableRestore) {
    g_app.list = a_;
    SaveDonationList();
    ASSERT_TRUE(WriteBytes(g_app.listPath + L".bak", ReadBytes(g_app.listPath)));
    Restore(IDYES);
    EXPECT_EQ(StatusWithoutTime(), L"已恢复上次名单备份 · 已保存");
    EXPECT_EQ(g_app.undoHistory.undo.size(), 1u);
    EXPECT_EQ(ReadBytes(g_app.listPath + L".bak"), ReadBytes(g_app.listPath));
}

TEST_F(ListBackupTest, BackupAmountsWithoutAUnitGetTheCurrentOne) {
    g_app.list = a_;
    SaveDonationList();
    ASSERT_TRUE(WriteBytes(g_app.listPath + L".bak", "\xEF\xBB\xBF# name,amount\nX,5\nY,7\xE7\xBE\x8E\xE5\x85\x83\n"));
    g_app.settings.amountUnit = L"港币";
    Restore(IDYES);
    EXPECT_EQ(g_app.list, (DonationList{{L"X", L"5港币"}, {L"Y", L"7美元"}}));
}

TEST_F(ListBackupTest, AnUnreadableBackupLeavesTheListAsItIs) {
    g_app.list = a_;
    SaveDonationList();
    ASSERT_TRUE(CreateDirectoryW((g_app.listPath + L".bak").c_str(), nullptr));  // exists, cannot be read
    ASSERT_TRUE(Restore(IDYES).found);
    EXPECT_EQ(g_app.list, a_);
    EXPECT_TRUE(g_app.undoHistory.undo.empty());
    EXPECT_EQ(g_app.statusText, L"暂无可恢复的备份");
}

constexpr int kFileTypeList = 1136;  // the save dialog's file type list
constexpr int kFileNameBox = 1148;  // its file name box

TEST_F(ListBackupTest, ExportWritesTheChosenFileAndChangesNothingElse) {
    g_app.settings.thousandsSeparator = true;
    g_app.list = {{L"张三", L"1000元"}};
    SaveDonationList();
    const std::string listBytes = ReadBytes(g_app.listPath);
    // Wine's save dialog drops a file name with Chinese characters (it returns
    // the folder alone), so the name typed here is ASCII.
    const std::wstring target = folder_.File(L"export.tsv");

    DialogAnswer cancel{kFileTypeList, {}, IDCANCEL};
    ASSERT_TRUE(AnswerNextDialog(cancel, [] { RunMoreMenuCommand(kIdMenuExport); }));
    EXPECT_EQ(g_app.statusText, L"就绪");

    DialogAnswer save{kFileTypeList, {{kFileNameBox, target}}, IDOK};
    ASSERT_TRUE(AnswerNextDialog(save, [] { RunMoreMenuCommand(kIdMenuExport); }));
    EXPECT_EQ(ReadBytes(target), "\xEF\xBB\xBF\xE5\xBC\xA0\xE4\xB8\x89\t1000\xE5\x85\x83\r\n");
    EXPECT_EQ(StatusWithoutTime(), L"名单已导出");
    EXPECT_TRUE(EndsWithTime(g_app.statusText));
    EXPECT_EQ(ReadBytes(g_app.listPath), listBytes);
    EXPECT_TRUE(g_app.undoHistory.undo.empty());

    EXPECT_FALSE(WriteExportFile(g_app.list, folder_.File(L"missing\\x.tsv")));
}

}  // namespace
