// The exit's save and question on a record of its own, without a window:
// what the operator is asked, in which turn, and what reaches the disk.
#include <gtest/gtest.h>

#include "RecordingViews.h"
#include "TestFolder.h"
#include "app/AppState.h"
#include "commands/ExitCommands.h"
#include "commands/ListStore.h"
#include "core/list/ListFile.h"

namespace {

class ExitCommandsTest : public testing::Test {
protected:
    void SetUp() override {
        app_.settings.amountUnit = L"元";
        app_.listPath = folder_.File(L"donations.txt");
        app_.settingsPath = folder_.File(L"settings.ini");
        app_.list = {{L"张三", L"100元"}};
        SaveDonationList(app_);
        ASSERT_TRUE(app_.listSaved);
    }
    void TearDown() override { SetFileAttributesW(app_.listPath.c_str(), FILE_ATTRIBUTE_NORMAL); }

    // A change the list file could not take: it has become read-only.
    void ChangeUnsaved() {
        ASSERT_TRUE(SetFileAttributesW(app_.listPath.c_str(), FILE_ATTRIBUTE_READONLY));
        app_.list.push_back({L"李四", L"200元"});
        app_.listSaved = false;
    }

    TestFolder folder_;
    AppState app_;
    RecordingViews views_;
};

TEST_F(ExitCommandsTest, ASavedListLeavesWithoutAQuestion) {
    app_.list.push_back({L"李四", L"200元"});
    app_.listSaved = false;
    EXPECT_TRUE(SaveBeforeExit(app_, views_));
    EXPECT_TRUE(views_.exitQuestions.empty());
    DonationList onDisk;
    ASSERT_EQ(ReadDonationListFile(app_.listPath, L"元", onDisk), ListReadResult::Loaded);
    EXPECT_EQ(onDisk.size(), 2u);
}

TEST_F(ExitCommandsTest, EveryFailedTryAsksAgainUntilTheOperatorStays) {
    ChangeUnsaved();
    views_.exitChoices = {ExitChoice::RetrySave, ExitChoice::SaveElsewhere, ExitChoice::StayOpen};
    views_.savePath.clear();  // the save dialog is cancelled
    EXPECT_FALSE(SaveBeforeExit(app_, views_));
    ASSERT_EQ(views_.exitQuestions.size(), 3u);
    EXPECT_NE(views_.exitQuestions[0].find(L"名单尚未保存："), std::wstring::npos);
    EXPECT_EQ(app_.list.size(), 2u) << "staying keeps the list as it was";
}

TEST_F(ExitCommandsTest, ACopyThatCannotBeWrittenSaysWhereAndAsksAgain) {
    ChangeUnsaved();
    views_.savePath = folder_.File(L"no-such-folder\\copy.txt");
    views_.exitChoices = {ExitChoice::SaveElsewhere, ExitChoice::ExitAnyway};
    EXPECT_TRUE(SaveBeforeExit(app_, views_));
    ASSERT_EQ(views_.exitQuestions.size(), 2u);
    EXPECT_NE(views_.exitQuestions[1].find(L"另存到 " + views_.savePath + L" 也未成功"), std::wstring::npos)
        << views_.exitQuestions[1];
}

TEST_F(ExitCommandsTest, ACopyElsewhereLeavesWithTheWholeList) {
    ChangeUnsaved();
    views_.savePath = folder_.File(L"copy.txt");
    views_.exitChoices = {ExitChoice::SaveElsewhere};
    EXPECT_TRUE(SaveBeforeExit(app_, views_));
    DonationList copy;
    ASSERT_EQ(ReadDonationListFile(views_.savePath, L"元", copy), ListReadResult::Loaded);
    EXPECT_EQ(copy, app_.list);
}

TEST_F(ExitCommandsTest, TheQuestionAlsoSaysWhenTheSettingsFailed) {
    ChangeUnsaved();
    ASSERT_TRUE(CreateDirectoryW(app_.settingsPath.c_str(), nullptr));  // a folder where the file should be
    views_.exitChoices = {ExitChoice::ExitAnyway};
    EXPECT_TRUE(SaveBeforeExit(app_, views_));
    ASSERT_EQ(views_.exitQuestions.size(), 1u);
    EXPECT_NE(views_.exitQuestions[0].find(L"设置也未能保存"), std::wstring::npos);
    RemoveDirectoryW(app_.settingsPath.c_str());
}

}  // namespace
