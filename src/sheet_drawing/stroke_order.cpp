// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_drawing/stroke_order.h"

#include <algorithm>

#include "core/step_failed.h"
#include "sheet_drawing/copybook.h"
#include "sheet_drawing/sheet_model.h"
#include "text/stroke_table.h"

namespace zige {

StrokeLayout strokeLayout(const SheetModel& model) {
    if (!model.copybook.strokes.rows || !hasPracticeText(model.copybook.text)) return {};
    try {
        return {std::max(model.across().count, 1), std::max(model.down().count, 1)};
    } catch (const StepFailed&) {
        return {};  // a sheet whose size is no number is not drawn, whatever its rows
    }
}

StrokeRows::StrokeRows(Copybook& book, const SheetModel& model) : book_(book) {
    book.strokeLayout = strokeLayout(model);
    if (!book.settings.strokes.any()) return;
    StrokeTable& table = StrokeTable::installed();
    available_ = table.available();
    if (!available_)
        book.report.strokes.problem = QStringLiteral("%1，这份字帖没有笔顺。").arg(table.problem());
}

void StrokeRows::add(const QString& character) {
    if (!available_) return;
    const QList<uint> codes = character.toUcs4();
    const qsizetype strokes =
        codes.size() == 1 ? StrokeTable::installed().strokes(codes[0]).size() : 0;
    if (strokes == 0) {
        if (!missing_.contains(character)) {
            missing_.insert(character);
            book_.report.strokes.missing.append(character);
        }
        return;
    }
    const StrokeLayout& layout = book_.strokeLayout;
    if (layout.columns <= 0) return;
    const qsizetype rows = (strokes + layout.columns - 1) / layout.columns;
    const qsizetype left = layout.rows - book_.rows.size() % layout.rows;  // on this sheet
    if (rows + 1 > left && rows + 1 <= layout.rows)
        for (qsizetype i = 0; i < left; ++i) book_.rows.append({QString(), QString(), 0});
    for (qsizetype first = 0; first < strokes; first += layout.columns)
        book_.rows.append({character, QString(), int(first)});
}

}  // namespace zige
