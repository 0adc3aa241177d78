#include "chart/analysis/chart_geometry.h"
#include "chart/analysis/readout_message.h"
#include "core/settings/program_state.h"
#include "matching/model/network_model.h"
#include "matching/windows/load_source_popup.h"
#include "support/scripted_prompter.h"
#include "support/test_paths.h"
#include "ui/screen_placement.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace qv {
namespace {

class LoadSourcePopup : public ::testing::Test {
protected:
    LoadSourcePopup() {
        state.geometry = GeometryForHeight(633);
        network.reset();
        QObject::connect(&network, &NetworkModel::changed, [this](NetworkChange c) { changes.push_back(c); });
    }
    QLineEdit* edit(const char* name) { return popup.findChild<QLineEdit*>(QString::fromUtf8(name)); }
    void click(const char* name) {
        QTest::mouseClick(popup.findChild<QPushButton*>(QString::fromUtf8(name)), Qt::LeftButton);
    }

    test::TempDir dir;
    ProgramState state{dir.path()};
    NetworkModel network{state};
    test::ScriptedPrompter prompter;
    Tfsetselect popup{network, prompter};
    std::vector<NetworkChange> changes;
};

TEST_F(LoadSourcePopup, ShowsTheImpedanceBesideTheCursor) {
    popup.showAt({120, 140}, {25.126L, -50});
    EXPECT_TRUE(popup.isVisible());
    EXPECT_EQ(popup.pos(), QPoint(125, 145));
    EXPECT_EQ(edit("Edit1")->text(), QStringLiteral("25.13"));
    EXPECT_EQ(edit("Edit2")->text(), QStringLiteral("-50.00"));
}

// Near the screen's bottom-right corner the popup opens above and left of the cursor, whole;
// Escape closes it.
TEST_F(LoadSourcePopup, StaysOnTheScreenAndClosesOnEscape) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    popup.showAt(screen.bottomRight() - QPoint(3, 3), {50, 0});
    EXPECT_TRUE(screen.contains(popup.frameGeometry())) << popup.frameGeometry().y();
    EXPECT_LT(popup.frameGeometry().bottom(), screen.bottom() - 3);
    QTest::keyClick(edit("Edit1"), Qt::Key_Escape);
    EXPECT_FALSE(popup.isVisible());
}

TEST(ScreenPlacement, FlipsAtAnEdgeAndClampsWhatCannotFit) {
    const QRect area(0, 0, 1920, 1040);
    EXPECT_EQ(PlaceBesideCursor(area, {186, 80}, {100, 100}, {5, 5}), QPoint(105, 105));
    EXPECT_EQ(PlaceBesideCursor(area, {186, 80}, {1900, 1000}, {5, 5}),
              QPoint(1900 - 5 - 186, 1000 - 5 - 80));
    EXPECT_EQ(PlaceBesideCursor(area, {186, 80}, {100, 1000}, {5, 5}), QPoint(105, 915));
    // Larger than the area: its top-left corner stays on it.
    EXPECT_EQ(PlaceBesideCursor(area, {3000, 80}, {100, 100}, {5, 5}), QPoint(0, 105));
    EXPECT_EQ(KeepInside(area, {720, 480}, {1500, 700}), QPoint(1200, 560));
}

// Both buttons set their end through the model in one change (the chart's redraw marks it) and
// store the typed texts as the setup window does; a field that is no number changes nothing.
TEST_F(LoadSourcePopup, SetsTheLoadOrSourceThroughTheModelAndStoresTheTexts) {
    popup.showAt({0, 0}, {25, 1000});
    edit("Edit1")->setText(QStringLiteral("25"));
    edit("Edit2")->setText(QStringLiteral("1e3x"));
    click("BitBtn1");
    EXPECT_EQ(prompter.messages, QStringList{QStringLiteral("输入错误！")});
    EXPECT_EQ(state.NodeCount, 0);
    EXPECT_TRUE(changes.empty());
    EXPECT_TRUE(popup.isVisible());

    edit("Edit2")->setText(QStringLiteral(" -50 "));
    click("BitBtn1");
    EXPECT_EQ(state.NodeCount, 1);
    EXPECT_EQ(state.network[1].nodeR, 0.5L);
    EXPECT_EQ(state.network[1].nodeX, -1);
    EXPECT_FALSE(popup.isVisible());
    EXPECT_EQ(changes, std::vector<NetworkChange>{NetworkChange::Ends});
    EXPECT_EQ(state.para.ReadParaString("负载R"), "25");
    EXPECT_EQ(state.para.ReadParaString("负载j"), "-50");
    EXPECT_EQ(state.para.ReadParaString("归一化输入1"), "0");

    const Real sourceBefore = state.network[1].sourceR;
    popup.showAt({0, 0}, {100, 0});
    click("BitBtn2");
    EXPECT_EQ(state.network[1].sourceR, 2);
    EXPECT_EQ(state.network[1].nodeR, 0.5L); // the load stays
    EXPECT_EQ(state.para.ReadParaString("源点R"), "100.00");
    ASSERT_TRUE(network.undo());
    EXPECT_EQ(state.network[1].sourceR, sourceBefore);
}

TEST_F(LoadSourcePopup, TakesTheSizeOfAReadoutBlock) {
    ReadoutMessage size;
    size.lineCount = 1;
    size.width = 220;
    size.height = 90;
    const std::string block = EncodeReadoutMessage(size);
    popup.WmCopyData(QByteArray(block.data(), static_cast<qsizetype>(block.size())));
    EXPECT_EQ(popup.size(), QSize(220, 90));
}

} // namespace
} // namespace qv
