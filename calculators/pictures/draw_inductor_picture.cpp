// Draws inductor_shapes.jpg, the picture of the microstrip calculator's inductor panel: a
// straight strip, a single ring and a square spiral, with the dimensions the fields beside them
// ask for. The window places its radio buttons and fields over the empty bands of the picture
// (the top row and everything below y = 145), so keep those bands clear when redrawing.
//   cmake --build build --target quorvane_draw_inductor_picture
//   build/calculators/quorvane_draw_inductor_picture calculators/pictures/inductor_shapes.jpg
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

const QColor Copper(196, 112, 40);
const QColor Dimension(30, 30, 120);

void Arrow(QPainter& p, QPointF from, QPointF to) {
    p.setPen(QPen(Dimension, 1));
    p.drawLine(from, to);
    const QLineF line(from, to);
    for (const QLineF& end : {line, QLineF(to, from)}) {
        QLineF wing = end;
        wing.setP1(end.p2());
        wing.setP2(end.p1());
        wing.setLength(7);
        for (qreal turn : {-25.0, 25.0}) {
            QLineF w = wing;
            w.setAngle(wing.angle() + turn);
            p.drawLine(w);
        }
    }
}

void Text(QPainter& p, qreal x, qreal y, const char* text) {
    p.setPen(Dimension);
    p.drawText(QPointF(x, y), QString::fromUtf8(text));
}

void Strip(QPainter& p) {
    p.fillRect(QRectF(30, 66, 140, 16), Copper);
    Arrow(p, {30, 100}, {170, 100});
    Text(p, 96, 118, "l");
    Arrow(p, {184, 66}, {184, 82});
    Text(p, 190, 79, "w");
}

void Ring(QPainter& p) {
    QPainterPath loop;
    loop.addRect(255, 35, 90, 90);
    loop.addRect(265, 45, 70, 70);
    loop.setFillRule(Qt::OddEvenFill);
    p.fillPath(loop, Copper);
    p.fillRect(QRectF(292, 115, 16, 10), Qt::white); // the gap between the two leads
    p.fillRect(QRectF(282, 115, 10, 28), Copper);
    p.fillRect(QRectF(308, 115, 10, 28), Copper);
    Arrow(p, {240, 35}, {240, 125});
    Text(p, 225, 84, "a");
}

void Spiral(QPainter& p) {
    // Three square turns, 13 px apart, wound inwards from the top-left corner of a 110 px square.
    const qreal pitch = 13;
    QPainterPath path;
    qreal left = 445, top = 30, right = 555, bottom = 140;
    path.moveTo(left, bottom + 4);
    for (int turn = 0; turn < 3; ++turn) {
        path.lineTo(left, top);
        path.lineTo(right, top);
        path.lineTo(right, bottom);
        path.lineTo(left + pitch, bottom);
        left += pitch;
        top += pitch;
        right -= pitch;
        bottom -= pitch;
    }
    path.lineTo(left, top + 4);
    p.strokePath(path, QPen(Copper, 7, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    Arrow(p, {431, 30}, {431, 140});
    Text(p, 411, 89, "do");
    Arrow(p, {left + 3, 85}, {right - 3, 85});
    Text(p, left + 7, 80, "di");
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.jpg\n", argv[0]);
        return 2;
    }
    QImage picture(600, 240, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(14);
        font.setItalic(true);
        p.setFont(font);
        p.setPen(QPen(QColor(200, 200, 200), 1));
        p.drawLine(200, 26, 200, 236);
        p.drawLine(400, 26, 400, 236);
        Strip(p);
        Ring(p);
        Spiral(p);
    }
    return picture.save(QString::fromLocal8Bit(argv[1]), nullptr, 95) ? 0 : 1; // format from the name
}
