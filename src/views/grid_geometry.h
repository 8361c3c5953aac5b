// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

namespace zige {

// The fractions of a grid box's side that the grids use, each evaluated the one way the
// drawings need (halves as e / 2, thirds as e / 3 and (e / 3) * 2, and so on).
enum class Frac {
    Zero,
    ThreeTenths,
    Quarter,
    Third,
    Half,
    TwoThirds,
    SevenTenths,
    ThreeQuarters,
    One
};

constexpr double along(double extent, Frac f) {
    switch (f) {
        case Frac::Zero:
            return 0;
        case Frac::ThreeTenths:
            return (3.0 / 10.0) * extent;
        case Frac::Quarter:
            return extent / 4;
        case Frac::Third:
            return extent / 3;
        case Frac::Half:
            return extent / 2;
        case Frac::TwoThirds:
            return (extent / 3) * 2;
        case Frac::SevenTenths:
            return (7.0 / 10.0) * extent;
        case Frac::ThreeQuarters:
            return (extent / 4) * 3;
        case Frac::One:
            return extent;
    }
    return 0;
}

// A line from (x1, y1) to (x2, y2), in fractions of the grid box.
struct Segment {
    Frac x1, y1, x2, y2;
};

// Draws the segments in order; `box` maps fractions to twips with x(Frac) and y(Frac), and each
// end point goes to the surface in single precision.
template <typename Surface, typename Box>
void drawSegments(Surface& surface, Box& box, std::span<const Segment> segments) {
    for (const Segment& s : segments) {
        const float x1 = static_cast<float>(box.x(s.x1));
        const float y1 = static_cast<float>(box.y(s.y1));
        const float x2 = static_cast<float>(box.x(s.x2));
        const float y2 = static_cast<float>(box.y(s.y2));
        surface.Line(x1, y1, x2, y2);
    }
}

}  // namespace zige
