// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/colors.h"
#include "sheet_drawing/copybook.h"

namespace zige {

class Canvas;
struct SheetCell;

// Whether `grid` is drawn as school exercise books print it (田字格, 米字格, 回宫格, 方格)
// rather than with the main window's pens.
bool isSchoolGrid(CellGrid grid);

// Draws `grid` in `cell` as printed, in `color`: a solid outer square about 0.3 mm wide and
// inner lines about 0.15 mm, at any cell size and resolution. 田字格 adds a dashed centre
// cross, 米字格 dashed diagonals too, 回宫格 a solid inner box half the cell's side, centred.
void drawSchoolGrid(Canvas& canvas, const SheetCell& cell, CellGrid grid, ColorValue color);

}  // namespace zige
