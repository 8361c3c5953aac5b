// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zige {

// Paper for the copybook's PDF pages, printout and, laid out in millimetres, its images.
enum class PaperSize { A4, A3, A5, B5, Letter };
// The colour of the grids drawn as schools print them.
enum class GridColor { Red, Green, Black, Grey };
// How a copy to trace over is drawn: filled pale (描红), its outline alone (空心), or both.
enum class TraceStyle { Fill, Outline, Both };
// Where a character sits in its cell: as in the main window's grid box, or its em box centred.
enum class GlyphFit { GridBox, Centred };
// The ready-made settings a user starts from.
enum class Preset { FirstGrade, Adult };

// Lengths of a millimetre layout are kept in tenths of a millimetre; these are their limits.
inline constexpr int kSmallestCell = 80, kLargestCell = 400;
inline constexpr int kWidestGap = 200, kWidestMargin = 500;
// How large a centred character may be, in percent of its cell's side.
inline constexpr int kSmallestShare = 50, kLargestShare = 100;

// How a copybook is set out as schools hand it out: in millimetres on a chosen paper, grids in
// a printed colour and weight, traces filled or hollow, a header and page numbers. Its defaults
// change nothing: the layout of the sheet window's lists, A4, the grid box's placement.
struct SchoolSettings {
    bool millimetres = false;  // the layout below, not the sheet window's ten lists
    int cell = 150;            // a cell's side, tenths of a millimetre
    int columnGap = 0;
    int rowGap = 40;
    int margin = 150;  // the least room between the paper's edges and what is printed
    PaperSize paper = PaperSize::A4;
    bool landscape = false;
    GridColor gridColor = GridColor::Red;
    TraceStyle traceStyle = TraceStyle::Fill;
    bool wholeRows = false;  // each character a row of models and traces, then a blank row
    GlyphFit fit = GlyphFit::GridBox;
    int share = 80;  // a centred character's em, in percent of the cell's side
    QString title;
    bool nameLine = false;  // 姓名 ____ 班级 ____ 日期 ____
    bool pageNumbers = false;

    bool operator==(const SchoolSettings&) const = default;
};

}  // namespace zige
