#include "sheet_drawing/sheet_layout.h"

#include "canvas/canvas.h"
#include "core/numbers.h"
#include "views/grid_styles.h"

namespace zige {

namespace {

// A cell for the quick-grid pattern: fractions are taken of the size in sheet units, then
// turned into twips, so thirds and cuts land where the printed sheet expects them.
struct SheetCell {
    double left, top;  // twips
    double w, h;       // sheet units
    double x(Frac f) const { return left + along(w, f) * kSheetUnit; }
    double y(Frac f) const { return top + along(h, f) * kSheetUnit; }
};

// A printed cell: one pen colour, 1 pixel, dotted light lines over a light-yellow band.
const QuickGridPens kCellPens{kSystemActiveCaption, rgb(255, 255, 192), 1, Canvas::Dot};

}  // namespace

std::int32_t SheetAxis::extentUnits() const {
    return checkedAdd(checkedAdd(checkedAdd(checkedMul(count, size), after), before),
                      checkedMul(checkedSub(count, 1), gap));
}

qint64 SheetLayout::cells() const {
    return across.count > 0 && down.count > 0 ? qint64(across.count) * down.count : 0;
}

void drawSheet(Canvas& canvas, const SheetLayout& layout, std::int32_t rows) {
    const double u = kSheetUnit;
    const SheetAxis& a = layout.across;
    const SheetAxis& d = layout.down;
    if (rows < 0) rows = d.count;
    canvas.Cls();
    double x = a.before * u;
    double y = d.before * u;
    // Column by column, each from top to bottom; no row means no cell in any column.
    const std::int32_t columns = rows > 0 ? a.count : 0;
    for (std::int32_t i = 1; i <= columns; ++i) {
        for (std::int32_t j = 1; j <= rows; ++j) {
            SheetCell cell{x, y, double(a.size), double(d.size)};
            drawQuickGrid(canvas, cell, kCellPens);
            y = y + d.size * u + d.gap * u;
        }
        x = x + a.size * u + a.gap * u;
        y = d.before * u;
    }
}

}  // namespace zige
