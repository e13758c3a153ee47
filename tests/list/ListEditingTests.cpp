// The list commands, on their own and driven through the control panel as
// the operator drives them: the list, the files and the status line after
// every step.
#include <gtest/gtest.h>

#include "Confirmation.h"
#include "TableTestHelpers.h"
#include "platform/FileIo.h"
#include "ui/panel/ListEditing.h"
#include "commands/ListStore.h"
#include "ui/panel/DonationTable.h"
#include "ui/panel/MoreMenu.h"

namespace {

DonationList Numbered(int count) {
    DonationList list;
    for (int i = 0; i < count; ++i) list.push_back({L"捐款人" + std::to_wstring(i), std::to_wstring(i + 1) + L"元"});
    return list;
}

TEST(UndoHistory, KeepsThirtyStepsAndTheOldestStateIsDropped) {
    UndoHistory history;
    DonationList list;
    std::vector<DonationList> states{list};
    for (int i = 0; i < 31; ++i) {
        PushSnapshot(history, list);
        list.push_back({L"N" + std::to_wstring(i), L"1元"});
        states.push_back(list);
    }
    EXPECT_EQ(history.undo.size(), 30u);
    for (int i = 0; i < 30; ++i) ASSERT_TRUE(StepBack(history, list));
    EXPECT_FALSE(StepBack(history, list));  // the 31st undo does nothing
    EXPECT_EQ(list, states[1]);              // the state after the first change
    EXPECT_EQ(history.redo.size(), 30u);
    EXPECT_LE(history.undo.size() + history.redo.size(), 30u);
}

TEST(UndoHistory, ANewChangeAfterUndosDiscardsEveryRedo) {
    UndoHistory history;
    DonationList list;
    for (int i = 0; i < 5; ++i) {
        PushSnapshot(history, list);
        list.push_back({L"N" + std::to_wstring(i), L"1元"});
    }
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(StepBack(history, list));
    for (int i = 0; i < 2; ++i) ASSERT_TRUE(StepForward(history, list));
    EXPECT_EQ(list.size(), 4u);
    PushSnapshot(history, list);
    list.push_back({L"new", L"2元"});
    EXPECT_FALSE(StepForward(history, list));
    EXPECT_EQ(list.back().name, L"new");
    ASSERT_TRUE(StepBack(history, list));
    EXPECT_EQ(list.size(), 4u);
}

TEST(UndoHistory, DeletionOrderIsUniqueAndLargestFirst) {
    EXPECT_EQ(DeletionOrder({3, 7, 3, 0, 7, 5}), (std::vector<size_t>{7, 5, 3, 0}));
    EXPECT_TRUE(DeletionOrder({}).empty());
}

class ListEditingTest : public TableTest {};

// A TAB pasted into a box would show as a box in the table and the caption.
TEST_F(ListEditingTest, PastedTabsAreStoredAsSpaces) {
    Type(kIdNameBox, L"Zhang\tWei");
    Type(kIdAmountBox, L"1\t000");
    PressIn(Control(kIdAmountBox), VK_RETURN);
    ASSERT_EQ(g_app.list.size(), 1u);
    EXPECT_EQ(g_app.list[0], (DonationEntry{L"Zhang Wei", L"1 000元"}));

    DoubleClickCell(0, 1);
    ASSERT_NE(g_app.cellEditor, nullptr);
    SetWindowTextW(g_app.cellEditor, L"ABC\tLtd");
    RouteKey(g_app.cellEditor, WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(g_app.list[0].name, L"ABC Ltd");
}

TEST_F(ListEditingTest, EnterInTheAmountBoxAppendsSavesAndReadiesTheNextEntry) {
    Type(kIdNameBox, L"  张三 ");
    Type(kIdAmountBox, L"1000.00");
    PressIn(Control(kIdAmountBox), VK_RETURN);

    ASSERT_EQ(g_app.list.size(), 1u);
    EXPECT_EQ(g_app.list[0], (DonationEntry{L"张三", L"1000元"}));
    EXPECT_EQ(StatusWithoutTime(), L"已追加 1 条名单 · 已保存");
    EXPECT_TRUE(EndsWithTime(g_app.statusText));
    EXPECT_EQ(TextOf(Control(kIdStatusLine)), g_app.statusText);
    EXPECT_EQ(ReadBytes(g_app.listPath), "\xEF\xBB\xBF# name,amount\n\xE5\xBC\xA0\xE4\xB8\x89,1000\xE5\x85\x83\n");
    EXPECT_EQ(TextOf(Control(kIdNameBox)), L"");
    EXPECT_EQ(TextOf(Control(kIdAmountBox)), L"");
    EXPECT_EQ(GetFocus(), Control(kIdNameBox));
    ASSERT_EQ(RowCount(), 1);
    EXPECT_EQ(Cell(0, 0), L"1");
    EXPECT_EQ(Cell(0, 1), L"张三");
    EXPECT_EQ(TextOf(Control(kIdCountLabel)), L"名单  1 条");
    EXPECT_TRUE(IsWindowEnabled(Control(kIdUndoButton)));
    EXPECT_FALSE(IsWindowEnabled(Control(kIdRedoButton)));

    // Enter in the name box appends too.
    Type(kIdNameBox, L"李四");
    Type(kIdAmountBox, L"5万");
    PressIn(Control(kIdNameBox), VK_RETURN);
    ASSERT_EQ(g_app.list.size(), 2u);
    EXPECT_EQ(g_app.list[1], (DonationEntry{L"李四", L"5万"}));
}

TEST_F(ListEditingTest, AnEmptyNameOrAmountIsRefusedAndItsBoxFocused) {
    Type(kIdAmountBox, L"100");
    PressIn(Control(kIdAmountBox), VK_RETURN);
    EXPECT_TRUE(g_app.list.empty());
    EXPECT_EQ(g_app.statusText, L"请填写姓名/公司(机构)名称和金额");  // no time
    EXPECT_EQ(GetFocus(), Control(kIdNameBox));
    EXPECT_FALSE(FileExists(g_app.listPath));

    Type(kIdNameBox, L"张三");
    Type(kIdAmountBox, L" . ");  // normalises to nothing
    PressIn(Control(kIdNameBox), VK_RETURN);
    EXPECT_TRUE(g_app.list.empty());
    EXPECT_EQ(GetFocus(), Control(kIdAmountBox));
    EXPECT_TRUE(g_app.undoHistory.undo.empty());
    EXPECT_EQ(TextOf(Control(kIdNameBox)), L"张三");  // nothing typed is lost
}

TEST_F(ListEditingTest, UndoOfAnAppendWritesTheFileBackAndTheBackupHoldsTheAppend) {
    g_app.list = {{L"A", L"1元"}};
    SaveDonationList();
    const std::string before = ReadBytes(g_app.listPath);
    Type(kIdNameBox, L"B");
    Type(kIdAmountBox, L"2");
    PressIn(Control(kIdAmountBox), VK_RETURN);
    const std::string appended = ReadBytes(g_app.listPath);
    ASSERT_NE(appended, before);

    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdUndoButton, BN_CLICKED), 0);
    EXPECT_EQ(g_app.list, (DonationList{{L"A", L"1元"}}));
    EXPECT_EQ(StatusWithoutTime(), L"已撤销 · 已保存");
    EXPECT_EQ(ReadBytes(g_app.listPath), before);
    EXPECT_EQ(ReadBytes(g_app.listPath + L".bak"), appended);
    EXPECT_FALSE(IsWindowEnabled(Control(kIdUndoButton)));
    EXPECT_TRUE(IsWindowEnabled(Control(kIdRedoButton)));

    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdRedoButton, BN_CLICKED), 0);
    EXPECT_EQ(g_app.list.size(), 2u);
    EXPECT_EQ(StatusWithoutTime(), L"已重做 · 已保存");
    EXPECT_EQ(ReadBytes(g_app.listPath), appended);
}

TEST_F(ListEditingTest, CtrlZAndCtrlYOutsideTextBoxesUndoAndRedo) {
    g_app.list = Numbered(2);
    RefreshDonationTable();
    SelectRow(0);
    PressIn(Table(), VK_DELETE);
    ASSERT_EQ(g_app.list.size(), 1u);
    SetFocus(Table());
    RouteKeyWith(VK_CONTROL, Table(), 'Z');
    EXPECT_EQ(g_app.list, Numbered(2));
    RouteKeyWith(VK_CONTROL, Table(), 'Y');
    EXPECT_EQ(g_app.list.size(), 1u);
}

TEST_F(ListEditingTest, ThirtyOneChangesThenThirtyOneUndos) {
    for (int i = 0; i < 31; ++i) {
        Type(kIdNameBox, L"N" + std::to_wstring(i));
        Type(kIdAmountBox, L"1");
        SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdAppendButton, BN_CLICKED), 0);
    }
    ASSERT_EQ(g_app.list.size(), 31u);
    for (int i = 0; i < 31; ++i) UndoListChange();
    ASSERT_EQ(g_app.list.size(), 1u);  // the state before the first append was dropped
    EXPECT_EQ(g_app.list[0].name, L"N0");
    EXPECT_FALSE(IsWindowEnabled(Control(kIdUndoButton)));
}

TEST_F(ListEditingTest, DeletingWithASearchRemovesOnlyTheSelectedVisibleRows) {
    g_app.list = {{L"Alpha", L"1元"}, {L"Beta", L"2元"}, {L"Alps", L"3元"}, {L"Gamma", L"4元"}, {L"Alto", L"5元"}};
    RefreshDonationTable();
    Type(kIdSearchBox, L"al");  // the search box's change refreshes the table
    ASSERT_EQ(RowCount(), 3);
    EXPECT_EQ(Cell(1, 0), L"3");
    SelectRow(1);
    SelectRow(2);
    PressIn(Table(), VK_DELETE);
    EXPECT_EQ(g_app.list, (DonationList{{L"Alpha", L"1元"}, {L"Beta", L"2元"}, {L"Gamma", L"4元"}}));
    EXPECT_EQ(StatusWithoutTime(), L"已删除 2 条，可撤销 · 已保存");
    EXPECT_EQ(RowCount(), 1);
    EXPECT_FALSE(IsRowSelected(0));
}

TEST_F(ListEditingTest, SelectAllAndDeleteThenOneUndoRestoresEveryRowInOrder) {
    g_app.list = Numbered(12);
    RefreshDonationTable();
    SetFocus(Table());
    RouteKeyWith(VK_CONTROL, Table(), 'A');
    for (int row = 0; row < 12; ++row) ASSERT_TRUE(IsRowSelected(row));
    RouteKey(Table(), WM_KEYDOWN, VK_DELETE);
    EXPECT_TRUE(g_app.list.empty());
    EXPECT_EQ(StatusWithoutTime(), L"已删除 12 条，可撤销 · 已保存");
    EXPECT_EQ(RowCount(), 0);

    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdUndoButton, BN_CLICKED), 0);
    EXPECT_EQ(g_app.list, Numbered(12));
    EXPECT_EQ(RowCount(), 12);
}

TEST_F(ListEditingTest, DeletingWithoutASelectionIsRefused) {
    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdDeleteButton, BN_CLICKED), 0);
    EXPECT_EQ(g_app.statusText, L"请先选择需要删除的名单");
    g_app.list = Numbered(3);
    RefreshDonationTable();
    g_app.statusText.clear();
    SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdDeleteButton, BN_CLICKED), 0);
    EXPECT_EQ(g_app.statusText, L"请先选择需要删除的名单");
    EXPECT_EQ(g_app.list.size(), 3u);
    EXPECT_TRUE(g_app.undoHistory.undo.empty());
}

TEST_F(ListEditingTest, ClearingAsksFirstAndOnlyYesClears) {
    ConfirmationSeen seen = AnswerConfirmation(L"清空名单", IDNO, [] { RunMoreMenuCommand(kIdMenuClearList); });
    EXPECT_FALSE(seen.found);  // an empty list asks nothing
    EXPECT_EQ(g_app.statusText, L"就绪");

    g_app.list = Numbered(4);
    RefreshDonationTable();
    seen = AnswerConfirmation(L"清空名单", IDNO, [] { RunMoreMenuCommand(kIdMenuClearList); });
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.text, L"清空当前名单？可通过撤销恢复。");
    EXPECT_TRUE(seen.yesAndNo);
    EXPECT_EQ(g_app.list.size(), 4u);
    EXPECT_EQ(g_app.statusText, L"就绪");

    seen = AnswerConfirmation(L"清空名单", IDYES, [] { RunMoreMenuCommand(kIdMenuClearList); });
    ASSERT_TRUE(seen.found);
    EXPECT_TRUE(g_app.list.empty());
    EXPECT_EQ(StatusWithoutTime(), L"名单已清空，可撤销 · 已保存");
    UndoListChange();
    EXPECT_EQ(g_app.list, Numbered(4));
}

TEST_F(ListEditingTest, AnAppendInAReadOnlyFolderIsKeptAndReportedUnsaved) {
    const std::wstring folder = LockedFolder();
    ASSERT_FALSE(folder.empty()) << "the test runner provides a folder this process cannot write";
    g_app.listPath = folder + L"\\donations.txt";
    const std::string before = ReadBytes(g_app.listPath);
    LoadDonationList();
    RefreshDonationTable();
    Type(kIdNameBox, L"新");
    Type(kIdAmountBox, L"9");
    PressIn(Control(kIdAmountBox), VK_RETURN);
    EXPECT_EQ(g_app.list.size(), 2u);
    EXPECT_EQ(RowCount(), 2);
    EXPECT_EQ(StatusWithoutTime(), L"已追加 1 条名单 · 保存失败，可重试");
    EXPECT_EQ(ReadBytes(g_app.listPath), before);
}

TEST_F(ListEditingTest, ASaveFailureKeepsTheChangeAndSaysSo) {
    g_app.list = Numbered(1);
    SaveDonationList();
    ASSERT_TRUE(SetFileAttributesW(g_app.listPath.c_str(), FILE_ATTRIBUTE_READONLY));
    Type(kIdNameBox, L"B");
    Type(kIdAmountBox, L"2");
    PressIn(Control(kIdAmountBox), VK_RETURN);
    EXPECT_EQ(g_app.list.size(), 2u);
    EXPECT_EQ(StatusWithoutTime(), L"已追加 1 条名单 · 保存失败，可重试");
    EXPECT_TRUE(EndsWithTime(g_app.statusText));

    // Once the file is writable again, the next change writes the whole list.
    SetFileAttributesW(g_app.listPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    UndoListChange();
    RedoListChange();
    EXPECT_EQ(StatusWithoutTime(), L"已重做 · 已保存");
    LoadDonationList();
    EXPECT_EQ(g_app.list.size(), 2u);
}

}  // namespace

namespace {

// Start-up with donations.txt held open by another program, as the operator
// meets it: the status line says so, entries typed meanwhile are kept, and
// Ctrl+S after the file is free takes it in ahead of them.
class UnreadListFileTest : public ListEditingTest {
protected:
    void TearDown() override {
        if (lock_ != INVALID_HANDLE_VALUE) CloseHandle(lock_);
        ListEditingTest::TearDown();
    }
    HANDLE lock_ = INVALID_HANDLE_VALUE;
};

TEST_F(UnreadListFileTest, TheStatusLineTellsAndCtrlSTakesTheFileInOnceItIsFree) {
    ASSERT_TRUE(WriteBytes(g_app.listPath, "\xEF\xBB\xBF# name,amount\nA,1\xE5\x85\x83\nB,2\xE5\x85\x83\n"));
    lock_ = CreateFileW(g_app.listPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock_, INVALID_HANDLE_VALUE);
    DestroyWindow(g_app.caption->window);
    DestroyWindow(g_app.panel->window);
    DrainMessages();
    TakeQuitMessage();
    LoadDonationList();
    CreateMainWindows();  // as start-up does after loading
    ShowWindow(g_app.panel->window, SW_SHOW);
    EXPECT_EQ(StatusWithoutTime().rfind(L"名单文件无法读取", 0), 0u) << StatusWithoutTime();

    Type(kIdNameBox, L"张三");
    Type(kIdAmountBox, L"100");
    PressIn(Control(kIdAmountBox), VK_RETURN);
    EXPECT_EQ(StatusWithoutTime(),
              L"已追加 1 条名单 · 保存失败：名单文件无法读取，未覆盖它；当前名单已另存到 donations.txt.unsaved");
    EXPECT_EQ(RowCount(), 1);

    CloseHandle(lock_);
    lock_ = INVALID_HANDLE_VALUE;
    RouteKeyWith(VK_CONTROL, Control(kIdDonationTable), 'S');
    EXPECT_EQ(StatusWithoutTime(), L"已应用并保存 · 名单文件已能读取，已载入其中 2 条");
    ASSERT_EQ(RowCount(), 3);
    EXPECT_EQ(Cell(0, 1), L"A");
    EXPECT_EQ(Cell(2, 1), L"张三");
    EXPECT_FALSE(FileExists(g_app.listPath + L".unsaved"));
    EXPECT_EQ(ReadBytes(g_app.listPath + L".bak"), "\xEF\xBB\xBF# name,amount\nA,1\xE5\x85\x83\nB,2\xE5\x85\x83\n");
}

}  // namespace
