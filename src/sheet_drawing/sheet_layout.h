// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <cstdint>

namespace zige {

class Canvas;
struct Copybook;
struct SheetColors;

// One sheet unit: 216 of them span an A4 page width of 11907 twips.
inline constexpr double kSheetUnit = 11907.0 / 216;

// The most cells a sheet draws (the lists alone give at most 2500), so a typed 5000 columns
// neither exhausts memory nor freezes the window.
inline constexpr qint64 kMaxSheetCells = 40000;

// One direction of the sheet in layout units (sheet units unless said otherwise): `count` cells
// of `size` with `gap` between them, `before` the first and `after` the last (left and right,
// or top and bottom).
struct SheetAxis {
    std::int32_t count = 0;
    std::int32_t size = 0;
    std::int32_t gap = 0;
    std::int32_t before = 0;
    std::int32_t after = 0;
    double unit = kSheetUnit;  // twips per layout unit

    // count x size + after + before + (count - 1) x gap, in that order in 32 bits; throws
    // StepFailed on overflow.
    std::int32_t extentUnits() const;
    double extentTwips() const { return extentUnits() * unit; }
};

struct SheetLayout {
    SheetAxis across;  // columns
    SheetAxis down;    // rows

    qint64 cells() const;
};

// Rows of a sheet drawn onto one canvas: `count` rows from row `first` (from 0), or all of them
// when `count` is negative. The first of them is drawn right after the top margin, so a sheet
// split over pages starts each page like the sheet itself.
struct SheetRows {
    std::int32_t first = 0;
    std::int32_t count = -1;
};

// Clears `canvas` to the paper colour and draws the cells of `rows`, column by column, each
// column from top to bottom, in `colors`. Plain quick-grid cells; or, with a copybook that has
// rows, sheet number `sheet` of it: each row a character or a word in models and pale copies, in
// the copybook's cell grid. Throws StepFailed for a font size the platform refuses.
void drawSheet(Canvas& canvas, const SheetLayout& layout, const SheetColors& colors,
               SheetRows rows = {}, const Copybook* copybook = nullptr, int sheet = 0);

}  // namespace zige
