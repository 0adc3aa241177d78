#include "app/batch_run.h"
#include "chart/analysis/chart_geometry.h"
#include "chart/drawing/chart_picture.h"
#include "chart/windows/chart_print.h"
#include "core/settings/atomic_file.h"
#include "support/test_paths.h"

#include <QImage>
#include <QPrinter>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace qv {
namespace {

struct SvgContent {
    QStringList texts;
    int shapes = 0; // paths, polylines, lines, circles and ellipses
    int images = 0;
    bool wellFormed = false;
};

SvgContent ReadSvg(const std::string& path) {
    const std::string bytes = ReadWholeFile(path).value_or("");
    QXmlStreamReader xml(QByteArray::fromStdString(bytes));
    SvgContent content;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        if (name == QLatin1String("text"))
            content.texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        else if (name == QLatin1String("image"))
            ++content.images;
        else if (name == QLatin1String("path") || name == QLatin1String("polyline") ||
                 name == QLatin1String("line") || name == QLatin1String("circle") ||
                 name == QLatin1String("ellipse"))
            ++content.shapes;
    }
    content.wellFormed = !xml.hasError() && !bytes.empty();
    return content;
}

class VectorExport : public ::testing::Test {
protected:
    test::TempDir dir;
    std::ostringstream out;
    std::ostringstream err;
    static constexpr const char* Design = "setload 10 15\nsetsrc 50 0\naddc 2 3 l 1.2n\naddc 3 2 c 12p\n";

    int run(const std::string& text, const std::string& chart = {}) {
        std::istringstream input(text);
        return RunBatch({dir.path(), "-", chart}, input, out, err);
    }
    std::string file(const char* name) const { return dir.path() + "/" + name; }
};

TEST_F(VectorExport, ChartAsSvgKeepsLabelsAsTextAndLinesAsShapesAndAsPdf) {
    ASSERT_EQ(run(Design, file("chart.svg")), 0) << err.str();
    const SvgContent svg = ReadSvg(file("chart.svg"));
    EXPECT_TRUE(svg.wellFormed);
    EXPECT_TRUE(svg.texts.contains(QStringLiteral("R=10.00+j15.00"))) << svg.texts.join(' ').toStdString();
    EXPECT_GT(svg.shapes, 100); // the grid alone has hundreds of circles and lines
    EXPECT_EQ(svg.images, 0);   // no label drawn as a picture

    ASSERT_EQ(run(Design, file("chart.pdf")), 0) << err.str();
    EXPECT_TRUE(ReadWholeFile(file("chart.pdf")).value_or("").starts_with("%PDF"));
}

TEST_F(VectorExport, PlotWritesTheResponseOfTheLastSweep) {
    const std::string png = file("resp.png");
    const std::string svg = file("resp.svg");
    ASSERT_EQ(run(std::string(Design) + "plot " + png + "\nsweep 400m 700m 301\nplot " + png + "\nplot " +
                  svg + "\nplot resp.txt\n"),
              0);
    const std::string text = out.str();
    EXPECT_NE(text.find(">plot 请先用 sweep 扫描"), std::string::npos) << text;
    EXPECT_NE(text.find(">plot 已写入 " + png), std::string::npos) << text;
    EXPECT_NE(text.find(">plot 文件名须以 .png、.svg、.pdf 或 .csv 结尾"), std::string::npos) << text;

    const QImage picture(QString::fromStdString(png));
    ASSERT_FALSE(picture.isNull());
    EXPECT_GE(picture.width(), 640);
    EXPECT_GE(picture.height(), 400);
    int red = 0; // the return-loss curve
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            red += qRed(p) > 150 && qGreen(p) < 60 && qBlue(p) < 60;
        }
    EXPECT_GT(red, 300);

    const SvgContent plot = ReadSvg(svg);
    EXPECT_TRUE(plot.wellFormed);
    EXPECT_TRUE(plot.texts.contains(QStringLiteral("MHz")));
    EXPECT_GT(plot.shapes, 5);
}

TEST_F(VectorExport, PrintGoesToTheChosenPrinterAndRefusesAnEmptyPicture) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file("printed.pdf")));
    const ChartGeometry geometry = GeometryForHeight(633);
    EXPECT_TRUE(PrintPicture(printer, 841, 633, SurfacePicture(841, 633, [&](Surface& surface) {
                                 DrawFreshChart(surface, geometry, ChartColours{});
                             })));
    EXPECT_TRUE(ReadWholeFile(file("printed.pdf")).value_or("").starts_with("%PDF"));
    EXPECT_FALSE(PrintPicture(printer, 0, 633, [](QPainter&) {}));
}

} // namespace
} // namespace qv
