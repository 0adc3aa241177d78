#include "chart/windows/entry_canvas.h"
#include "chart/windows/main_window.h"
#include "core/numbers/decimal.h"
#include "core/settings/program_state.h"
#include "matching/drawing/network_chart_link.h"
#include "matching/model/network_model.h"
#include "matching/windows/insertion_window.h"
#include "matching/windows/setup_window.h"
#include "support/scripted_prompter.h"
#include "support/test_paths.h"
#include "ui/message_hub.h"
#include "ui/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace qv {
namespace {

// The typical design by hand: a load of 10 - j15 ohms matched to 50 ohms at 554 MHz with a
// series inductor of 10.055 nH and a shunt capacitor of 11.49 pF (the L section of Q = 2), a
// microstrip line appended and deleted again, then the network recalculated.
class TypicalDesign : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(state.Fo, 554e6L);
        ASSERT_EQ(state.Zo, 50);
        network.reset();
        QObject::connect(&network, &NetworkModel::changed, &main, [this](NetworkChange change) {
            main.networkChanged(change == NetworkChange::Appended ? NetworkRedraw::LastElement
                                                                  : NetworkRedraw::Whole);
        });
        main.setNetwork(&link);
    }
    void TearDown() override { main.setNetwork(nullptr); }

    static void type(QWidget& w, const char* edit, const char* text) {
        w.findChild<QLineEdit*>(QString::fromUtf8(edit))->setText(QString::fromUtf8(text));
    }
    static void click(QWidget& w, const char* name) {
        QTest::mouseClick(w.findChild<QPushButton*>(QString::fromUtf8(name)), Qt::LeftButton);
    }
    void insert(int kind, const char* value, int unit) {
        insertion.show();
        insertion.findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(kind))->click();
        insertion.findChild<QComboBox*>(QStringLiteral("ComboBox1"))->setCurrentIndex(unit);
        type(insertion, "Edit1", value);
        click(insertion, "BitBtn1");
    }
    QString figure(int label) {
        return main.findChild<QLabel*>(QStringLiteral("Label%1").arg(label))->text();
    }
    // The number after "RLmatch=" (and before a "db" unit).
    Real returnLoss() {
        QString text = figure(14).mid(8);
        text.remove(QStringLiteral("db"));
        return StrToFloat(U8(text));
    }
    int pixelsOf(int colour) {
        const QImage& picture = main.chartBitmap();
        int count = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                count += FromQColor(picture.pixelColor(x, y)) == colour;
        return count;
    }

    test::TempDir dir;
    ProgramState state{dir.path()};
    MessageHub hub;
    test::ScriptedPrompter prompter;
    NetworkModel network{state};
    TForm2 main{state, hub, prompter};
    NetworkChartLink link{network};
    MainWindowCanvas canvas{main};
    Tforg setup{state, network, canvas, prompter};
    Tflcop insertion{state, network, prompter};
};

TEST_F(TypicalDesign, MatchesTenMinusJFifteenOhmsToFifty) {
    setup.show();
    type(setup, "Edit1", "10");
    type(setup, "Edit2", "-15");
    type(setup, "Edit3", "50");
    type(setup, "Edit4", "0");
    setup.findChild<QCheckBox*>(QStringLiteral("CheckBox4"))->setChecked(true);
    click(setup, "BitBtn1");
    ASSERT_EQ(state.NodeCount, 1);
    EXPECT_NEAR(state.network[1].nodeR, 0.2L, 1e-18L);
    EXPECT_NEAR(state.network[1].nodeX, -0.3L, 1e-18L);

    insert(SeriesInductor, "10.055", 0);
    ASSERT_EQ(state.NodeCount, 2);
    // 10 + j20 ohms after the inductor: on the g = 1 circle.
    EXPECT_NEAR(state.network[2].nodeR, 0.2L, 1e-15L);
    EXPECT_NEAR(state.network[2].nodeX, 0.4L, 1e-4L);
    insert(ShuntCapacitor, "11.49", 0);
    ASSERT_EQ(state.NodeCount, 3);
    EXPECT_NEAR(state.network[3].nodeR, 1, 1e-3L);
    EXPECT_NEAR(state.network[3].nodeX, 0, 1e-3L);
    EXPECT_TRUE(figure(14).endsWith(QStringLiteral("db"))); // refreshed on the insertion's request
    const Real matched = returnLoss();
    EXPECT_GT(matched, 20);

    insertion.show();
    insertion.findChild<QRadioButton*>(QStringLiteral("RadioButton5"))->click();
    click(insertion, "BitBtn1");
    ASSERT_EQ(state.NodeCount, 4);
    EXPECT_NE(returnLoss(), matched); // the 10 mm line turns the impedance about the centre

    click(main, "BitBtn15"); // "删除元件"
    EXPECT_EQ(state.NodeCount, 3);
    click(main, "BitBtn16"); // "重新计算"
    EXPECT_EQ(state.NodeCount, 3);
    EXPECT_NEAR(state.network[3].nodeR, 1, 1e-3L);
    EXPECT_FALSE(figure(14).endsWith(QStringLiteral("db")));
    EXPECT_GT(returnLoss(), 40); // the typed values are within 0.01 % of the exact design
    EXPECT_TRUE(prompter.messages.isEmpty());

    // The replayed paths in the colours of their kinds; the deleted line is gone.
    const ChartColours& c = state.colours;
    EXPECT_GT(pixelsOf(c[ColourKey::SeriesIndLine]), 50);
    EXPECT_GT(pixelsOf(c[ColourKey::ShuntCapLine]), 50);
    EXPECT_EQ(pixelsOf(c[ColourKey::SeriesStripLine]), 0);
}

TEST_F(TypicalDesign, ANewLoadWithoutRestartRedrawsTheKeptElementsAndTheirFigures) {
    setup.show();
    type(setup, "Edit1", "10");
    type(setup, "Edit2", "15");
    type(setup, "Edit3", "50");
    type(setup, "Edit4", "0");
    setup.findChild<QCheckBox*>(QStringLiteral("CheckBox4"))->setChecked(true);
    click(setup, "BitBtn1");
    insert(SeriesCapacitor, "8.208", 0);
    insert(ShuntInductor, "7.182", 0);
    EXPECT_EQ(figure(14), QStringLiteral("RLmatch=90.92db"));

    setup.show();
    type(setup, "Edit1", "20");
    type(setup, "Edit2", "10");
    setup.findChild<QCheckBox*>(QStringLiteral("CheckBox4"))->setChecked(false);
    click(setup, "BitBtn1");
    EXPECT_EQ(state.NodeCount, 3);
    EXPECT_EQ(figure(14), QStringLiteral("RLmatch=8.69")); // no "重新计算" needed
    EXPECT_GT(pixelsOf(state.colours.lineColourOfKind(ShuntInductor)), 20);
}

} // namespace
} // namespace qv
