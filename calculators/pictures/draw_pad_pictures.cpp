// Draws the three attenuator pad schematics of the general calculator (T, pi and bridged T) and
// writes them as the JPEG files the window carries. Run it once after changing a drawing:
//   quorvane_draw_pad_pictures calculators/pictures
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

constexpr int Width = 240;
constexpr int Height = 130;
constexpr int Top = 40;     // the signal rail
constexpr int Bottom = 112; // the ground rail
constexpr int Left = 12;
constexpr int Right = Width - 12;

class Schematic {
public:
    Schematic() : image_(Width, Height, QImage::Format_RGB32), painter_(&image_) {
        image_.fill(Qt::white);
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(14);
        font.setBold(true);
        painter_.setFont(font);
    }

    void line(int x1, int y1, int x2, int y2) { painter_.drawLine(x1, y1, x2, y2); }

    // A resistor body across a horizontal run centred at (x, y), its name above it.
    void seriesResistor(int x, int y, const char* name) {
        painter_.fillRect(x - 20, y - 7, 40, 14, Qt::white);
        painter_.drawRect(x - 20, y - 7, 40, 14);
        painter_.drawText(QRect(x - 20, y - 27, 40, 18), Qt::AlignCenter, QString::fromLatin1(name));
    }

    // A resistor body across a vertical run centred at (x, y), its name to the right.
    void shuntResistor(int x, int y, const char* name) {
        painter_.fillRect(x - 7, y - 18, 14, 36, Qt::white);
        painter_.drawRect(x - 7, y - 18, 14, 36);
        painter_.drawText(QRect(x + 10, y - 9, 30, 18), Qt::AlignLeft | Qt::AlignVCenter,
                          QString::fromLatin1(name));
    }

    // The two rails with their input and output terminals.
    void rails(int top) {
        line(Left, top, Right, top);
        line(Left, Bottom, Right, Bottom);
        for (const int x : {Left, Right})
            for (const int y : {top, Bottom}) {
                painter_.setBrush(Qt::white);
                painter_.drawEllipse(QPoint(x, y), 4, 4);
                painter_.setBrush(Qt::NoBrush);
            }
    }

    void dot(int x, int y) {
        painter_.setBrush(Qt::black);
        painter_.drawEllipse(QPoint(x, y), 3, 3);
        painter_.setBrush(Qt::NoBrush);
    }

    bool save(const QString& path) {
        painter_.end();
        return image_.save(path, "JPEG", 95);
    }

private:
    QImage image_;
    QPainter painter_;
};

bool DrawTee(const QString& path) {
    Schematic s;
    s.rails(Top);
    s.seriesResistor(70, Top, "R1");
    s.seriesResistor(170, Top, "R2");
    s.line(120, Top, 120, Bottom);
    s.shuntResistor(120, (Top + Bottom) / 2, "R3");
    s.dot(120, Top);
    s.dot(120, Bottom);
    return s.save(path);
}

bool DrawPi(const QString& path) {
    Schematic s;
    s.rails(Top);
    s.seriesResistor(120, Top, "R3");
    for (const int x : {55, 185}) {
        s.line(x, Top, x, Bottom);
        s.dot(x, Top);
        s.dot(x, Bottom);
    }
    s.shuntResistor(55, (Top + Bottom) / 2, "R1");
    s.shuntResistor(185, (Top + Bottom) / 2, "R2");
    return s.save(path);
}

bool DrawBridgedTee(const QString& path) {
    Schematic s;
    const int rail = Top + 16;
    s.rails(rail);
    s.seriesResistor(80, rail, "R1");
    s.seriesResistor(160, rail, "R2");
    s.line(120, rail, 120, Bottom);
    s.shuntResistor(120, (rail + Bottom) / 2 + 4, "R3");
    // The bridge across both series arms.
    const int bridge = 22;
    s.line(40, rail, 40, bridge);
    s.line(40, bridge, 200, bridge);
    s.line(200, bridge, 200, rail);
    s.seriesResistor(120, bridge, "");
    for (const int x : {40, 120, 200})
        s.dot(x, rail);
    s.dot(120, Bottom);
    return s.save(path);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    const bool written = DrawTee(folder + QStringLiteral("pad_tee.jpg")) &&
                         DrawPi(folder + QStringLiteral("pad_pi.jpg")) &&
                         DrawBridgedTee(folder + QStringLiteral("pad_bridged_tee.jpg"));
    if (!written) {
        std::fprintf(stderr, "cannot write the pictures into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
