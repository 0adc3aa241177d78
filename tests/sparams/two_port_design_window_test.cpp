#include "core/numbers/engineering.h"
#include "core/settings/program_state.h"
#include "matching/model/network_model.h"
#include "matching/windows/auto_match_window.h"
#include "matching/windows/network_design_target.h"
#include "sparams/analysis/device_data.h"
#include "sparams/analysis/sparameter_file.h"
#include "sparams/analysis/sparameter_file_row.h"
#include "sparams/windows/two_port_window.h"
#include "support/scripted_prompter.h"
#include "support/test_paths.h"
#include "ui/message_hub.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace qv {
namespace {

// A dB file: the table shows S21 rounded to six digits; the row must carry every digit.
constexpr std::string_view DeviceFile = "# GHz S DB R 50\n"
                                        "1 -2.1 -60 14.123456789 120 -30.45678912 50 -4.4 -30\n"
                                        "2 -2.9 -116 8.2987654321 76 -30.1 57 -2.7 -54\n"
                                        "\n"
                                        "1 0.40 0.60 30 0.30\n"
                                        "2 0.60 0.50 60 0.20\n";

class TwoPortDesignWindow : public ::testing::Test {
protected:
    test::TempDir dir;
    ProgramState state{dir.path()};
    MessageHub hub;
    test::ScriptedPrompter prompter;
    NetworkModel network{state};
    NetworkDesignTarget designTarget{network};
    Tffscalc window{state, hub, prompter};

    void SetUp() override {
        WritableNetwork(state).network[0].sourceR = state.Zo;
        WritableNetwork(state).network[0].nodeR = state.Zo;
        window.setDesignTarget(&designTarget);
    }
    template <typename T = QWidget> T* control(QWidget& in, const char* name) {
        auto* c = in.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    void click(QWidget& in, const char* name) { QTest::mouseClick(control(in, name), Qt::LeftButton); }
    QString text(int n) { return control<QLineEdit>(window, ("Edit" + std::to_string(n)).c_str())->text(); }

    // The table's second row, sent as the table window sends it.
    void sendSecondRow() {
        const SParameterParse parse = ParseSParameterFile(DeviceFile, {});
        ASSERT_TRUE(parse.table);
        const DeviceRead device = ReadDeviceData(DeviceFile);
        ASSERT_TRUE(device.data);
        const std::string block = TableRowMessage(*parse.table, 1, DeviceAt(*device.data, 2e9L)->noise);
        emit hub.sparameterRow(QByteArray(block.data(), static_cast<qsizetype>(block.size())));
    }
};

TEST_F(TwoPortDesignWindow, TableRowToInputMatchToAutomaticMatching) {
    state.para.WriteParaString("S参数输入方式", "0");
    control<QCheckBox>(window, "CheckBox1")->setChecked(false);
    sendSecondRow();
    EXPECT_TRUE(control<QCheckBox>(window, "CheckBox1")->isChecked());
    // S21's magnitude with all its digits, read back exactly as the design data has it.
    const DeviceRead device = ReadDeviceData(DeviceFile);
    const Real s21 = std::hypot(device.data->rows[1].s.s21.re, device.data->rows[1].s.s21.im);
    EXPECT_NEAR(text(17).toDouble(), static_cast<double>(s21), 1e-15);
    EXPECT_GT(text(17).size(), 10);

    click(window, "BitBtn3");
    EXPECT_FALSE(text(45).isEmpty());
    EXPECT_TRUE(control<QLabel>(window, "Label31")->text().startsWith(QStringLiteral("NFmin=0.60dB")));

    click(window, "useFrequency");
    EXPECT_EQ(state.Fo, 2e9L);
    click(window, "inputMatch");
    const ConjugateMatchResult match = SimultaneousConjugateMatch(device.data->rows[1].s);
    ASSERT_TRUE(match.match);
    const Complex load = MatchedLoadOhms(match.match->sourceReflection, 50);
    EXPECT_EQ(state.NodeCount, 1);
    // The row travels as 21-digit text: the load agrees far below a printed digit.
    EXPECT_NEAR(state.network[1].nodeR * 50, load.re, 1e-9L);
    EXPECT_NEAR(state.network[1].nodeX * 50, load.im, 1e-9L);
    EXPECT_EQ(state.network[1].sourceR, 1);

    AutoMatchWindow autoMatch(network, prompter);
    autoMatch.show();
    click(autoMatch, "ButtonSolve");
    const QString target = control<QLabel>(autoMatch, "LabelTarget")->text();
    EXPECT_TRUE(target.contains(QString::fromStdString("f=" + FormatFrequency(2e9L))))
        << target.toStdString();
    EXPECT_TRUE(target.contains(QStringLiteral("源=50.00-j0.00欧"))) << target.toStdString();
}

TEST_F(TwoPortDesignWindow, DefaultFieldsAreValidMagnitudeAngleValues) {
    EXPECT_TRUE(control<QCheckBox>(window, "CheckBox1")->isChecked());
    click(window, "BitBtn3"); // would stop on an error with the fields read as real/imaginary
    EXPECT_FALSE(text(30).isEmpty());
}

} // namespace
} // namespace qv
