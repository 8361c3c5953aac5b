// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_drawing/sheet_model.h"

#include "core/numbers.h"
#include "sheet_drawing/paper_fit.h"

namespace zige {

namespace {

SheetAxis axis(const SheetModel& m, LayoutValue count, LayoutValue size, LayoutValue gap,
               LayoutValue before, LayoutValue after) {
    return {toInt32(m.text(count)), toInt32(m.text(size)), toInt32(m.text(gap)),
            toInt32(m.text(before)), toInt32(m.text(after))};
}

}  // namespace

SheetAxis SheetModel::across() const {
    if (inMillimetres(*this)) return millimetreLayout(copybook.school).across;
    using enum LayoutValue;
    return axis(*this, Columns, CellWidth, ColumnGap, LeftMargin, RightMargin);
}

SheetAxis SheetModel::down() const {
    if (inMillimetres(*this)) return millimetreLayout(copybook.school).down;
    using enum LayoutValue;
    return axis(*this, Rows, CellHeight, RowGap, TopMargin, BottomMargin);
}

}  // namespace zige
