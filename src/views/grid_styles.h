// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "canvas/canvas.h"
#include "canvas/colors.h"
#include "views/grid_geometry.h"

namespace zige {

namespace grid_tables {

using F = Frac;

// The outline, in the order every grid starts with (top, left, bottom, right), then the centre
// cross (vertical, horizontal).
inline constexpr Segment kOutlineAndCross[] = {
    {F::Zero, F::Zero, F::One, F::Zero}, {F::Zero, F::Zero, F::Zero, F::One},
    {F::Zero, F::One, F::One, F::One},   {F::One, F::Zero, F::One, F::One},
    {F::Half, F::Zero, F::Half, F::One}, {F::Zero, F::Half, F::One, F::Half},
};

// The thirds, then the quick grid's corner cuts: the upper two at 3/10, the lower at a quarter.
inline constexpr Segment kThirdsAndQuickCuts[] = {
    {F::Third, F::Zero, F::Third, F::One},
    {F::TwoThirds, F::Zero, F::TwoThirds, F::One},
    {F::Zero, F::Third, F::One, F::Third},
    {F::Zero, F::TwoThirds, F::One, F::TwoThirds},
    {F::Zero, F::ThreeTenths, F::ThreeTenths, F::Zero},
    {F::SevenTenths, F::Zero, F::One, F::ThreeTenths},
    {F::Zero, F::ThreeQuarters, F::Quarter, F::One},
    {F::ThreeQuarters, F::One, F::One, F::ThreeQuarters},
};

inline constexpr Segment kRiceDashDot[] = {
    {F::Zero, F::Half, F::One, F::Half},  // horizontal centre
    {F::Half, F::Zero, F::Half, F::One},  // vertical centre
    {F::Zero, F::Zero, F::One, F::One},   // diagonal down
    {F::Zero, F::One, F::One, F::Zero},   // diagonal up
};

inline constexpr Segment kEightDashDot[] = {
    {F::ThreeTenths, F::ThreeTenths, F::ThreeTenths, F::SevenTenths},  // inner square
    {F::SevenTenths, F::ThreeTenths, F::SevenTenths, F::SevenTenths},
    {F::ThreeTenths, F::ThreeTenths, F::SevenTenths, F::ThreeTenths},
    {F::ThreeTenths, F::SevenTenths, F::SevenTenths, F::SevenTenths},
    {F::Zero, F::ThreeTenths, F::ThreeTenths, F::Zero},  // corner cuts
    {F::SevenTenths, F::Zero, F::One, F::ThreeTenths},
    {F::Zero, F::SevenTenths, F::ThreeTenths, F::One},
    {F::SevenTenths, F::One, F::One, F::SevenTenths},
};

inline constexpr std::span<const Segment> kOutline = std::span(kOutlineAndCross).first(4);

}  // namespace grid_tables

// A grid drawn in one colour: the solid lines first, then the light ones in their style.
struct GridStyle {
    std::span<const Segment> solid;
    std::span<const Segment> light;
    int lightStyle = Canvas::DashDot;
};

inline constexpr GridStyle kRiceGrid{grid_tables::kOutline, grid_tables::kRiceDashDot};  // 米字格
inline constexpr GridStyle kNineSquareGrid{
    grid_tables::kOutline, std::span(grid_tables::kThirdsAndQuickCuts).first(4)};  // 九宫格
inline constexpr GridStyle kEightTrigramGrid{grid_tables::kOutlineAndCross,
                                             grid_tables::kEightDashDot};  // 八卦格

// The quick grid's figures, shared by the main window's fourth view and the sheet's cells:
// outline and centre cross, thirds and four corner cuts (the lower two at a quarter).
inline constexpr std::span<const Segment> kQuickGridHeavy = grid_tables::kOutlineAndCross;
inline constexpr std::span<const Segment> kQuickGridLight = grid_tables::kThirdsAndQuickCuts;

template <typename Box>
void drawGrid(Canvas& canvas, Box& box, const GridStyle& grid) {
    canvas.DrawStyle = Canvas::Solid;
    drawSegments(canvas, box, grid.solid);
    canvas.DrawStyle = grid.lightStyle;
    drawSegments(canvas, box, grid.light);
}

// How a quick grid is inked: the view uses red with a 2-pixel outline and dash-dot light lines
// over a pale blue band; a printed cell uses one pen colour, 1 pixel, dotted, light yellow.
struct QuickGridPens {
    ColorValue line;
    ColorValue bandFill;
    int heavyWidth;
    int lightStyle;
};

// The centre band, filled, outlined in the light style.
template <typename Box>
void drawQuickGridBand(Canvas& canvas, Box& box, const QuickGridPens& pens) {
    canvas.DrawStyle = pens.lightStyle;
    canvas.DrawWidth = 1;
    canvas.FillStyle = Canvas::FillSolid;
    canvas.FillColor = pens.bandFill;
    canvas.ForeColor = pens.line;
    const float left = static_cast<float>(box.x(Frac::Third));
    const float top = static_cast<float>(box.y(Frac::Zero));
    const float right = static_cast<float>(box.x(Frac::TwoThirds));
    const float bottom = static_cast<float>(box.y(Frac::One));
    canvas.LineBox(left, top, right, bottom, pens.line);
    canvas.FillStyle = Canvas::FillTransparent;
}

// The heavy lines, then the light ones.
template <typename Box>
void drawQuickGridLines(Canvas& canvas, Box& box, const QuickGridPens& pens) {
    canvas.ForeColor = pens.line;
    canvas.DrawStyle = Canvas::Solid;
    canvas.DrawWidth = pens.heavyWidth;
    drawSegments(canvas, box, kQuickGridHeavy);

    canvas.DrawWidth = 1;
    canvas.DrawStyle = pens.lightStyle;
    drawSegments(canvas, box, kQuickGridLight);
}

template <typename Box>
void drawQuickGrid(Canvas& canvas, Box& box, const QuickGridPens& pens) {
    drawQuickGridBand(canvas, box, pens);
    drawQuickGridLines(canvas, box, pens);
}

}  // namespace zige
