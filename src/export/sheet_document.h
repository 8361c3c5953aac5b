// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPageLayout>
#include <cstdint>
#include <functional>

#include "core/progress.h"
#include "sheet_drawing/copybook.h"
#include "sheet_drawing/page_furniture.h"
#include "sheet_drawing/sheet_colors.h"
#include "sheet_drawing/sheet_layout.h"

namespace zige {

class Canvas;
struct SheetModel;

// What the outputs print: one or more sheet pages, each a sheet of cells with its own layout.
// The plain sheet has one; a copybook as many as its rows need, and each may run over several
// sheets of paper.
struct SheetDocument {
    int pageCount = 0;
    // The layout of sheet page `page` (0-based).
    std::function<SheetLayout(int page)> layout;
    // Clears `canvas` and draws rows firstRow .. firstRow + rows - 1 (0-based) of sheet page
    // `page` as a sheet of `rows` rows: the top margin, those rows, the bottom margin.
    std::function<void(Canvas& canvas, int page, std::int32_t firstRow, std::int32_t rows)> draw;
    // Draws what an output page carries besides its cells (a title, a name line, its number)
    // over the `rows` rows of sheet page `page` that `draw` drew last; empty when nothing.
    std::function<void(Canvas& canvas, int page, std::int32_t rows, PageNumber number)> furnish;
    // The paper of its PDF pages and printout, from the paper's corner.
    QPageLayout paper;
};

// The sheet of `layout` in `colors`: plain cells on one page when `copybook` has no rows, else
// the copybook on as many pages as its rows need.
SheetDocument sheetDocument(const SheetLayout& layout, const Copybook& copybook,
                            const SheetColors& colors);
// `model`'s sheet in its colours, with its copybook. Throws StepFailed for a layout text that is
// no number.
SheetDocument sheetDocument(const SheetModel& model);

// One sheet of paper: rows firstRow .. firstRow + rows - 1 of sheet page `sheetPage`.
struct PaperPage {
    int sheetPage;
    std::int32_t firstRow;
    std::int32_t rows;
    bool operator==(const PaperPage&) const = default;
};

// How many rows of `layout` go on paper `paperHeight` twips high: as many as fit between the
// top and bottom margins, at least one. A row taller than the paper still gets a page of its
// own and is cut at the paper's bottom edge.
std::int32_t rowsPerPaperPage(const SheetLayout& layout, double paperHeight);

// The sheets of paper `document` needs, in order. Every one starts with the top margin and
// breaks between rows, never through a cell; a sheet page without rows still takes one.
QList<PaperPage> paperPages(const SheetDocument& document, double paperHeight);

}  // namespace zige
