#include "chart/drawing/vector_picture.h"

#include "core/settings/atomic_file.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <QSvgGenerator>

namespace qv {

namespace {

bool EndsWith(const std::string& path, const char* extension) {
    return QString::fromStdString(path).endsWith(QLatin1String(extension), Qt::CaseInsensitive);
}

bool Paint(QPaintDevice& device, const PaintPicture& paint) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    paint(painter);
    return painter.end();
}

} // namespace

std::optional<VectorFormat> VectorFormatOf(const std::string& path) {
    if (EndsWith(path, ".svg"))
        return VectorFormat::Svg;
    if (EndsWith(path, ".pdf"))
        return VectorFormat::Pdf;
    return std::nullopt;
}

std::string EncodeVectorPicture(VectorFormat format, int width, int height, const PaintPicture& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    if (format == VectorFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize({width, height});
        svg.setViewBox(QRect(0, 0, width, height));
        svg.setResolution(96);
        svg.setTitle(QStringLiteral("Quorvane"));
        painted = Paint(svg, paint);
    } else {
        // One point a unit: the page is the picture's size, without margins.
        QPdfWriter pdf(&buffer);
        pdf.setResolution(72);
        pdf.setPageSize(QPageSize(QSizeF(width, height), QPageSize::Point));
        pdf.setPageMargins({0, 0, 0, 0});
        pdf.setCreator(QStringLiteral("Quorvane"));
        painted = Paint(pdf, paint);
    }
    buffer.close();
    return painted ? bytes.toStdString() : std::string();
}

bool SaveVectorPictureAtomically(const std::string& path, VectorFormat format, int width, int height,
                                 const PaintPicture& paint) {
    const std::string bytes = EncodeVectorPicture(format, width, height, paint);
    return !bytes.empty() && WriteFileAtomically(path, bytes);
}

PaintPicture SurfacePicture(int width, int height, std::function<void(Surface&)> draw) {
    return [width, height, draw = std::move(draw)](QPainter& painter) {
        PainterSurface surface(painter, width, height);
        draw(surface);
    };
}

} // namespace qv
