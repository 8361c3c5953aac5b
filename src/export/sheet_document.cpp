// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/sheet_document.h"

#include <algorithm>
#include <cmath>

#include "canvas/canvas.h"
#include "export/paper_layout.h"
#include "sheet_drawing/sheet_model.h"

namespace zige {

SheetDocument sheetDocument(const SheetLayout& layout, const Copybook& copybook,
                            const SheetColors& colors) {
    SheetDocument document;
    document.layout = [layout](int) { return layout; };
    document.paper = paperLayout(copybook);
    if (copybook.isEmpty()) {
        document.pageCount = 1;
        // All rows are alike, so any run of rows is drawn as the first ones.
        document.draw = [layout, colors](Canvas& canvas, int, std::int32_t, std::int32_t rows) {
            drawSheet(canvas, layout, colors, {0, rows});
        };
    } else {
        document.pageCount = copybook.sheetCount(layout.down.count);
        document.draw = [layout, copybook, colors](Canvas& canvas, int page, std::int32_t firstRow,
                                                   std::int32_t rows) {
            drawSheet(canvas, layout, colors, {firstRow, rows}, &copybook, page);
        };
        const SchoolSettings& school = copybook.settings.school;
        if (headerRoom(school) + footerRoom(school) > 0)
            document.furnish = [layout, copybook, colors](Canvas& canvas, int, std::int32_t rows,
                                                          PageNumber number) {
                drawPageFurniture(canvas, layout, rows, copybook, colors, number);
            };
    }
    return document;
}

SheetDocument sheetDocument(const SheetModel& model) {
    return sheetDocument(model.layout(), buildCopybook(model), model.colors);
}

std::int32_t rowsPerPaperPage(const SheetLayout& layout, double paperHeight) {
    const SheetAxis& d = layout.down;
    const std::int32_t rows = std::max(d.count, 1);
    // n rows take base + n x step sheet units: margins, cells and the gaps between them.
    const double base = double(d.before) + d.after - d.gap;
    const double step = double(d.size) + d.gap;
    if (step <= 0) return rows;  // more rows take no more room
    if (!std::isfinite(paperHeight)) return 1;
    // A hair of tolerance, so a sheet that fits the paper exactly is not broken by rounding.
    const auto fits = [&](std::int32_t n) {
        return (base + n * step) * d.unit <= paperHeight + 1e-6;
    };
    std::int32_t n = std::int32_t(
        std::clamp(std::floor((paperHeight / d.unit - base) / step), 1.0, double(rows)));
    while (n < rows && fits(n + 1)) ++n;
    while (n > 1 && !fits(n)) --n;
    return n;
}

QList<PaperPage> paperPages(const SheetDocument& document, double paperHeight) {
    QList<PaperPage> pages;
    for (int page = 0; page < document.pageCount; ++page) {
        const SheetLayout layout = document.layout(page);
        const std::int32_t rows = std::max(layout.down.count, 0);
        const std::int32_t perPage = rowsPerPaperPage(layout, paperHeight);
        std::int32_t first = 0;
        do {
            const std::int32_t n = std::min(perPage, rows - first);
            pages.append({page, first, n});
            first += n;
        } while (first < rows);
    }
    return pages;
}

}  // namespace zige
