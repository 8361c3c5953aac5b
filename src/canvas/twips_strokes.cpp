// SPDX-License-Identifier: GPL-3.0-or-later
// Strokes with a pen measured on paper, on an image and on a page.
#include <QPen>
#include <algorithm>
#include <cmath>

#include "canvas/canvas.h"
#include "core/twips.h"

namespace zige {

namespace {

// `pen` as Qt's pen, `width` wide in the painter's units, `perTwip` of which make a twip. Qt
// measures dashes in widths.
QPen qtPen(const TwipsPen& pen, double width, double perTwip) {
    const bool dashed = pen.dash > 0;
    QPen qt(resolveColor(pen.color), width, Qt::SolidLine, dashed ? Qt::FlatCap : Qt::SquareCap,
            Qt::MiterJoin);
    if (dashed) qt.setDashPattern({pen.dash * perTwip / width, pen.gap * perTwip / width});
    return qt;
}

}  // namespace

void RasterCanvas::strokeOutline(const QPainterPath& path, const TwipsPen& pen) {
    const double perTwip = image_.devicePixelRatio() / kTwipsPerPixel;  // device pixels
    QPainter& p = painter();
    const QPainterPath::Element from = path.elementAt(0), to = path.elementAt(1);
    const bool straight =
        path.elementCount() == 2 && to.isLineTo() && (from.x == to.x || from.y == to.y);
    if (!straight) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.strokePath(QTransform::fromScale(perTwip, perTwip).map(path),
                     qtPen(pen, std::max(1.0, pen.width * perTwip), perTwip));
        p.restore();
        return;
    }
    // Whole device pixels: `width` of them across, centred on the line; along it, each dash
    // from the pixel edge nearest its start to the one nearest its end, at least one pixel.
    const int width = std::max(1, int(std::lround(pen.width * perTwip)));
    const bool across = from.y == to.y;  // runs across the page
    const int side = int(std::lround((across ? from.y : from.x) * perTwip - width / 2.0));
    const double start = (across ? from.x : from.y) * perTwip;
    const double end = (across ? to.x : to.y) * perTwip;
    const double forward = end >= start ? 1 : -1;
    const QColor color = resolveColor(pen.color);
    const auto fill = [&](double a, double b) {
        const int low = int(std::lround(std::min(a, b)));
        const int high = std::max(int(std::lround(std::max(a, b))), low + 1);
        p.fillRect(
            across ? QRect(low, side, high - low, width) : QRect(side, low, width, high - low),
            color);
    };
    const double dash = pen.dash * perTwip, period = dash + pen.gap * perTwip;
    if (!(dash > 0) || period < 1) {
        const double cap = forward * width / 2.0;  // square ends
        fill(start - cap, end + cap);
        return;
    }
    const double length = std::abs(end - start);
    for (double at = 0; at < length; at += period)
        fill(start + forward * at, start + forward * std::min(at + dash, length));
}

void VectorCanvas::strokeOutline(const QPainterPath& path, const TwipsPen& pen) {
    painter_.strokePath(path, qtPen(pen, pen.width, 1));
}

}  // namespace zige
