#include "chart/drawing/chart_picture.h"

#include "chart/analysis/chart_constants.h"
#include "chart/drawing/chart_grid.h"
#include "core/settings/atomic_file.h"

#include <QBuffer>

namespace qv {

namespace {
constexpr int DotsPerMetreAt96Dpi = 3780;
}

QImage MakeChartImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(DotsPerMetreAt96Dpi);
    image.setDotsPerMeterY(DotsPerMetreAt96Dpi);
    return image;
}

void DrawFreshChart(Surface& surface, const ChartGeometry& geometry, const ChartColours& colours) {
    surface.pen.width = 1;
    surface.fillRect(0, 0, surface.width(), surface.height(), ChartWhite);
    DrawChartGrid(surface, geometry, colours[ColourKey::ResistanceGrid], colours[ColourKey::AdmittanceGrid]);
}

std::string EncodeImage(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        return {};
    return bytes.toStdString();
}

const char* PictureFormatOf(const std::string& path) {
    return QString::fromStdString(path).endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) ? "PNG" : "BMP";
}

bool SavePictureAtomically(const QImage& image, const std::string& path, const char* format) {
    const std::string bytes = EncodeImage(image, format);
    return !bytes.empty() && WriteFileAtomically(path, bytes);
}

} // namespace qv
