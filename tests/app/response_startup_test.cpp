#include "app/started_application.h"
#include "core/settings/atomic_file.h"
#include "matching/drawing/response_locus.h"
#include "ui/qt_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
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

int DataLines(const std::string& text) {
    int n = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        n += end > start && text[start] != '!' && text[start] != '#' && text[start] != 'M';
        start = end + 1;
    }
    return n;
}

TEST(FrequencyResponseStartUp, WindowAndConsoleShareOneSweep) {
    test::StartedApplication app;
    auto& [dir, state, hub, prompter, windows] = app;
    ASSERT_TRUE(windows.network.setFrequency(100e6L));
    windows.network.setEnds({0.2L, 0}, {1, 0}, EndsRule::Restart);
    windows.network.append("31.83n", {SeriesInductor, {}, 0, 20 / (TwoPi * 100e6L)});
    Tfresp& response = windows.frequencyResponse;
    response.show();
    response.findChild<QLineEdit*>("Edit1")->setText("50m");
    response.findChild<QLineEdit*>("Edit2")->setText("150m");
    response.findChild<QLineEdit*>("Edit3")->setText("11");
    QTest::mouseClick(response.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);

    auto* console = windows.console.findChild<QTextEdit*>("RichEdit1");
    const auto type = [console](const std::string& line) {
        QTest::keyClicks(console, QString::fromStdString(line));
        QTest::keyClick(console, Qt::Key_Return);
    };
    // The console exports the sweep made in the window...
    type("export " + dir.path() + "/window.s1p");
    EXPECT_EQ(DataLines(ReadWholeFile(dir.path() + "/window.s1p").value_or("")), 11);

    // ...and the window shows and exports the one made in the console.
    type("sweep 60m 140m 5");
    EXPECT_EQ(response.findChild<QLineEdit*>("Edit1")->text(), QStringLiteral("60.00M"));
    EXPECT_EQ(response.findChild<QLineEdit*>("Edit3")->text(), QStringLiteral("5"));
    prompter.fileNames.push_back(QString::fromStdString(dir.path() + "/console.csv"));
    QTest::mouseClick(response.findChild<QPushButton*>("BitBtn5"), Qt::LeftButton);
    EXPECT_EQ(DataLines(ReadWholeFile(dir.path() + "/console.csv").value_or("")), 5);
    ASSERT_FALSE(prompter.messages.isEmpty());
    EXPECT_TRUE(prompter.messages.back().startsWith(QStringLiteral("plot 已写入 ")))
        << U8(prompter.messages.back());
}

} // namespace
} // namespace qv
