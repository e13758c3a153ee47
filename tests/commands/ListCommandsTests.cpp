// The list commands on a state of their own, with views that record what
// the windows would be told: no window is made here.
#include <gtest/gtest.h>

#include <vector>

#include "RecordingViews.h"
#include "TestFolder.h"
#include "commands/ListCommands.h"
#include "commands/ListStore.h"

namespace {

class ListCommandsTest : public testing::Test {
protected:
    void SetUp() override {
        app_.listPath = folder_.File(L"donations.txt");
        app_.settings.amountUnit = L"元";
    }
    DonationList OnDisk() const {
        DonationList list;
        ReadDonationListFile(app_.listPath, L"元", list);
        return list;
    }

    TestFolder folder_;
    AppState app_;
    RecordingViews views_;
};

TEST_F(ListCommandsTest, AppendStoresSavesAndTellsTheViewsOnce) {
    EXPECT_FALSE(AppendEntry(app_, views_, L"  \t ", L"100"));
    EXPECT_FALSE(AppendEntry(app_, views_, L"张三", L"."));
    EXPECT_EQ(views_.listChanges, 0);
    EXPECT_FALSE(FileExists(app_.listPath));
    EXPECT_EQ(views_.statuses, (std::vector<std::wstring>{L"请填写姓名/公司(机构)名称和金额", L"请填写姓名/公司(机构)名称和金额"}));

    views_.statuses.clear();
    EXPECT_TRUE(AppendEntry(app_, views_, L" Zhang\tWei ", L"1000.00"));
    EXPECT_EQ(app_.list, (DonationList{{L"Zhang Wei", L"1000元"}}));
    EXPECT_EQ(OnDisk(), app_.list);
    EXPECT_EQ(views_.listChanges, 1);
    EXPECT_EQ(views_.statuses, (std::vector<std::wstring>{L"已追加 1 条名单 · 已保存 @"}));
    EXPECT_EQ(app_.undoHistory.undo.size(), 1u);
}

TEST_F(ListCommandsTest, EditRecordsOnlyARealChange) {
    AppendEntry(app_, views_, L"A", L"1");
    views_ = RecordingViews{};
    EditEntryField(app_, views_, 0, 2, L" 1 ");  // normalises to the stored 1元
    EditEntryField(app_, views_, 0, 1, L"");
    EXPECT_EQ(views_.listChanges, 0);
    EXPECT_EQ(views_.statuses, (std::vector<std::wstring>{L"姓名/公司(机构)名称和金额不能为空，已保留原值"}));
    EXPECT_EQ(app_.undoHistory.undo.size(), 1u);

    EditEntryField(app_, views_, 0, 2, L"2.50");
    EXPECT_EQ(app_.list[0].amount, L"2.5元");
    EXPECT_EQ(OnDisk(), app_.list);
    EXPECT_EQ(views_.statuses.back(), L"已修改 1 条名单 · 已保存 @");
    EditEntryField(app_, views_, 7, 1, L"past the end");
    EXPECT_EQ(app_.list.size(), 1u);
}

TEST_F(ListCommandsTest, DeleteClearUndoAndRedoWorkOnTheGivenStateOnly) {
    for (const wchar_t* name : {L"A", L"B", L"C", L"D"}) AppendEntry(app_, views_, name, L"1");
    views_ = RecordingViews{};
    DeleteEntries(app_, views_, {3, 1, 3});
    EXPECT_EQ(app_.list, (DonationList{{L"A", L"1元"}, {L"C", L"1元"}}));
    EXPECT_EQ(views_.statuses.back(), L"已删除 2 条，可撤销 · 已保存 @");
    DeleteEntries(app_, views_, {});
    EXPECT_EQ(views_.statuses.back(), L"请先选择需要删除的名单");

    views_.answer = false;
    ClearList(app_, views_);
    EXPECT_EQ(app_.list.size(), 2u);
    views_.answer = true;
    ClearList(app_, views_);
    EXPECT_TRUE(app_.list.empty());
    EXPECT_EQ(views_.asked, (std::vector<ConfirmKind>{ConfirmKind::ClearList, ConfirmKind::ClearList}));
    EXPECT_TRUE(OnDisk().empty());

    UndoListChange(app_, views_);
    UndoListChange(app_, views_);
    EXPECT_EQ(app_.list.size(), 4u);
    EXPECT_EQ(OnDisk(), app_.list);
    RedoListChange(app_, views_);
    EXPECT_EQ(app_.list.size(), 2u);
    EXPECT_EQ(views_.statuses.back(), L"已重做 · 已保存 @");
}

TEST_F(ListCommandsTest, RestoringTheBackupAsksFirstAndAMissingOneAsksNothing) {
    RestoreListBackup(app_, views_);
    EXPECT_TRUE(views_.asked.empty());
    EXPECT_EQ(views_.statuses.back(), L"暂无可恢复的备份");

    AppendEntry(app_, views_, L"A", L"1");
    AppendEntry(app_, views_, L"B", L"2");  // the backup now holds A alone
    views_.answer = false;
    RestoreListBackup(app_, views_);
    EXPECT_EQ(app_.list.size(), 2u);
    views_.answer = true;
    RestoreListBackup(app_, views_);
    EXPECT_EQ(app_.list, (DonationList{{L"A", L"1元"}}));
    EXPECT_EQ(views_.asked, (std::vector<ConfirmKind>{ConfirmKind::RestoreBackup, ConfirmKind::RestoreBackup}));
    EXPECT_EQ(views_.statuses.back(), L"已恢复上次名单备份 · 已保存 @");
}

}  // namespace
