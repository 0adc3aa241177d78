#include "chart/drawing/surface.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace qv {
namespace {

QImage Blank() {
    QImage image(420, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Labels of plain ASCII skip text shaping; what lands on the picture must still be exactly what
// QPainter::drawText gives, kerned pairs included.
TEST(SurfaceText, AsciiLabelsHaveThePixelsOfDrawText) {
    for (const int height : {12, 15}) {
        for (const char* text : {"1000.000", "R=10.00+j15.00", "AVAT Wo. Ty", "S11 -12.34 dB"}) {
            QImage drawn = Blank();
            {
                ImageSurface surface(drawn);
                surface.font.height = height;
                surface.font.colour = 0x00ff0000; // blue, as a GDI colour
                surface.brush.solid = false;
                surface.textOut(10, 5, text);
            }
            QImage expected = Blank();
            {
                QFont font;
                font.setPixelSize(height);
                font.setWeight(QFont::Normal);
                QPainter painter(&expected);
                painter.setFont(font);
                painter.setPen(QColor(0, 0, 255));
                painter.drawText(10, 5 + QFontMetrics(font).ascent(), QString::fromLatin1(text));
            }
            EXPECT_EQ(drawn, expected) << text << " at " << height << " px";
        }
    }
}

} // namespace
} // namespace qv
