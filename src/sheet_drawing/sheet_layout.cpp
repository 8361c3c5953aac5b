// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_drawing/sheet_layout.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <optional>

#include "canvas/canvas.h"
#include "core/numbers.h"
#include "sheet_drawing/copybook.h"
#include "sheet_drawing/sheet_colors.h"
#include "views/character_views.h"
#include "views/grid_styles.h"

namespace zige {

namespace {

// A cell for the grid patterns: fractions are taken of the size in sheet units, then turned
// into twips, so thirds and cuts land where the printed sheet expects them.
struct SheetCell {
    double left, top;  // twips
    double w, h;       // sheet units
    double x(Frac f) const { return left + along(w, f) * kSheetUnit; }
    double y(Frac f) const { return top + along(h, f) * kSheetUnit; }
    double width() const { return w * kSheetUnit; }
    double height() const { return h * kSheetUnit; }
};

// A printed cell: one pen colour, 1 pixel, dotted light lines over a light-yellow band.
QuickGridPens cellPens(const SheetColors& colors) {
    return {colors.line, colors.band, 1, Canvas::Dot};
}

const GridStyle* cellGridStyle(CellGrid grid) {
    switch (grid) {
        case CellGrid::Tian:
            return &kTianGrid;
        case CellGrid::Rice:
            return &kRiceGrid;
        case CellGrid::NineSquare:
            return &kNineSquareGrid;
        case CellGrid::EightTrigram:
            return &kEightTrigramGrid;
        default:
            return nullptr;
    }
}

// What one cell of a copybook row holds.
enum class Copy { None, Model, Trace };

class CopybookCells {
public:
    CopybookCells(Canvas& canvas, const Copybook& book, const SheetColors& colors)
        : canvas_(canvas), book_(book), colors_(colors), pens_(cellPens(colors)) {}

    // The grid under the glyph; pale copies go between the band and the lines, so the lines
    // stay visible through them, the model on top of everything as in the main window's views.
    void draw(SheetCell& cell, const CopybookRow* row, Copy copy, double spaceAbove) {
        const CellGrid grid = book_.settings.grid;
        if (grid == CellGrid::Quick) drawQuickGridBand(canvas_, cell, pens_);
        if (copy == Copy::Trace) printGlyph(cell, row->character, book_.traceColor());
        if (grid == CellGrid::Quick) {
            drawQuickGridLines(canvas_, cell, pens_);
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

private:
    // The main window's grid box mapped onto the cell: the glyph keeps its place against the
    // grid lines, stretched as the cell's sides are to the box's.
    void printGlyph(const SheetCell& cell, const QString& character, ColorValue color) {
        const GlyphPlacement& p = book_.placement;
        const QRectF& box = p.gridBox;
        canvas_.ForeColor = color;
        canvas_.FontName = p.fontName;
        canvas_.FontSize = p.pointSize;
        canvas_.FontBold = false;
        if (!(box.width() > 0) || !(box.height() > 0))
            return;  // a box of no size maps onto no cell
        canvas_.CurrentX = cell.left + (kPrintPosition - box.left()) * (cell.width() / box.width());
        canvas_.CurrentY = cell.top + (kPrintPosition - box.top()) * (cell.height() / box.height());
        canvas_.PrintScaled(character, cell.width() / box.width(), cell.height() / box.height());
    }

    // Small, centred over the cell: in the space above it when that is the larger room, else in
    // the cell above the glyph's ink; never over a stroke, and left out where neither room
    // takes a readable size.
    void printPinyin(const SheetCell& cell, const QString& reading, double spaceAbove,
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

    // How far below the cell's top the model glyph's ink begins, in twips.
    double glyphInkTop(const SheetCell& cell, const QString& character) {
        const GlyphPlacement& p = book_.placement;
        if (!(p.gridBox.height() > 0)) return 0;
        canvas_.FontName = p.fontName;
        canvas_.FontSize = p.pointSize;
        QFont font = canvas_.printFont();
        font.setPixelSize(std::max(1, int(std::lround(p.pointSize * 20))));
        const QFontMetricsF metrics(font);
        const double scale = cell.height() / p.gridBox.height();
        const double inkTop = metrics.ascent() + metrics.tightBoundingRect(character).top();
        return std::max(0.0, (kPrintPosition - p.gridBox.top() + inkTop) * scale);
    }

    Canvas& canvas_;
    const Copybook& book_;
    const SheetColors& colors_;
    const QuickGridPens pens_;
};

}  // namespace

std::int32_t SheetAxis::extentUnits() const {
    return checkedAdd(checkedAdd(checkedAdd(checkedMul(count, size), after), before),
                      checkedMul(checkedSub(count, 1), gap));
}

qint64 SheetLayout::cells() const {
    return across.count > 0 && down.count > 0 ? qint64(across.count) * down.count : 0;
}

void drawSheet(Canvas& canvas, const SheetLayout& layout, const SheetColors& colors, SheetRows rows,
               const Copybook* copybook, int sheet) {
    const double u = kSheetUnit;
    const SheetAxis& a = layout.across;
    const SheetAxis& d = layout.down;
    const std::int32_t count = rows.count < 0 ? d.count : rows.count;
    const QuickGridPens pens = cellPens(colors);
    canvas.BackColor = colors.paper;
    canvas.Cls();
    double x = a.before * u;
    double y = d.before * u;
    if (copybook && copybook->isEmpty()) copybook = nullptr;
    std::optional<CopybookCells> book;
    if (copybook) book.emplace(canvas, *copybook, colors);
    // Column by column, each from top to bottom; no row means no cell in any column.
    const std::int32_t columns = count > 0 ? a.count : 0;
    for (std::int32_t i = 1; i <= columns; ++i) {
        for (std::int32_t j = 1; j <= count; ++j) {
            SheetCell cell{x, y, double(a.size), double(d.size)};
            if (!book) {
                drawQuickGrid(canvas, cell, pens);
            } else {
                const qint64 index = qint64(sheet) * d.count + rows.first + j - 1;
                const CopybookRow* row =
                    index < copybook->rows.size() ? &copybook->rows[index] : nullptr;
                const int models = copybook->settings.models, traces = copybook->settings.traces;
                const Copy copy = !row                   ? Copy::None
                                  : i <= models          ? Copy::Model
                                  : i <= models + traces ? Copy::Trace
                                                         : Copy::None;
                book->draw(cell, row, copy, (j == 1 ? d.before : d.gap) * u);
            }
            y = y + d.size * u + d.gap * u;
        }
        x = x + a.size * u + a.gap * u;
        y = d.before * u;
    }
}

}  // namespace zige
