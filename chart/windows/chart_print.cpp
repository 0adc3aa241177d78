#include "chart/windows/chart_print.h"

#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>

namespace qv {

bool PrintPicture(QPrinter& printer, int width, int height, const PaintPicture& paint) {
    QPainter painter;
    if (width <= 0 || height <= 0 || !painter.begin(&printer))
        return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale = std::min(page.width() / width, page.height() / height);
    painter.translate((page.width() - scale * width) / 2, (page.height() - scale * height) / 2);
    painter.scale(scale, scale);
    painter.setClipRect(QRect(0, 0, width, height));
    paint(painter);
    return painter.end();
}

void PreviewPicture(QWidget* parent, int width, int height, const PaintPicture& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(width > height ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) { PrintPicture(*target, width, height, paint); });
    preview.exec();
}

} // namespace qv
