#pragma once

#include "core/numbers/real.h"

#include <QImage>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QFont;
class QFontMetrics;
class QRawFont;
class QPainter;

namespace qv {

// A drawing surface with the state of a classic GDI canvas: the pen, brush and font set by one
// call stay in force for the next (some drawing operations change them and do not restore them).
// Colours are 0x00BBGGRR. Coordinates are whole pixels; angles in degrees, counter-clockwise
// positive, 0 pointing right.
struct Pen {
    int colour = 0;
    int width = 1;
};

struct Brush {
    int colour = 0xFFFFFF;
    bool solid = true; // false: clear (transparent) brush
};

struct Font {
    int colour = 0;
    int size = 8;       // points, used when height is 0
    int height = 0;     // character cell height in pixels; 0: use size
    int width = 0;      // average character width in pixels; 0: natural width
    int escapement = 0; // tenths of a degree, counter-clockwise
    std::string face;   // empty: the surface's default face
    int weight = 400;   // 100 thin .. 900 black, as in a GDI font
    friend bool operator==(const Font&, const Font&) = default;
};

class Surface {
public:
    virtual ~Surface() = default;

    Pen pen;
    Brush brush;
    Font font;

    virtual int width() const = 0;
    virtual int height() const = 0; // the bottom of the clipping rectangle

    void moveTo(int x, int y) {
        penX_ = x;
        penY_ = y;
    }
    int penX() const { return penX_; }
    int penY() const { return penY_; }

    // A line from the current position to (x, y), which becomes the current position.
    virtual void lineTo(int x, int y) = 0;
    // An ellipse in the box (x1, y1)-(x2, y2), outlined with the pen and filled with the brush.
    virtual void ellipse(int x1, int y1, int x2, int y2) = 0;
    // An arc of a circle by centre and radius; no stroke joins it to the current position.
    virtual void arc(int centreX, int centreY, int radius, Real startDegrees, Real sweepDegrees) = 0;
    // Text with its top-left corner at (x, y) in the current font; a solid brush fills behind it.
    virtual void textOut(int x, int y, const std::string& utf8) = 0;
    // How wide the text is in the current font, in pixels; 0 where nothing is measured.
    virtual int textWidth(const std::string& /*utf8*/) { return 0; }
    // A rectangle filled with the colour, no outline.
    virtual void fillRect(int x1, int y1, int x2, int y2, int colour) = 0;

protected:
    int penX_ = 0;
    int penY_ = 0;
};

// Draws through a QPainter that someone else has begun (a widget's paint event), with lines
// and shapes aliased so pixel probes see exact colours.
class PainterSurface : public Surface {
public:
    PainterSurface(QPainter& painter, int width, int height);
    int width() const override { return width_; }
    int height() const override { return height_; }
    void lineTo(int x, int y) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void arc(int centreX, int centreY, int radius, Real startDegrees, Real sweepDegrees) override;
    void textOut(int x, int y, const std::string& utf8) override;
    int textWidth(const std::string& utf8) override;
    void fillRect(int x1, int y1, int x2, int y2, int colour) override;

protected:
    PainterSurface() = default;
    // The Qt font of the surface font, made when the surface font changed.
    void makeFont();
    // The painter the next primitive draws with.
    virtual QPainter& painter() { return *painter_; }
    void setSize(int width, int height) {
        width_ = width;
        height_ = height;
    }

private:
    QPainter* painter_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    // The Qt font last made from the surface font: labels in a row share one font.
    Font madeFrom_;
    std::shared_ptr<QFont> made_;
    std::shared_ptr<QFontMetrics> madeMetrics_;
    // Texts drawn in that font, by colour and text, with room for glyphs that overhang.
    static constexpr int TextMargin = 4;
    struct TextPicture {
        QImage image;
        int advance = 0;
    };
    const TextPicture& textPicture(const std::string& utf8);
    std::map<std::string, TextPicture> textPictures_;
    // The glyphs of printable ASCII in the made font, by character code - 32 (0 where the font has
    // none). A label of these characters needs no shaping: its glyphs are placed from their kerned
    // advances and drawn as one run from the painter's glyph cache, the pixels of drawText.
    std::shared_ptr<QRawFont> madeRaw_;
    std::array<quint32, 95> asciiGlyphs_{};
    bool drawGlyphRun(QPainter& painter, int x, int y, const std::string& utf8);
    // Every picture is drawn on one scratch image by one painter, then copied out: a painter made
    // for each new label cost more than the label itself.
    QImage scratch_;
    std::shared_ptr<QPainter> scratchPainter_;
};

// Draws into a QImage through QPainter (antialiasing off, so pixel probes see exact colours).
// The painter is begun at the first primitive and kept until finish(), so a batch of primitives
// costs one begin; call finish() before the image is read, copied, saved or replaced.
class ImageSurface final : public PainterSurface {
public:
    explicit ImageSurface(QImage& image);
    ~ImageSurface() override;
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;
    int width() const override;
    int height() const override;
    // Whole circles of pen width 1 are rasterised straight into the image (the grid draws 182
    // of them); everything else goes through the painter.
    void arc(int centreX, int centreY, int radius, Real startDegrees, Real sweepDegrees) override;
    // Small ellipses (the dots at the ends of every matching path) are stamped from a picture the
    // painter drew once for that size, pen and brush: the same pixels at a fraction of the cost.
    void ellipse(int x1, int y1, int x2, int y2) override;
    void finish();

private:
    QPainter& painter() override;
    bool writesPixelsDirectly() const;
    QImage& image_;
    std::unique_ptr<QPainter> active_;
    std::map<std::array<int, 6>, QImage> dotStamps_;
};

// Records every primitive with its whole-pixel coordinates and the state in force, for tests.
struct Primitive {
    enum class Kind { Line, Ellipse, Arc, Text, Fill };
    Kind kind = Kind::Line;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // line ends, ellipse or fill box, arc centre in x1/y1
    int radius = 0;
    Real startDegrees = 0;
    Real sweepDegrees = 0;
    std::string text;
    Pen pen;
    Brush brush;
    Font font;
    int fillColour = 0;
};

class RecordingSurface final : public Surface {
public:
    RecordingSurface(int width, int height) : width_(width), height_(height) {}
    int width() const override { return width_; }
    int height() const override { return height_; }
    void lineTo(int x, int y) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void arc(int centreX, int centreY, int radius, Real startDegrees, Real sweepDegrees) override;
    void textOut(int x, int y, const std::string& utf8) override;
    void fillRect(int x1, int y1, int x2, int y2, int colour) override;
    int textWidth(const std::string& utf8) override { return characterWidth * static_cast<int>(utf8.size()); }

    std::vector<Primitive> primitives;
    int characterWidth = 0; // what textWidth counts for each byte of a text; 0: texts are not measured

private:
    // A primitive in the current pen, brush and font at the given coordinates.
    Primitive stamped(Primitive::Kind kind, int x1, int y1, int x2 = 0, int y2 = 0) const;
    int width_;
    int height_;
};

} // namespace qv
