#include "chart/analysis/chart_geometry.h"
#include "chart/entry_test_canvas.h"
#include "core/rf/conversions.h"
#include "core/settings/program_state.h"
#include "matching/model/network_model.h"
#include "matching/windows/auto_match_window.h"
#include "support/scripted_prompter.h"
#include "support/test_paths.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace qv {
namespace {

// The window over a load of 10 - j30 ohms and a 50-ohm source at 554 MHz.
class AutoMatchWindowTest : public ::testing::Test {
protected:
    AutoMatchWindowTest() {
        model.reset();
        model.setEnds({0.2L, -0.6L}, {1, 0}, EndsRule::Restart);
        window.show();
    }
    template <typename T> T* child(const char* name) {
        T* w = window.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    Real returnLoss() const {
        const MatchNode& last = state.network[state.NodeCount];
        const MatchNode& ends = state.network[1];
        return MatchQuality({last.nodeR, last.nodeX}, {ends.sourceR, ends.sourceX}, state.matchflag)
            .returnLossDb;
    }

    test::TempDir dir;
    ProgramState state{dir.path()};
    NetworkModel model{state};
    test::ScriptedPrompter prompter;
    AutoMatchWindow window{model, prompter};
};

TEST_F(AutoMatchWindowTest, ListsSolutionsAndAppliesTheChosenOneAsOneStep) {
    EXPECT_EQ(child<QLineEdit>("EditW")->text(), QStringLiteral("0.76"));
    click("ButtonSolve");
    QTableWidget* table = child<QTableWidget>("TableSolutions");
    ASSERT_GE(table->rowCount(), 8); // four L, Pi and T each, two stubs, fewer where a Q is short
    for (int row = 0; row < table->rowCount(); ++row) {
        table->selectRow(row);
        click("ButtonApply");
        EXPECT_GE(state.NodeCount, 2);
        EXPECT_GE(returnLoss(), 60) << row;
        ASSERT_TRUE(model.undo());
        EXPECT_EQ(state.NodeCount, 1);
    }
    // Standard values: the return loss the table promised.
    table->selectRow(0);
    QTest::mouseClick(child<QCheckBox>("CheckStandard"), Qt::LeftButton);
    click("ButtonApply");
    const QString promised = table->item(0, 3)->text();
    ASSERT_TRUE(promised.endsWith(QStringLiteral(" dB"))) << promised.toStdString();
    EXPECT_NEAR(returnLoss(), promised.chopped(3).toDouble(), 0.006);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(AutoMatchWindowTest, ASelectedRowIsPreviewedOnTheChart) {
    test::RecordingCanvas canvas;
    window.setCanvas(&canvas);
    state.geometry = GeometryForHeight(633);
    click("ButtonSolve"); // selects the first row
    EXPECT_EQ(canvas.repaints, 1);
    const std::size_t first = canvas.surface.primitives.size();
    EXPECT_GT(first, 0u);
    child<QTableWidget>("TableSolutions")->selectRow(1);
    EXPECT_EQ(canvas.repaints, 2);
    EXPECT_GT(canvas.surface.primitives.size(), first);
    EXPECT_EQ(state.NodeCount, 1); // a preview changes nothing
    EXPECT_FALSE(model.canRedo());
    click("ButtonSolve"); // the first row again, previewed again
    EXPECT_EQ(canvas.repaints, 3);
}

TEST_F(AutoMatchWindowTest, RefusesBadFieldsAndAStaleList) {
    child<QLineEdit>("EditQ")->setText(QStringLiteral("abc"));
    click("ButtonSolve");
    EXPECT_EQ(prompter.messages, QStringList{QStringLiteral("输入错误：有载Q")});
    child<QLineEdit>("EditQ")->setText(QStringLiteral("0.5"));
    click("ButtonSolve");
    EXPECT_TRUE(child<QLabel>("LabelReasons")->text().contains(QStringLiteral("低于最小值")));
    model.setFrequency(433e6L);
    EXPECT_FALSE(child<QTableWidget>("TableSolutions")->isEnabled());
    EXPECT_TRUE(child<QLabel>("LabelReasons")->text().contains(QStringLiteral("请重新计算")));
    click("ButtonApply");
    EXPECT_EQ(prompter.messages.size(), 2);
    EXPECT_EQ(state.NodeCount, 1);
}

} // namespace
} // namespace qv
