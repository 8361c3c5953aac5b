// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_drawing/stroke_cells.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainterPathStroker>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "canvas/canvas.h"
#include "sheet_drawing/cell_glyph.h"
#include "sheet_drawing/copybook.h"
#include "sheet_drawing/sheet_cell.h"
#include "sheet_drawing/sheet_colors.h"
#include "text/stroke_table.h"
#include "text/stroke_table_format.h"

namespace zige {

namespace {

// The stroke a cell adds, and the strokes' numbers: red, as a teacher marks them, on screen and
// on paper alike.
constexpr ColorValue kMarked = rgb(255, 0, 0);

QRectF inkOf(const QList<QPainterPath>& outlines) {
    QRectF ink;
    for (const QPainterPath& outline : outlines) ink |= outline.boundingRect();
    return ink;
}

}  // namespace

QTransform strokesOntoGlyph(const QRectF& strokeInk, const QRectF& glyphInk, const QSizeF& em) {
    const double emX = em.width() / stroke_format::kBox, emY = em.height() / stroke_format::kBox;
    const double glyphSide = std::max(glyphInk.width() / emX, glyphInk.height() / emY);
    const double strokeSide = std::max(strokeInk.width(), strokeInk.height());
    const double fit = strokeSide > 0 ? std::clamp(glyphSide / strokeSide, 0.8, 1.25) : 1.0;
    QTransform t;
    t.translate(glyphInk.center().x(), glyphInk.center().y());
    t.scale(fit * emX, fit * emY);
    t.translate(-strokeInk.center().x(), -strokeInk.center().y());
    return t;
}

StrokeCells::StrokeCells(Canvas& canvas, const Copybook& book, const SheetColors& colors)
    : canvas_(canvas), book_(book), colors_(colors) {}

void StrokeCells::drawBuildUp(const SheetCell& cell, const CopybookRow& row, int column) {
    const Placed* strokes = placed(cell, row.characters.value(0));
    const qsizetype added = qsizetype(row.firstStroke.value_or(0)) + column;
    if (!strokes || added >= strokes->outlines.size()) return;
    for (qsizetype i = 0; i < added; ++i) fill(cell, strokes->outlines[i], colors_.ink);
    fill(cell, strokes->outlines[added], kMarked);
}

bool StrokeCells::drawTrace(const SheetCell& cell, const QString& character) {
    const int shown = book_.settings.strokes.traceStrokes;
    if (shown <= 0) return false;
    const Placed* strokes = placed(cell, character);
    if (!strokes) return false;
    // Each stroke by itself, so a hollow copy shows where one stroke ends and the next begins.
    for (qsizetype i = 0; i < std::min<qsizetype>(shown, strokes->outlines.size()); ++i)
        paintTrace(canvas_, book_, strokes->outlines[i].translated(cell.left, cell.top));
    return true;
}

void StrokeCells::drawNumbers(const SheetCell& cell, const QString& character) {
    if (!book_.settings.strokes.numbers) return;
    Placed* strokes = placed(cell, character);
    if (!strokes) return;
    if (!strokes->numbers)
        strokes->numbers = placeNumbers({cell.width(), cell.height()}, strokes->medians);
    for (qsizetype i = 0; i + 1 < strokes->numbers->size(); i += 2) {
        fill(cell, strokes->numbers->at(i), colors_.paper);
        fill(cell, strokes->numbers->at(i + 1), kMarked);
    }
}

StrokeCells::Placed* StrokeCells::placed(const SheetCell& cell, const QString& character) {
    setGlyphFont(canvas_, book_);
    const std::optional<GlyphFrame> frame = glyphFrame(canvas_, book_, cell, character);
    if (!frame) return nullptr;
    const QPointF origin = QPointF(frame->x - cell.left, frame->y - cell.top);
    auto found = placed_.find(character);
    if (found == placed_.end() || found->origin != origin)
        found = placed_.insert(character, place(origin, *frame, character));
    return found->outlines.isEmpty() ? nullptr : &*found;
}

StrokeCells::Placed StrokeCells::place(QPointF origin, const GlyphFrame& frame,
                                       const QString& character) {
    Placed placed{origin, {}, {}, std::nullopt};
    const QList<uint> codes = character.toUcs4();
    const QList<Stroke> strokes =
        codes.size() == 1 ? StrokeTable::installed().strokes(codes[0]) : QList<Stroke>();
    if (strokes.isEmpty()) return placed;
    // The glyph's ink as the model prints it: the font at its size in twips, in the frame.
    const QFont font = twipsFont(canvas_);
    QPainterPath glyph;
    glyph.addText(0, QFontMetricsF(font).ascent(), font, character);
    const QRectF glyphInk = QTransform::fromScale(frame.scaleX, frame.scaleY)
                                .mapRect(glyph.boundingRect())
                                .translated(origin);
    if (glyphInk.isEmpty()) return placed;

    for (const Stroke& stroke : strokes) placed.outlines.append(stroke.outline);
    const QSizeF em(font.pixelSize() * frame.scaleX, font.pixelSize() * frame.scaleY);
    const QTransform onto = strokesOntoGlyph(inkOf(placed.outlines), glyphInk, em);
    for (qsizetype i = 0; i < strokes.size(); ++i) {
        placed.outlines[i] = onto.map(placed.outlines[i]);
        placed.medians.append(onto.map(strokes[i].median));
    }
    return placed;
}

QList<QPainterPath> StrokeCells::placeNumbers(const QSizeF& size, const QList<QPolygonF>& medians) {
    const double height = std::min(size.width(), size.height()) * 0.12;
    QFont font(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    font.setPixelSize(std::max(1, int(std::lround(height))));
    QPainterPathStroker halo;
    halo.setWidth(height * 0.25);
    halo.setJoinStyle(Qt::RoundJoin);
    const QRectF room(QPointF(0, 0), size);
    const double gap = height * 0.3;
    QList<QRectF> taken;
    QList<QPainterPath> labels;
    for (qsizetype i = 0; i < medians.size(); ++i) {
        QPainterPath digits;
        digits.addText(0, 0, font, QString::number(i + 1));
        const QPainterPath around = halo.createStroke(digits);
        const QRectF bounds = around.boundingRect() | digits.boundingRect();
        const auto placedAt = [&](QPointF spot) {
            const QRectF at = bounds.translated(spot - bounds.center());
            // Apart by a digit's gap, so that two numbers never read as one.
            const QRectF apart = at.adjusted(-gap, -gap, gap, gap);
            if (!room.contains(at) || std::any_of(taken.begin(), taken.end(), [&](const QRectF& t) {
                    return t.intersects(apart);
                }))
                return false;
            taken.append(at);
            labels.append(around.translated(spot - bounds.center()));
            labels.append(digits.translated(spot - bounds.center()));
            return true;
        };
        // Just before the pen's start, in line with the stroke's first part, else turned about
        // the start a step at a time, then further out, then anywhere in the cell.
        const QPolygonF& median = medians[i];
        const QPointF start = median.value(0);
        QPointF back = median.size() > 1 ? start - median[1] : QPointF(0, -1);
        if (const double length = std::hypot(back.x(), back.y()); length > 0) back /= length;
        const double reach = std::hypot(bounds.width(), bounds.height()) / 2;
        bool done = false;
        for (int ring = 0; ring < 6 && !done; ++ring)
            for (int turn = 0; turn <= 12 && !done; ++turn) {
                const double angle = (turn % 2 ? 1 : -1) * ((turn + 1) / 2) * std::numbers::pi / 6;
                const QPointF way = QTransform().rotateRadians(angle).map(back);
                done = placedAt(start + way * (reach + ring * height / 2));
            }
        if (done) continue;
        QList<QPointF> anywhere;
        for (double y = 0; y <= size.height(); y += height / 2)
            for (double x = 0; x <= size.width(); x += height / 2) anywhere.append({x, y});
        std::stable_sort(anywhere.begin(), anywhere.end(), [&](QPointF a, QPointF b) {
            return QLineF(a, start).length() < QLineF(b, start).length();
        });
        for (const QPointF spot : anywhere)
            if (placedAt(spot)) break;
    }
    return labels;
}

void StrokeCells::fill(const SheetCell& cell, const QPainterPath& outline, ColorValue color) {
    canvas_.fillPath(outline.translated(cell.left, cell.top), color);
}

}  // namespace zige
