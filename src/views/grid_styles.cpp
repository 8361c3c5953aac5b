#include "views/grid_styles.h"

namespace zige {

namespace {

using F = Frac;

// The outline, in the order every grid starts with: top, left, bottom, right.
#define ZIGE_OUTLINE                                                                        \
    {F::Zero, F::Zero, F::One, F::Zero}, {F::Zero, F::Zero, F::Zero, F::One},               \
        {F::Zero, F::One, F::One, F::One}, {F::One, F::Zero, F::One, F::One}

const Segment kOutline[] = {ZIGE_OUTLINE};

const Segment kRiceDashDot[] = {
    {F::Zero, F::Half, F::One, F::Half},  // horizontal centre
    {F::Half, F::Zero, F::Half, F::One},  // vertical centre
    {F::Zero, F::Zero, F::One, F::One},   // diagonal down
    {F::Zero, F::One, F::One, F::Zero},   // diagonal up
};

const Segment kNineDashDot[] = {
    {F::Third, F::Zero, F::Third, F::One},
    {F::TwoThirds, F::Zero, F::TwoThirds, F::One},
    {F::Zero, F::Third, F::One, F::Third},
    {F::Zero, F::TwoThirds, F::One, F::TwoThirds},
};

const Segment kEightSolid[] = {
    ZIGE_OUTLINE,
    {F::Half, F::Zero, F::Half, F::One},  // vertical centre
    {F::Zero, F::Half, F::One, F::Half},  // horizontal centre
};

const Segment kEightDashDot[] = {
    {F::ThreeTenths, F::ThreeTenths, F::ThreeTenths, F::SevenTenths},  // inner square
    {F::SevenTenths, F::ThreeTenths, F::SevenTenths, F::SevenTenths},
    {F::ThreeTenths, F::ThreeTenths, F::SevenTenths, F::ThreeTenths},
    {F::ThreeTenths, F::SevenTenths, F::SevenTenths, F::SevenTenths},
    {F::Zero, F::ThreeTenths, F::ThreeTenths, F::Zero},  // corner cuts
    {F::SevenTenths, F::Zero, F::One, F::ThreeTenths},
    {F::Zero, F::SevenTenths, F::ThreeTenths, F::One},
    {F::SevenTenths, F::One, F::One, F::SevenTenths},
};

}  // namespace

const GridStyle kRiceGrid{kOutline, kRiceDashDot};
const GridStyle kNineSquareGrid{kOutline, kNineDashDot};
const GridStyle kEightTrigramGrid{kEightSolid, kEightDashDot};

const Segment kQuickGridHeavy[6] = {
    ZIGE_OUTLINE,
    {F::Half, F::Zero, F::Half, F::One},
    {F::Zero, F::Half, F::One, F::Half},
};

const Segment kQuickGridLight[8] = {
    {F::Third, F::Zero, F::Third, F::One},
    {F::TwoThirds, F::Zero, F::TwoThirds, F::One},
    {F::Zero, F::Third, F::One, F::Third},
    {F::Zero, F::TwoThirds, F::One, F::TwoThirds},
    {F::Zero, F::ThreeTenths, F::ThreeTenths, F::Zero},  // upper corner cuts at 3/10
    {F::SevenTenths, F::Zero, F::One, F::ThreeTenths},
    {F::Zero, F::ThreeQuarters, F::Quarter, F::One},  // lower corner cuts at a quarter
    {F::ThreeQuarters, F::One, F::One, F::ThreeQuarters},
};

#undef ZIGE_OUTLINE

}  // namespace zige
