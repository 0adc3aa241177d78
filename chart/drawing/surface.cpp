#include "chart/drawing/surface.h"

#include "ui/qt_text.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <algorithm>
#include <cmath>
#include <utility>

namespace qv {

namespace {

void UsePen(QPainter& painter, const Pen& pen) {
    QPen qtPen(ToQColor(pen.colour));
    qtPen.setWidth(std::max(pen.width, 1));
    painter.setPen(qtPen);
}

void UseBrush(QPainter& painter, const Brush& brush) {
    if (brush.solid)
        painter.setBrush(ToQColor(brush.colour));
    else
        painter.setBrush(Qt::NoBrush);
}

// A GDI font asks for a character cell height and an average character width in pixels; Qt
// takes a pixel size and a stretch factor, so the stretch is found from the natural width.
QFont MakeQFont(const Font& font) {
    QFont made;
    if (!font.face.empty())
        made.setFamily(Q(font.face));
    if (font.height > 0)
        made.setPixelSize(font.height);
    else
        made.setPointSize(std::max(font.size, 1));
    made.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
    if (font.width > 0) {
        const int natural = QFontMetrics(made).averageCharWidth();
        if (natural > 0)
            made.setStretch(std::clamp(100 * font.width / natural, 1, 4000));
    }
    return made;
}

} // namespace

PainterSurface::PainterSurface(QPainter& painter, int width, int height)
    : painter_(&painter), width_(width), height_(height) {}

void PainterSurface::lineTo(int x, int y) {
    QPainter& p = painter();
    UsePen(p, pen);
    p.drawLine(penX_, penY_, x, y);
    moveTo(x, y);
}

void PainterSurface::ellipse(int x1, int y1, int x2, int y2) {
    QPainter& p = painter();
    UsePen(p, pen);
    UseBrush(p, brush);
    // The box's right and bottom edges lie outside the figure, as with a GDI ellipse.
    p.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void PainterSurface::arc(int centreX, int centreY, int radius, Real startDegrees, Real sweepDegrees) {
    QPainter& p = painter();
    UsePen(p, pen);
    p.setBrush(Qt::NoBrush);
    if (std::fabs(sweepDegrees) >= 360) {
        // A whole circle through the pixels at centre +- radius.
        p.drawEllipse(QRect(centreX - radius, centreY - radius, 2 * radius, 2 * radius));
        return;
    }
    const QRectF box(centreX - radius, centreY - radius, 2.0 * radius, 2.0 * radius);
    QPainterPath path;
    path.arcMoveTo(box, static_cast<double>(startDegrees));
    path.arcTo(box, static_cast<double>(startDegrees), static_cast<double>(sweepDegrees));
    p.drawPath(path);
}

void PainterSurface::makeFont() {
    // The colour is the pen's business, not the font's: labels in several colours share one font.
    Font shape = font;
    shape.colour = madeFrom_.colour;
    if (!made_ || !(madeFrom_ == shape)) {
        made_ = std::make_shared<QFont>(MakeQFont(font));
        madeMetrics_ = std::make_shared<QFontMetrics>(*made_);
        madeFrom_ = font;
        madeRaw_ = std::make_shared<QRawFont>(QRawFont::fromFont(*made_));
        asciiGlyphs_ = {};
        if (madeRaw_->isValid()) {
            QString printable;
            for (char c = ' '; c <= '~'; ++c)
                printable += QLatin1Char(c);
            const QList<quint32> glyphs = madeRaw_->glyphIndexesForString(printable);
            std::copy_n(glyphs.begin(), std::min<std::size_t>(glyphs.size(), asciiGlyphs_.size()),
                        asciiGlyphs_.begin());
        }
    }
}

int PainterSurface::textWidth(const std::string& utf8) {
    makeFont();
    return madeMetrics_->horizontalAdvance(Q(utf8));
}

void PainterSurface::textOut(int x, int y, const std::string& utf8) {
    QPainter& p = painter();
    makeFont();
    const QFontMetrics& metrics = *madeMetrics_;
    const bool rotated = font.escapement != 0;
    // A vector picture keeps its labels as text: it neither takes glyph runs nor wants pictures.
    const bool raster = p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster;
    if (raster && !rotated && !brush.solid && drawGlyphRun(p, x, y, utf8))
        return;
    if (raster && !rotated) {
        // A redraw writes the same labels again: each is laid out and rasterised once, then
        // blended in from its picture.
        const TextPicture& picture = textPicture(utf8);
        if (brush.solid)
            p.fillRect(QRect(x, y, picture.advance, metrics.height()), ToQColor(brush.colour));
        p.drawImage(x - TextMargin, y, picture.image);
        return;
    }
    const QString text = Q(utf8);
    // The painter's rotation and font are given back: the picture path above and the shapes do
    // not expect them.
    p.save();
    if (rotated) {
        p.translate(x, y);
        p.rotate(-font.escapement / 10.0);
        x = 0;
        y = 0;
    }
    // Setting the font again would make the painter look its glyphs up again.
    if (!(p.font() == *made_))
        p.setFont(*made_);
    if (brush.solid)
        p.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()), ToQColor(brush.colour));
    p.setPen(ToQColor(font.colour));
    p.drawText(x, y + metrics.ascent(), text);
    p.restore();
}

bool PainterSurface::drawGlyphRun(QPainter& painter, int x, int y, const std::string& utf8) {
    QList<quint32> glyphs;
    glyphs.reserve(static_cast<qsizetype>(utf8.size()));
    for (const char c : utf8) {
        if (c < ' ' || c > '~')
            return false;
        const quint32 glyph = asciiGlyphs_[static_cast<std::size_t>(c - ' ')];
        if (glyph == 0)
            return false;
        glyphs.push_back(glyph);
    }
    QList<QPointF> positions = madeRaw_->advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
    QPointF origin(x, y + madeMetrics_->ascent());
    for (QPointF& position : positions)
        origin += std::exchange(position, origin);
    QGlyphRun run;
    run.setRawFont(*madeRaw_);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    painter.setPen(ToQColor(font.colour));
    painter.drawGlyphRun({}, run);
    return true;
}

const PainterSurface::TextPicture& PainterSurface::textPicture(const std::string& utf8) {
    constexpr std::size_t MostPicturesKept = 1024;
    if (textPictures_.size() > MostPicturesKept)
        textPictures_.clear();
    // The font as text, then the text itself: the picture of one label in one font and colour.
    std::string key = std::to_string(font.colour) + ',' + std::to_string(font.size) + ',' +
                      std::to_string(font.height) + ',' + std::to_string(font.width) + ',' +
                      std::to_string(font.weight) + ',' + font.face + '\n' + utf8;
    if (const auto found = textPictures_.find(key); found != textPictures_.end())
        return found->second;
    const QString text = Q(utf8);
    const QFontMetrics& metrics = *madeMetrics_;
    TextPicture picture;
    picture.advance = metrics.horizontalAdvance(text);
    const QRect area(0, 0, std::max(picture.advance + 2 * TextMargin, 1), std::max(metrics.height(), 1));
    if (!scratchPainter_ || scratch_.width() < area.width() || scratch_.height() < area.height()) {
        scratchPainter_.reset();
        scratch_ = QImage(std::max(area.width(), 512), std::max(area.height(), 64),
                          QImage::Format_ARGB32_Premultiplied);
        scratchPainter_ = std::make_shared<QPainter>(&scratch_);
    }
    QPainter& painter = *scratchPainter_;
    // The clip first: the fill must clear the whole area, whatever the last picture's size was.
    painter.setClipRect(area);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(area, Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (!(painter.font() == *made_))
        painter.setFont(*made_);
    painter.setPen(ToQColor(font.colour));
    painter.drawText(TextMargin, metrics.ascent(), text);
    picture.image = scratch_.copy(area);
    return textPictures_.emplace(std::move(key), std::move(picture)).first->second;
}

void PainterSurface::fillRect(int x1, int y1, int x2, int y2, int colour) {
    painter().fillRect(QRect(x1, y1, x2 - x1, y2 - y1), ToQColor(colour));
}

ImageSurface::ImageSurface(QImage& image) : image_(image) {}

ImageSurface::~ImageSurface() {
    finish();
}

int ImageSurface::width() const {
    return image_.width();
}

int ImageSurface::height() const {
    return image_.height();
}

void ImageSurface::finish() {
    active_.reset();
}

bool ImageSurface::writesPixelsDirectly() const {
    return image_.format() == QImage::Format_RGB32 || image_.format() == QImage::Format_ARGB32;
}

void ImageSurface::ellipse(int x1, int y1, int x2, int y2) {
    constexpr int LargestStampedBox = 16;
    const int w = x2 - x1;
    const int h = y2 - y1;
    if (!writesPixelsDirectly() || w <= 1 || h <= 1 || w > LargestStampedBox || h > LargestStampedBox) {
        PainterSurface::ellipse(x1, y1, x2, y2);
        return;
    }
    // Without antialiasing a whole-pixel shift moves every pixel alike, so one picture per size,
    // pen and brush serves every position.
    const int pad = std::max(pen.width, 1) + 1;
    const std::array<int, 6> key{w, h, pen.width, pen.colour, brush.solid ? 1 : 0, brush.colour};
    auto stamp = dotStamps_.find(key);
    if (stamp == dotStamps_.end()) {
        QImage picture(w + 2 * pad, h + 2 * pad, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        {
            QPainter p(&picture);
            UsePen(p, pen);
            UseBrush(p, brush);
            p.drawEllipse(QRect(pad, pad, w - 1, h - 1));
        }
        stamp = dotStamps_.emplace(key, std::move(picture)).first;
    }
    const QImage& picture = stamp->second;
    auto* bits = reinterpret_cast<QRgb*>(image_.bits());
    const qsizetype stride = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    for (int sy = 0; sy < picture.height(); ++sy) {
        const int y = y1 - pad + sy;
        if (y < 0 || y >= image_.height())
            continue;
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(sy));
        for (int sx = 0; sx < picture.width(); ++sx) {
            const int x = x1 - pad + sx;
            if (qAlpha(row[sx]) != 0 && x >= 0 && x < image_.width())
                bits[y * stride + x] = row[sx] | 0xFF000000u;
        }
    }
}

void ImageSurface::arc(int centreX, int centreY, int radius, Real startDegrees, Real sweepDegrees) {
    const bool directFormat = writesPixelsDirectly();
    // A circle far larger than the picture (a stability circle near a line) is left to the
    // painter, which clips it instead of walking its whole octant.
    constexpr int LargestWalkedRadius = 1 << 16;
    if (std::fabs(sweepDegrees) < 360 || pen.width != 1 || radius <= 0 || radius > LargestWalkedRadius ||
        !directFormat) {
        PainterSurface::arc(centreX, centreY, radius, startDegrees, sweepDegrees);
        return;
    }
    const QRgb colour = ToQColor(pen.colour).rgb();
    const int w = image_.width();
    const int h = image_.height();
    auto* bits = reinterpret_cast<QRgb*>(image_.bits());
    const qsizetype stride = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    const auto plot = [&](int x, int y) {
        if (x >= 0 && x < w && y >= 0 && y < h)
            bits[y * stride + x] = colour;
    };
    // Midpoint circle: one octant walked in whole pixels, mirrored into the other seven.
    int x = radius;
    int y = 0;
    int error = 1 - radius;
    while (x >= y) {
        plot(centreX + x, centreY + y);
        plot(centreX - x, centreY + y);
        plot(centreX + x, centreY - y);
        plot(centreX - x, centreY - y);
        plot(centreX + y, centreY + x);
        plot(centreX - y, centreY + x);
        plot(centreX + y, centreY - x);
        plot(centreX - y, centreY - x);
        ++y;
        if (error < 0) {
            error += 2 * y + 1;
        } else {
            --x;
            error += 2 * (y - x) + 1;
        }
    }
}

QPainter& ImageSurface::painter() {
    if (!active_)
        active_ = std::make_unique<QPainter>(&image_);
    return *active_;
}

Primitive RecordingSurface::stamped(Primitive::Kind kind, int x1, int y1, int x2, int y2) const {
    Primitive p;
    p.kind = kind;
    p.pen = pen;
    p.brush = brush;
    p.font = font;
    p.x1 = x1;
    p.y1 = y1;
    p.x2 = x2;
    p.y2 = y2;
    return p;
}

void RecordingSurface::lineTo(int x, int y) {
    primitives.push_back(stamped(Primitive::Kind::Line, penX_, penY_, x, y));
    moveTo(x, y);
}

void RecordingSurface::ellipse(int x1, int y1, int x2, int y2) {
    primitives.push_back(stamped(Primitive::Kind::Ellipse, x1, y1, x2, y2));
}

void RecordingSurface::arc(int centreX, int centreY, int radius, Real startDegrees, Real sweepDegrees) {
    Primitive p = stamped(Primitive::Kind::Arc, centreX, centreY);
    p.radius = radius;
    p.startDegrees = startDegrees;
    p.sweepDegrees = sweepDegrees;
    primitives.push_back(std::move(p));
}

void RecordingSurface::textOut(int x, int y, const std::string& utf8) {
    Primitive p = stamped(Primitive::Kind::Text, x, y);
    p.text = utf8;
    primitives.push_back(std::move(p));
}

void RecordingSurface::fillRect(int x1, int y1, int x2, int y2, int colour) {
    Primitive p = stamped(Primitive::Kind::Fill, x1, y1, x2, y2);
    p.fillColour = colour;
    primitives.push_back(std::move(p));
}

} // namespace qv
