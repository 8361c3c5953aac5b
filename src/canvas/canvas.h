// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "canvas/colors.h"
#include "canvas/twips_pen.h"

namespace zige {

class GlyphCache;

// Drawing in twips from the top-left corner with the windows' pen and text state, onto any
// QPainter target. How a stroke lands depends on the target: RasterCanvas places it on whole
// pixels, VectorCanvas keeps its exact geometry at true size.
class Canvas {
public:
    enum DrawStyles { Solid = 0, Dash = 1, Dot = 2, DashDot = 3 };
    enum FillStyles { FillSolid = 0, FillTransparent = 1 };
    // Whether other views print the same text at the same point next (a raster canvas then
    // rasterises it once for all of them) or none does, so it is best drawn in place.
    enum class TextReuse { Shared, Once };

    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    virtual ~Canvas();

    // Pen and text state, read by the next drawing call.
    ColorValue BackColor = rgb(255, 255, 255);
    ColorValue ForeColor = 0;
    int DrawStyle = Solid;
    int DrawWidth = 1;  // pixels of 1/96 inch
    int FillStyle = FillTransparent;
    ColorValue FillColor = 0;
    QString FontName;
    float FontSize = 9;  // points
    bool FontBold = false;
    double CurrentX = 0;
    double CurrentY = 0;

    // Clears to BackColor and moves the print position to (0, 0).
    void Cls();
    void Line(float x1, float y1, float x2, float y2) { strokeLine(x1, y1, x2, y2, ForeColor); }
    void Line(float x1, float y1, float x2, float y2, ColorValue color) {
        strokeLine(x1, y1, x2, y2, color);
    }
    // The box form: a rectangle with these opposite corners, filled per FillStyle/FillColor.
    void LineBox(float x1, float y1, float x2, float y2) { strokeBox(x1, y1, x2, y2, ForeColor); }
    void LineBox(float x1, float y1, float x2, float y2, ColorValue color) {
        strokeBox(x1, y1, x2, y2, color);
    }
    // Prints `text` with the top-left of its cell at (CurrentX, CurrentY), with no background.
    // Throws StepFailed for a font size the platform cannot use.
    void Print(const QString& text, TextReuse reuse = TextReuse::Shared);
    // Prints `text` at (CurrentX, CurrentY) as Print does, its glyphs stretched by scaleX and
    // scaleY about that point: a character mapped from one box onto another of another size.
    void PrintScaled(const QString& text, double scaleX, double scaleY);
    // Fills `outline`, in twips, with `color` and no pen: a shape drawn like a glyph, smooth at
    // its edges, such as a stroke of a character.
    void fillPath(const QPainterPath& outline, ColorValue color) {
        if (!outline.isEmpty()) fillOutline(outline, color);
    }
    // Strokes `path`, in twips, with a pen measured on paper. On an image a line straight
    // across or down lands on whole device pixels, at least one wide, so it stays crisp at
    // 96 dpi; anything else is smoothed. Solid lines end square, so four of them close a box.
    void strokePath(const QPainterPath& path, const TwipsPen& pen) {
        if (!path.isEmpty()) strokeOutline(path, pen);
    }
    // Runs `draw`. A raster canvas remembers what it drew: asked again with the same `key`, an
    // image of the same size, the same state before and the same palette, it puts back those
    // pixels and the state `draw` left instead. For a background drawn unchanged under every
    // character; `key` stands for everything else `draw` depends on.
    virtual void drawRemembered(const QByteArray& key, const std::function<void()>& draw);
    // Shows what has been drawn.
    virtual void Refresh() {}

    // The font Print uses now, at its size in points.
    QFont printFont();

protected:
    explicit Canvas(std::shared_ptr<GlyphCache> glyphs);

    virtual void clear(const QColor& color) = 0;
    virtual void strokeLine(float x1, float y1, float x2, float y2, ColorValue color) = 0;
    virtual void strokeBox(float x1, float y1, float x2, float y2, ColorValue color) = 0;
    virtual void printText(const QString& text, const QFont& font, TextReuse reuse) = 0;
    virtual void printScaledText(const QString& text, const QFont& font, double scaleX,
                                 double scaleY) = 0;
    virtual void fillOutline(const QPainterPath& outline, ColorValue color) = 0;
    virtual void strokeOutline(const QPainterPath& path, const TwipsPen& pen) = 0;

    // Gives `painter` a pen of `color`, `width` device units wide, in the current DrawStyle.
    // Most lines reuse the previous pen; making and setting a new one costs more than the line.
    void applyPen(QPainter& painter, ColorValue color, qreal width, Qt::PenCapStyle cap);
    // The painter's pen is no longer known (a new painter, or one that restored its state).
    void forgetPen() { penKey_.reset(); }

    // Every pen and text value above, as a remembered drawing left them.
    struct State {
        ColorValue backColor, foreColor;
        int drawStyle, drawWidth, fillStyle;
        ColorValue fillColor;
        QString fontName;
        float fontSize;
        bool fontBold;
        double currentX, currentY;
        bool operator==(const State&) const = default;
    };
    State state() const;
    void setState(const State& state);
    GlyphCache& glyphs() { return *glyphs_; }

private:
    struct PenKey {
        ColorValue color;
        qreal width;
        int style;
        Qt::PenCapStyle cap;
        bool operator==(const PenKey&) const = default;
    };

    std::shared_ptr<GlyphCache> glyphs_;
    std::optional<PenKey> penKey_;
};

// A canvas that keeps its drawing in a persistent image of device pixels. A point falls on one
// logical pixel (15 twips) and every stroke covers whole device pixels, so lines stay crisp at
// any device pixel ratio.
class RasterCanvas : public Canvas {
public:
    explicit RasterCanvas(std::shared_ptr<GlyphCache> glyphs = nullptr);
    ~RasterCanvas() override;

    // The largest image a canvas makes: 32767 device pixels a side (the raster engine's limit)
    // and 64 Mi pixels (256 MiB) in all. A larger one is refused before memory is asked for.
    static constexpr int kMaxImageSide = 32767;
    static constexpr qint64 kMaxImagePixels = qint64(64) << 20;
    static bool fits(QSize deviceSize);

    // A new size in device pixels and ratio; the image keeps what fits and fills the rest with
    // BackColor. Throws StepFailed when the size does not fit.
    void resize(QSize deviceSize, qreal devicePixelRatio);
    // The drawn picture, with every pending stroke in it.
    const QImage& Image();
    void drawRemembered(const QByteArray& key, const std::function<void()>& draw) override;
    void Refresh() override;
    // Told at every Refresh, to show the image.
    std::function<void()> onRefresh;

protected:
    void clear(const QColor& color) override;
    void strokeLine(float x1, float y1, float x2, float y2, ColorValue color) override;
    void strokeBox(float x1, float y1, float x2, float y2, ColorValue color) override;
    void printText(const QString& text, const QFont& font, TextReuse reuse) override;
    void printScaledText(const QString& text, const QFont& font, double scaleX,
                         double scaleY) override;
    void fillOutline(const QPainterPath& outline, ColorValue color) override;
    void strokeOutline(const QPainterPath& path, const TwipsPen& pen) override;

private:
    struct StrokeGrid;
    StrokeGrid strokeGrid() const;
    // Draws `text` with its cell's top-left at `cell` through `transform`, in logical pixels.
    void drawText(const QString& text, const QFont& font, const QTransform& transform,
                  QPointF cell);
    QPainter& painter();
    void finishPainting();

    QImage image_;
    QPainter painter_;

    struct Remembered {
        QByteArray key;
        State before;
        qint64 palette;
        QImage image;  // shares its pixels with image_ until the next stroke
        State after;
    };
    std::optional<Remembered> remembered_;
};

// A canvas on a page of a vector device (a PDF file, a printer): lines keep their exact
// geometry, widths at true size (1 pixel = 1/96 inch), dash and dot patterns and colours, on a
// device of any resolution. The page shows the part `area` of the drawing, in twips, from its
// top-left corner.
class VectorCanvas : public Canvas {
public:
    VectorCanvas(QPainter& painter, const QRectF& area,
                 std::shared_ptr<GlyphCache> glyphs = nullptr);
    ~VectorCanvas() override;

protected:
    void clear(const QColor& color) override;
    void strokeLine(float x1, float y1, float x2, float y2, ColorValue color) override;
    void strokeBox(float x1, float y1, float x2, float y2, ColorValue color) override;
    void printText(const QString& text, const QFont& font, TextReuse reuse) override;
    void printScaledText(const QString& text, const QFont& font, double scaleX,
                         double scaleY) override;
    void fillOutline(const QPainterPath& outline, ColorValue color) override;
    void strokeOutline(const QPainterPath& path, const TwipsPen& pen) override;

private:
    QPainter& painter_;
    QRectF area_;
};

}  // namespace zige
