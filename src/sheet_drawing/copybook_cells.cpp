// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_drawing/copybook_cells.h"

#include <QFontMetricsF>
#include <algorithm>

#include "canvas/canvas.h"
#include "sheet_drawing/cell_glyph.h"
#include "sheet_drawing/copybook.h"
#include "sheet_drawing/school_choices.h"
#include "sheet_drawing/school_grids.h"
#include "sheet_drawing/sheet_cell.h"
#include "sheet_drawing/sheet_colors.h"
#include "views/character_views.h"

namespace zige {

namespace {

const GridStyle* cellGridStyle(CellGrid grid) {
    switch (grid) {
        case CellGrid::NineSquare:
            return &kNineSquareGrid;
        case CellGrid::EightTrigram:
            return &kEightTrigramGrid;
        default:
            return nullptr;
    }
}

}  // namespace

CopybookCells::CopybookCells(Canvas& canvas, const Copybook& book, const SheetColors& colors,
                             const QuickGridPens& pens)
    : canvas_(canvas), book_(book), colors_(colors), pens_(pens), strokes_(canvas, book, colors) {
    if (hasPinyinBands(book.settings) || hasSimplePinyin(book.settings))
        // Its lines in the grid's colour: a school grid's own, else the sheet's pen.
        pinyin_.emplace(isSchoolGrid(book.settings.grid)
                            ? gridColorValue(book.settings.school.gridColor)
                            : colors.line);
}

void CopybookCells::draw(const SheetCell& cell, qint64 row, int column, double spaceAbove) {
    const CopybookRow* practice = row < book_.rows.size() ? &book_.rows[row] : nullptr;
    // A stroke-order row shows its strokes over the bare grid.
    const bool strokes = practice && practice->firstStroke;
    const CellContent content =
        practice && !strokes ? cellContent(book_, *practice, column) : CellContent();
    drawPractice(cell, content, spaceAbove);
    if (strokes) strokes_.drawBuildUp(cell, *practice, column);
    if (hasPinyinBands(book_.settings))
        pinyin_->draw(canvas_, cell, content.reading,
                      content.copy == CellContent::Copy::Trace ? book_.traceColor() : colors_.ink);
}

void CopybookCells::drawPractice(const SheetCell& cell, const CellContent& content,
                                 double spaceAbove) {
    using Copy = CellContent::Copy;
    const CellGrid grid = book_.settings.grid;
    if (grid == CellGrid::Quick) drawQuickGridBand(canvas_, cell, pens_);
    if (content.copy == Copy::Trace && !strokes_.drawTrace(cell, content.character))
        drawTrace(canvas_, book_, cell, content.character);
    if (grid == CellGrid::Quick) {
        drawQuickGridLines(canvas_, cell, pens_);
    } else if (isSchoolGrid(grid)) {
        drawSchoolGrid(canvas_, cell, grid, gridColorValue(book_.settings.school.gridColor));
    } else if (const GridStyle* style = cellGridStyle(grid)) {
        canvas_.ForeColor = pens_.line;
        canvas_.DrawWidth = 1;
        drawGrid(canvas_, cell, *style);
    }
    if (content.copy == Copy::Model && !content.character.isEmpty()) {
        printInCell(canvas_, book_, cell, content.character, colors_.ink);
        strokes_.drawNumbers(cell, content.character);
        if (hasSimplePinyin(book_.settings))
            printPinyin(cell, content.reading, spaceAbove, glyphInkTop(cell, content.character));
    }
}

void CopybookCells::printPinyin(const SheetCell& cell, const QString& reading, double spaceAbove,
                                double inkTop) {
    if (reading.isEmpty()) return;
    const double room = std::max(spaceAbove, inkTop);
    const double height = std::min(room * 0.8, cell.height() * 0.25);
    constexpr double kSmallestReadable = 120;  // twips: 6 points
    if (height < kSmallestReadable) return;
    canvas_.FontName = pinyin_->family();
    canvas_.FontSize = float(height / 20 / 1.2);  // points, leaving the line's leading
    const QFontMetricsF metrics(twipsFont(canvas_));
    const double textHeight = metrics.height();
    // Close over the cell when above it; centred in the free band when inside.
    canvas_.CurrentY = spaceAbove >= inkTop ? cell.top - std::min(spaceAbove, textHeight * 1.1)
                                            : cell.top + (inkTop - textHeight) / 2;
    canvas_.ForeColor = colors_.ink;
    canvas_.CurrentX = cell.left + (cell.width() - metrics.horizontalAdvance(reading)) / 2;
    canvas_.Print(reading);
}

double CopybookCells::glyphInkTop(const SheetCell& cell, const QString& character) {
    setGlyphFont(canvas_, book_);
    const std::optional<GlyphFrame> frame = glyphFrame(canvas_, book_, cell, character);
    if (!frame) return 0;
    const QFontMetricsF metrics(twipsFont(canvas_));
    const double inkTop = metrics.ascent() + metrics.tightBoundingRect(character).top();
    return std::max(0.0, frame->y - cell.top + inkTop * frame->scaleY);
}

}  // namespace zige
