// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_drawing/stroke_order.h"

#include <algorithm>

#include "sheet_drawing/copybook.h"
#include "sheet_drawing/copybook_rows.h"
#include "text/stroke_table.h"

namespace zige {

StrokeRows::StrokeRows(Copybook& book) : book_(book) {
    if (!book.settings.strokes.any()) return;
    StrokeTable& table = StrokeTable::installed();
    available_ = table.available();
    if (!available_)
        book.report.strokes.problem = QStringLiteral("%1，这份字帖没有笔顺。").arg(table.problem());
}

qsizetype StrokeRows::rowsOf(const QString& character) {
    const QList<uint> codes = character.toUcs4();
    const qsizetype strokes =
        codes.size() == 1 ? StrokeTable::installed().strokes(codes[0]).size() : 0;
    if (strokes == 0 && !missing_.contains(character)) {
        missing_.insert(character);
        book_.report.strokes.missing.append(character);
    }
    const CopybookSettings& s = book_.settings;
    if (!s.strokes.rows || s.dictation || book_.columns <= 0) return 0;
    return (strokes + book_.columns - 1) / book_.columns;
}

void StrokeRows::add(const QStringList& characters) {
    if (!available_) return;
    QList<qsizetype> rows;
    qsizetype strokeRows = 0;
    for (const QString& character : characters) strokeRows += rows.emplace_back(rowsOf(character));
    if (strokeRows == 0) return;
    const qsizetype group = strokeRows + entryRowCount(book_, characters.size());
    const qsizetype perSheet = book_.rowsPerSheet;
    const qsizetype left = perSheet - book_.rows.size() % std::max<qsizetype>(perSheet, 1);
    if (group > left && group <= perSheet)
        for (qsizetype i = 0; i < left; ++i) book_.rows.append(CopybookRow());
    for (qsizetype c = 0; c < characters.size(); ++c)
        for (qsizetype row = 0; row < rows[c]; ++row)
            book_.rows.append({{characters[c]}, {}, 0, false, int(row * book_.columns)});
}

}  // namespace zige
