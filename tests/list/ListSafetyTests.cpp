// The list file under the faults an operator meets: a file another program
// holds locked at start-up, saves stopped at every step (as a crash or a full
// disk stops them), and lines whose quoting must read back as written.
#include <gtest/gtest.h>

#include <random>

#include "FreshAppState.h"
#include "TestFolder.h"
#include "app/AppState.h"
#include "core/list/AmountText.h"
#include "ui/panel/ListEditing.h"
#include "commands/ListStore.h"

namespace {

const std::string kHeader = "\xEF\xBB\xBF# name,amount\n";

class ListSafetyTest : public testing::Test {
protected:
    void SetUp() override {
        StartFreshAppState();
        g_app.settings.amountUnit = L"元";
        g_app.listPath = folder_.File(L"donations.txt");
    }
    void TearDown() override { Unlock(); }

    // Held open without sharing, as a spreadsheet holds the file it shows.
    void Lock() {
        lock_ = CreateFileW(Path().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(lock_, INVALID_HANDLE_VALUE);
    }
    void Unlock() {
        if (lock_ != INVALID_HANDLE_VALUE) CloseHandle(lock_);
        lock_ = INVALID_HANDLE_VALUE;
    }

    // The operator types one more entry and the change is saved.
    void Append(const std::wstring& name) {
        PushUndoSnapshot();
        g_app.list.push_back({name, L"1元"});
        SaveDonationList();
    }

    DonationList FileEntries(const std::wstring& path) const {
        DonationList list;
        ReadDonationListFile(path, L"元", list);
        return list;
    }

    std::wstring Path() const { return g_app.listPath; }
    std::wstring Backup() const { return g_app.listPath + L".bak"; }
    std::wstring Unsaved() const { return g_app.listPath + L".unsaved"; }

    TestFolder folder_;
    HANDLE lock_ = INVALID_HANDLE_VALUE;
    const std::string original_ = kHeader + "Original A,100\xE5\x85\x83\nOriginal B,200\xE5\x85\x83\n";
    const std::string olderBackup_ = kHeader + "Older,1\xE5\x85\x83\n";
};

TEST_F(ListSafetyTest, AFileLockedAtStartUpIsNeverReplacedAndTypedEntriesWaitBesideIt) {
    ASSERT_TRUE(WriteBytes(Path(), original_));
    ASSERT_TRUE(WriteBytes(Backup(), olderBackup_));
    Lock();
    LoadDonationList();
    EXPECT_TRUE(g_app.list.empty());
    EXPECT_TRUE(g_app.listFile.unread);
    EXPECT_NE(ListStartupStatus().find(L"名单文件无法读取"), std::wstring::npos);

    // One, two, then ten changes while the file stays locked.
    std::vector<std::wstring> typed;
    for (int i = 0; i < 10; ++i) {
        typed.push_back(L"Typed " + std::to_wstring(i));
        Append(typed.back());
        EXPECT_FALSE(g_app.listSaved);
        EXPECT_EQ(LastListChangeStatus(L"已追加 1 条名单"),
                  L"已追加 1 条名单 · 保存失败：名单文件无法读取，未覆盖它；当前名单已另存到 donations.txt.unsaved");
        EXPECT_EQ(FileEntries(Unsaved()).size(), typed.size());
    }
    Unlock();
    EXPECT_EQ(ReadBytes(Path()), original_);
    EXPECT_EQ(ReadBytes(Backup()), olderBackup_);

    // Released: the next save takes the file in first, then the typed entries.
    Append(L"After release");
    typed.push_back(L"After release");
    ASSERT_TRUE(g_app.listSaved);
    EXPECT_FALSE(g_app.listFile.unread);
    EXPECT_EQ(LastListChangeStatus(L"已追加 1 条名单"), L"已追加 1 条名单 · 名单文件已能读取，已载入其中 2 条 · 已保存");
    ASSERT_EQ(g_app.list.size(), 2 + typed.size());
    EXPECT_EQ(g_app.list[0].name, L"Original A");
    EXPECT_EQ(g_app.list[1].name, L"Original B");
    for (size_t i = 0; i < typed.size(); ++i) EXPECT_EQ(g_app.list[2 + i].name, typed[i]);
    EXPECT_EQ(FileEntries(Path()), g_app.list);
    EXPECT_EQ(ReadBytes(Backup()), original_);  // the real file, never an empty one
    EXPECT_FALSE(FileExists(Unsaved()));

    // Taking the file in was one step of its own: undo gives the typed list back.
    UndoListChange();
    EXPECT_EQ(g_app.list.size(), typed.size());
    EXPECT_EQ(g_app.list.front().name, L"Typed 0");
}

TEST_F(ListSafetyTest, ExitWhileStillLockedKeepsTheTypedEntriesForTheNextStart) {
    ASSERT_TRUE(WriteBytes(Path(), original_));
    Lock();
    LoadDonationList();
    Append(L"Typed 1");
    Append(L"Typed 2");
    SaveDonationList();  // what the exit path does
    EXPECT_FALSE(g_app.listSaved);

    // Started again while the file is still locked: the kept entries are the list.
    g_app.list.clear();
    LoadDonationList();
    EXPECT_TRUE(g_app.listFile.unread);
    ASSERT_EQ(g_app.list.size(), 2u);
    EXPECT_NE(ListStartupStatus().find(L"donations.txt.unsaved 中未保存的 2 条"), std::wstring::npos);
    Append(L"Typed 3");
    EXPECT_EQ(FileEntries(Unsaved()).size(), 3u);
    Unlock();

    // Started once more with the file free: nothing typed is missing.
    g_app.list.clear();
    g_app.listFile = ListFileStatus{};
    LoadDonationList();
    EXPECT_FALSE(g_app.listFile.unread);
    ASSERT_EQ(g_app.list.size(), 5u);
    EXPECT_EQ(g_app.list[0].name, L"Original A");
    EXPECT_EQ(g_app.list[4].name, L"Typed 3");
    EXPECT_EQ(ListStartupStatus(), L"已找回上次未保存的 3 条名单 · 已保存");
    EXPECT_EQ(FileEntries(Path()), g_app.list);
    EXPECT_EQ(ReadBytes(Backup()), original_);
    EXPECT_FALSE(FileExists(Unsaved()));
}

TEST_F(ListSafetyTest, NothingTypedWhileLockedLeavesNothingBehind) {
    ASSERT_TRUE(WriteBytes(Path(), original_));
    Lock();
    LoadDonationList();
    Append(L"Typed");
    ASSERT_TRUE(FileExists(Unsaved()));
    g_app.list.clear();  // the operator deleted what they typed
    SaveDonationList();
    EXPECT_TRUE(g_app.listSaved);
    EXPECT_FALSE(FileExists(Unsaved()));
    Unlock();
    EXPECT_EQ(ReadBytes(Path()), original_);
    EXPECT_FALSE(FileExists(Backup()));
}

TEST_F(ListSafetyTest, AFileRemovedWhileUnreadIsWrittenAgainWithTheTypedEntries) {
    ASSERT_TRUE(WriteBytes(Path(), original_));
    Lock();
    LoadDonationList();
    Append(L"Typed");
    Unlock();
    ASSERT_TRUE(DeleteFileW(Path().c_str()));
    Append(L"Typed again");
    EXPECT_TRUE(g_app.listSaved);
    EXPECT_EQ(FileEntries(Path()).size(), 2u);
    EXPECT_FALSE(FileExists(Unsaved()));
}

TEST_F(ListSafetyTest, AFileThatTurnsUnreadableLaterIsNotReplacedEither) {
    ASSERT_TRUE(WriteBytes(Path(), original_));
    LoadDonationList();
    ASSERT_EQ(g_app.list.size(), 2u);
    Lock();
    Append(L"Typed");
    EXPECT_FALSE(g_app.listSaved);
    EXPECT_EQ(LastListChangeStatus(L"已追加 1 条名单"), L"已追加 1 条名单 · 保存失败：名单文件无法读取，未覆盖它，可重试");
    EXPECT_FALSE(FileExists(Unsaved()));  // the whole list is in memory, and in the file but one entry
    Unlock();
    EXPECT_EQ(ReadBytes(Path()), original_);
    SaveDonationList();
    EXPECT_TRUE(g_app.listSaved);
    EXPECT_EQ(FileEntries(Path()).size(), 3u);
}

// --- saves stopped at every step ------------------------------------------

// The platform steps with a budget: after `allowed` changes to the folder,
// every further one fails, as if the process had been killed there or the
// disk had filled up.
struct StepBudget {
    static int allowed;
    static bool Spend() { return allowed-- > 0; }
    static bool Write(const std::wstring& path, const std::string& bytes) {
        return Spend() && PlatformListFileOps().writeFlushed(path, bytes);
    }
    static bool Replace(const std::wstring& from, const std::wstring& to) {
        return Spend() && PlatformListFileOps().replace(from, to);
    }
};
int StepBudget::allowed = 0;

TEST_F(ListSafetyTest, AStopAtAnyStepLeavesBothFilesCompleteAndAFailedSaveLeavesTheBackup) {
    ListFileOps ops = PlatformListFileOps();
    ops.writeFlushed = StepBudget::Write;
    ops.replace = StepBudget::Replace;
    const DonationList first = {{L"A", L"1元"}};
    const DonationList second = {{L"A", L"1元"}, {L"B", L"2元"}};
    const DonationList third = {{L"A", L"1元"}, {L"B", L"2元"}, {L"C", L"3元"}};
    const std::string firstBytes = SerializeDonationList(first);
    const std::string secondBytes = SerializeDonationList(second);
    const std::string thirdBytes = SerializeDonationList(third);

    for (int steps = 0; steps <= 4; ++steps) {
        SCOPED_TRACE("steps allowed: " + std::to_string(steps));
        ASSERT_TRUE(WriteBytes(Path(), secondBytes));
        ASSERT_TRUE(WriteBytes(Backup(), firstBytes));
        // A stale pending backup from an earlier crash is never read.
        ASSERT_TRUE(WriteBytes(Backup() + L".pending", "stale"));

        StepBudget::allowed = steps;
        const ListWriteResult result = WriteDonationListFile(third, Path(), ops);
        const std::string file = ReadBytes(Path());
        const std::string backup = ReadBytes(Backup());
        EXPECT_TRUE(file == secondBytes || file == thirdBytes);
        EXPECT_TRUE(backup == firstBytes || backup == secondBytes);
        if (result == ListWriteResult::Saved) {
            EXPECT_EQ(file, thirdBytes);
        } else {
            EXPECT_EQ(file, secondBytes);
            EXPECT_EQ(backup, firstBytes);
        }
        if (steps >= 4) {
            EXPECT_EQ(result, ListWriteResult::Saved);
            EXPECT_EQ(backup, secondBytes);
        }
    }

    // With the list file locked against writing the save fails before the backup changes.
    ASSERT_TRUE(WriteBytes(Path(), secondBytes));
    ASSERT_TRUE(WriteBytes(Backup(), firstBytes));
    HANDLE readers = CreateFileW(Path().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(readers, INVALID_HANDLE_VALUE);
    EXPECT_EQ(WriteDonationListFile(third, Path()), ListWriteResult::Failed);
    CloseHandle(readers);
    EXPECT_EQ(ReadBytes(Path()), secondBytes);
    EXPECT_EQ(ReadBytes(Backup()), firstBytes);
}

// --- quoting ----------------------------------------------------------------

TEST(ListFileQuoting, TheLinesThatUsedToReadBackWrongNowRoundTrip) {
    const DonationList list = {
        {L"\"x", L"1\",2元"}, {L"\"爱心", L"\"，1000元"}, {L"\"Hope", L"1\","}, {L"\"a\" b", L"\",\"元"},
    };
    EXPECT_EQ(ParseDonationListBytes(SerializeDonationList(list), L"元"), list);
}

TEST(ListFileQuoting, GeneratedNamesAndAmountsReadBackAsWritten) {
    const std::wstring alphabet = L"\",，\t# aB元1.";
    std::mt19937 random(20261210);
    std::uniform_int_distribution<size_t> length(1, 7);
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    auto text = [&] {
        std::wstring t;
        for (size_t n = length(random); n > 0; --n) t += alphabet[pick(random)];
        return t;
    };
    DonationList list;
    while (list.size() < 5000) {
        // Stored as every entry path stores it.
        DonationEntry entry{StoredText(text()), NormalizeAmount(text(), L"元")};
        if (!entry.name.empty() && !entry.amount.empty()) list.push_back(entry);
    }
    const DonationList back = ParseDonationListBytes(SerializeDonationList(list), L"元");
    ASSERT_EQ(back.size(), list.size());
    for (size_t i = 0; i < list.size(); ++i) {
        ASSERT_EQ(back[i], list[i]) << "entry " << i;
    }
}

TEST(ListFileQuoting, AStoredAmountIsAlwaysTrimmedAndHoldsNoTab) {
    EXPECT_EQ(NormalizeAmount(L". 5万", L"元"), L"5万");
    EXPECT_EQ(NormalizeAmount(L"1\t000", L"元"), L"1 000元");
    EXPECT_EQ(StoredText(L"  Zhang\tWei \t"), L"Zhang Wei");
}

}  // namespace
