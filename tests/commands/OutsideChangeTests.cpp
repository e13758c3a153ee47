// Another program writes the list file while the program runs: its change is
// taken in as one step, the program's own saves never count as one, and no
// command ever saves over a change it has not seen.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "OutsideWriter.h"
#include "RecordingViews.h"
#include "TestFolder.h"
#include "commands/ListCommands.h"
#include "commands/ListStore.h"
#include "commands/OutsideChanges.h"

namespace {

const std::string kFirst = ListFileBytes("A,1\xE5\x85\x83\nB,2\xE5\x85\x83\n");
const std::string kOutside = ListFileBytes("A,1\xE5\x85\x83\nB,2\xE5\x85\x83\nC from Notepad,3\xE5\x85\x83\n");
const DonationList kOutsideList = {{L"A", L"1元"}, {L"B", L"2元"}, {L"C from Notepad", L"3元"}};

class OutsideChangeTest : public testing::Test {
protected:
    void SetUp() override {
        app_.listPath = folder_.File(L"donations.txt");
        app_.settings.amountUnit = L"元";
        ASSERT_TRUE(WriteInPlace(app_.listPath, kFirst));
        LoadDonationList(app_);
        ASSERT_EQ(app_.list.size(), 2u);
    }
    std::string OnDisk() const { return ReadBytes(app_.listPath); }
    std::wstring LastStatus() const { return views_.statuses.empty() ? L"" : views_.statuses.back(); }

    TestFolder folder_;
    AppState app_;
    RecordingViews views_;
};

TEST_F(OutsideChangeTest, AnOutsideEditIsOneStepThatUndoTakesBackAndSaves) {
    ASSERT_TRUE(WriteInPlace(app_.listPath, kOutside));
    EXPECT_EQ(TakeInOutsideChange(app_, views_), OutsideChange::Reloaded);
    EXPECT_EQ(app_.list, kOutsideList);
    EXPECT_EQ(views_.reloads, 1);
    EXPECT_EQ(LastStatus(), L"名单文件已被外部修改，已重新载入 3 条 @");
    EXPECT_EQ(OnDisk(), kOutside);  // taking a change in writes nothing
    EXPECT_EQ(TakeInOutsideChange(app_, views_), OutsideChange::None);
    EXPECT_EQ(views_.reloads, 1);

    UndoListChange(app_, views_);
    EXPECT_EQ(app_.list.size(), 2u);
    EXPECT_EQ(OnDisk(), kFirst);
    EXPECT_EQ(ReadBytes(app_.listPath + L".bak"), kOutside);  // the backup holds what really was in the file
    EXPECT_EQ(LastStatus(), L"已撤销 · 已保存 @");
    RedoListChange(app_, views_);
    EXPECT_EQ(app_.list, kOutsideList);
    EXPECT_EQ(TakeInOutsideChange(app_, views_), OutsideChange::None);
}

TEST_F(OutsideChangeTest, TheProgramsOwnSavesNeverCountAsOutsideChanges) {
    for (const wchar_t* name : {L"X", L"Y", L"Z"}) {
        AppendEntry(app_, views_, name, L"5");
        EXPECT_EQ(TakeInOutsideChange(app_, views_), OutsideChange::None);
    }
    DeleteEntries(app_, views_, {0});
    UndoListChange(app_, views_);
    EXPECT_EQ(TakeInOutsideChange(app_, views_), OutsideChange::None);
    EXPECT_EQ(views_.reloads, 0);
    EXPECT_EQ(app_.listFile.reloads, 0u);
}

TEST_F(OutsideChangeTest, AnAppendOrImportAfterAnUnseenChangeGoesOntoTheNewList) {
    ASSERT_TRUE(WriteInPlace(app_.listPath, kOutside));
    EXPECT_TRUE(AppendEntry(app_, views_, L"Typed", L"9"));
    ASSERT_EQ(app_.list.size(), 4u);
    EXPECT_EQ(app_.list[2].name, L"C from Notepad");
    EXPECT_EQ(app_.list[3].name, L"Typed");
    EXPECT_EQ(LastStatus(), L"名单文件已被外部修改，已重新载入 3 条 · 已追加 1 条名单 · 已保存 @");
    DonationList onDisk;
    ReadDonationListFile(app_.listPath, L"元", onDisk);
    EXPECT_EQ(onDisk, app_.list);

    ASSERT_TRUE(WriteByRenameOver(app_.listPath, kFirst));
    AppendEntries(app_, views_, {{L"I1", L"1元"}, {L"I2", L"2元"}}, L"已批量加入 2 条");
    EXPECT_EQ(app_.list, (DonationList{{L"A", L"1元"}, {L"B", L"2元"}, {L"I1", L"1元"}, {L"I2", L"2元"}}));
    EXPECT_EQ(LastStatus(), L"名单文件已被外部修改，已重新载入 2 条 · 已批量加入 2 条 · 已保存 @");

    // Each step comes back: the import, the reload, the append, the first reload.
    UndoListChange(app_, views_);
    EXPECT_EQ(app_.list.size(), 2u);
    UndoListChange(app_, views_);
    EXPECT_EQ(app_.list.size(), 4u);
    UndoListChange(app_, views_);
    EXPECT_EQ(app_.list, kOutsideList);
    UndoListChange(app_, views_);
    EXPECT_EQ(app_.list.size(), 2u);
}

// Every command that was meant for the list the operator saw.
TEST_F(OutsideChangeTest, OtherCommandsAfterAnUnseenChangeAreNotAppliedAndSaySo) {
    AppendEntry(app_, views_, L"Mine", L"7");  // something to undo, and a backup to restore
    DeleteEntries(app_, views_, {2});
    UndoListChange(app_, views_);  // and something to redo
    const std::vector<std::pair<const char*, std::function<void()>>> commands = {
        {"edit", [&] { EditEntryField(app_, views_, 0, 1, L"Edited"); }},
        {"delete", [&] { DeleteEntries(app_, views_, {0}); }},
        {"clear", [&] { ClearList(app_, views_); }},
        {"undo", [&] { UndoListChange(app_, views_); }},
        {"redo", [&] { RedoListChange(app_, views_); }},
        {"restore", [&] { RestoreListBackup(app_, views_); }},
    };
    for (const auto& [what, command] : commands) {
        SCOPED_TRACE(what);
        const UndoHistory history = app_.undoHistory;
        const DonationList before = app_.list;
        ASSERT_TRUE(WriteInPlace(app_.listPath, kOutside));
        command();
        EXPECT_EQ(OnDisk(), kOutside);
        EXPECT_EQ(app_.list, kOutsideList);
        EXPECT_EQ(LastStatus(), L"名单文件已被外部修改，已重新载入 3 条 · 刚才的修改未执行，请在新名单上重新操作 @");
        // Back to where the operator was, for the next command.
        app_.list = before;
        app_.undoHistory = history;
        app_.listSaved = false;
        SaveDonationList(app_);  // the stamp is still the outside file's: our list goes over it knowingly
        ASSERT_TRUE(app_.listSaved);
    }
}

TEST_F(OutsideChangeTest, AChangeWhileAQuestionIsOpenCancelsTheConfirmedCommand) {
    views_.whileAsking = [&] {
        // The watcher runs inside the question's own message loop.
        WriteInPlace(app_.listPath, kOutside);
        TakeInOutsideChange(app_, views_);
    };
    ClearList(app_, views_);
    EXPECT_EQ(app_.list, kOutsideList);
    EXPECT_EQ(OnDisk(), kOutside);
    EXPECT_NE(LastStatus().find(L"刚才的修改未执行"), std::wstring::npos);

    AppendEntry(app_, views_, L"For the backup", L"1");
    views_.whileAsking = [&] { WriteInPlace(app_.listPath, kFirst); };  // noticed only after the answer
    RestoreListBackup(app_, views_);
    EXPECT_EQ(OnDisk(), kFirst);
    EXPECT_EQ(app_.list.size(), 2u);
}

TEST_F(OutsideChangeTest, ARemovedFileKeepsTheListAndIsWrittenAgainOnTheNextChange) {
    ASSERT_TRUE(DeleteFileW(app_.listPath.c_str()));
    EXPECT_EQ(TakeInOutsideChange(app_, views_), OutsideChange::Removed);
    EXPECT_EQ(app_.list.size(), 2u);
    EXPECT_EQ(LastStatus(), L"名单文件已被删除或移走，当前名单仍在程序中，下次修改时将重新写入 @");
    EXPECT_EQ(TakeInOutsideChange(app_, views_), OutsideChange::None);  // said once
    AppendEntry(app_, views_, L"New", L"1");
    EXPECT_EQ(LastStatus(), L"已追加 1 条名单 · 已保存 @");
    DonationList onDisk;
    ASSERT_EQ(ReadDonationListFile(app_.listPath, L"元", onDisk), ListReadResult::Loaded);
    EXPECT_EQ(onDisk.size(), 3u);

    // Deleted and written again by the other program: its content counts.
    ASSERT_TRUE(WriteAfterDeleting(app_.listPath, kOutside));
    EXPECT_EQ(TakeInOutsideChange(app_, views_), OutsideChange::Reloaded);
    EXPECT_EQ(app_.list, kOutsideList);

    // Removed, and a new file appears before the program looked: never saved over.
    ASSERT_TRUE(DeleteFileW(app_.listPath.c_str()));
    EXPECT_EQ(TakeInOutsideChange(app_, views_), OutsideChange::Removed);
    ASSERT_TRUE(WriteInPlace(app_.listPath, kFirst));
    EditEntryField(app_, views_, 0, 1, L"Edited");
    EXPECT_EQ(OnDisk(), kFirst);
    EXPECT_EQ(app_.list.size(), 2u);
}

TEST_F(OutsideChangeTest, ALockedFileIsSaidOnceNeverSavedOverAndTakenInOnceFree) {
    HANDLE lock = CreateFileW(app_.listPath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_EQ(TakeInOutsideChange(app_, views_), OutsideChange::Unreadable);
    EXPECT_EQ(LastStatus(), L"名单文件暂时无法读取（可能正被其他程序占用），当前名单不变，也不会覆盖它 @");
    const size_t said = views_.statuses.size();
    EXPECT_EQ(TakeInOutsideChange(app_, views_), OutsideChange::Unreadable);
    EXPECT_EQ(views_.statuses.size(), said);

    AppendEntry(app_, views_, L"Typed while locked", L"1");
    EXPECT_FALSE(app_.listSaved);
    EXPECT_EQ(app_.list.size(), 3u);
    // The locking program saves its own version and lets go.
    DWORD written = 0;
    SetFilePointer(lock, 0, nullptr, FILE_BEGIN);
    ASSERT_TRUE(WriteFile(lock, kOutside.data(), static_cast<DWORD>(kOutside.size()), &written, nullptr));
    CloseHandle(lock);
    EXPECT_EQ(TakeInOutsideChange(app_, views_), OutsideChange::Reloaded);
    EXPECT_EQ(app_.list, kOutsideList);
    UndoListChange(app_, views_);  // what was typed meanwhile comes back and is saved
    ASSERT_EQ(app_.list.size(), 3u);
    EXPECT_EQ(app_.list[2].name, L"Typed while locked");
    EXPECT_TRUE(app_.listSaved);
}

// The last line of defence: a write that races the check still never lands.
TEST_F(OutsideChangeTest, ASaveThatMeetsAnUnseenChangeLeavesItAndSaysWhy) {
    app_.list.push_back({L"Mine", L"1元"});
    ASSERT_TRUE(WriteInPlace(app_.listPath, kOutside));
    FinishListChange(app_, views_, L"已追加 1 条名单");
    EXPECT_EQ(OnDisk(), kOutside);
    EXPECT_FALSE(app_.listSaved);
    EXPECT_EQ(LastStatus(), L"已追加 1 条名单 · 保存失败：名单文件已被其他程序修改，未覆盖它 @");
    EXPECT_FALSE(FileExists(app_.listPath + L".bak"));

    // With no change of ours waiting, nothing is lost and nothing is written.
    app_.list.pop_back();
    app_.listSaved = true;
    SaveDonationList(app_);
    EXPECT_TRUE(app_.listSaved);
    EXPECT_EQ(OnDisk(), kOutside);
}

// A look made on another thread arrives after the program saved: it is out of
// date and must not bring back what the program has just replaced.
TEST_F(OutsideChangeTest, ALookThatTheProgramsOwnSaveOvertookIsNotTakenIn) {
    ListFileRead early = ReadListFileIfChanged(app_.listPath, L"元", app_.listFile.stamp);
    EXPECT_TRUE(early.list.empty());  // unchanged: nothing parsed
    ASSERT_TRUE(WriteInPlace(app_.listPath, kOutside));
    ListFileRead outside = ReadListFileIfChanged(app_.listPath, L"元", app_.listFile.stamp);
    EXPECT_EQ(outside.list, kOutsideList);
    AppendEntry(app_, views_, L"Mine", L"1");  // takes the change in itself, then saves
    ASSERT_EQ(app_.list.size(), 4u);
    EXPECT_EQ(TakeInListFileRead(app_, views_, std::move(outside)), OutsideChange::None);
    EXPECT_EQ(app_.list.size(), 4u);
    EXPECT_EQ(TakeInListFileRead(app_, views_, std::move(early)), OutsideChange::None);
    EXPECT_EQ(app_.listFile.reloads, 1u);
}

TEST(ListFileStamp, AWriteGoesOnlyOverTheContentItWasToldAbout) {
    TestFolder folder;
    const std::wstring path = folder.File(L"donations.txt");
    const DonationList list = {{L"A", L"1元"}};
    ListFileStamp stamp = MissingFileStamp();
    ASSERT_TRUE(WriteInPlace(path, kFirst));  // appeared after we knew it missing
    EXPECT_EQ(WriteDonationListFileOver(list, path, stamp), ListWriteResult::ChangedOutside);
    EXPECT_EQ(ReadBytes(path), kFirst);

    stamp = StampOfBytes(kFirst);
    EXPECT_EQ(WriteDonationListFileOver(list, path, stamp), ListWriteResult::Saved);
    EXPECT_EQ(stamp, StampOfBytes(ReadBytes(path)));
    ASSERT_TRUE(DeleteFileW(path.c_str()));  // known to exist, now gone: written again
    EXPECT_EQ(WriteDonationListFileOver(list, path, stamp), ListWriteResult::Saved);
    EXPECT_EQ(stamp, StampOfBytes(ReadBytes(path)));

    ListFileStamp unknown;
    ASSERT_TRUE(WriteInPlace(path, kOutside));
    EXPECT_EQ(WriteDonationListFileOver(list, path, unknown), ListWriteResult::Saved);  // nothing known: the old rules
    EXPECT_NE(StampOfBytes(kFirst), StampOfBytes(kOutside));
    EXPECT_NE(StampOfBytes(""), MissingFileStamp());  // an empty file is not a missing one
}

}  // namespace
