#include "surface/picture_box.h"

#include <QPaintEvent>
#include <QPen>
#include <cmath>

#include "surface/font_resolution.h"
#include "surface/step_failed.h"
#include "surface/text_stamp.h"
#include "surface/twips.h"

namespace zige {

namespace {

Qt::PenStyle penStyle(int drawStyle) {
    switch (drawStyle) {
        case PictureBox::Dot: return Qt::DotLine;
        case PictureBox::DashDot: return Qt::DashDotLine;
        default: return Qt::SolidLine;
    }
}

// The largest font size accepted, in points; larger sizes are refused like an invalid one.
constexpr float kMaxFontSize = 2048;
// The largest image a box makes (1 GiB): a larger one is refused before memory is asked for.
constexpr int kMaxImageSide = 32767;
constexpr qint64 kMaxImagePixels = qint64(1) << 28;

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPainter& PictureBox::painter() {
    if (!painter_.isActive()) {
        resizeImage(size());
        painter_.begin(&image_);
        // Strokes are placed on whole device pixels, so paint in device pixels.
        const qreal dpr = image_.devicePixelRatio();
        painter_.setWorldTransform(QTransform::fromScale(1 / dpr, 1 / dpr));
        painter_.setRenderHint(QPainter::Antialiasing, false);
        penKey_.reset();
    }
    return painter_;
}

void PictureBox::finishPainting() {
    if (painter_.isActive()) painter_.end();
}

void PictureBox::Cls() {
    finishPainting();
    resizeImage(size());
    image_.fill(resolveColor(BackColor));
    CurrentX = 0;
    CurrentY = 0;
}

// Where strokes land, in device pixels. A point in twips falls on one logical pixel; a line of
// DrawWidth w covers w whole logical pixels across its length (an even width reaching up and
// left of the point, as the platform's wide pens do) and runs from its first point's pixel up
// to, not including, its last point's pixel.
struct PictureBox::StrokeGrid {
    qreal dpr;
    int width;        // logical pixels
    int deviceWidth;  // device pixels

    int edge(int pixel) const { return int(std::lround(pixel * dpr)); }
    int start(int pixel) const { return edge(pixel - width / 2); }
    // A one-pixel pen covers the pixel at its integer coordinate; wider pens are centred.
    double centre(int pixel) const { return start(pixel) + (deviceWidth == 1 ? 0.0 : deviceWidth / 2.0); }
};

PictureBox::StrokeGrid PictureBox::strokeGrid() const {
    const qreal dpr = image_.devicePixelRatio();
    const int width = std::max(DrawWidth, 1);
    return {dpr, width, std::max(1, int(std::lround(width * dpr)))};
}

void PictureBox::applyPen(ColorValue color, int deviceWidth) {
    QPainter& p = painter();
    // Most lines reuse the previous pen; making and setting a new one costs more than the line.
    const PenKey key{color, deviceWidth, DrawStyle};
    if (penKey_ == key) return;
    penKey_ = key;
    p.setPen(QPen(resolveColor(color), deviceWidth, penStyle(DrawStyle), Qt::FlatCap, Qt::MiterJoin));
}

void PictureBox::strokeLine(float x1, float y1, float x2, float y2, ColorValue color) {
    const StrokeGrid g = strokeGrid();
    const int px1 = pixelIndex(x1), py1 = pixelIndex(y1), px2 = pixelIndex(x2), py2 = pixelIndex(y2);
    if (px1 == px2 && py1 == py2) {
        painter().fillRect(QRect(g.start(px1), g.start(py1), g.deviceWidth, g.deviceWidth), resolveColor(color));
        return;
    }
    applyPen(color, g.deviceWidth);
    // Along a horizontal or vertical line the ends sit on the outer edges of its first and last
    // pixels, so both are drawn; across it, and on a slant, they sit on the stroke's centre.
    const auto along = [&](int first, int last, double& from, double& to) {
        from = g.edge(last >= first ? first : first + 1);
        to = g.edge(last >= first ? last + 1 : last);
    };
    QPointF from(g.centre(px1), g.centre(py1)), to(g.centre(px2), g.centre(py2));
    if (py1 == py2) along(px1, px2, from.rx(), to.rx());
    if (px1 == px2) along(py1, py2, from.ry(), to.ry());
    painter().drawLine(from, to);
}

void PictureBox::Line(float x1, float y1, float x2, float y2) { strokeLine(x1, y1, x2, y2, ForeColor); }

void PictureBox::Line(float x1, float y1, float x2, float y2, ColorValue color) {
    strokeLine(x1, y1, x2, y2, color);
}

void PictureBox::strokeBox(float x1, float y1, float x2, float y2, ColorValue color) {
    const StrokeGrid g = strokeGrid();
    const int left = std::min(pixelIndex(x1), pixelIndex(x2));
    const int right = std::max(pixelIndex(x1), pixelIndex(x2));
    const int top = std::min(pixelIndex(y1), pixelIndex(y2));
    const int bottom = std::max(pixelIndex(y1), pixelIndex(y2));
    QPainter& p = painter();
    // The fill covers the outline's pixels too; the outline is drawn over it.
    if (FillStyle == FillSolid)
        p.fillRect(QRect(QPoint(g.edge(left), g.edge(top)), QPoint(g.edge(right + 1) - 1, g.edge(bottom + 1) - 1)),
                   resolveColor(FillColor));
    applyPen(color, g.deviceWidth);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(QPointF(g.centre(left), g.centre(top)), QPointF(g.centre(right), g.centre(bottom))));
}

void PictureBox::LineBox(float x1, float y1, float x2, float y2) { strokeBox(x1, y1, x2, y2, ForeColor); }

void PictureBox::LineBox(float x1, float y1, float x2, float y2, ColorValue color) {
    strokeBox(x1, y1, x2, y2, color);
}

void PictureBox::Print(const QString& text) {
    if (!(FontSize > 0) || FontSize > kMaxFontSize) throw StepFailed("font size refused");
    if (text.isEmpty()) return;
    QFont font(resolveFontFamily(FontName));
    font.setPointSizeF(FontSize);
    font.setBold(FontBold);
    const TextStamp& stamp = TextStamp::forRequest(
        {text, font, resolveColor(ForeColor), image_.devicePixelRatio(), CurrentX, CurrentY});
    if (stamp.image().isNull()) return;
    const QImage& glyphs = stamp.image();
    painter().drawImage(QRect(stamp.deviceOrigin(), glyphs.size()), glyphs, glyphs.rect());
}

void PictureBox::Refresh() {
    finishPainting();
    update();
}

const QImage& PictureBox::Image() {
    finishPainting();
    resizeImage(size());
    return image_;
}

void PictureBox::resizeImage(QSize logicalSize) {
    const qreal dpr = devicePixelRatioF();
    const QSize deviceSize(int(std::ceil(logicalSize.width() * dpr)),
                           int(std::ceil(logicalSize.height() * dpr)));
    if (image_.size() == deviceSize && image_.devicePixelRatio() == dpr) return;
    if (deviceSize.width() > kMaxImageSide || deviceSize.height() > kMaxImageSide ||
        qint64(deviceSize.width()) * deviceSize.height() > kMaxImagePixels)
        throw StepFailed("image too large");
    finishPainting();
    QImage resized(deviceSize, QImage::Format_RGB32);
    if (resized.isNull() && !deviceSize.isEmpty()) throw StepFailed("image too large");
    resized.setDevicePixelRatio(dpr);
    resized.fill(resolveColor(BackColor));
    if (!image_.isNull()) {
        QPainter copy(&resized);
        copy.drawImage(QPoint(0, 0), image_);
    }
    image_ = std::move(resized);
}

void PictureBox::setSizeTwips(double width, double height) {
    const int w = int(std::lround(pixelsFromTwips(width)));
    const int h = int(std::lround(pixelsFromTwips(height)));
    if (w < 0 || h < 0) throw StepFailed("negative size");
    resizeImage(QSize(w, h));
    resize(w, h);
}

double PictureBox::widthTwips() const { return twipsFromPixels(width()); }
double PictureBox::heightTwips() const { return twipsFromPixels(height()); }

void PictureBox::paintEvent(QPaintEvent* event) {
    finishPainting();
    QPainter p(this);
    const QRect dirty = event->rect();
    p.fillRect(dirty, resolveColor(BackColor));
    const qreal dpr = image_.devicePixelRatio();
    const QRectF source(dirty.x() * dpr, dirty.y() * dpr, dirty.width() * dpr, dirty.height() * dpr);
    p.drawImage(QRectF(dirty), image_, source);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    skipOnFailure([&] { resizeImage(size()); });
}

}  // namespace zige
