#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

namespace zige {

// A text rasterised once into a transparent image, to be composited onto several surfaces.
// Large CJK glyphs are not cached by the raster engine and cost far more than the grid lines
// around them; the views print the same text at the same point, so one rasterisation serves
// all of them and the result is the same pixels drawText gives.
class TextStamp {
public:
    struct Request {
        QString text;
        QFont font;
        QColor color;
        qreal devicePixelRatio = 1;
        double xTwips = 0;  // top-left of the text cell
        double yTwips = 0;

        bool operator==(const Request&) const = default;
    };

    // The stamp for `request`; the last one is kept and reused while requests repeat.
    static const TextStamp& forRequest(const Request& request);

    const QImage& image() const { return image_; }
    QPoint deviceOrigin() const { return deviceOrigin_; }  // where image() goes, in device pixels

private:
    explicit TextStamp(const Request& request);

    QImage image_;
    QPoint deviceOrigin_;
};

}  // namespace zige
