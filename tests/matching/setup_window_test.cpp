#include "chart/analysis/chart_geometry.h"
#include "chart/entry_test_canvas.h"
#include "core/rf/conversions.h"
#include "core/settings/atomic_file.h"
#include "core/settings/program_state.h"
#include "core/settings/settings_store.h"
#include "matching/windows/setup_window.h"
#include "support/scripted_prompter.h"
#include "support/test_paths.h"
#include "ui/message_hub.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace qv {
namespace {

using Kind = Primitive::Kind;

class SetupWindowTest : public ::testing::Test {
protected:
    SetupWindowTest() { state.geometry = GeometryForHeight(633); }

    Tforg& window() {
        if (!window_) {
            window_ = std::make_unique<Tforg>(state, network, canvas, prompter);
            window_->show();
        }
        return *window_;
    }
    QLineEdit* edit(int n) { return window().findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n)); }
    void type(int n, const char* text) { edit(n)->setText(QString::fromUtf8(text)); }
    QCheckBox* box(int n) { return window().findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n)); }
    void click(const char* name) { window().findChild<QPushButton*>(QString::fromUtf8(name))->click(); }
    std::string para(const char* key) { return ReadIniString(state.para.path(), "PARA", key); }

    test::TempDir dir;
    ProgramState state{dir.path()};
    NetworkModel network{state};
    test::RecordingCanvas canvas;
    test::ScriptedPrompter prompter;

private:
    std::unique_ptr<Tforg> window_;
};

TEST_F(SetupWindowTest, OpensWithTheStoredEntries) {
    EXPECT_EQ(window().windowTitle(), QStringLiteral("匹配总是从负载向源方向匹配，所以请先设置"));
    EXPECT_TRUE(window().windowFlags() & Qt::WindowStaysOnTopHint);
    const char* defaults[] = {"1.42", "2.22", "50", "0", "0.89 ", "120", "0.001", "0"};
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(edit(n)->text(), QString::fromUtf8(defaults[n - 1])) << n;
    EXPECT_FALSE(box(1)->isChecked());
    EXPECT_FALSE(box(3)->isChecked());
    EXPECT_EQ(para("负载1R"), "0.89"); // the missing keys were written back
}

TEST_F(SetupWindowTest, ReadsTheKeysOfAnEarlierRun) {
    ASSERT_TRUE(WriteIniString(state.para.path(), "PARA", "负载R", "10"));
    ASSERT_TRUE(WriteIniString(state.para.path(), "PARA", "归一化输入1", "1"));
    ASSERT_TRUE(WriteIniString(state.para.path(), "PARA", "对数输入2", "x"));
    EXPECT_EQ(edit(1)->text(), "10");
    EXPECT_TRUE(box(1)->isChecked());
    EXPECT_TRUE(box(3)->isChecked()); // anything but "0"
}

TEST_F(SetupWindowTest, DefaultImpedancesBecomeTheStartNode) {
    click("BitBtn1");
    EXPECT_EQ(state.NodeCount, 1);
    const MatchNode& ends = state.network[1];
    EXPECT_NEAR(ends.nodeR, 0.0284L, 1e-18L);
    EXPECT_NEAR(ends.nodeX, 0.0444L, 1e-18L);
    EXPECT_EQ(ends.sourceR, 1);
    EXPECT_EQ(ends.sourceX, 0);

    // The window draws nothing itself: the chart follows the model, which marks the ends.
    EXPECT_TRUE(canvas.surface.primitives.empty());
    EXPECT_FALSE(window().isVisible());
}

TEST_F(SetupWindowTest, StoresTheImpedanceGroupInGbk) {
    type(1, " 10 ");
    type(2, "-15");
    click("BitBtn1");
    EXPECT_EQ(para("负载R"), "10");
    EXPECT_EQ(para("负载j"), "-15");
    EXPECT_EQ(para("归一化输入1"), "0");
    const std::string bytes = ReadWholeFile(state.para.path()).value();
    EXPECT_NE(bytes.find("\xB8\xBA\xD4\xD8R=10\r\n"), std::string::npos);
    EXPECT_NEAR(state.network[1].nodeR, 0.2L, 1e-18L);
    EXPECT_NEAR(state.network[1].nodeX, -0.3L, 1e-18L);
}

TEST_F(SetupWindowTest, NormalisedEntriesAreTakenAsTheyAre) {
    box(1)->setChecked(true);
    type(1, "1");
    type(2, "1");
    type(3, "2");
    click("BitBtn1");
    EXPECT_EQ(state.network[1].nodeR, 1);
    EXPECT_EQ(state.network[1].sourceR, 2);
    EXPECT_EQ(para("归一化输入1"), "1");
}

TEST_F(SetupWindowTest, ARejectedFieldChangesNothing) {
    WritableNetwork(state).NodeCount = 3;
    WritableNetwork(state).network[1].nodeR = 7;
    for (const char* bad : {"abc", "", ".", "1e3"}) {
        type(3, bad);
        click("BitBtn1");
    }
    EXPECT_EQ(prompter.messages.size(), 4);
    EXPECT_EQ(prompter.messages.value(0), QStringLiteral("输入错误！"));
    EXPECT_EQ(state.NodeCount, 3);
    EXPECT_EQ(state.network[1].nodeR, 7);
    EXPECT_TRUE(canvas.surface.primitives.empty());
    EXPECT_EQ(para("源点R"), "50");
    EXPECT_TRUE(window().isVisible());
}

TEST_F(SetupWindowTest, ElementsStayUnlessRestartIsTicked) {
    WritableNetwork(state).NodeCount = 4;
    click("BitBtn1");
    EXPECT_EQ(state.NodeCount, 4);
    box(4)->setChecked(true);
    click("BitBtn1");
    EXPECT_EQ(state.NodeCount, 1);
}

TEST_F(SetupWindowTest, ReflectionGroupInDecibels) {
    box(3)->setChecked(true);
    type(5, "-3");
    type(6, "0");
    type(7, "-60");                         // 0.001
    click("Button1");                       // "参数转换": applies and stays open
    const Real g = std::pow(10.0L, -0.15L); // |Gamma| = 0.708
    EXPECT_NEAR(state.network[1].nodeR, (1 + g) / (1 - g), 1e-12L);
    EXPECT_NEAR(state.network[1].nodeX, 0, 1e-12L);
    // The source 0.001 at 0 degrees: r = 1.002, x = 0, printed in the "-j" form.
    EXPECT_NEAR(state.network[1].sourceR, 1.002002L, 1e-6L);
    EXPECT_EQ(state.network[1].sourceX, 0);
    const auto texts = canvas.of(Kind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].text, "R=1.00-j0.00");
    EXPECT_EQ(canvas.of(Kind::Ellipse)[1].pen.colour, 65280);
    EXPECT_NEAR(canvas.cursor.GammaMag, 0.001L, 2 / 316.5L); // the readout shows the last point
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(para("对数输入2"), "1");
    EXPECT_EQ(para("负载1R"), "-3");
    EXPECT_EQ(para("源点1R"), "-60");
    EXPECT_EQ(state.NodeCount, 1);
}

TEST_F(SetupWindowTest, ConfirmAppliesTheReflectionGroupAndCloses) {
    type(5, "0.5");
    type(6, "90");
    click("Button2");
    // Gamma j0.5 is z = 0.6 + j0.8.
    EXPECT_NEAR(state.network[1].nodeR, 0.6L, 1e-15L);
    EXPECT_NEAR(state.network[1].nodeX, 0.8L, 1e-15L);
    EXPECT_EQ(canvas.of(Kind::Text)[0].text, "R=0.60+j0.80");
    EXPECT_FALSE(window().isVisible());
}

TEST_F(SetupWindowTest, ARejectedSourceRowKeepsTheAppliedLoad) {
    type(5, "0.5");
    type(6, "90");
    type(7, "x");
    click("Button2");
    EXPECT_EQ(prompter.messages, QStringList{QStringLiteral("输入错误！")});
    EXPECT_NEAR(state.network[1].nodeR, 0.6L, 1e-15L);
    EXPECT_EQ(state.network[1].sourceR, 0);
    EXPECT_EQ(para("负载1R"), "0.89"); // nothing stored
    EXPECT_TRUE(window().isVisible());
}

TEST_F(SetupWindowTest, SwappingTwiceGivesBackTheTexts) {
    type(5, " 0.3");
    type(6, "45");
    type(7, "0.1 ");
    type(8, "-20");
    click("Button3");
    EXPECT_EQ(edit(5)->text(), "0.1");
    EXPECT_EQ(edit(6)->text(), "-20");
    EXPECT_EQ(edit(7)->text(), "0.3");
    EXPECT_EQ(edit(8)->text(), "45");
    click("Button3");
    EXPECT_EQ(edit(5)->text(), "0.3");
    EXPECT_EQ(edit(8)->text(), "-20");
}

TEST_F(SetupWindowTest, InUseDataAndTheRefillMessage) {
    WritableNetwork(state).network[1].nodeR = 0.2L;
    WritableNetwork(state).network[1].nodeX = -0.3L;
    WritableNetwork(state).network[1].sourceR = 1;
    WritableNetwork(state).network[1].sourceX = 0.3L;
    click("Button4");
    EXPECT_EQ(edit(1)->text(), "10.00");
    EXPECT_EQ(edit(2)->text(), "-15.00");
    EXPECT_EQ(edit(3)->text(), "50.00");
    EXPECT_EQ(edit(4)->text(), "15.00");
    box(1)->setChecked(true);
    network.setEnds({3, -0.3L}, {1, 0.3L}, EndsRule::KeepElements); // as the console's setload
    EXPECT_EQ(edit(1)->text(), "3.00");
    EXPECT_EQ(edit(4)->text(), "0.30");
    WritableNetwork(state).network[1].nodeR = 4;
    network.setFrequency(1e9L); // other changes leave the fields alone
    EXPECT_EQ(edit(1)->text(), "3.00");
}

TEST_F(SetupWindowTest, ParameterFileRoundTripThroughTheWindow) {
    const QString path = QString::fromStdString(dir.file("design.txt"));
    box(1)->setChecked(true);
    type(1, "0.2");
    box(3)->setChecked(true);
    type(5, "-6");
    prompter.fileNames.push_back(path);
    click("BitBtn4");
    EXPECT_TRUE(prompter.questions.isEmpty()); // a new file needs no question

    box(1)->setChecked(false);
    box(3)->setChecked(false);
    type(1, "9");
    type(5, "9");
    prompter.fileNames.push_back(path);
    click("BitBtn3");
    EXPECT_TRUE(box(1)->isChecked());
    EXPECT_TRUE(box(3)->isChecked());
    EXPECT_EQ(edit(1)->text(), "0.2");
    EXPECT_EQ(edit(5)->text(), "-6");
    EXPECT_EQ(edit(7)->text(), "0.001");
    EXPECT_EQ(state.NodeCount, 0); // loading applies nothing
}

TEST_F(SetupWindowTest, SavingOverAFileNeedsAYes) {
    const std::string path = dir.file("old.txt");
    ASSERT_TRUE(WriteFileAtomically(path, "old"));
    prompter.fileNames.push_back(QString::fromStdString(path));
    prompter.answers.push_back(Prompter::Answer::No);
    click("BitBtn4");
    EXPECT_EQ(prompter.questions, QStringList{QStringLiteral("S para file  Exists")});
    EXPECT_EQ(ReadWholeFile(path).value(), "old");
    prompter.fileNames.push_back(QString::fromStdString(path));
    prompter.answers.push_back(Prompter::Answer::Yes);
    click("BitBtn4");
    EXPECT_EQ(ReadIniString(path, "Spara", "LoadZi"), "1.42");
}

TEST_F(SetupWindowTest, CancelledDialogsDoNothing) {
    click("BitBtn4");
    click("BitBtn3");
    EXPECT_EQ(prompter.dialogs.size(), 2);
    EXPECT_EQ(edit(1)->text(), "1.42");
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(SetupWindowTest, LoadingSomethingElseIsRefused) {
    const std::string path = dir.file("notes.txt");
    ASSERT_TRUE(WriteFileAtomically(path, "just some notes\n"));
    prompter.fileNames.push_back(QString::fromStdString(path));
    click("BitBtn3");
    EXPECT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(edit(1)->text(), "1.42");
}

} // namespace
} // namespace qv

namespace qv {
namespace {

TEST_F(SetupWindowTest, TheStartUpResetKeepsTheStoredEndsAndConfirmAppliesThem) {
    ASSERT_TRUE(WriteIniString(state.para.path(), "PARA", "负载R", "12.5"));
    ASSERT_TRUE(WriteIniString(state.para.path(), "PARA", "源点j", "-3"));
    window();
    network.reset(); // as at start-up, once every window exists
    EXPECT_EQ(edit(1)->text(), "12.5");
    EXPECT_EQ(edit(2)->text(), "2.22");
    EXPECT_EQ(edit(4)->text(), "-3");
    click("BitBtn1");
    EXPECT_EQ(state.network[1].nodeR * state.Zo, 12.5L);
    EXPECT_NEAR(static_cast<double>(state.network[1].sourceX * state.Zo), -3, 1e-15);
    EXPECT_EQ(para("负载R"), "12.5");
    EXPECT_EQ(para("负载j"), "2.22");
}

} // namespace
} // namespace qv
