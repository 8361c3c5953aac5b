// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/colors.h"

namespace zige {

// A pen measured on paper: width and dashes in twips whatever the resolution, for lines that
// print at a set weight (a school grid's 0.3 mm border) rather than one screen pixel wide.
struct TwipsPen {
    ColorValue color = 0;
    double width = 15;  // twips
    // Dashed when `dash` is more than 0: `dash` twips of ink, then `gap` twips of paper, from
    // the start of the line.
    double dash = 0;
    double gap = 0;
};

}  // namespace zige
