// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <cstdint>
#include <functional>

#include "sheet_drawing/copybook.h"
#include "sheet_drawing/sheet_layout.h"

namespace zige {

class Canvas;

// What the outputs print: one or more sheet pages, each a sheet of cells with its own layout.
// The sheet window has one; a document whose cells differ from page to page (characters to
// trace) has several, and each may run over several sheets of paper.
struct SheetDocument {
    int pageCount = 0;
    // The layout of sheet page `page` (0-based).
    std::function<SheetLayout(int page)> layout;
    // Clears `canvas` and draws rows firstRow .. firstRow + rows - 1 (0-based) of sheet page
    // `page` as a sheet of `rows` rows: the top margin, those rows, the bottom margin.
    std::function<void(Canvas& canvas, int page, std::int32_t firstRow, std::int32_t rows)> draw;
};

// The sheet window's document: one page, every row alike.
SheetDocument plainSheet(const SheetLayout& layout);

// A copybook on sheets of `layout`: as many pages as its characters need, a row each.
SheetDocument copybookSheets(const SheetLayout& layout, const Copybook& copybook);

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
