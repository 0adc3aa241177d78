#include "matching/windows/amplifier_stage_window.h"

#include "core/settings/atomic_file.h"
#include "matching/model/network_file.h"
#include "support/scripted_prompter.h"
#include "support/test_paths.h"
#include "ui/qt_text.h"

#include <QAbstractAxis>
#include <QAreaSeries>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace qv {
namespace {

// Conditionally stable (K < 1 at both rows).
constexpr std::string_view DeviceFile = "# GHz S MA R 50\n"
                                        "1 0.90 -60 4.0 100 0.10 40 0.80 -30\n"
                                        "2 0.85 -90 3.5 80 0.10 30 0.75 -40\n";

class AmplifierWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WriteFileAtomically(device, DeviceFile));
        // An output network that drives the transistor's input unstable from 1000 to about
        // 1650 MHz: a shunt 8 nH at the transistor, a series 0.5 pF toward the load.
        ProgramState bad{dir.path()};
        NetworkState& n = WritableNetwork(bad);
        n.network[1].nodeR = 1;
        n.network[1].sourceR = 1;
        n.network[2].kind = ShuntInductor;
        n.network[2].value = 8e-9L;
        n.network[3].kind = SeriesCapacitor;
        n.network[3].value = 0.5e-12L;
        n.NodeCount = 3;
        ASSERT_TRUE(SaveNetworkFile(bad, output));
        // The current network: no element, so the input sees Zo.
        WritableNetwork(state).NodeCount = 1;
        window.show();
        find<QLineEdit>("Edit1")->setText(Q(device));
        find<QComboBox>("ComboBox2")->setCurrentIndex(1);
        find<QLineEdit>("Edit3")->setText(Q(output));
        find<QLineEdit>("Edit4")->setText(QStringLiteral("1g"));
        find<QLineEdit>("Edit5")->setText(QStringLiteral("2g"));
        find<QLineEdit>("Edit6")->setText(QStringLiteral("101"));
    }
    template <typename T> T* find(const char* name) {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    QString label(const char* name) { return find<QLabel>(name)->text(); }

    test::TempDir dir;
    std::string device = dir.file("device.s2p");
    std::string output = dir.file("out.smh");
    ProgramState state{dir.path()};
    test::ScriptedPrompter prompter;
    AmplifierStageWindow window{state, prompter};
};

TEST_F(AmplifierWindow, UnstableStageIsShadedExplainedAndExported) {
    // Before the first calculation there is no scale to misread.
    QChart* chart = find<QChartView>("ChartView1")->chart();
    EXPECT_FALSE(chart->legend()->isVisible());
    for (QAbstractAxis* axis : chart->axes())
        EXPECT_FALSE(axis->isVisible());
    click("BitBtn4");
    EXPECT_TRUE(chart->legend()->isVisible());
    ASSERT_TRUE(prompter.messages.isEmpty()) << prompter.messages.front().toStdString();
    EXPECT_TRUE(label("Label1").startsWith(Q("不稳定：|Gin|<="))) << label("Label1").toStdString();
    EXPECT_TRUE(label("Label2").contains(Q("输入端不稳定的最低频率：1000.000MHz")))
        << label("Label2").toStdString();
    EXPECT_FALSE(label("Label2").contains(Q("输出端不稳定")));
    EXPECT_TRUE(label("Label2").contains(Q("稳定电阻")));

    QAreaSeries* shade = nullptr;
    int curves = 0;
    for (QAbstractSeries* s : find<QChartView>("ChartView1")->chart()->series()) {
        if (auto* area = qobject_cast<QAreaSeries*>(s))
            shade = area;
        else if (auto* line = qobject_cast<QLineSeries*>(s); line && line->count() == 101)
            ++curves;
    }
    EXPECT_EQ(curves, 4); // gain, both return losses, mu
    ASSERT_NE(shade, nullptr);
    const QList<QPointF> top = shade->upperSeries()->points();
    const QList<QPointF> bottom = shade->lowerSeries()->points();
    ASSERT_EQ(top.size(), 202);
    EXPECT_GT(top[0].y(), bottom[0].y());     // 1000 MHz: shaded
    EXPECT_EQ(top[201].y(), bottom[201].y()); // 2000 MHz: stable, not shaded

    const QString s2p = Q(dir.file("stage.s2p"));
    prompter.fileNames.push_back(s2p);
    click("BitBtn5");
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.back().contains(QStringLiteral("101")))
        << prompter.messages.back().toStdString();
    QFile exported(s2p);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_EQ(exported.readAll().count('\n'), 103); // comment, option line, 101 rows

    const QString png = Q(dir.file("stage.png"));
    prompter.fileNames.push_back(png);
    click("BitBtn6");
    EXPECT_FALSE(QImage(png).isNull());
}

TEST_F(AmplifierWindow, MissingNetworkFileAndRangeBeyondTheDeviceAreRefused) {
    find<QLineEdit>("Edit3")->setText(Q(dir.file("missing.smh")));
    click("BitBtn4");
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.back().startsWith(Q("输出网络: ")));
    find<QLineEdit>("Edit3")->setText(Q(output));
    find<QLineEdit>("Edit5")->setText(QStringLiteral("2.5g"));
    click("BitBtn4");
    ASSERT_EQ(prompter.messages.size(), 2);
    EXPECT_TRUE(prompter.messages.back().contains(Q("超出晶体管文件")));
    EXPECT_TRUE(label("Label1").isEmpty());
    click("BitBtn5");
    EXPECT_EQ(prompter.messages.back(), Q("请先计算"));
}

} // namespace
} // namespace qv
