#include "surface/text_stamp.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <optional>

#include "surface/twips.h"

namespace zige {

const TextStamp& TextStamp::forRequest(const Request& request) {
    static std::optional<Request> lastRequest;
    static std::optional<TextStamp> lastStamp;
    if (!lastRequest || !(*lastRequest == request)) {
        lastStamp.emplace(TextStamp(request));
        lastRequest = request;
    }
    return *lastStamp;
}

TextStamp::TextStamp(const Request& request) {
    const qreal dpr = request.devicePixelRatio;
    // Measure on a device of the same kind and resolution as the views' images.
    QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    probe.setDevicePixelRatio(dpr);
    const QFontMetricsF metrics(request.font, &probe);

    const QPointF baseline(pixelsFromTwips(request.xTwips),
                           pixelsFromTwips(request.yTwips) + metrics.ascent());
    // Glyphs may reach beyond their advance box (italic overhangs, antialiasing): pad generously.
    const QRectF ink = metrics.boundingRect(request.text).translated(baseline);
    const qreal pad = 2 + metrics.height() / 4;
    const QRectF logical = ink.adjusted(-pad, -pad, pad, pad);
    const QRect device(QPoint(int(std::floor(logical.left() * dpr)), int(std::floor(logical.top() * dpr))),
                       QPoint(int(std::ceil(logical.right() * dpr)), int(std::ceil(logical.bottom() * dpr))));

    deviceOrigin_ = device.topLeft();
    image_ = QImage(device.size(), QImage::Format_ARGB32_Premultiplied);
    if (image_.isNull()) return;
    image_.setDevicePixelRatio(dpr);
    image_.fill(Qt::transparent);
    QPainter painter(&image_);
    painter.setFont(request.font);
    painter.setPen(request.color);
    // Shift by whole device pixels through the transform and keep the text's own coordinates,
    // so the glyph outlines land on exactly the same sub-pixel positions as drawn in place.
    painter.translate(-QPointF(deviceOrigin_) / dpr);
    painter.drawText(baseline, request.text);
}

}  // namespace zige
