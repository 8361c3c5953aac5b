// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zige {

class Canvas;
struct Copybook;
struct SchoolSettings;
struct SheetColors;
struct SheetLayout;

struct SheetAxis;

// The room the header's lines take and the footer's, in hundredths of a millimetre: a title
// line, a 姓名 班级 日期 line, a page number.
int headerRoom(const SchoolSettings& s);
int footerRoom(const SchoolSettings& s);
// The room the header needs above the first row of `down`, in twips: its lines, and below
// them the gap every row has above it, so that what is printed over a row (its pinyin) never
// runs into the header. 0 without a header.
double headerAbove(const SchoolSettings& s, const SheetAxis& down);

// Which page of an output a page is, from 1: of the sheets of paper in a PDF or printout, of
// the images in a set of PNG or BMP files.
struct PageNumber {
    int number;
    int total;
};

// What `book` prints on every page besides its cells, in the chosen font's family: the title
// and the name line in the room above the first row, "第 1 页 / 共 N 页" below the last, on a
// page of `layout` that shows `rows` rows. A part the margin has no room for is left out.
void drawPageFurniture(Canvas& canvas, const SheetLayout& layout, std::int32_t rows,
                       const Copybook& book, const SheetColors& colors, PageNumber page);

}  // namespace zige
