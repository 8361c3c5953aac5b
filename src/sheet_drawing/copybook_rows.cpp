// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_drawing/copybook_rows.h"

#include <algorithm>

#include "sheet_drawing/copybook.h"

namespace zige {

namespace {

// How the copies of an entry of `length` characters lie on rows of `columns` cells: `perRow`
// copies side by side, each over `rowsPerCopy` rows (more than one only when it is longer than
// a row).
struct Shape {
    qsizetype perRow;
    qsizetype rowsPerCopy;
};

Shape shapeOf(qsizetype length, std::int32_t columns) {
    const qsizetype across = std::max<qsizetype>(columns, 1);
    return length <= across ? Shape{across / length, 1} : Shape{1, (length + across - 1) / across};
}

// The rows of an entry's copies, without the empty row that follows them in whole-row mode.
qsizetype copyRows(const Copybook& book, qsizetype length) {
    const Shape shape = shapeOf(length, book.columns);
    // Whole rows: one row of models and copies to its end, then an empty row to write in.
    const qsizetype copies = book.settings.school.wholeRows
                                 ? shape.perRow
                                 : std::max(book.settings.models + book.settings.traces, 1);
    return (copies + shape.perRow - 1) / shape.perRow * shape.rowsPerCopy;
}

}  // namespace

QList<TypedWord> practiceEntries(const QString& text, bool words) {
    QList<TypedWord> entries = typedWords(text);
    if (words) return entries;
    QList<TypedWord> characters;
    for (const TypedWord& word : entries)
        for (const TypedCharacter& c : word) characters.append({c});
    return characters;
}

qsizetype entryRowCount(const Copybook& book, qsizetype length) {
    return copyRows(book, length) + (book.settings.school.wholeRows ? 1 : 0);
}

void appendEntryRows(Copybook& book, const QStringList& characters, const QStringList& readings) {
    const qsizetype rows = copyRows(book, characters.size());
    for (qsizetype part = 0; part < rows; ++part)
        book.rows.append({characters, readings, int(part), false});
    if (book.settings.school.wholeRows) book.rows.append(CopybookRow());
}

void appendAnswerRows(Copybook& book) {
    const CopybookSettings& s = book.settings;
    if (!s.dictation || !s.answers || book.rows.isEmpty()) return;
    const qsizetype questions = book.rows.size();
    if (book.rowsPerSheet > 0)
        while (book.rows.size() % book.rowsPerSheet) book.rows.append(CopybookRow());
    for (qsizetype i = 0; i < questions; ++i) {
        CopybookRow answer = book.rows[i];
        answer.answer = true;
        book.rows.append(answer);
    }
}

CellContent cellContent(const Copybook& book, const CopybookRow& row, int column) {
    const qsizetype length = row.characters.size();
    if (length == 0 || column < 0) return {};
    const Shape shape = shapeOf(length, book.columns);
    const qsizetype slot = column / length;  // which copy of the row
    const qsizetype at = row.part % shape.rowsPerCopy * std::max(book.columns, 1) + column % length;
    if (slot >= shape.perRow || at >= length) return {};
    const qsizetype copy = row.part / shape.rowsPerCopy * shape.perRow + slot;
    const CopybookSettings& s = book.settings;
    using Copy = CellContent::Copy;
    const Copy kind = copy < s.models                                    ? Copy::Model
                      : copy < s.models + s.traces || s.school.wholeRows ? Copy::Trace
                                                                         : Copy::None;
    const QString& reading = row.readings.value(at);
    if (kind == Copy::None) return {};
    // A dictation shows its models' readings over empty cells and nothing for pale copies; its
    // answers show the models.
    if (s.dictation && kind == Copy::Trace) return {};
    if (s.dictation && !row.answer) return {kind, QString(), reading};
    return {kind, row.characters[at], reading};
}

}  // namespace zige
