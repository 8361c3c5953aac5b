// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

#include "sheet_drawing/copybook_rows.h"
#include "sheet_drawing/pinyin_band.h"
#include "sheet_drawing/stroke_cells.h"
#include "views/grid_styles.h"

namespace zige {

class Canvas;
struct Copybook;
struct SheetCell;
struct SheetColors;

// Draws the cells of a copybook's rows: each cell's grid, and a character of the row in it as a
// model or a pale copy to trace over, with its reading over the model or on four lines above.
class CopybookCells {
public:
    CopybookCells(Canvas& canvas, const Copybook& book, const SheetColors& colors,
                  const QuickGridPens& pens);

    // Cell `column` (from 0) of the copybook's row `row` (from 0; past the last row, empty
    // cells): its grid, and what it holds. `spaceAbove` is the free room above it, in twips.
    void draw(const SheetCell& cell, qint64 row, int column, double spaceAbove);

private:
    // The grid under the glyph; pale copies go between the band and the lines, so the lines
    // stay visible through them, the model on top of everything as in the main window's views.
    void drawPractice(const SheetCell& cell, const CellContent& content, double spaceAbove);
    // Small, centred over the cell: in the space above it when that is the larger room, else in
    // the cell above the glyph's ink; never over a stroke, and left out where neither room
    // takes a readable size.
    void printPinyin(const SheetCell& cell, const QString& reading, double spaceAbove,
                     double inkTop);
    // How far below the cell's top the model glyph's ink begins, in twips.
    double glyphInkTop(const SheetCell& cell, const QString& character);

    Canvas& canvas_;
    const Copybook& book_;
    const SheetColors& colors_;
    const QuickGridPens pens_;
    std::optional<PinyinBand> pinyin_;  // when the copybook shows pinyin
    StrokeCells strokes_;
};

}  // namespace zige
