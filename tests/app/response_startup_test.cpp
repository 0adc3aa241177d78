#include "app/started_application.h"
#include "matching/drawing/response_locus.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>

namespace qv {
namespace {

int LocusPixels(const QImage& image) {
    const QRgb locus = qRgb(LocusColour & 0xFF, (LocusColour >> 8) & 0xFF, (LocusColour >> 16) & 0xFF);
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (locus & 0xFFFFFF);
    return n;
}

TEST(FrequencyResponseStartUp, LocusFollowsTheNetworkWhileTheWindowIsOpen) {
    test::StartedApplication app;
    auto& [dir, state, hub, prompter, windows] = app;
    windows.main.resize(1000, 700);
    windows.main.show();
    ASSERT_TRUE(windows.network.setFrequency(100e6L));
    windows.network.setEnds({0.2L, 0}, {1, 0}, EndsRule::Restart);
    windows.network.append("31.83n", {SeriesInductor, {}, 0, 20 / (TwoPi * 100e6L)});
    windows.network.append("63.66p", {ShuntCapacitor, {}, 0, 1 / (TwoPi * 100e6L * 25)});
    EXPECT_EQ(LocusPixels(windows.main.chartBitmap()), 0);

    QTest::mouseClick(windows.main.findChild<QPushButton*>("BitBtn17"), Qt::LeftButton);
    Tfresp& response = windows.frequencyResponse;
    ASSERT_TRUE(response.isVisible());
    response.findChild<QLineEdit*>("Edit1")->setText("50m");
    response.findChild<QLineEdit*>("Edit2")->setText("150m");
    QTest::mouseClick(response.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    const int before = LocusPixels(windows.main.chartBitmap());
    EXPECT_GT(before, 100);
    const QString band = response.findChild<QLabel*>("Label1")->text();

    // One more element: the chart is drawn whole with the new locus, the plot follows.
    windows.network.append("5p", {SeriesCapacitor, {}, 0, 5e-12L});
    const int after = LocusPixels(windows.main.chartBitmap());
    EXPECT_GT(after, 100);
    EXPECT_NE(after, before); // the locus of the new network, not the old one
    EXPECT_NE(response.findChild<QLabel*>("Label1")->text(), band);
    if (const char* shots = std::getenv("QV_SCREENSHOT_DIR")) {
        windows.main.grab().save(QString::fromUtf8(shots) + "/main_with_locus.png");
        response.grab().save(QString::fromUtf8(shots) + "/response_after_append.png");
    }

    response.hide();
    EXPECT_EQ(LocusPixels(windows.main.chartBitmap()), 0);
}

} // namespace
} // namespace qv
