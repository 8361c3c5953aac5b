// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_drawing/copybook_cells.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

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
    : canvas_(canvas), book_(book), colors_(colors), pens_(pens) {}

bool CopybookCells::isEmpty() const { return book_.isEmpty(); }

void CopybookCells::draw(const SheetCell& cell, qint64 row, int column, double spaceAbove) {
    const CopybookRow* practice = row < book_.rows.size() ? &book_.rows[row] : nullptr;
    const int models = book_.settings.models, traces = book_.settings.traces;
    const bool tracedToTheEnd = book_.settings.school.wholeRows;
    drawPractice(cell, practice,
                 !practice                                    ? Copy::None
                 : column < models                            ? Copy::Model
                 : tracedToTheEnd || column < models + traces ? Copy::Trace
                                                              : Copy::None,
                 spaceAbove);
}

void CopybookCells::drawPractice(const SheetCell& cell, const CopybookRow* row, Copy copy,
                                 double spaceAbove) {
    const CellGrid grid = book_.settings.grid;
    if (grid == CellGrid::Quick) drawQuickGridBand(canvas_, cell, pens_);
    if (copy == Copy::Trace) drawTrace(canvas_, book_, cell, row->character);
    if (grid == CellGrid::Quick) {
        drawQuickGridLines(canvas_, cell, pens_);
    } else if (isSchoolGrid(grid)) {
        drawSchoolGrid(canvas_, cell, grid, gridColorValue(book_.settings.school.gridColor));
    } else if (const GridStyle* style = cellGridStyle(grid)) {
        canvas_.ForeColor = pens_.line;
        canvas_.DrawWidth = 1;
        drawGrid(canvas_, cell, *style);
    }
    if (copy == Copy::Model) {
        printGlyph(cell, row->character, colors_.ink);
        if (book_.settings.pinyin)
            printPinyin(cell, row->pinyin, spaceAbove, glyphInkTop(cell, row->character));
    }
}

void CopybookCells::printGlyph(const SheetCell& cell, const QString& character, ColorValue color) {
    printInCell(canvas_, book_, cell, character, color);
}

void CopybookCells::printPinyin(const SheetCell& cell, const QString& reading, double spaceAbove,
                                double inkTop) {
    if (reading.isEmpty()) return;
    const double room = std::max(spaceAbove, inkTop);
    const double height = std::min(room * 0.8, cell.height() * 0.25);
    constexpr double kSmallestReadable = 120;  // twips: 6 points
    if (height < kSmallestReadable) return;
    canvas_.FontName = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    canvas_.FontSize = float(height / 20 / 1.2);  // points, leaving the line's leading
    QFont font = canvas_.printFont();
    font.setPixelSize(std::max(1, int(std::lround(canvas_.FontSize * 20))));
    const QFontMetricsF metrics(font);
    const double textHeight = metrics.height();
    // Close over the cell when above it; centred in the free band when inside.
    canvas_.CurrentY = spaceAbove >= inkTop ? cell.top - std::min(spaceAbove, textHeight * 1.1)
                                            : cell.top + (inkTop - textHeight) / 2;
    canvas_.ForeColor = colors_.ink;
    canvas_.CurrentX = cell.left + (cell.width() - metrics.horizontalAdvance(reading)) / 2;
    canvas_.Print(reading);
}

double CopybookCells::glyphInkTop(const SheetCell& cell, const QString& character) {
    const GlyphPlacement& p = book_.placement;
    canvas_.FontName = p.fontName;
    canvas_.FontSize = p.pointSize;
    const std::optional<GlyphFrame> frame = glyphFrame(canvas_, book_, cell, character);
    if (!frame) return 0;
    const QFontMetricsF metrics(twipsFont(canvas_));
    const double inkTop = metrics.ascent() + metrics.tightBoundingRect(character).top();
    return std::max(0.0, frame->y - cell.top + inkTop * frame->scaleY);
}

}  // namespace zige
