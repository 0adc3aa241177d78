#include "core/settings/program_state.h"
#include "matching/model/network_model.h"
#include "matching/windows/auto_match_window.h"
#include "matching/windows/tee_match_window.h"
#include "support/scripted_prompter.h"
#include "support/test_paths.h"
#include "ui/language.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

// The matching windows in English. The translators are process-wide, so these tests have a
// program of their own.
namespace qv {
namespace {

class MatchingEnglishTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(InstallLanguage(Language::English)); }

    test::TempDir dir;
    ProgramState state{dir.path()};
    NetworkModel model{state};
    test::ScriptedPrompter prompter;
};

TEST_F(MatchingEnglishTest, DesignTargetKeepsItsNumbersAndRefusalsAreWordedInEnglish) {
    model.reset();
    model.setEnds({0.2L, -0.6L}, {1, 0}, EndsRule::Restart);
    AutoMatchWindow automatic{model, prompter};
    automatic.show();
    EXPECT_EQ(automatic.windowTitle(), QStringLiteral("Automatic matching"));
    const QString target = automatic.findChild<QLabel*>(QStringLiteral("LabelTarget"))->text();
    EXPECT_TRUE(target.startsWith(QStringLiteral("Design target: f=554"))) << target.toStdString();
    EXPECT_TRUE(target.endsWith(QStringLiteral(" Load=10.00-j30.00 ohm Source=50.00-j0.00 ohm")))
        << target.toStdString();

    TForm3 calculator{prompter};
    calculator.show();
    EXPECT_EQ(calculator.windowTitle(), QStringLiteral("Matching calculator"));
    calculator.findChild<QLineEdit*>(QStringLiteral("Edit12"))->setText(QStringLiteral("1p"));
    calculator.findChild<QLineEdit*>(QStringLiteral("Edit13"))->setText(QStringLiteral("one"));
    QTest::mouseClick(calculator.findChild<QPushButton*>(QStringLiteral("BitBtn3")), Qt::LeftButton);
    EXPECT_EQ(prompter.messages, QStringList{QStringLiteral("Input error!")});
}

} // namespace
} // namespace qv
