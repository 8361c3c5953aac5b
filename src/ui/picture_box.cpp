// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_box.h"

#include <QPaintEvent>
#include <cmath>

#include "core/step_failed.h"
#include "core/twips.h"

namespace zige {

PictureBox::PictureBox(QWidget* parent, std::shared_ptr<GlyphCache> glyphs)
    : QWidget(parent), canvas_(std::move(glyphs)) {
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    canvas_.onRefresh = [this] { update(); };
}

QSize PictureBox::deviceSize(QSize logical) const {
    const qreal dpr = devicePixelRatioF();
    return {int(std::ceil(logical.width() * dpr)), int(std::ceil(logical.height() * dpr))};
}

RasterCanvas& PictureBox::canvas() {
    canvas_.resize(deviceSize(size()), devicePixelRatioF());
    return canvas_;
}

bool PictureBox::fitsTwips(double width, double height) const {
    if (!(width >= 0) || !(height >= 0)) return false;
    const double w = std::round(pixelsFromTwips(width)), h = std::round(pixelsFromTwips(height));
    if (w > RasterCanvas::kMaxImageSide || h > RasterCanvas::kMaxImageSide) return false;
    return RasterCanvas::fits(deviceSize(QSize(int(w), int(h))));
}

void PictureBox::setSizeTwips(double width, double height) {
    if (!fitsTwips(width, height)) throw StepFailed("canvas size refused");
    const QSize logical(wholePixels(width), wholePixels(height));
    canvas_.resize(deviceSize(logical), devicePixelRatioF());
    resize(logical);
}

double PictureBox::widthTwips() const { return twipsFromPixels(width()); }
double PictureBox::heightTwips() const { return twipsFromPixels(height()); }

void PictureBox::paintEvent(QPaintEvent* event) {
    const QImage& image = canvas_.Image();
    QPainter p(this);
    const QRect dirty = event->rect();
    p.fillRect(dirty, resolveColor(canvas_.BackColor));
    const qreal dpr = image.devicePixelRatio();
    const QRectF source(dirty.x() * dpr, dirty.y() * dpr, dirty.width() * dpr,
                        dirty.height() * dpr);
    p.drawImage(QRectF(dirty), image, source);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    skipOnFailure([&] { canvas(); });
}

}  // namespace zige
