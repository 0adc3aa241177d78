#include "app/command_line.h"
#include "app/startup.h"
#include "core/settings/settings_store.h"
#include "support/test_paths.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(SaveChart, AFreshDataFolderGivesTheLaidOutChart) {
    test::TempDir dir;
    const std::string path = dir.file("chart.bmp");
    ASSERT_EQ(SaveChartPicture(dir.path(), path, {LaidOutChartWidth, LaidOutChartHeight}), 0);
    QImage picture;
    ASSERT_TRUE(picture.load(QString::fromStdString(path), "BMP"));
    EXPECT_EQ(picture.size(), QSize(841, 633));
    EXPECT_EQ(QColor(picture.pixel(316, 100)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(picture.pixel(100, 316)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(picture.pixel(317, 322)), QColor(160, 200, 160)); // the r = 1 circle at the centre
    EXPECT_EQ(ReadIniString(dir.file("para.ini"), "Color", "圆图电阻圆"), "10537120"); // defaults written
}

TEST(SaveChart, UsesTheColoursOfParaIniAndThePngExtension) {
    test::TempDir dir;
    ASSERT_TRUE(WriteIniInteger(dir.file("para.ini"), "Color", "圆图电阻圆", 0xFF0000));
    const std::string path = dir.file("chart.png");
    ASSERT_EQ(SaveChartPicture(dir.path(), path, {400, 300}), 0);
    QImage picture;
    ASSERT_TRUE(picture.load(QString::fromStdString(path), "PNG"));
    EXPECT_EQ(picture.size(), QSize(400, 300));
    // r = 1 at centre 225, radius 75: 10 rows below the axis it runs at 225 - 74.33 = 150.67.
    EXPECT_EQ(QColor(picture.pixel(151, 160)), QColor(0, 0, 255));
}

TEST(SaveChart, AnUnwritableTargetFails) {
    test::TempDir dir;
    EXPECT_EQ(SaveChartPicture(dir.path(), dir.file("missing/folder/chart.bmp"), {100, 100}), 1);
}

} // namespace
} // namespace qv
