// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the PDF floors draw of a sheet by bare QPainter calls, on a page in twips.
#include <QPainter>

namespace page_floor {

inline constexpr double kUnit = 11907.0 / 216;  // twips per sheet unit

// The quick grid's filled band in the cell at (x, y), `s` twips a side, with its dotted outline.
inline void quickGridBand(QPainter& p, double x, double y, double s) {
    static const QColor band(255, 255, 192);
    static const QPen dotted(QColor(0, 0, 128), 15, Qt::DotLine, Qt::FlatCap, Qt::MiterJoin);
    const QRectF bandRect(x + s / 3, y, s / 3, s);
    p.fillRect(bandRect.adjusted(-7.5, -7.5, 7.5, 7.5), band);
    p.setPen(dotted);
    p.drawRect(bandRect);
}

// The quick grid's lines over the band: six solid ones and eight dotted ones.
inline void quickGridLines(QPainter& p, double x, double y, double s) {
    static const QColor ink(0, 0, 128);
    static const QPen solid(ink, 15, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    static const QPen dotted(ink, 15, Qt::DotLine, Qt::FlatCap, Qt::MiterJoin);
    static const double heavy[6][4] = {{0, 0, 1, 0}, {0, 0, 0, 1},   {0, 1, 1, 1},
                                       {1, 0, 1, 1}, {.5, 0, .5, 1}, {0, .5, 1, .5}};
    static const double light[8][4] = {{1. / 3, 0, 1. / 3, 1}, {2. / 3, 0, 2. / 3, 1},
                                       {0, 1. / 3, 1, 1. / 3}, {0, 2. / 3, 1, 2. / 3},
                                       {0, .3, .3, 0},         {.7, 0, 1, .3},
                                       {0, .75, .25, 1},       {.75, 1, 1, .75}};
    const auto at = [&](double fx, double fy) { return QPointF(x + fx * s, y + fy * s); };
    p.setPen(solid);
    for (const auto& l : heavy) p.drawLine(at(l[0], l[1]), at(l[2], l[3]));
    p.setPen(dotted);
    for (const auto& l : light) p.drawLine(at(l[0], l[1]), at(l[2], l[3]));
}

// The whole quick grid of a cell.
inline void quickGrid(QPainter& p, double x, double y, double s) {
    quickGridBand(p, x, y, s);
    quickGridLines(p, x, y, s);
}

}  // namespace page_floor
