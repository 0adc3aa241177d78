#include "app/started_application.h"
#include "chart/analysis/chart_geometry.h"
#include "chart/analysis/stability_block.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

namespace qv {
namespace {

const char* const DeviceFile = "# GHz S DB R 50\n"
                               "1 -6 -30 20 150 -40 60 -3 -20\n"
                               "2 -7 -35 19 140 -39 55 -4 -25\n";

constexpr int DesignCircleColour = 0x8000FF; // RGB 255,0,128: no default chart colour
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor S22Green(0, 128, 0);
const QColor Olive(128, 128, 0); // the colour box's first colour: click marks
const QColor Locus(0xC0, 0x60, 0x00);

// Each layer has one spot where only it paints; nothing: the layer has none in this test.
struct Probe {
    const char* layer;
    Complex gamma;
    QColor colour;
};

class OverlayLayers : public ::testing::Test {
protected:
    OverlayLayers() {
        app.windows.main.resize(1000, 700);
        app.windows.main.show();
        EXPECT_TRUE(network().setFrequency(100e6L));
        network().setEnds({0.2L, 0}, {1, 0}, EndsRule::Restart);
        EXPECT_TRUE(network().append("31.83n", {SeriesInductor, {}, 0, 20 / (TwoPi * 100e6L)}));
    }

    NetworkModel& network() { return app.windows.network; }
    TForm2& main() { return app.windows.main; }

    // Stability circles, a gain circle, the file's S11 and S22, a clicked mark and the locus.
    void drawEveryLayer() {
        StabilityCircles circles;
        circles.inputCentreMagnitude = 0.5L; // top half: rightmost point 0.25 + j0.5
        circles.inputCentreAngle = 90;
        circles.inputRadius = 0.25L;
        circles.outputCentreMagnitude = 0.5L; // bottom half: rightmost point 0.2 - j0.5
        circles.outputCentreAngle = -90;
        circles.outputRadius = 0.2L;
        const std::string block = EncodeStabilityBlock(circles);
        emit app.hub.stabilityBlock(QByteArray(block.data(), static_cast<qsizetype>(block.size())));
        main().addOverlayCircle({{0.3L, -0.1L}, 0.1L, DesignCircleColour, "Ga=12.00dB"});

        TFspopt& table = app.windows.sparameterTable;
        table.findChild<QCheckBox*>("CheckBox1")->setChecked(true);
        ASSERT_TRUE(table.LoadSParamTable(DeviceFile));

        const PixelPoint mark = GammaToPixel(app.state.geometry, {0.6L, 0.4L});
        QWidget* chart = main().findChild<QWidget*>("PaintBox1");
        ASSERT_NE(chart, nullptr);
        QTest::mouseMove(chart, {mark.x, mark.y});
        QTest::mouseClick(chart, Qt::LeftButton, {}, {mark.x, mark.y});

        Tfresp& response = app.windows.frequencyResponse;
        QTest::mouseClick(main().findChild<QPushButton*>("BitBtn17"), Qt::LeftButton);
        response.findChild<QLineEdit*>("Edit1")->setText("50m");
        response.findChild<QLineEdit*>("Edit2")->setText("150m");
        QTest::mouseClick(response.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    }

    std::vector<Probe> probes() {
        const ChartOverlays& o = main().overlays();
        std::vector<Probe> all = {{"stability", {0.25L, 0.5L}, Red},
                                  {"stability", {0.2L, -0.5L}, Blue},
                                  {"design", {0.4L, -0.1L}, QColor(255, 0, 128)}};
        // S22 of the first row; the click mark; the locus at its start.
        all.push_back({"plot", o.plot.points.size() > 1 ? o.plot.points[1].gamma : Complex{}, S22Green});
        all.push_back({"marks", {0.6L, 0.4L}, Olive});
        if (o.locus)
            for (const LocusPoint& p : o.locus->points)
                if (p.gamma) {
                    all.push_back({"locus", *p.gamma, Locus});
                    break;
                }
        return all;
    }

    // Whether the chart picture shows the colour within 3 pixels of the point.
    bool painted(const Probe& probe) {
        const QImage& image = main().chartBitmap();
        const PixelPoint p = GammaToPixel(app.state.geometry, probe.gamma);
        for (int y = p.y - 3; y <= p.y + 3; ++y)
            for (int x = p.x - 3; x <= p.x + 3; ++x)
                if (image.valid(x, y) && QColor(image.pixel(x, y)) == probe.colour)
                    return true;
        return false;
    }

    void expectPainted(const std::set<std::string>& layers, const char* when) {
        for (const Probe& probe : probes())
            EXPECT_EQ(painted(probe), layers.count(probe.layer) == 1) << probe.layer << " " << when;
    }

    // Chooses a layer's clear action from the menu beside "清除", clicking as the user does.
    void clearLayer(const char* action) {
        QTimer::singleShot(0, [action] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            QAction* chosen = menu->findChild<QAction*>(action);
            ASSERT_NE(chosen, nullptr);
            ASSERT_TRUE(chosen->isEnabled()) << action;
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(chosen).center());
        });
        QTest::mouseClick(main().findChild<QToolButton*>("BitBtn1Layers"), Qt::LeftButton);
    }

    test::StartedApplication app;
};

const std::set<std::string> EveryLayer = {"stability", "design", "plot", "marks", "locus"};

TEST_F(OverlayLayers, StayThroughAnEditAResizeAndAnUndoAndEachClearsAlone) {
    drawEveryLayer();
    ASSERT_EQ(probes().size(), 6u);
    expectPainted(EveryLayer, "drawn");

    EXPECT_TRUE(network().append("63.66p", {ShuntCapacitor, {}, 0, 1 / (TwoPi * 100e6L * 25)}));
    expectPainted(EveryLayer, "after an edit");
    const Real radiusBefore = app.state.geometry.Radius;
    main().resize(main().width() + 300, main().height() + 200); // the docks opened may have widened it
    QApplication::processEvents();
    EXPECT_GT(app.state.geometry.Radius, radiusBefore);
    expectPainted(EveryLayer, "after a resize");
    QTest::mouseClick(main().findChild<QPushButton*>("ButtonUndo"), Qt::LeftButton);
    EXPECT_EQ(network().nodeCount(), 2);
    expectPainted(EveryLayer, "after an undo");
    if (const char* shots = std::getenv("QV_SCREENSHOT_DIR"))
        main().grab().save(QString::fromUtf8(shots) + "/overlay_layers.png");

    std::set<std::string> left = EveryLayer;
    const std::vector<std::pair<const char*, const char*>> order = {{"ClearStabilityCircles", "stability"},
                                                                    {"ClearPointPlot", "plot"},
                                                                    {"ClearResponseLocus", "locus"},
                                                                    {"ClearMarks", "marks"},
                                                                    {"ClearDesignCircles", "design"}};
    for (const auto& [action, layer] : order) {
        clearLayer(action);
        left.erase(layer);
        expectPainted(left, action);
    }
    // A cleared locus stays away through the next edit, until the next sweep.
    EXPECT_TRUE(network().append("5p", {SeriesCapacitor, {}, 0, 5e-12L}));
    EXPECT_FALSE(main().overlays().holds(OverlayLayer::ResponseLocus));
}

TEST_F(OverlayLayers, ClearRemovesEveryLayerAndKeepsTheNetwork) {
    drawEveryLayer();
    QTest::mouseClick(main().findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    for (OverlayLayer layer : AllOverlayLayers)
        EXPECT_FALSE(main().overlays().holds(layer));
    expectPainted({}, "after 清除");
    // The load's marker (red, at r = 0.2) is still drawn.
    EXPECT_TRUE(painted({"load", {-2.0L / 3, 0}, Red}));
}

TEST_F(OverlayLayers, SettingALoadFromThePopupKeepsThemAndSaysTheNetworkRestarted) {
    drawEveryLayer();
    app.windows.frequencyResponse.hide(); // the locus goes with its window
    Tfsetselect& popup = app.windows.setSelection;
    popup.showAt({10, 10}, {30, 10});
    QTest::mouseClick(popup.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(network().nodeCount(), 1);
    expectPainted({"stability", "design", "plot", "marks"}, "after the popup");
    EXPECT_EQ(main().statusPanelText(4), QStringLiteral("匹配电路已重新开始：去掉了1个元件（可撤销）"));

    // Without elements to cut, nothing is said.
    main().showStatusMessage({});
    popup.showAt({10, 10}, {40, 0});
    QTest::mouseClick(popup.findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
    EXPECT_TRUE(main().statusPanelText(4).isEmpty());
}

} // namespace
} // namespace qv
