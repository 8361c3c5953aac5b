// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace zige {

struct Copybook;

// What a copybook shows of stroke order (笔顺), all off until asked for.
struct StrokeSettings {
    bool rows = false;     // before each practice row, the character built up stroke by stroke
    bool numbers = false;  // each stroke's number on the models
    int traceStrokes = 0;  // copies to trace show only this many first strokes; 0: all of them

    bool any() const { return rows || numbers || traceStrokes > 0; }
    bool operator==(const StrokeSettings&) const = default;
};

// The most strokes a character of the table has (爨); a larger count shows every stroke too.
inline constexpr int kMostStrokes = 30;

// What the stroke table could not give a copybook that asks for strokes.
struct StrokeReport {
    QString problem;      // why the table is unavailable, in a sentence
    QStringList missing;  // characters it has no strokes for, each once
};

// Gives a copybook being built the stroke-order rows of each character, before the rows of the
// entry it belongs to, and reports what the table lacks. Strokes that outnumber a row's cells
// go on in the next; an entry whose stroke rows and own rows would run over the end of a sheet
// starts the next one instead, after rows of empty cells, unless they fill more than a sheet.
// A dictation gets none: its cells stay empty for the pupil.
class StrokeRows {
public:
    // `book` has its settings and layout.
    explicit StrokeRows(Copybook& book);
    // The stroke rows of `characters`, an entry about to be added, in order.
    void add(const QStringList& characters);

private:
    // How many stroke rows `character` takes; 0 for one the table lacks, which is reported.
    qsizetype rowsOf(const QString& character);

    Copybook& book_;
    bool available_ = false;
    QSet<QString> missing_;
};

}  // namespace zige
