// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <optional>

#include "canvas/colors.h"

namespace zige {

class Canvas;
struct Copybook;
struct CopybookRow;
struct GlyphFrame;
struct SheetCell;
struct SheetColors;

// The stroke table's box (1024 units, top-down) onto where the chosen font's glyph sits, both in
// twips: the strokes' ink centred on the glyph's, scaled as the font's em is to the box and then
// to the glyph's ink size, by a fifth at most either way, so that a larger or smaller face is
// matched without a thin character such as 一 turning thick.
QTransform strokesOntoGlyph(const QRectF& strokeInk, const QRectF& glyphInk, const QSizeF& em);

// A copybook's characters drawn from the stroke table in their cells, lined up with the models:
// the stroke-order rows, copies to trace of the first strokes only, the strokes' numbers. Each
// character is placed once per sheet, as all of its cells are alike.
class StrokeCells {
public:
    StrokeCells(Canvas& canvas, const Copybook& book, const SheetColors& colors);

    // Cell `column` of a stroke-order row: the strokes up to the row's first one and `column`
    // more, the newest in red, the others in ink; nothing past the character's last stroke.
    void drawBuildUp(const SheetCell& cell, const CopybookRow& row, int column);
    // A copy of the first strokes only to trace over, in the copybook's tracing style (each
    // stroke pale, its own outline thin, or both), when the copybook asks for that and the table
    // has the character; false when the whole glyph is to be traced instead.
    bool drawTrace(const SheetCell& cell, const QString& character);
    // Each stroke's number, small, at the start of its centre line on the model, when the
    // copybook asks for numbers; no number covers another.
    void drawNumbers(const SheetCell& cell, const QString& character);

private:
    // One character's strokes placed in a cell, from the cell's top-left corner.
    struct Placed {
        QPointF origin;  // where the glyph is printed from, from the same corner
        QList<QPainterPath> outlines;
        QList<QPolygonF> medians;
        std::optional<QList<QPainterPath>> numbers;  // a halo and its digits for each stroke
    };
    // The strokes of `character` placed in a cell like `cell` where its glyph is printed; none
    // where no glyph is, when the table lacks the character, or the font has no ink to line
    // them up with.
    Placed* placed(const SheetCell& cell, const QString& character);
    Placed place(QPointF origin, const GlyphFrame& frame, const QString& character);
    // The numbers' halos and digits, each by the start of its median in a cell of `size`.
    static QList<QPainterPath> placeNumbers(const QSizeF& size, const QList<QPolygonF>& medians);
    void fill(const SheetCell& cell, const QPainterPath& outline, ColorValue color);

    Canvas& canvas_;
    const Copybook& book_;
    const SheetColors& colors_;
    QHash<QString, Placed> placed_;
};

}  // namespace zige
