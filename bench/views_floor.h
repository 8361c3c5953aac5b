// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The floor of RefreshViews: the lines, pens and band fill of the four start-up grids by bare
// QPainter calls into four 185-px images, and the 160-px character in every view the cheapest
// bare way: drawn once into a transparent image just large enough for it, then composited four
// times (the raster engine does not cache glyphs that large, so four drawText calls cost more).
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <array>
#include <initializer_list>

namespace zige::bench {

class ViewsFloor {
public:
    explicit ViewsFloor(const QString& family) {
        for (QImage& image : images_) image = QImage(185, 185, QImage::Format_RGB32);
        font_ = QFont(family);
        font_.setPointSizeF(120);
    }

    void draw(const QString& character) {
        const QPointF baseline(0.67, 0.67 + 140);
        const QRect ink =
            QFontMetricsF(font_).boundingRect(character).translated(baseline).toAlignedRect();
        QImage glyph(ink.size(), QImage::Format_ARGB32_Premultiplied);
        glyph.fill(Qt::transparent);
        {
            QPainter g(&glyph);
            g.setFont(font_);
            g.setPen(Qt::black);
            g.drawText(baseline - QPointF(ink.topLeft()), character);
        }
        const QPen solid(QColor(255, 0, 0), 1, Qt::SolidLine, Qt::FlatCap);
        const QPen dashDot(QColor(255, 0, 0), 1, Qt::DashDotLine, Qt::FlatCap);
        const QPen heavy(QColor(255, 0, 0), 2, Qt::SolidLine, Qt::FlatCap);
        const auto lines = [](QPainter& p, const QPen& pen, std::initializer_list<QLineF> ls) {
            p.setPen(pen);
            for (const QLineF& l : ls) p.drawLine(l);
        };
        const QLineF outline[] = {
            {1, 1, 162, 1}, {1, 1, 1, 162}, {1, 161, 162, 161}, {161, 1, 161, 162}};
        for (int i = 0; i < 4; ++i) {
            images_[i].fill(Qt::white);
            QPainter p(&images_[i]);
            if (i == 3) {
                p.fillRect(QRect(54, 1, 54, 161), QColor(192, 192, 255));
                p.setPen(dashDot);
                p.drawRect(QRect(54, 1, 53, 160));
                p.setPen(heavy);
                for (const QLineF& l : outline) p.drawLine(l);
                lines(p, heavy, {{81, 0, 81, 162}, {0, 81, 162, 81}});
            } else {
                p.setPen(solid);
                for (const QLineF& l : outline) p.drawLine(l);
            }
            if (i == 0)
                lines(p, dashDot,
                      {{1, 81, 162, 81}, {81, 1, 81, 162}, {1, 1, 161, 161}, {1, 161, 161, 1}});
            if (i == 1 || i == 3)
                lines(p, dashDot,
                      {{54, 1, 54, 162}, {107, 1, 107, 162}, {1, 54, 162, 54}, {1, 107, 162, 107}});
            if (i == 2) {
                lines(p, solid, {{81, 1, 81, 162}, {1, 81, 162, 81}});
                lines(p, dashDot,
                      {{49, 49, 49, 114},
                       {113, 49, 113, 114},
                       {49, 49, 114, 49},
                       {49, 113, 114, 113}});
            }
            if (i >= 2)
                lines(p, dashDot,
                      {{1, 49, 49, 1},
                       {113, 1, 161, 49},
                       {1, i == 3 ? 121. : 113., i == 3 ? 41. : 49., 161},
                       {i == 3 ? 121. : 113., 161, 161, i == 3 ? 121. : 113.}});
            p.drawImage(ink.topLeft(), glyph);
        }
    }

    const QImage& image(int i) const { return images_[i]; }

private:
    std::array<QImage, 4> images_;
    QFont font_;
};

}  // namespace zige::bench
