// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_drawing/school_grids.h"

#include <QLineF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <span>

#include "canvas/canvas.h"
#include "core/twips.h"
#include "sheet_drawing/sheet_cell.h"
#include "views/grid_styles.h"

namespace zige {

namespace {

using F = Frac;

constexpr double kOuterWeight = 0.3 * kTwipsPerMillimetre;
constexpr double kInnerWeight = 0.15 * kTwipsPerMillimetre;

// The 回宫格's inner box takes the middle half of each side. In the 3500 characters of the
// common-characters table's first level, each centred at 80 % of the cell in the three free
// CJK faces, the median character has 52 % (Zen Hei) to 72 % (Kai) of its ink inside such a
// box and the square that holds half the ink has a side of 0.41 to 0.49 of the cell's: the
// box marks the crowded centre (中宫) where a character's weight gathers. At 0.6 or more it
// would hold 75 % to 99 %, nearly the whole character, and tell the learner nothing.
constexpr Segment kHuiGongBox[] = {
    {F::Quarter, F::Quarter, F::ThreeQuarters, F::Quarter},
    {F::Quarter, F::Quarter, F::Quarter, F::ThreeQuarters},
    {F::Quarter, F::ThreeQuarters, F::ThreeQuarters, F::ThreeQuarters},
    {F::ThreeQuarters, F::Quarter, F::ThreeQuarters, F::ThreeQuarters},
};
constexpr std::span<const Segment> kCross = std::span(grid_tables::kOutlineAndCross).subspan(4);
constexpr std::span<const Segment> kDiagonals = std::span(grid_tables::kRiceDashDot).subspan(2);

// Dashes of about 1.5 mm with 1 mm between, stretched so that the line starts and ends with a
// dash and holds an odd number of them: centre lines cross on a dash, and a line keeps its
// pattern whatever the cell's size.
TwipsPen dashedPen(ColorValue color, double length) {
    constexpr double kDash = 1.5 * kTwipsPerMillimetre, kGap = 1.0 * kTwipsPerMillimetre;
    const double dashes =
        std::max(1.0, 2 * std::round(((length + kGap) / (kDash + kGap) - 1) / 2) + 1);
    const double stretch = length / (dashes * kDash + (dashes - 1) * kGap);
    return {color, kInnerWeight, kDash * stretch, kGap * stretch};
}

void strokeSegments(Canvas& canvas, const SheetCell& cell, std::span<const Segment> segments,
                    ColorValue color, double weight, bool dashed) {
    for (const Segment& s : segments) {
        const QLineF line(cell.x(s.x1), cell.y(s.y1), cell.x(s.x2), cell.y(s.y2));
        QPainterPath path(line.p1());
        path.lineTo(line.p2());
        canvas.strokePath(path, dashed ? dashedPen(color, line.length()) : TwipsPen{color, weight});
    }
}

}  // namespace

bool isSchoolGrid(CellGrid grid) {
    return grid == CellGrid::Tian || grid == CellGrid::Rice || grid == CellGrid::HuiGong ||
           grid == CellGrid::Square;
}

void drawSchoolGrid(Canvas& canvas, const SheetCell& cell, CellGrid grid, ColorValue color) {
    // The inner lines first, so that the outer square lies whole over their ends.
    if (grid == CellGrid::Tian || grid == CellGrid::Rice)
        strokeSegments(canvas, cell, kCross, color, kInnerWeight, true);
    if (grid == CellGrid::Rice) strokeSegments(canvas, cell, kDiagonals, color, kInnerWeight, true);
    if (grid == CellGrid::HuiGong)
        strokeSegments(canvas, cell, kHuiGongBox, color, kInnerWeight, false);
    strokeSegments(canvas, cell, grid_tables::kOutline, color, kOuterWeight, false);
}

}  // namespace zige
