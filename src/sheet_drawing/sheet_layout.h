#pragma once

#include <QtGlobal>
#include <cstdint>

namespace zige {

class Canvas;

// One sheet unit: 216 of them span an A4 page width of 11907 twips.
inline constexpr double kSheetUnit = 11907.0 / 216;

// The most cells a sheet draws (the lists alone give at most 2500), so a typed 5000 columns
// neither exhausts memory nor freezes the window.
inline constexpr qint64 kMaxSheetCells = 40000;

// One direction of the sheet in sheet units: `count` cells of `size` with `gap` between them,
// `before` the first and `after` the last (left and right, or top and bottom).
struct SheetAxis {
    std::int32_t count = 0;
    std::int32_t size = 0;
    std::int32_t gap = 0;
    std::int32_t before = 0;
    std::int32_t after = 0;

    // count x size + after + before + (count - 1) x gap, in that order in 32 bits; throws
    // StepFailed on overflow.
    std::int32_t extentUnits() const;
    double extentTwips() const { return extentUnits() * kSheetUnit; }
};

struct SheetLayout {
    SheetAxis across;  // columns
    SheetAxis down;    // rows

    qint64 cells() const;
};

// Clears `canvas` and draws `rows` rows of quick-grid cells (all of them when negative), column
// by column, each column from top to bottom, the first row after the top margin.
void drawSheet(Canvas& canvas, const SheetLayout& layout, std::int32_t rows = -1);

}  // namespace zige
