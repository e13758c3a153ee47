#include <gtest/gtest.h>

#include "FreshAppState.h"
#include "TestFolder.h"
#include "app/AppState.h"
#include "commands/ListStore.h"

namespace {

const std::string kEmptyFile = "\xEF\xBB\xBF# name,amount\n";

// Points the live list at a file in a fresh folder for the test's duration.
class ListFileTest : public testing::Test {
protected:
    void SetUp() override {
        StartFreshAppState();
        g_app.settings.amountUnit = L"元";
        g_app.listPath = folder_.File(L"donations.txt");
    }

    // A list saved twice, so that both the file and its backup exist.
    void SaveTwoGenerations() {
        g_app.list = {{L"A", L"1元"}};
        SaveDonationList();
        g_app.list.push_back({L"B", L"2元"});
        SaveDonationList();
        ASSERT_TRUE(g_app.listSaved);
        ASSERT_TRUE(FileExists(Backup()));
    }

    std::wstring Path() const { return g_app.listPath; }
    std::wstring Backup() const { return g_app.listPath + L".bak"; }
    std::wstring Pending() const { return g_app.listPath + L".pending"; }

    DonationList LoadBytes(const std::string& bytes) {
        EXPECT_TRUE(WriteBytes(Path(), bytes));
        LoadDonationList();
        return g_app.list;
    }

    TestFolder folder_;
};

TEST_F(ListFileTest, ReadsCommaFullWidthCommaAndTabWithTheUnitAppended) {
    const DonationList list = LoadBytes("\xE5\xBC\xA0\xE4\xB8\x89,100\n"           // 张三,100
                                        "\xE6\x9D\x8E\xE5\x9B\x9B\xEF\xBC\x8C" "200\n"  // 李四，200
                                        "\xE7\x8E\x8B\xE4\xBA\x94\t300\n");     // 王五<TAB>300
    const DonationList expected = {{L"张三", L"100元"}, {L"李四", L"200元"}, {L"王五", L"300元"}};
    EXPECT_EQ(list, expected);
}

TEST_F(ListFileTest, SplitsAtTheFirstSeparatorOnly) {
    const DonationList list = LoadBytes("A,1,000\xE5\x85\x83\n B ,\t 2\xEF\xBC\x8C" "500 \n");
    const DonationList expected = {{L"A", L"1,000元"}, {L"B", L"2，500元"}};
    EXPECT_EQ(list, expected);
}

TEST_F(ListFileTest, SkipsCommentsBlankAndIncompleteLinesSilently) {
    const DonationList list = LoadBytes("# name,amount\n"
                                        "#A,100\n"
                                        "   \n"
                                        "\n"
                                        "only a name\n"
                                        ",100\n"
                                        "nobody,\n"
                                        "  ,  \n"
                                        "kept,5\n");
    const DonationList expected = {{L"kept", L"5元"}};
    EXPECT_EQ(list, expected);
}

TEST_F(ListFileTest, ByteOrderMarksCarriageReturnsAndAMissingLastLineEndAreTolerated) {
    const DonationList lf = LoadBytes("\xEF\xBB\xBF# name,amount\nA,1\nB,2\n");
    const DonationList crlf = LoadBytes("\xEF\xBB\xBF# name,amount\r\nA,1\r\n\xEF\xBB\xBF" "B,2\xEF\xBB\xBF\r\n");
    const DonationList noEnd = LoadBytes("A,1\nB,2");
    EXPECT_EQ(crlf, lf);
    EXPECT_EQ(noEnd, lf);
    ASSERT_EQ(lf.size(), 2u);
    EXPECT_EQ(lf[1].name, L"B");
    EXPECT_EQ(lf[1].amount, L"2元");
}

TEST_F(ListFileTest, InvalidUtf8BecomesReplacementCharacters) {
    const DonationList list = LoadBytes("caf\xFF,10\n");
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].name, L"caf\uFFFD");
}

TEST_F(ListFileTest, MissingFileLeavesAnEmptyList) {
    g_app.list = {{L"old", L"1元"}};
    LoadDonationList();
    EXPECT_TRUE(g_app.list.empty());
}

TEST_F(ListFileTest, SavesExactBytes) {
    SaveDonationList();
    EXPECT_TRUE(g_app.listSaved);
    EXPECT_EQ(ReadBytes(Path()), kEmptyFile);
    EXPECT_EQ(ReadBytes(Path()).size(), 17u);

    g_app.list = {{L"张三", L"1,000元"}, {L"Zhang Wei", L"5万"}};
    SaveDonationList();
    EXPECT_TRUE(g_app.listSaved);
    EXPECT_EQ(ReadBytes(Path()), kEmptyFile +
                                     "\xE5\xBC\xA0\xE4\xB8\x89,1,000\xE5\x85\x83\n"
                                     "Zhang Wei,5\xE4\xB8\x87\n");
}

TEST_F(ListFileTest, FirstSaveCreatesTheFileWithoutBackup) {
    g_app.list = {{L"A", L"1元"}};
    SaveDonationList();
    EXPECT_TRUE(g_app.listSaved);
    EXPECT_TRUE(FileExists(Path()));
    EXPECT_FALSE(FileExists(Backup()));
    EXPECT_FALSE(FileExists(Pending()));
}

TEST_F(ListFileTest, ChangedSaveTurnsThePreviousFileIntoTheBackup) {
    g_app.list = {{L"A", L"1元"}};
    SaveDonationList();
    const std::string first = ReadBytes(Path());
    g_app.list.push_back({L"B", L"2元"});
    SaveDonationList();
    EXPECT_TRUE(g_app.listSaved);
    EXPECT_EQ(ReadBytes(Backup()), first);
    EXPECT_EQ(ReadBytes(Path()), kEmptyFile + "A,1\xE5\x85\x83\nB,2\xE5\x85\x83\n");
    EXPECT_FALSE(FileExists(Pending()));
}

TEST_F(ListFileTest, SavingAnUnchangedListWritesNothing) {
    SaveTwoGenerations();
    const unsigned long long identity = FileIdentity(Path());
    const std::string backup = ReadBytes(Backup());
    ASSERT_NE(identity, 0u);

    g_app.listSaved = false;
    SaveDonationList();
    EXPECT_TRUE(g_app.listSaved);
    EXPECT_EQ(FileIdentity(Path()), identity);  // not replaced by a new file
    EXPECT_EQ(ReadBytes(Backup()), backup);
    EXPECT_FALSE(FileExists(Pending()));
}

TEST_F(ListFileTest, ReadOnlyTargetRefusesTheSaveAndTouchesNothing) {
    SaveTwoGenerations();
    const std::string target = ReadBytes(Path());
    const std::string backup = ReadBytes(Backup());
    ASSERT_TRUE(SetFileAttributesW(Path().c_str(), FILE_ATTRIBUTE_READONLY));

    g_app.list.push_back({L"C", L"3元"});
    SaveDonationList();
    EXPECT_FALSE(g_app.listSaved);
    EXPECT_EQ(ReadBytes(Path()), target);
    EXPECT_EQ(ReadBytes(Backup()), backup);
    EXPECT_EQ(g_app.list.size(), 3u);  // the change stays in memory for a retry

    SetFileAttributesW(Path().c_str(), FILE_ATTRIBUTE_NORMAL);
    SaveDonationList();
    EXPECT_TRUE(g_app.listSaved);
    EXPECT_EQ(ReadBytes(Backup()), target);
}

TEST_F(ListFileTest, UnwritableFolderRefusesTheSaveAndTouchesNothing) {
    const std::wstring folder = LockedFolder();
    ASSERT_FALSE(folder.empty()) << "the test runner provides a folder this process cannot write";
    g_app.listPath = folder + L"\\donations.txt";
    const std::string target = ReadBytes(Path());
    const std::string backup = ReadBytes(Backup());
    ASSERT_FALSE(target.empty());

    LoadDonationList();
    ASSERT_EQ(g_app.list.size(), 1u);
    g_app.list.push_back({L"new", L"9元"});
    SaveDonationList();
    EXPECT_FALSE(g_app.listSaved);
    EXPECT_EQ(ReadBytes(Path()), target);
    EXPECT_EQ(ReadBytes(Backup()), backup);
    EXPECT_FALSE(FileExists(Pending()));
}

TEST_F(ListFileTest, StalePendingFileIsOverwritten) {
    g_app.list = {{L"A", L"1元"}};
    SaveDonationList();
    ASSERT_TRUE(WriteBytes(Pending(), std::string(5000, 'x')));
    g_app.list.push_back({L"B", L"2元"});
    SaveDonationList();
    EXPECT_TRUE(g_app.listSaved);
    EXPECT_EQ(ReadBytes(Path()), kEmptyFile + "A,1\xE5\x85\x83\nB,2\xE5\x85\x83\n");
    EXPECT_FALSE(FileExists(Pending()));
}

TEST_F(ListFileTest, PendingFileThatCannotBeWrittenLeavesBothFilesUntouched) {
    SaveTwoGenerations();
    const std::string target = ReadBytes(Path());
    const std::string backup = ReadBytes(Backup());
    // A folder in the pending file's place makes its creation fail.
    ASSERT_TRUE(CreateDirectoryW(Pending().c_str(), nullptr));

    g_app.list.push_back({L"C", L"3元"});
    SaveDonationList();
    EXPECT_FALSE(g_app.listSaved);
    EXPECT_EQ(ReadBytes(Path()), target);
    EXPECT_EQ(ReadBytes(Backup()), backup);
}

TEST_F(ListFileTest, NamesWithSeparatorsOrALeadingHashSurviveSaveAndLoad) {
    const DonationList names = {
        {L"Smith, Jones & Co", L"500元"}, {L"张三，李四", L"100元"}, {L"Tab\there", L"1元"},
        {L"#1 Fan", L"2元"},              {L"\"Quoted\", Ltd", L"3元"}, {L"\"#tag\"", L"4元"},
        {L"\"Bob\"", L"5元"},             {L"\"half", L"6元"},       {L"plain", L"1,000元"},
    };
    g_app.list = names;
    SaveDonationList();
    ASSERT_TRUE(g_app.listSaved);
    LoadDonationList();
    EXPECT_EQ(g_app.list, names);

    // Names that the plain format can hold are written plain, quotes and all.
    const std::string bytes = ReadBytes(Path());
    EXPECT_NE(bytes.find("\n\"Bob\",5"), std::string::npos);
    EXPECT_NE(bytes.find("\n\"half,6"), std::string::npos);
    EXPECT_NE(bytes.find("\nplain,1,000"), std::string::npos);
    EXPECT_NE(bytes.find("\n\"Smith, Jones & Co\",500"), std::string::npos);
    EXPECT_NE(bytes.find("\n\"#1 Fan\",2"), std::string::npos);
    EXPECT_NE(bytes.find("\n\"\"\"Quoted\"\", Ltd\",3"), std::string::npos);
}

TEST_F(ListFileTest, QuotesReadPlainWhereTheyAreNotNeeded) {
    // A hand-written file with quotes around an ordinary name keeps them, as
    // it always has; a quote without a closing one is an ordinary character.
    const DonationList list = LoadBytes("\"Bob\",1\n\"open,2\n\"a,b\" ,3\n");
    const DonationList expected = {{L"\"Bob\"", L"1元"}, {L"\"open", L"2元"}, {L"a,b", L"3元"}};
    EXPECT_EQ(list, expected);
}

TEST_F(ListFileTest, LineBreaksInsideAFieldCannotSplitAnEntry) {
    g_app.list = {{L"two\nlines", L"1元"}};
    SaveDonationList();
    LoadDonationList();
    ASSERT_EQ(g_app.list.size(), 1u);
    EXPECT_EQ(g_app.list[0].name, L"two lines");
}

TEST_F(ListFileTest, CommitSavesAndMarksTheCaptionStale) {
    g_app.list = {{L"A", L"1元"}};
    g_app.captionLayoutDirty = false;
    g_app.captionStripDirty = false;
    CommitListChange(L"已追加 1 条名单");
    EXPECT_TRUE(g_app.listSaved);
    EXPECT_TRUE(g_app.captionLayoutDirty);
    EXPECT_TRUE(g_app.captionStripDirty);
    EXPECT_EQ(ListChangeStatus(L"已追加 1 条名单", true), L"已追加 1 条名单 · 已保存");
    EXPECT_EQ(ListChangeStatus(L"已撤销", false), L"已撤销 · 保存失败，可重试");

    ASSERT_TRUE(SetFileAttributesW(Path().c_str(), FILE_ATTRIBUTE_READONLY));
    g_app.list.push_back({L"B", L"2元"});
    CommitListChange(L"已追加 1 条名单");
    EXPECT_FALSE(g_app.listSaved);
    EXPECT_EQ(g_app.list.size(), 2u);
}

}  // namespace
