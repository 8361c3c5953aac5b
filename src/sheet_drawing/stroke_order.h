// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace zige {

struct Copybook;
struct SheetModel;

// What a copybook shows of stroke order (笔顺), all off until asked for.
struct StrokeSettings {
    bool rows = false;     // before each practice row, the character built up stroke by stroke
    bool numbers = false;  // each stroke's number on the models
    int traceStrokes = 0;  // the pale copies show only this many first strokes; 0: all of them

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

// The cells stroke-order rows are laid out in: the sheet's columns and its rows; all zero when
// the copybook has no such rows, or the sheet's size is no number.
struct StrokeLayout {
    std::int32_t columns = 0;
    std::int32_t rows = 0;

    bool operator==(const StrokeLayout&) const = default;
};
StrokeLayout strokeLayout(const SheetModel& model);

// Gives a copybook being built the stroke-order rows of each character, before its practice
// row, and reports what the table lacks. Strokes that outnumber a row's cells go on in the next;
// a character's rows that would run over the end of a sheet start the next one instead, after
// rows of empty cells, unless they fill more than a sheet.
class StrokeRows {
public:
    StrokeRows(Copybook& book, const SheetModel& model);
    void add(const QString& character);

private:
    Copybook& book_;
    bool available_ = false;
    QSet<QString> missing_;
};

}  // namespace zige
