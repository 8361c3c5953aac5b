// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPainterPath>
#include <QString>
#include <optional>

#include "canvas/colors.h"

namespace zige {

class Canvas;
struct Copybook;
struct SheetCell;

// Where a character is printed in a cell: the Print position in twips, and how far the font
// at the canvas's size is stretched each way.
struct GlyphFrame {
    double x, y;
    double scaleX, scaleY;
};

// Sets the canvas's print font to `book`'s face and size.
void setGlyphFont(Canvas& canvas, const Copybook& book);
// The canvas's print font, its size in twips (20 to the point) rather than points.
QFont twipsFont(Canvas& canvas);

// How `character`, in the canvas's print font, sits in `cell` as `book` places it: the main
// window's grid box mapped onto the cell, or the font's em box centred in the cell at the
// chosen share of its side, the character at its own advance across. Nothing for a grid box
// of no size.
std::optional<GlyphFrame> glyphFrame(Canvas& canvas, const Copybook& book, const SheetCell& cell,
                                     const QString& character);

// Prints `character` in `cell` in `color`, placed as `book` says.
void printInCell(Canvas& canvas, const Copybook& book, const SheetCell& cell,
                 const QString& character, ColorValue color);

// A copy of `character` to trace over, in `book`'s tracing style: pale and filled, its
// outline alone (a thin line from the font's own outline, a vector path on a page), or both.
void drawTrace(Canvas& canvas, const Copybook& book, const SheetCell& cell,
               const QString& character);
// `outline`, in twips, as `book`'s tracing style paints a copy: filled pale, a thin line along
// it, or both.
void paintTrace(Canvas& canvas, const Copybook& book, const QPainterPath& outline);

}  // namespace zige
