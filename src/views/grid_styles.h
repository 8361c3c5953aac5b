#pragma once

#include <span>

#include "surface/colors.h"
#include "surface/picture_box.h"
#include "views/grid_geometry.h"

namespace zige {

// A grid drawn in red lines: the solid ones first, then the dash-dot ones.
struct GridStyle {
    std::span<const Segment> solid;
    std::span<const Segment> dashDot;
};

extern const GridStyle kRiceGrid;          // 米字格
extern const GridStyle kNineSquareGrid;    // 九宫格
extern const GridStyle kEightTrigramGrid;  // 八卦格

// The quick grid's figures, shared by the main window's fourth view and the sheet's cells:
// outline and centre cross, thirds and four corner cuts (the lower two at a quarter).
extern const Segment kQuickGridHeavy[6];
extern const Segment kQuickGridLight[8];

template <typename Box>
void drawGrid(PictureBox& surface, Box& box, const GridStyle& grid) {
    surface.DrawStyle = PictureBox::Solid;
    drawSegments(surface, box, grid.solid);
    surface.DrawStyle = PictureBox::DashDot;
    drawSegments(surface, box, grid.dashDot);
}

// How a quick grid is inked: the view uses red with a 2-pixel outline and dash-dot light lines
// over a pale blue band; a printed cell uses one pen colour, 1 pixel, dotted, light yellow.
struct QuickGridPens {
    ColorValue line;
    ColorValue bandFill;
    int heavyWidth;
    int lightStyle;
};

// The centre band, filled, outlined in the light style; then the heavy lines, then the light.
template <typename Box>
void drawQuickGrid(PictureBox& surface, Box& box, const QuickGridPens& pens) {
    surface.DrawStyle = pens.lightStyle;
    surface.DrawWidth = 1;
    surface.FillStyle = PictureBox::FillSolid;
    surface.FillColor = pens.bandFill;
    surface.ForeColor = pens.line;
    const float left = static_cast<float>(box.x(Frac::Third));
    const float top = static_cast<float>(box.y(Frac::Zero));
    const float right = static_cast<float>(box.x(Frac::TwoThirds));
    const float bottom = static_cast<float>(box.y(Frac::One));
    surface.LineBox(left, top, right, bottom, pens.line);
    surface.FillStyle = PictureBox::FillTransparent;

    surface.DrawStyle = PictureBox::Solid;
    surface.DrawWidth = pens.heavyWidth;
    drawSegments(surface, box, kQuickGridHeavy);

    surface.DrawWidth = 1;
    surface.DrawStyle = pens.lightStyle;
    drawSegments(surface, box, kQuickGridLight);
}

}  // namespace zige
