// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "views/grid_geometry.h"

namespace zige {

// A cell of a sheet for the grid patterns: fractions are taken of the size in layout units,
// then turned into twips, so thirds and cuts land where the printed sheet expects them.
struct SheetCell {
    double left, top;     // twips
    double w, h;          // layout units
    double unitX, unitY;  // twips per layout unit across and down
    double x(Frac f) const { return left + along(w, f) * unitX; }
    double y(Frac f) const { return top + along(h, f) * unitY; }
    double width() const { return w * unitX; }
    double height() const { return h * unitY; }
};

}  // namespace zige
