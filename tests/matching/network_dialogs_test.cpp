#include "matching/windows/network_dialogs.h"

#include "support/scripted_prompter.h"
#include "support/test_paths.h"

#include <fstream>
#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(QtFileFilter, DescriptionsCarryTheirPatterns) {
    EXPECT_EQ(QtFileFilter("smith files (*.smh)|*.smh|S files (*)|*"), "smith files (*.smh);;S files (*)");
    EXPECT_EQ(QtFileFilter("network|*.smh"), "network (*.smh)");
    EXPECT_EQ(QtFileFilter("all"), "all");
    EXPECT_EQ(QtFileFilter(""), "");
}

class NetworkDialogs : public ::testing::Test {
protected:
    test::TempDir dir;
    test::ScriptedPrompter prompter;
    std::string existing = dir.file("old.smh");
    void SetUp() override { std::ofstream(existing) << "x"; }
};

TEST_F(NetworkDialogs, OpenGivesOnlyAnExistingFile) {
    prompter.fileNames = {QString::fromStdString(existing), QString::fromStdString(dir.file("new.smh")),
                          std::nullopt};
    EXPECT_EQ(AskOpenFileName(prompter, "smith files (*.smh)|*.smh"), existing);
    EXPECT_FALSE(AskOpenFileName(prompter, "smith files (*.smh)|*.smh"));
    EXPECT_FALSE(AskOpenFileName(prompter, "smith files (*.smh)|*.smh"));
    EXPECT_TRUE(prompter.questions.isEmpty());
}

TEST_F(NetworkDialogs, SaveOverAnExistingFileNeedsAYes) {
    const QString name = QString::fromStdString(existing);
    prompter.fileNames = {name, name};
    prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
    EXPECT_FALSE(AskSaveFileName(prompter, "simth files (*.smh)|*.smh"));
    EXPECT_EQ(AskSaveFileName(prompter, "simth files (*.smh)|*.smh"), existing);
    ASSERT_EQ(prompter.questions.size(), 2);
    EXPECT_EQ(prompter.questions[0], name + QStringLiteral("文件存在是否覆盖 "));
}

TEST_F(NetworkDialogs, SaveToANewFileAsksNothing) {
    const std::string fresh = dir.file("new.smh");
    prompter.fileNames = {QString::fromStdString(fresh), std::nullopt};
    EXPECT_EQ(AskSaveFileName(prompter, "simth files (*.smh)|*.smh"), fresh);
    EXPECT_FALSE(AskSaveFileName(prompter, "simth files (*.smh)|*.smh"));
    EXPECT_TRUE(prompter.questions.isEmpty());
}

TEST_F(NetworkDialogs, ASaveNameWithoutExtensionGetsTheFiltersOne) {
    prompter.fileNames = {QString::fromStdString(dir.file("design")), QString::fromStdString(dir.file("old")),
                          QString::fromStdString(dir.file("v1.2/design.bak"))};
    prompter.answers = {Prompter::Answer::No};
    EXPECT_EQ(AskSaveFileName(prompter, "simth files (*.smh)|*.smh|S files (*)|*"), dir.file("design.smh"));
    EXPECT_FALSE(AskSaveFileName(prompter, "simth files (*.smh)|*.smh")); // old.smh exists: asked, No
    EXPECT_EQ(prompter.questions.size(), 1);
    EXPECT_EQ(AskSaveFileName(prompter, "simth files (*.smh)|*.smh"), dir.file("v1.2/design.bak"));
}

} // namespace
} // namespace qv
