// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRawFont>
#include <QString>
#include <optional>

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

    explicit TextStamp(const Request& request);

    const QImage& image() const { return image_; }
    QPoint deviceOrigin() const { return deviceOrigin_; }  // where image() goes, in device pixels

private:
    QImage image_;
    QPoint deviceOrigin_;
};

// What the platform answers slowly about fonts, kept between the redraws of one window (the
// listing redraws thousands of times in the same font): the face an empty font name stands
// for, which face draws a character, and the last text stamped. Cleared when the installed
// fonts change.
class GlyphCache {
public:
    // The family to draw with for a font name from a font list. An empty name (no font chosen)
    // becomes an installed Kai face, else a Song/Ming face, else "" for the platform default,
    // so a view is never empty for want of a font.
    QString family(const QString& fontName);

    // Whether the platform has a face of that name rather than a substitute.
    bool isInstalled(const QString& family);

    // The family the platform really draws `character` in when `family` is asked for.
    QString familyDrawing(const QString& family, const QString& character);

    // Whether `text` is drawn with no missing-glyph box, in `family` or the faces the platform
    // falls back to.
    bool canDraw(const QString& family, const QString& text);

    // The stamp for `request`; the last one is kept and reused while requests repeat.
    const TextStamp& stamp(const TextStamp::Request& request);

    void clear();

private:
    // The face of `family` itself, without fallbacks.
    const QRawFont& rawFont(const QString& family);

    std::optional<QString> fallbackFamily_;
    std::optional<std::pair<QString, bool>> installed_;
    QString rawFamily_;
    QRawFont raw_;
    std::optional<TextStamp::Request> lastRequest_;
    std::optional<TextStamp> lastStamp_;
};

}  // namespace zige
