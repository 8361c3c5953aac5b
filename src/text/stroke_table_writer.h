// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <map>

namespace zige {

// One stroke as the stroke table file keeps it, in whole units of the top-down box.
struct StrokeSource {
    QList<QPoint> outline;  // the start, then each segment's points
    QList<int> segments;    // the points each segment adds: 1 a line, 2 a quadratic, 3 a cubic
    QList<QPoint> median;
};

// The stroke table file holding these characters' strokes, which StrokeTable reads.
QByteArray writeStrokeTable(const std::map<char32_t, QList<StrokeSource>>& characters);

}  // namespace zige
