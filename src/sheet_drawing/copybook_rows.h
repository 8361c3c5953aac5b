// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "text/practice_text.h"

namespace zige {

struct Copybook;
struct CopybookRow;
struct CopybookSettings;

// What is practised row by row: each word of the text when words are practised, else each of
// its characters.
QList<TypedWord> practiceEntries(const QString& text, bool words);

// Adds the rows of one entry, its characters with their readings, to `book`: as many copies side
// by side as a row of `book.columns` takes, the models first, then the pale copies, over as many
// rows as they need; an entry longer than a row spreads each copy over several rows.
void appendEntryRows(Copybook& book, const QStringList& characters, const QStringList& readings);
// How many rows appendEntryRows gives an entry of `length` characters.
qsizetype entryRowCount(const Copybook& book, qsizetype length);

// With dictation and its answers: the rows again, showing their characters, from the next sheet
// on.
void appendAnswerRows(Copybook& book);

// What one cell of a copybook's row holds.
struct CellContent {
    enum class Copy { None, Model, Trace };
    Copy copy = Copy::None;
    QString character;  // "" when the cell is left empty under its reading (dictation)
    QString reading;
};
// Cell `column` (from 0) of `row`.
CellContent cellContent(const Copybook& book, const CopybookRow& row, int column);

}  // namespace zige
