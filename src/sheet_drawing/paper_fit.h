// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

#include "sheet_drawing/sheet_layout.h"

namespace zige {

struct CopybookSettings;
struct SheetModel;

// The unit of a millimetre layout: a hundredth of a millimetre, which holds every paper size
// exactly and splits spare room evenly.
inline constexpr double kHundredthMillimetre = 1440.0 / 2540;

// Cells of `cell` with `gap` between them along `extent`, inside `margin` at both ends and
// `reservedBefore` and `reservedAfter` more (a header, a footer): as many as fit, the room
// left over split evenly before and after them, so that the axis spans `extent` exactly. All
// lengths in hundredths of a millimetre.
SheetAxis fitAxis(int extent, int margin, int reservedBefore, int reservedAfter, int cell, int gap);

// The sheet of `c` laid out in millimetres on its paper: the paper itself, the cells at their
// exact size, as many columns and rows as fit inside the margins, the header and footer and
// the pinyin bands over the rows.
SheetLayout millimetreLayout(const CopybookSettings& c);

// Whether `model` is a copybook laid out in millimetres: it has a text and asks for it.
bool inMillimetres(const SheetModel& model);

// How far a sheet may reach past the paper's edge, in millimetres: the default sheet's 11907
// twips are 0.03 mm wider than A4, and nothing of a cell is lost in that.
inline constexpr double kOverhang = 0.1;

// How `model`'s sheet meets its paper. Throws StepFailed for a layout text that is no number.
struct PaperFit {
    QString paper;  // as the user reads it: "A4 纵向"; the plain sheet's is A4
    bool millimetres;
    std::int32_t columns, rows;     // on one page
    double sheetWidth, paperWidth;  // millimetres
    std::int32_t columnsFitting;    // the most columns of this layout the paper takes
    bool headerFits, footerFits;    // in the margins, when laid out in sheet units

    bool tooWide() const { return sheetWidth > paperWidth + kOverhang; }
};
PaperFit paperFit(const SheetModel& model);

}  // namespace zige
