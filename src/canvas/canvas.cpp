// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/canvas.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPalette>
#include <QPen>
#include <cmath>

#include "canvas/glyph_cache.h"
#include "core/step_failed.h"
#include "core/twips.h"

namespace zige {

namespace {

Qt::PenStyle penStyle(int drawStyle) {
    switch (drawStyle) {
        case Canvas::Dash:
            return Qt::DashLine;
        case Canvas::Dot:
            return Qt::DotLine;
        case Canvas::DashDot:
            return Qt::DashDotLine;
        default:
            return Qt::SolidLine;
    }
}

// The largest font size accepted, in points; larger sizes are refused like an invalid one.
constexpr float kMaxFontSize = 2048;

}  // namespace

Canvas::Canvas(std::shared_ptr<GlyphCache> glyphs)
    : glyphs_(glyphs ? std::move(glyphs) : std::make_shared<GlyphCache>()) {}

Canvas::~Canvas() = default;

void Canvas::Cls() {
    clear(resolveColor(BackColor));
    CurrentX = 0;
    CurrentY = 0;
}

QFont Canvas::printFont() {
    if (!(FontSize > 0) || FontSize > kMaxFontSize) throw StepFailed("font size refused");
    QFont font(glyphs().family(FontName));
    font.setPointSizeF(FontSize);
    font.setBold(FontBold);
    return font;
}

void Canvas::Print(const QString& text, TextReuse reuse) {
    const QFont font = printFont();
    if (!text.isEmpty()) printText(text, font, reuse);
}

void Canvas::PrintScaled(const QString& text, double scaleX, double scaleY) {
    const QFont font = printFont();
    if (!text.isEmpty() && scaleX > 0 && scaleY > 0) printScaledText(text, font, scaleX, scaleY);
}

void Canvas::drawRemembered(const QByteArray&, const std::function<void()>& draw) { draw(); }

Canvas::State Canvas::state() const {
    return {BackColor, ForeColor, DrawStyle, DrawWidth, FillStyle, FillColor,
            FontName,  FontSize,  FontBold,  CurrentX,  CurrentY};
}

void Canvas::setState(const State& state) {
    BackColor = state.backColor;
    ForeColor = state.foreColor;
    DrawStyle = state.drawStyle;
    DrawWidth = state.drawWidth;
    FillStyle = state.fillStyle;
    FillColor = state.fillColor;
    FontName = state.fontName;
    FontSize = state.fontSize;
    FontBold = state.fontBold;
    CurrentX = state.currentX;
    CurrentY = state.currentY;
}

void Canvas::applyPen(QPainter& painter, ColorValue color, qreal width, Qt::PenCapStyle cap) {
    const PenKey key{color, width, DrawStyle, cap};
    if (penKey_ == key) return;
    penKey_ = key;
    painter.setPen(QPen(resolveColor(color), width, penStyle(DrawStyle), cap, Qt::MiterJoin));
}

// ---- Raster ----

RasterCanvas::RasterCanvas(std::shared_ptr<GlyphCache> glyphs) : Canvas(std::move(glyphs)) {}

RasterCanvas::~RasterCanvas() { finishPainting(); }

bool RasterCanvas::fits(QSize deviceSize) {
    return deviceSize.width() >= 0 && deviceSize.height() >= 0 &&
           deviceSize.width() <= kMaxImageSide && deviceSize.height() <= kMaxImageSide &&
           qint64(deviceSize.width()) * deviceSize.height() <= kMaxImagePixels;
}

void RasterCanvas::resize(QSize deviceSize, qreal devicePixelRatio) {
    if (image_.size() == deviceSize && image_.devicePixelRatio() == devicePixelRatio) return;
    if (!fits(deviceSize)) throw StepFailed("image too large");
    finishPainting();
    QImage resized(deviceSize, QImage::Format_RGB32);
    if (resized.isNull() && !deviceSize.isEmpty()) throw StepFailed("out of memory for the image");
    resized.setDevicePixelRatio(devicePixelRatio);
    resized.fill(resolveColor(BackColor));
    if (!image_.isNull()) {
        QPainter copy(&resized);
        copy.drawImage(QPoint(0, 0), image_);
    }
    image_ = std::move(resized);
}

QPainter& RasterCanvas::painter() {
    if (!painter_.isActive()) {
        painter_.begin(&image_);
        // Strokes are placed on whole device pixels, so paint in device pixels.
        const qreal dpr = image_.devicePixelRatio();
        painter_.setWorldTransform(QTransform::fromScale(1 / dpr, 1 / dpr));
        painter_.setRenderHint(QPainter::Antialiasing, false);
        forgetPen();
    }
    return painter_;
}

void RasterCanvas::finishPainting() {
    if (painter_.isActive()) painter_.end();
}

const QImage& RasterCanvas::Image() {
    finishPainting();
    return image_;
}

void RasterCanvas::drawRemembered(const QByteArray& key, const std::function<void()>& draw) {
    const State before = state();
    // System colours follow the palette.
    const qint64 palette = QGuiApplication::palette().cacheKey();
    const Remembered* const last = remembered_ ? &*remembered_ : nullptr;
    if (last && last->key == key && last->before == before && last->palette == palette &&
        last->image.size() == image_.size() &&
        last->image.devicePixelRatio() == image_.devicePixelRatio()) {
        finishPainting();
        image_ = last->image;
        setState(last->after);
        return;
    }
    remembered_.reset();
    draw();
    finishPainting();
    remembered_ = Remembered{key, before, palette, image_, state()};
}

void RasterCanvas::Refresh() {
    finishPainting();
    if (onRefresh) onRefresh();
}

void RasterCanvas::clear(const QColor& color) {
    finishPainting();
    image_.fill(color);
}

// Where strokes land, in device pixels. A point in twips falls on one logical pixel; a line of
// DrawWidth w covers w whole logical pixels across its length (an even width reaching up and
// left of the point, as the platform's wide pens do) and runs from its first point's pixel up
// to, not including, its last point's pixel.
struct RasterCanvas::StrokeGrid {
    qreal dpr;
    int width;        // logical pixels
    int deviceWidth;  // device pixels

    int edge(int pixel) const { return int(std::lround(pixel * dpr)); }
    int start(int pixel) const { return edge(pixel - width / 2); }
    // A one-pixel pen covers the pixel at its integer coordinate; wider pens are centred.
    double centre(int pixel) const {
        return start(pixel) + (deviceWidth == 1 ? 0.0 : deviceWidth / 2.0);
    }
};

RasterCanvas::StrokeGrid RasterCanvas::strokeGrid() const {
    const qreal dpr = image_.devicePixelRatio();
    const int width = std::max(DrawWidth, 1);
    return {dpr, width, std::max(1, int(std::lround(width * dpr)))};
}

void RasterCanvas::strokeLine(float x1, float y1, float x2, float y2, ColorValue color) {
    const StrokeGrid g = strokeGrid();
    const int px1 = pixelIndex(x1), py1 = pixelIndex(y1), px2 = pixelIndex(x2),
              py2 = pixelIndex(y2);
    if (px1 == px2 && py1 == py2) {
        painter().fillRect(QRect(g.start(px1), g.start(py1), g.deviceWidth, g.deviceWidth),
                           resolveColor(color));
        return;
    }
    QPainter& p = painter();
    applyPen(p, color, g.deviceWidth, Qt::FlatCap);
    // Along a horizontal or vertical line the ends sit on the outer edges of its first and last
    // pixels, so both are drawn; across it, and on a slant, they sit on the stroke's centre.
    const auto along = [&](int first, int last, double& from, double& to) {
        from = g.edge(last >= first ? first : first + 1);
        to = g.edge(last >= first ? last + 1 : last);
    };
    QPointF from(g.centre(px1), g.centre(py1)), to(g.centre(px2), g.centre(py2));
    if (py1 == py2) along(px1, px2, from.rx(), to.rx());
    if (px1 == px2) along(py1, py2, from.ry(), to.ry());
    p.drawLine(from, to);
}

void RasterCanvas::strokeBox(float x1, float y1, float x2, float y2, ColorValue color) {
    const StrokeGrid g = strokeGrid();
    const int left = std::min(pixelIndex(x1), pixelIndex(x2));
    const int right = std::max(pixelIndex(x1), pixelIndex(x2));
    const int top = std::min(pixelIndex(y1), pixelIndex(y2));
    const int bottom = std::max(pixelIndex(y1), pixelIndex(y2));
    QPainter& p = painter();
    // The fill covers the outline's pixels too; the outline is drawn over it.
    if (FillStyle == FillSolid)
        p.fillRect(QRect(QPoint(g.edge(left), g.edge(top)),
                         QPoint(g.edge(right + 1) - 1, g.edge(bottom + 1) - 1)),
                   resolveColor(FillColor));
    applyPen(p, color, g.deviceWidth, Qt::FlatCap);
    p.setBrush(Qt::NoBrush);
    p.drawRect(
        QRectF(QPointF(g.centre(left), g.centre(top)), QPointF(g.centre(right), g.centre(bottom))));
}

void RasterCanvas::printText(const QString& text, const QFont& font, TextReuse reuse) {
    if (reuse == TextReuse::Once) {
        drawText(text, font, QTransform(), {pixelsFromTwips(CurrentX), pixelsFromTwips(CurrentY)});
        return;
    }
    const TextStamp& stamp = glyphs().stamp(
        {text, font, resolveColor(ForeColor), image_.devicePixelRatio(), CurrentX, CurrentY});
    const QImage& glyphs = stamp.image();
    if (glyphs.isNull()) return;
    painter().drawImage(QRect(stamp.deviceOrigin(), glyphs.size()), glyphs, glyphs.rect());
}

void RasterCanvas::printScaledText(const QString& text, const QFont& font, double scaleX,
                                   double scaleY) {
    drawText(text, font,
             QTransform::fromTranslate(pixelsFromTwips(CurrentX), pixelsFromTwips(CurrentY))
                 .scale(scaleX, scaleY),
             QPointF());
}

// In logical pixels, where a point size means 96-dpi pixels on this image. The cell's top-left
// is placed as given, not folded into the transform: a translation rounds the glyphs' sub-pixel
// positions differently from QPainter::drawText at that point, which the stamp matches.
void RasterCanvas::drawText(const QString& text, const QFont& font, const QTransform& transform,
                            QPointF cell) {
    QPainter& p = painter();
    p.save();
    p.setWorldTransform(transform);
    p.setFont(font);
    p.setPen(resolveColor(ForeColor));
    p.drawText(cell + QPointF(0, QFontMetricsF(font, &image_).ascent()), text);
    p.restore();
    forgetPen();
}

void RasterCanvas::fillOutline(const QPainterPath& outline, ColorValue color) {
    QPainter& p = painter();
    p.save();
    // Antialiased in device pixels, as glyphs are, rather than snapped to whole pixels as lines.
    p.setWorldTransform(QTransform::fromScale(1 / kTwipsPerPixel, 1 / kTwipsPerPixel));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillPath(outline, resolveColor(color));
    p.restore();
}

// ---- Vector ----

VectorCanvas::VectorCanvas(QPainter& painter, const QRectF& area,
                           std::shared_ptr<GlyphCache> glyphs)
    : Canvas(std::move(glyphs)), painter_(painter), area_(area) {
    painter_.save();
    // Draw in twips: the device's own resolution makes them true size.
    const QPaintDevice* device = painter_.device();
    painter_.scale(device->logicalDpiX() / kTwipsPerInch, device->logicalDpiY() / kTwipsPerInch);
    painter_.translate(-area.topLeft());
    painter_.setClipRect(area);
    painter_.setRenderHint(QPainter::Antialiasing, true);
}

VectorCanvas::~VectorCanvas() { painter_.restore(); }

void VectorCanvas::clear(const QColor& color) { painter_.fillRect(area_, color); }

void VectorCanvas::strokeLine(float x1, float y1, float x2, float y2, ColorValue color) {
    const double width = std::max(DrawWidth, 1) * kTwipsPerPixel;
    if (x1 == x2 && y1 == y2) {
        painter_.fillRect(QRectF(x1 - width / 2, y1 - width / 2, width, width),
                          resolveColor(color));
        return;
    }
    // Solid lines meet square at the corners of a box; patterns start exactly at the first point.
    applyPen(painter_, color, width, DrawStyle == Solid ? Qt::SquareCap : Qt::FlatCap);
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void VectorCanvas::strokeBox(float x1, float y1, float x2, float y2, ColorValue color) {
    const QRectF box = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    // On the screen the fill covers the pixels the outline is drawn on, so it reaches half a
    // pixel beyond the box; here too, or the gaps of a dotted outline would be half white.
    const double half = kTwipsPerPixel / 2;
    if (FillStyle == FillSolid)
        painter_.fillRect(box.adjusted(-half, -half, half, half), resolveColor(FillColor));
    // A closed outline has no ends, but each dot of a pattern has two: square caps would
    // lengthen every dot by a width and turn a dotted outline into a dashed one.
    applyPen(painter_, color, std::max(DrawWidth, 1) * kTwipsPerPixel,
             DrawStyle == Solid ? Qt::SquareCap : Qt::FlatCap);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(box);
}

void VectorCanvas::fillOutline(const QPainterPath& outline, ColorValue color) {
    painter_.fillPath(outline, resolveColor(color));
}

void VectorCanvas::printText(const QString& text, const QFont& font, TextReuse) {
    printScaledText(text, font, 1, 1);
}

void VectorCanvas::printScaledText(const QString& text, const QFont& font, double scaleX,
                                   double scaleY) {
    // In twips a point is 20 units; the glyphs stay outlines on the page.
    QFont twipsFont(font);
    twipsFont.setPixelSize(std::max(1, int(std::lround(font.pointSizeF() * 20))));
    painter_.save();
    painter_.translate(CurrentX, CurrentY);
    painter_.scale(scaleX, scaleY);
    painter_.setFont(twipsFont);
    painter_.setPen(resolveColor(ForeColor));
    painter_.drawText(QPointF(0, QFontMetricsF(twipsFont).ascent()), text);
    painter_.restore();
    forgetPen();
}

}  // namespace zige
