#include "matching/windows/response_window.h"

#include "chart/analysis/chart_geometry.h"
#include "chart/drawing/overlay_layers.h"
#include "matching/drawing/response_locus.h"
#include "support/scripted_prompter.h"
#include "support/test_paths.h"
#include "ui/qt_text.h"

#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <gtest/gtest.h>

namespace qv {
namespace {

class ResponseWindow : public ::testing::Test {
protected:
    void SetUp() override {
        // 10 ohm matched to 50 ohm at 100 MHz: series +j20 next to the load, shunt -j25.
        WritableNetwork(state).Fo = 100e6L;
        WritableNetwork(state).network[1].nodeR = 0.2L;
        WritableNetwork(state).network[1].sourceR = 1;
        WritableNetwork(state).network[2].kind = SeriesInductor;
        WritableNetwork(state).network[2].value = 20 / (TwoPi * 100e6L);
        WritableNetwork(state).network[3].kind = ShuntCapacitor;
        WritableNetwork(state).network[3].value = 1 / (TwoPi * 100e6L * 25);
        WritableNetwork(state).NodeCount = 3;
        window.show();
    }
    template <typename T> T* find(const char* name) {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    void setField(const char* name, const char* text) {
        find<QLineEdit>(name)->setText(QString::fromUtf8(text));
    }
    void sweep() { QTest::mouseClick(find<QPushButton>("BitBtn1"), Qt::LeftButton); }
    QString band() { return find<QLabel>("Label1")->text(); }
    QLineSeries* series(const char* name) {
        for (QAbstractSeries* s : find<QChartView>("ChartView1")->chart()->series())
            if (s->name() == Q(name))
                return qobject_cast<QLineSeries*>(s);
        return nullptr;
    }

    test::TempDir dir;
    ProgramState state{dir.path()};
    test::ScriptedPrompter prompter;
    int reads = 0;
    LoadFileRead fileLoad = [] {
        LoadFileRead read;
        read.table = LoadTable{{{60e6L, {0.2L, 0.1L}}, {140e6L, {0.3L, -0.1L}}}, 50, "dut.s2p", 1};
        return read;
    }();
    Tfresp window{state, prompter, [this](const std::string&, int, Real) {
                      ++reads;
                      return fileLoad;
                  }};
};

TEST_F(ResponseWindow, SweepShowsTheBandAndFollowsTheNetwork) {
    EXPECT_EQ(find<QLineEdit>("Edit1")->text(), QStringLiteral("80.00M")); // +-20 % around Fo
    int locusRequests = 0;
    QObject::connect(&window, &Tfresp::locusChanged, [&] { ++locusRequests; });
    setField("Edit1", "50m");
    setField("Edit2", "150m");
    setField("Edit3", "2001");
    sweep();
    // The hand-derived edges 79.203662 and 117.161342 MHz, to a tenth of the 50 kHz step.
    EXPECT_TRUE(band().startsWith(Q("回波损耗≥10.00dB：79.204 - 117.161 MHz"))) << U8(band());
    EXPECT_TRUE(band().endsWith(Q("相对带宽 37.96%"))) << U8(band());
    EXPECT_EQ(series("回波损耗 dB")->count(), 2001);
    EXPECT_EQ(series("驻波比")->count(), 2001);
    EXPECT_EQ(locusRequests, 1);

    WritableNetwork(state).network[3].value *= 1.5; // the plot follows without another click
    window.networkChanged();
    EXPECT_TRUE(band().startsWith(Q("匹配达不到 10.00dB"))) << U8(band());

    WritableNetwork(state).network[3].value = 0; // fails at every frequency: said, nothing plotted
    window.networkChanged();
    EXPECT_TRUE(find<QLabel>("Label2")->text().contains(Q("2001个频率点无法计算")))
        << U8(find<QLabel>("Label2")->text());
    EXPECT_EQ(series("回波损耗 dB")->count(), 0);
}

TEST_F(ResponseWindow, BadFieldsAndFileLoadsChangeNothing) {
    for (const char* points : {"1", "10002", "x"}) {
        setField("Edit1", "50m");
        setField("Edit2", "150m");
        setField("Edit3", points);
        sweep();
    }
    setField("Edit3", "11");
    setField("Edit4", "-5"); // a return-loss threshold is above 0 dB
    sweep();
    setField("Edit4", "10");
    setField("Edit1", "150m");
    sweep();
    EXPECT_EQ(prompter.messages,
              (QStringList{Q("点数必须在2到10001之间"), Q("点数必须在2到10001之间"), Q("输入错误：点数"),
                           Q("输入错误：门限dB"), Q("起始频率必须低于终止频率")}));
    EXPECT_TRUE(band().isEmpty());

    prompter.messages.clear();
    prompter.fileNames.push_back(QStringLiteral("/data/dut.s2p"));
    QTest::mouseClick(find<QPushButton>("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(find<QComboBox>("ComboBox1")->currentIndex(), 1);
    setField("Edit1", "50m");
    sweep(); // beyond the file's 60..140 MHz: refused, never extrapolated
    EXPECT_EQ(prompter.messages, QStringList{Q("负载文件只覆盖60.000000到140.000000 MHz")});
    setField("Edit1", "60m");
    setField("Edit2", "140m");
    sweep();
    EXPECT_EQ(reads, 2);
    EXPECT_TRUE(find<QLabel>("Label2")->text().contains(QStringLiteral("dut.s2p")));

    fileLoad.table.reset();
    fileLoad.problem = LoadFileRead::Problem::NoReflection;
    fileLoad.port = 2;
    find<QComboBox>("ComboBox1")->setCurrentIndex(2);
    sweep();
    EXPECT_EQ(prompter.messages.back(), Q("文件没有端口2的反射系数（S22）"));
    EXPECT_TRUE(find<QLabel>("Label2")->text().contains(QStringLiteral("dut.s2p"))); // the shown sweep stays
}

TEST_F(ResponseWindow, EmptyPlotShowsNoScaleUntilTheFirstSweep) {
    QChart* chart = find<QChartView>("ChartView1")->chart();
    const auto shown = [chart] {
        int n = chart->legend()->isVisible();
        for (QAbstractAxis* axis : chart->axes())
            n += axis->isVisible();
        return n;
    };
    EXPECT_EQ(shown(), 0);
    setField("Edit3", "101");
    sweep();
    EXPECT_EQ(shown(), 4); // the legend and three axes
}

TEST_F(ResponseWindow, ChoosingALoadFileSweepsAgain) {
    setField("Edit1", "60m");
    setField("Edit2", "140m");
    sweep();
    prompter.fileNames.push_back(QStringLiteral("/data/dut.s2p"));
    QTest::mouseClick(find<QPushButton>("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(reads, 1);
    EXPECT_TRUE(find<QLabel>("Label2")->text().contains(QStringLiteral("dut.s2p")));
}

// The ring marks the design frequency itself, on or between the swept points, and is gone once the
// design frequency leaves the sweep (as after an undo of Fo).
TEST_F(ResponseWindow, FoRingSitsAtFoOrNowhere) {
    const ChartGeometry geometry = GeometryForHeight(600);
    const auto foLabels = [&] {
        RecordingSurface chart(600, 600);
        if (const std::optional<ResponseLocus> locus = window.locus())
            DrawResponseLocus(chart, geometry, *locus);
        int n = 0;
        for (const Primitive& p : chart.primitives)
            n += p.kind == Primitive::Kind::Text && p.text == "Fo";
        return n;
    };
    setField("Edit1", "50m");
    setField("Edit2", "150m");
    setField("Edit3", "101");
    sweep();
    EXPECT_EQ(foLabels(), 1);
    WritableNetwork(state).Fo = 100.5e6L; // between two swept points
    window.networkChanged();
    EXPECT_EQ(foLabels(), 1);
    WritableNetwork(state).Fo = 400e6L;
    window.networkChanged();
    EXPECT_EQ(foLabels(), 0);
}

TEST_F(ResponseWindow, LocusIsShownWhileTheWindowShowsASweep) {
    const ChartGeometry geometry = GeometryForHeight(600);
    EXPECT_FALSE(window.locus());

    setField("Edit1", "50m");
    setField("Edit2", "150m");
    setField("Edit3", "101");
    sweep();
    const std::optional<ResponseLocus> locus = window.locus();
    ASSERT_TRUE(locus);
    RecordingSurface chart(600, 600);
    DrawResponseLocus(chart, geometry, *locus);
    int lines = 0;
    for (const Primitive& p : chart.primitives)
        lines += p.kind == Primitive::Kind::Line && p.pen.colour == 0x0060C0;
    EXPECT_EQ(lines, 100);

    if (const char* shots = std::getenv("QV_SCREENSHOT_DIR")) {
        QImage image(600, 600, QImage::Format_RGB32);
        image.fill(Qt::white);
        ImageSurface picture(image);
        DrawResponseLocus(picture, geometry, *locus);
        image.save(QString::fromUtf8(shots) + QStringLiteral("/locus.png"));
        window.grab().save(QString::fromUtf8(shots) + QStringLiteral("/response_window.png"));
    }

    window.hide();
    EXPECT_FALSE(window.locus());
}

TEST(ResponseLocus, LabelsNearTheRimStayInsideThePicture) {
    const ChartGeometry geometry = GeometryForHeight(600);
    std::vector<ResponsePoint> sweep;
    for (Real r : {0.05L, 20.0L, 40.0L}) // from the left rim to the right one
        sweep.push_back({r * 1e8L, true, {r, 0.5L}, {}, false, {}});
    RecordingSurface chart(600, 600);
    chart.characterWidth = 7;
    DrawResponseLocus(chart, geometry, sweep, 20e8L);
    int labels = 0;
    for (const Primitive& p : chart.primitives) {
        if (p.kind != Primitive::Kind::Text)
            continue;
        ++labels;
        EXPECT_GE(p.x1, 0) << p.text;
        EXPECT_LE(p.x1 + chart.textWidth(p.text), geometry.CentreX + geometry.Radius) << p.text;
    }
    EXPECT_EQ(labels, 3);
}

TEST_F(ResponseWindow, YieldSpreadAndBodeFanoLimitBesideTheBand) {
    setField("Edit1", "90m");
    setField("Edit2", "110m");
    setField("Edit3", "101");
    setField("Edit5", "300");
    find<QCheckBox>("CheckBox1")->setChecked(true);
    sweep();
    QTest::mouseClick(find<QPushButton>("BitBtn3"), Qt::LeftButton);
    // Ideal parts without tolerance: every build is the design, which holds 10 dB over the band.
    EXPECT_EQ(find<QLabel>("Label3")->text(), Q("yield=100.0% (300/300) 95% CI 98.7-100.0%"));
    EXPECT_EQ(series("最差")->count(), 101);
    EXPECT_EQ(series("最好")->count(), 101);
    window.networkChanged(); // a yield describes the network it was computed on
    EXPECT_TRUE(find<QLabel>("Label3")->text().isEmpty());
    EXPECT_EQ(series("最差")->count(), 0);

    WritableNetwork(state).network[1].nodeX = 0.1L; // 10 + j5 ohm: a series R-L load with Q = 0.5
    window.networkChanged();
    EXPECT_TRUE(band().contains(Q("Bode-Fano极限 "))) << U8(band());
}

TEST_F(ResponseWindow, YieldCanBeCancelled) {
    setField("Edit5", "100000");
    QTimer::singleShot(50, &window, [this] {
        if (auto* dialog = find<QProgressDialog>("ProgressYield"))
            dialog->cancel();
    });
    QTest::mouseClick(find<QPushButton>("BitBtn3"), Qt::LeftButton);
    EXPECT_EQ(find<QLabel>("Label3")->text(), Q("成品率计算已取消"));
}

} // namespace
} // namespace qv
