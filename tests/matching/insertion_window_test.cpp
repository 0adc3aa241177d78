#include "chart/analysis/chart_geometry.h"
#include "chart/entry_test_canvas.h"
#include "core/numbers/decimal.h"
#include "core/numbers/engineering.h"
#include "core/numbers/text_format.h"
#include "core/rf/microstrip.h"
#include "core/settings/program_state.h"
#include "matching/analysis/insertion_value.h"
#include "matching/drawing/network_chart_link.h"
#include "matching/model/network_model.h"
#include "matching/windows/insertion_window.h"
#include "support/random_text.h"
#include "support/scripted_prompter.h"
#include "support/test_paths.h"
#include "ui/fixed_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <random>

namespace qv {
namespace {

using Kind = Primitive::Kind;

TEST(ParseElementValue, UnitsAndTypedSuffixes) {
    struct Row {
        const char* typed;
        const char* unit;
        Real value;
    };
    const Row rows[] = {
        {"10", "pf", 1e-11L},     {"10", "nf", 1e-8L},  {"10", "uf", 1e-5L}, {"10", "f", 10},
        {"2", "nH", 2e-9L},       {"2", "mH", 2e-3L},   {"2", "H", 2},       {"10n", "pf", 1e-8L},
        {" 4.7 ", "nH", 4.7e-9L}, {"3p", "mH", 3e-12L}, // a typed suffix decides, even over "mH"
    };
    for (const Row& row : rows) {
        const std::optional<Real> v = ParseElementValue(row.typed, row.unit);
        ASSERT_TRUE(v) << row.typed << row.unit;
        EXPECT_NEAR(*v, row.value, row.value * 1e-15L) << row.typed << row.unit;
    }
    for (const char* bad : {"", "  ", "abc", "1.2.3", "p", "1e3", "-"})
        EXPECT_FALSE(ParseElementValue(bad, "pf")) << bad;
    // Without a multiplier letter the typed text must be a number of its own, whatever the unit.
    for (const char* unit : {"pf", "f", "nH", "mH", "H"}) {
        EXPECT_FALSE(ParseElementValue("2f", unit)) << unit;
        EXPECT_FALSE(ParseElementValue("-1e1", unit)) << unit;
    }
}

TEST(MicrostripBlockFromMillimetres, TheDefaultsInMetres) {
    const MicrostripBlock b = MicrostripBlockFromMillimetres({0.76L, 0.6L, 0.035L, 4.6L, 10}, 554e6L);
    EXPECT_EQ(b.frequency, 554e6L);
    EXPECT_NEAR(b.W, 0.00076L, 1e-19L);
    EXPECT_NEAR(b.H, 0.0006L, 1e-19L);
    EXPECT_NEAR(b.T, 0.000035L, 1e-19L);
    EXPECT_EQ(b.Er, 4.6L);
    EXPECT_NEAR(b.Len, 0.01L, 1e-19L);
    EXPECT_EQ(MicrostripLabel("10", "0.76"), "L:10/W:0.76");
}

// Random typing: never a failure, and a number only for a text the numeric check accepts.
TEST(ParseElementValue, RandomTextIsAValueOrNothing) {
    test::RandomText random(5);
    for (int i = 0; i < 20000; ++i) {
        const std::string text = random.from("0123456789.-+eEpPnNuUmMkKgGfFhH x\xB8", 8);
        EXPECT_NO_THROW(ParseElementValue(text, InductorUnits[random.below(3)]));
        const std::optional<Real> checked = CheckedNumber(QString::fromLatin1(text.data(), text.size()));
        if (checked) {
            EXPECT_EQ(ValidateNumber(Trim(text)), 1) << text;
        }
    }
}

class InsertionWindowTest : public ::testing::Test {
protected:
    InsertionWindowTest() {
        state.geometry = GeometryForHeight(633);
        WritableNetwork(state).Fo = 100e6L;
        WritableNetwork(state).NodeCount = 1;
        WritableNetwork(state).network[1].nodeR = 1; // load 1 + j1
        WritableNetwork(state).network[1].nodeX = 1;
        WritableNetwork(state).network[1].sourceR = 1;
        // The main window's part: an appended element's path goes onto the chart.
        QObject::connect(&network, &NetworkModel::changed, [this](NetworkChange change) {
            requests << static_cast<int>(change);
            if (change == NetworkChange::Appended) {
                link.drawLastElement(canvas.picture());
                canvas.repaint();
            }
        });
        window.show();
    }
    QLineEdit* edit(int n) { return window.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n)); }
    void type(int n, const char* text) { edit(n)->setText(QString::fromUtf8(text)); }
    void pick(int kind) {
        window.findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(kind))->click();
    }
    QComboBox* units() { return window.findChild<QComboBox*>(QStringLiteral("ComboBox1")); }
    void insert() { window.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click(); }
    std::string label(int slot) { return std::string(state.network[slot].label.data()); }

    test::TempDir dir;
    ProgramState state{dir.path()};
    NetworkModel network{state};
    NetworkChartLink link{network};
    test::RecordingCanvas canvas;
    test::ScriptedPrompter prompter;
    Tflcop window{state, network, prompter};
    QList<int> requests;
};

TEST_F(InsertionWindowTest, OpensOnASeriesCapacitorWithTheFrequency) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("接入元件"));
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window.checkedKind(), 1);
    EXPECT_EQ(units()->count(), 4);
    EXPECT_EQ(units()->currentText(), "pf");
    EXPECT_EQ(edit(3)->text(), QString::fromStdString(FormatFrequency(100e6L)));
    EXPECT_FALSE(edit(3)->isEnabled());
    EXPECT_FALSE(edit(2)->isEnabled());
    EXPECT_EQ(edit(7)->text(), "0.76");
    EXPECT_EQ(edit(11)->text(), "10");
    WritableNetwork(state).Fo = 2.4e9L; // the field follows Fo at the next paint
    window.grab();                      // renders, as a paint would
    EXPECT_EQ(edit(3)->text(), QString::fromStdString(FormatFrequency(2.4e9L)));
}

TEST_F(InsertionWindowTest, TheGroupsAndUnitsFollowTheKind) {
    auto* strip = window.findChild<QGroupBox*>(QStringLiteral("GroupBox5"));
    auto* impedance = window.findChild<QGroupBox*>(QStringLiteral("GroupBox3"));
    pick(4);
    EXPECT_EQ(units()->count(), 3);
    EXPECT_EQ(units()->itemText(1), "mH");
    EXPECT_FALSE(strip->isVisible());
    pick(6);
    EXPECT_TRUE(strip->isVisible());
    EXPECT_FALSE(impedance->isVisible());
    pick(7);
    EXPECT_TRUE(impedance->isVisible());
    EXPECT_FALSE(strip->isVisible());
    pick(2);
    EXPECT_EQ(units()->count(), 4);
    EXPECT_FALSE(impedance->isVisible());
}

TEST_F(InsertionWindowTest, SeriesCapacitorOfTenPicofarads) {
    type(1, "10");
    insert();
    EXPECT_EQ(state.NodeCount, 2);
    EXPECT_EQ(state.network[2].kind, 1);
    EXPECT_NEAR(state.network[2].value, 1e-11L, 1e-25L);
    EXPECT_EQ(label(2), "10pf");
    // 1/(2 pi 100 MHz 10 pF) = 159.15 ohms, about 3.18 normalised.
    EXPECT_NEAR(state.network[2].nodeX, 1 - 159.15494309189533L / 50, 1e-12L);
    const auto texts = canvas.of(Kind::Text);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, "10pf:X159.15");
    EXPECT_EQ(canvas.repaints, 1);
    EXPECT_EQ(requests, QList<int>{static_cast<int>(NetworkChange::Appended)});
    EXPECT_FALSE(window.isVisible());
}

TEST_F(InsertionWindowTest, InductorUnits) {
    pick(3);
    units()->setCurrentIndex(1); // mH
    type(1, "2");
    insert();
    EXPECT_NEAR(state.network[2].value, 0.002L, 1e-18L);
    EXPECT_EQ(label(2), "2mH");
    window.show();
    pick(4);
    type(1, "2");
    insert();
    EXPECT_EQ(state.network[3].kind, 4);
    EXPECT_NEAR(state.network[3].value, 2e-9L, 1e-22L);
    EXPECT_EQ(state.NodeCount, 3);
}

TEST_F(InsertionWindowTest, ATypedSuffixOverridesTheUnit) {
    type(1, "10n");
    insert();
    EXPECT_NEAR(state.network[2].value, 1e-8L, 1e-21L);
    EXPECT_EQ(label(2), "10npf");
}

TEST_F(InsertionWindowTest, MicrostripDefaults) {
    pick(5);
    insert();
    const MatchNode& slot = state.network[2];
    EXPECT_EQ(slot.kind, 5);
    EXPECT_EQ(label(2), "L:10/W:0.76");
    EXPECT_EQ(slot.strip.frequency, 100e6L);
    EXPECT_NEAR(slot.strip.W, 0.00076L, 1e-19L);
    EXPECT_NEAR(slot.strip.H, 0.0006L, 1e-19L);
    EXPECT_NEAR(slot.strip.T, 0.000035L, 1e-19L);
    EXPECT_EQ(slot.strip.Er, 4.6L);
    EXPECT_NEAR(slot.strip.Len, 0.01L, 1e-19L);
    EXPECT_EQ(slot.value, 0);
}

TEST_F(InsertionWindowTest, NormalisedImpedanceIsTakenTimesZo) {
    pick(8);
    window.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
    type(4, "1");
    type(5, "1");
    insert();
    EXPECT_EQ(state.network[2].kind, 8);
    EXPECT_EQ(state.network[2].R, 50);
    EXPECT_EQ(state.network[2].value, 50);
    EXPECT_EQ(label(2), "");
}

TEST_F(InsertionWindowTest, EveryKindAppendsInOrder) {
    for (int kind = 1; kind <= 8; ++kind) {
        window.show();
        pick(kind);
        type(1, "5");
        type(4, "10");
        type(5, "-20");
        insert();
        ASSERT_EQ(state.NodeCount, kind + 1) << kind;
        EXPECT_EQ(state.network[kind + 1].kind, kind);
    }
    EXPECT_EQ(requests.size(), 8);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(InsertionWindowTest, ARejectedValueInsertsNothing) {
    for (const char* bad : {"", "abc", "1.2.3", "p"}) {
        type(1, bad);
        insert();
    }
    pick(5);
    type(8, "0.6mm");
    insert();
    pick(7);
    type(4, "");
    insert();
    EXPECT_EQ(prompter.messages.size(), 6);
    for (const QString& m : prompter.messages)
        EXPECT_EQ(m, QStringLiteral("输入错误！"));
    EXPECT_EQ(state.NodeCount, 1);
    EXPECT_EQ(state.network[2].kind, 0);
    EXPECT_TRUE(canvas.surface.primitives.empty());
    EXPECT_TRUE(requests.isEmpty());
    EXPECT_TRUE(window.isVisible());
}

// Clicked with the mouse: values without physical sense, or beyond the arithmetic's range, are
// refused with a message and insert nothing.
TEST_F(InsertionWindowTest, ImplausibleAndInfiniteValuesAreRefused) {
    const auto click = [this](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); };
    const auto ok = window.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    for (const std::string& typed : {std::string("0"), std::string("-10"), std::string(4930, '9') + "G"}) {
        type(1, typed.c_str());
        click(ok);
    }
    click(window.findChild<QRadioButton*>(QStringLiteral("RadioButton4")));
    units()->setCurrentIndex(1); // mH
    type(1, "2f");
    click(ok);
    click(window.findChild<QRadioButton*>(QStringLiteral("RadioButton6")));
    type(7, "0");
    click(ok);
    EXPECT_EQ(
        prompter.messages,
        (QStringList{QStringLiteral("输入错误！电容值必须大于0"), QStringLiteral("输入错误！电容值必须大于0"),
                     QStringLiteral("输入错误！"), QStringLiteral("输入错误！"),
                     QStringLiteral("输入错误！微带的线宽、板厚、长度和介电常数必须大于0")}));
    EXPECT_EQ(state.NodeCount, 1);
    EXPECT_TRUE(canvas.surface.primitives.empty());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(InsertionWindowTest, NoInsertionBeforeTheSetup) {
    WritableNetwork(state).NodeCount = 0;
    type(1, "10");
    insert();
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(state.NodeCount, 0);
    EXPECT_TRUE(canvas.surface.primitives.empty());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(InsertionWindowTest, CharacteristicImpedanceOfTheEnteredStrip) {
    pick(5);
    window.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
    const MicrostripLine line = MicrostripZ0(0.00076L, 0.0006L, 0.000035L, 4.6L);
    EXPECT_EQ(edit(2)->text(), QString::fromStdString(Format("%3.5f", {line.Z0})));
    EXPECT_GT(line.Z0, 20); // a plausible strip impedance, not a sentinel
    EXPECT_LT(line.Z0, 120);
    type(11, "x");
    window.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
    EXPECT_EQ(prompter.messages, QStringList{QStringLiteral("输入错误！")});
}

} // namespace
} // namespace qv
