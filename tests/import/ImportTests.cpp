// The import parser and checker, and the import window driven as an
// operator pastes, checks and adds.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include "Confirmation.h"
#include "TableTestHelpers.h"
#include "core/import/ImportCheck.h"
#include "ui/import/ImportWindow.h"
#include "CommonDialogs.h"
#include "TestFolder.h"
#include "core/import/ImportFile.h"
#include "ui/panel/ListEditing.h"

namespace {

using Split = std::pair<std::wstring, std::wstring>;

TEST(ImportSplit, AnyOfTheFourSeparatorsSplitsAtItsFirstOccurrence) {
    for (const wchar_t* line : {L"张三,1000", L"张三，1000", L"张三 1000", L"张三\t1000", L"张三\t\t1000", L"  张三\t1000\r"}) {
        EXPECT_EQ(SplitImportLine(line, L"元"), (Split{L"张三", L"1000元"})) << line;
    }
    EXPECT_EQ(SplitImportLine(L"张 三,1000", L"元"), (Split{L"张", L"三,1000元"}));
    EXPECT_EQ(SplitImportLine(L"1000,张三", L"元"), (Split{L"1000", L"张三"}));
    for (const wchar_t* line : {L"张三,", L",1000", L"张三", L"# 张三,1000", L"", L"\t "}) {
        const Split split = SplitImportLine(line, L"元");
        EXPECT_TRUE(split.first.empty() || split.second.empty()) << line;
    }
}

// Spreadsheet rows arrive tab-separated: the TAB alone splits them, so names
// with spaces or commas stay whole, and no TAB is ever stored.
TEST(ImportSplit, ALineWithATabSplitsAtTheTabOnly) {
    EXPECT_EQ(SplitImportLine(L"Zhang Wei\t1000", L"元"), (Split{L"Zhang Wei", L"1000元"}));
    EXPECT_EQ(SplitImportLine(L"ABC Ltd\t500", L"元"), (Split{L"ABC Ltd", L"500元"}));
    EXPECT_EQ(SplitImportLine(L"O'Brien & Sons\t1,000", L"元"), (Split{L"O'Brien & Sons", L"1,000元"}));
    EXPECT_EQ(SplitImportLine(L"Smith, Jones\t20", L"元"), (Split{L"Smith, Jones", L"20元"}));
    EXPECT_EQ(SplitImportLine(L"张 三\t1000", L"元"), (Split{L"张 三", L"1000元"}));
    EXPECT_EQ(SplitImportLine(L"张三\t\t1000", L"元"), (Split{L"张三", L"1000元"}));
    EXPECT_EQ(SplitImportLine(L"A\t1\t2", L"元"), (Split{L"A", L"1 2元"}));  // a third column joins with a space
    EXPECT_EQ(SplitImportLine(L"\t1000", L"元").first, L"");
    const ImportCheck check = CheckImportText(L"Zhang Wei\t1000\nMaria García\t750€\n", {}, L"元", false);
    EXPECT_EQ(check.validCount, 2);
    EXPECT_EQ(check.report, L"可加入 2 条  \x00B7  无效 0 条  \x00B7  重复 0 条\r\n\r\n"
                            L"1.  Zhang Wei    1000元\r\n2.  Maria García    750€\r\n");
}

// What a spreadsheet puts on the clipboard: cells with a quote, a TAB or a
// line break come in quotes, with inner quotes doubled.
TEST(ImportSplit, QuotedCellsOfASpreadsheetRowAreReadAsTheClipboardMeansThem) {
    EXPECT_EQ(SplitImportLine(L"\"爱心\"\"春蕾\"\"助学社\"\t1000", L"元"), (Split{L"爱心\"春蕾\"助学社", L"1000元"}));
    EXPECT_EQ(SplitImportLine(L"\"Smith\tJones\"\t500", L"元"), (Split{L"Smith Jones", L"500元"}));
    EXPECT_EQ(SplitImportLine(L"A\t\"1,000\"", L"元"), (Split{L"A", L"1,000元"}));
    EXPECT_EQ(SplitImportLine(L"\"Open\t100", L"元"), (Split{L"\"Open", L"100元"}));  // unmatched: literal
    // Without a TAB the quotes stay ordinary characters, as before.
    EXPECT_EQ(SplitImportLine(L"\"Bob\",100", L"元"), (Split{L"\"Bob\"", L"100元"}));
}

TEST(ImportCheckReport, ACellWithLineBreaksIsOneRowAndTheLinesStillCount) {
    const ImportCheck check =
        CheckImportText(L"\"第一行\r\n第二行\"\t300\r\nB\t2\r\n\"Open\t5\r\nC\t6\r\n\"norow\r\nhere\"\r\n", {}, L"元",
                        false);
    ASSERT_EQ(check.results.size(), 6u);
    EXPECT_EQ(check.results[0].name, L"第一行 第二行");
    EXPECT_EQ(check.results[0].amount, L"300元");
    EXPECT_EQ(check.results[0].lineNumber, 1);
    EXPECT_EQ(check.results[1].name, L"B");
    EXPECT_EQ(check.results[1].lineNumber, 3);
    // A lone quote never swallows what follows: its line is taken literally.
    EXPECT_EQ(check.results[2].name, L"\"Open");
    EXPECT_EQ(check.results[2].lineNumber, 4);
    EXPECT_EQ(check.results[3].name, L"C");
    EXPECT_EQ(check.results[3].lineNumber, 5);
    // Quotes over two lines without a TAB after them are no spreadsheet row.
    EXPECT_FALSE(check.results[4].valid);
    EXPECT_EQ(check.results[4].lineNumber, 6);
    EXPECT_EQ(check.results[5].lineNumber, 7);
    EXPECT_EQ(check.validCount, 4);
}

TEST(ImportCheckReport, TheExampleReadsLineByLine) {
    const ImportCheck check = CheckImportText(L"张三\t1000\n\n李四\t1888.88\n王五\n张三\t1000", {}, L"元", true);
    EXPECT_EQ(check.validCount, 3);
    EXPECT_EQ(check.report,
              L"可加入 3 条  \x00B7  无效 1 条  \x00B7  重复 1 条\r\n\r\n"
              L"1.  张三    1,000元\r\n"
              L"3.  李四    1,888.88元\r\n"
              L"4.  无效行  [缺少姓名/公司(机构)名称或金额]\r\n"
              L"5.  张三    1,000元  [重复，仍会加入]\r\n");
    ASSERT_EQ(check.results.size(), 4u);
    EXPECT_EQ(check.results[2].lineNumber, 4);
    EXPECT_FALSE(check.results[2].valid);
    EXPECT_TRUE(check.results[3].duplicate);
}

TEST(ImportCheckReport, DuplicatesCompareStoredTextsWithTheListAndEarlierLines) {
    const DonationList list = {{L"张三", L"1000元"}};
    const ImportCheck check =
        CheckImportText(L"张三,1000\n张三,1000.00\n张三,1,000\n张三\x3000,1000\n", list, L"元", false);
    ASSERT_EQ(check.results.size(), 4u);
    EXPECT_TRUE(check.results[0].duplicate);
    EXPECT_TRUE(check.results[1].duplicate);   // normalised to 1000元
    EXPECT_FALSE(check.results[2].duplicate);  // stored as 1,000元
    EXPECT_FALSE(check.results[3].duplicate);  // the name keeps its full-width space

    const ImportCheck thrice = CheckImportText(L"A,1\nA,1\nA,1", {}, L"元", false);
    EXPECT_EQ(thrice.validCount, 3);
    EXPECT_EQ(thrice.report.substr(0, thrice.report.find(L"\r\n")), L"可加入 3 条  \x00B7  无效 0 条  \x00B7  重复 2 条");
}

TEST(ImportCheckReport, BlankLinesCountButFullWidthSpacesAreALine) {
    const ImportCheck check = CheckImportText(L" \t\n\x3000\n\nA,1\n", {}, L"元", false);
    ASSERT_EQ(check.results.size(), 2u);
    EXPECT_EQ(check.results[0].lineNumber, 2);
    EXPECT_FALSE(check.results[0].valid);
    EXPECT_EQ(check.results[1].lineNumber, 4);
    EXPECT_EQ(CheckImportText(L"", {}, L"元", false).report, L"可加入 0 条  \x00B7  无效 0 条  \x00B7  重复 0 条\r\n\r\n");
}

class ImportWindowTest : public TableTest {
protected:
    void TearDown() override {
        if (g_app.importWindow) DestroyWindow(g_app.importWindow);
        g_app.importWindow = nullptr;
        TableTest::TearDown();
    }

    void Open() {
        SendMessageW(g_app.panel->window, WM_COMMAND, MAKEWPARAM(kIdImportButton, BN_CLICKED), 0);
        ASSERT_NE(g_app.importWindow, nullptr);
    }

    HWND Item(int id) const { return GetDlgItem(g_app.importWindow, id); }

    void Paste(const std::wstring& text) { SetWindowTextW(Item(kIdImportPasteBox), text.c_str()); }

    // One typed character, which the box reports as a change.
    void TypeCharacter(wchar_t c) { SendMessageW(Item(kIdImportPasteBox), WM_CHAR, c, 1); }

    void Press(int id) { SendMessageW(g_app.importWindow, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
};

TEST_F(ImportWindowTest, OpensOnceWithThePasteBoxFocused) {
    Open();
    EXPECT_EQ(TextOf(g_app.importWindow), L"批量导入名单");
    EXPECT_EQ(GetFocus(), Item(kIdImportPasteBox));
    EXPECT_FALSE(IsWindowEnabled(Item(kIdImportAddButton)));
    EXPECT_EQ(SendMessageW(Item(kIdImportPasteBox), EM_GETLIMITTEXT, 0, 0), kImportTextLimit);
    Paste(L"A,1");
    HWND first = g_app.importWindow;
    Open();
    EXPECT_EQ(g_app.importWindow, first);
    EXPECT_EQ(TextOf(Item(kIdImportPasteBox)), L"A,1");
    RECT client{};
    GetClientRect(g_app.importWindow, &client);
    RECT cancel{};
    GetWindowRect(Item(kIdImportCancelButton), &cancel);
    MapWindowPoints(nullptr, g_app.importWindow, reinterpret_cast<POINT*>(&cancel), 2);
    EXPECT_EQ(cancel.left, client.right - 126);
    EXPECT_EQ(cancel.top, client.bottom - 58);
}

TEST_F(ImportWindowTest, AnEditAfterTheCheckDisablesAddingButKeepsTheCount) {
    Open();
    Press(kIdImportCheckButton);
    EXPECT_EQ(TextOf(Item(kIdImportAddButton)), L"加入 0 条");
    EXPECT_FALSE(IsWindowEnabled(Item(kIdImportAddButton)));
    EXPECT_EQ(TextOf(Item(kIdImportReportBox)).substr(0, 5), L"可加入 0");

    Paste(L"A,1\nB,2");
    Press(kIdImportCheckButton);
    EXPECT_EQ(TextOf(Item(kIdImportAddButton)), L"加入 2 条");
    EXPECT_TRUE(IsWindowEnabled(Item(kIdImportAddButton)));
    TypeCharacter(L'C');
    EXPECT_FALSE(IsWindowEnabled(Item(kIdImportAddButton)));
    EXPECT_EQ(TextOf(Item(kIdImportAddButton)), L"加入 2 条");
    AddCheckedImport();  // refused: the text changed since the check
    EXPECT_TRUE(g_app.list.empty());
}

TEST_F(ImportWindowTest, UnusableLinesAreSkippedAfterAYesAndTheAdditionIsOneUndo) {
    g_app.list = {{L"X", L"9元"}};
    Open();
    Paste(L"A\t1\n王五\nB\t2");
    Press(kIdImportCheckButton);

    ConfirmationSeen seen = AnswerConfirmation(L"检查导入", IDNO, [&] { Press(kIdImportAddButton); });
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.text, L"部分行无法识别，将跳过这些行并加入其余名单。是否继续？");
    EXPECT_EQ(g_app.list.size(), 1u);
    ASSERT_NE(g_app.importWindow, nullptr);

    AnswerConfirmation(L"检查导入", IDYES, [&] { Press(kIdImportAddButton); });
    EXPECT_EQ(g_app.list, (DonationList{{L"X", L"9元"}, {L"A", L"1元"}, {L"B", L"2元"}}));
    EXPECT_EQ(StatusWithoutTime(), L"已批量加入 2 条 · 已保存");
    EXPECT_EQ(g_app.importWindow, nullptr);
    EXPECT_EQ(RowCount(), 3);
    UndoListChange();
    EXPECT_EQ(g_app.list, (DonationList{{L"X", L"9元"}}));
}

TEST_F(ImportWindowTest, DuplicatesOfTheListAreAddedAgainWithoutAQuestion) {
    g_app.list = {{L"A", L"1元"}};
    Open();
    Paste(L"A,1\r\nA,1\r\n");
    Press(kIdImportCheckButton);
    Press(kIdImportAddButton);
    EXPECT_EQ(g_app.list.size(), 3u);
    EXPECT_EQ(StatusWithoutTime(), L"已批量加入 2 条 · 已保存");
}

TEST_F(ImportWindowTest, CancelClosesWithoutAdding) {
    Open();
    Paste(L"A,1");
    Press(kIdImportCheckButton);
    Press(kIdImportCancelButton);
    EXPECT_EQ(g_app.importWindow, nullptr);
    EXPECT_TRUE(g_app.list.empty());
}

// --- list files dropped or opened -------------------------------------------

std::string Utf16Bytes(const std::wstring& text, bool little) {
    std::string bytes = little ? std::string("\xFF\xFE", 2) : std::string("\xFE\xFF", 2);
    for (wchar_t c : text) {
        const char lo = static_cast<char>(c & 0xFF);
        const char hi = static_cast<char>((c >> 8) & 0xFF);
        bytes += little ? lo : hi;
        bytes += little ? hi : lo;
    }
    return bytes;
}

TEST(ImportFile, EveryEncodingASpreadsheetSavesReadsTheSame) {
    const std::wstring text = L"张三\t1000\r\n";
    EXPECT_EQ(DecodeImportFile("\xE5\xBC\xA0\xE4\xB8\x89\t1000\r\n"), text);          // UTF-8
    EXPECT_EQ(DecodeImportFile("\xEF\xBB\xBF\xE5\xBC\xA0\xE4\xB8\x89\t1000\r\n"), text);  // with its mark
    EXPECT_EQ(DecodeImportFile(Utf16Bytes(text, true)), text);
    EXPECT_EQ(DecodeImportFile(Utf16Bytes(text, false)), text);
    EXPECT_EQ(DecodeImportFile("\xD5\xC5\xC8\xFD\t1000\r\n"), text);  // GBK: not UTF-8, so the ANSI code page
}

TEST(ImportFile, CsvRowsBecomeNameTabAmountAndCheckAsMeant) {
    int more = 0;
    const std::wstring csv = L"\"Smith, Jones & Co\",500,备注\r\n\"爱心\"\"春蕾\"\"助学社\",\"1,000\"\r\n"
                             L"\"两行\r\n名字\",20\r\n王五,30\r\n";
    const std::wstring text = CsvToImportText(csv, more);
    EXPECT_EQ(more, 1);
    const ImportCheck check = CheckImportText(text, {}, L"元", false);
    ASSERT_EQ(check.results.size(), 4u);
    EXPECT_EQ(check.results[0].name, L"Smith, Jones & Co");
    EXPECT_EQ(check.results[0].amount, L"500元");
    EXPECT_EQ(check.results[1].name, L"爱心\"春蕾\"助学社");
    EXPECT_EQ(check.results[1].amount, L"1,000元");
    EXPECT_EQ(check.results[2].name, L"两行 名字");
    EXPECT_EQ(check.results[3].name, L"王五");
    EXPECT_EQ(check.validCount, 4);

    EXPECT_EQ(ImportTextFromFile("", true, 100).outcome, ImportFileOutcome::Empty);
    EXPECT_EQ(ImportTextFromFile("\r\n \r\n", false, 100).outcome, ImportFileOutcome::Empty);
    EXPECT_EQ(ImportTextFromFile(std::string(101, 'a'), false, 100).outcome, ImportFileOutcome::TooLong);
    EXPECT_EQ(ImportTextFromFile(std::string(100, 'a'), false, 100).outcome, ImportFileOutcome::Read);
}

class ImportFileWindowTest : public ImportWindowTest {
protected:
    // A real drop: the structure the Explorer hands over, with one file.
    void Drop(const std::wstring& path) {
        const size_t bytes = sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
        auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = TRUE;
        std::copy(path.begin(), path.end(), reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(drop) + sizeof(DROPFILES)));
        GlobalUnlock(memory);
        SendMessageW(g_app.importWindow, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);  // DragFinish frees it
    }
};

TEST_F(ImportFileWindowTest, ADroppedCsvFillsTheBoxAndTheCheckSaysWhatWasLeftOut) {
    Open();
    EXPECT_NE(GetWindowLongPtrW(g_app.importWindow, GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
    // The empty box shows its cue; a box holding only a space shows no ink.
    const auto inkInFirstLine = [&] {
        HWND box = Item(kIdImportPasteBox);
        RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        HDC dc = GetDC(box);
        int ink = 0;
        for (int y = 4; y < 24; ++y) {
            for (int x = 4; x < 200; ++x) {
                const COLORREF c = GetPixel(dc, x, y);
                if (c != CLR_INVALID && GetRValue(c) < 200) ++ink;
            }
        }
        ReleaseDC(box, dc);
        return ink;
    };
    SetFocus(g_app.panel->window);  // no caret in the box
    EXPECT_GT(inkInFirstLine(), 100);
    Paste(L" ");
    EXPECT_LT(inkInFirstLine(), 5);
    Paste(L"");

    const std::wstring csv = folder_.File(L"donors.csv");
    ASSERT_TRUE(WriteBytes(csv, "\xD5\xC5\xC8\xFD,1000,\xB1\xB8\xD7\xA2\r\nZhang Wei,500\r\n"));  // GBK, a third column
    Drop(csv);
    EXPECT_EQ(TextOf(Item(kIdImportPasteBox)), L"张三\t1000\r\nZhang Wei\t500\r\n");
    EXPECT_EQ(TextOf(Item(kIdImportReportBox)), L"已读入文件 donors.csv，请点击“检查名单”");
    EXPECT_TRUE(g_app.list.empty());  // nothing is added before the check and the confirmation
    Press(kIdImportCheckButton);
    const std::wstring report = TextOf(Item(kIdImportReportBox));
    EXPECT_EQ(report.rfind(L"可加入 2 条", 0), 0u);
    EXPECT_NE(report.find(L"（文件中有 1 行多于两列，只取了前两列）"), std::wstring::npos);

    Drop(folder_.File(L"missing.txt"));
    EXPECT_EQ(TextOf(Item(kIdImportReportBox)), L"无法读取文件 missing.txt（可能正被其他程序占用）");
    const std::wstring empty = folder_.File(L"empty.txt");
    ASSERT_TRUE(WriteBytes(empty, ""));
    Drop(empty);
    EXPECT_EQ(TextOf(Item(kIdImportReportBox)), L"文件 empty.txt 中没有名单");
    const std::wstring huge = folder_.File(L"huge.txt");
    ASSERT_TRUE(WriteBytes(huge, std::string(4194305, 'a')));  // one character over the paste box's limit
    Drop(huge);
    EXPECT_EQ(TextOf(Item(kIdImportReportBox)), L"文件 huge.txt 超过 4194304 个字符，无法导入");
    EXPECT_EQ(TextOf(Item(kIdImportPasteBox)), L"张三\t1000\r\nZhang Wei\t500\r\n");  // kept
}

TEST_F(ImportFileWindowTest, CtrlOOpensAFileThroughTheOpenDialog) {
    Open();
    const std::wstring path = folder_.File(L"list.txt");
    ASSERT_TRUE(WriteBytes(path, Utf16Bytes(L"A\t1\r\nB\t2\r\n", true)));
    DialogAnswer open{1136, {{1148, path}}, IDOK};  // the dialog's type list and its name box
    ASSERT_TRUE(AnswerNextDialog(open, [&] { RouteKeyWith(VK_CONTROL, Item(kIdImportPasteBox), 'O'); }));
    EXPECT_EQ(TextOf(Item(kIdImportPasteBox)), L"A\t1\r\nB\t2\r\n");
}

}  // namespace
