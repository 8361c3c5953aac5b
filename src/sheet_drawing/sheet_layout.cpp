// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_drawing/sheet_layout.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "canvas/canvas.h"
#include "core/numbers.h"
#include "sheet_drawing/copybook.h"
#include "sheet_drawing/copybook_cells.h"
#include "sheet_drawing/sheet_cell.h"
#include "sheet_drawing/sheet_colors.h"
#include "views/grid_styles.h"

namespace zige {

namespace {

// A printed cell: one pen colour, 1 pixel, dotted light lines over a light-yellow band.
QuickGridPens cellPens(const SheetColors& colors) {
    return {colors.line, colors.band, 1, Canvas::Dot};
}

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
    const SheetAxis& a = layout.across;
    const SheetAxis& d = layout.down;
    const std::int32_t count = rows.count < 0 ? d.count : rows.count;
    const QuickGridPens pens = cellPens(colors);
    canvas.BackColor = colors.paper;
    canvas.Cls();
    double x = a.before * a.unit;
    double y = d.before * d.unit;
    std::optional<CopybookCells> book;
    if (copybook && !copybook->isEmpty()) book.emplace(canvas, *copybook, colors, pens);
    // Column by column, each from top to bottom; no row means no cell in any column.
    const std::int32_t columns = count > 0 ? a.count : 0;
    for (std::int32_t i = 1; i <= columns; ++i) {
        for (std::int32_t j = 1; j <= count; ++j) {
            const SheetCell cell{x, y, double(a.size), double(d.size), a.unit, d.unit};
            if (!book) {
                drawQuickGrid(canvas, cell, pens);
            } else {
                book->draw(cell, qint64(sheet) * d.count + rows.first + j - 1, i - 1,
                           (j == 1 ? d.before : d.gap) * d.unit);
            }
            y = y + d.size * d.unit + d.gap * d.unit;
        }
        x = x + a.size * a.unit + a.gap * a.unit;
        y = d.before * d.unit;
    }
}

}  // namespace zige
