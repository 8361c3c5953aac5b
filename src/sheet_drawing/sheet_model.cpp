// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_drawing/sheet_model.h"

#include <algorithm>

#include "core/numbers.h"
#include "sheet_drawing/paper_fit.h"
#include "sheet_drawing/pinyin_band.h"

namespace zige {

namespace {

SheetAxis axis(const SheetModel& m, LayoutValue count, LayoutValue size, LayoutValue gap,
               LayoutValue before, LayoutValue after) {
    return {toInt32(m.text(count)), toInt32(m.text(size)), toInt32(m.text(gap)),
            toInt32(m.text(before)), toInt32(m.text(after))};
}

}  // namespace

SheetAxis SheetModel::across() const {
    if (inMillimetres(*this)) return millimetreLayout(copybook).across;
    using enum LayoutValue;
    return axis(*this, Columns, CellWidth, ColumnGap, LeftMargin, RightMargin);
}

SheetAxis SheetModel::down() const {
    if (inMillimetres(*this)) return millimetreLayout(copybook).down;
    using enum LayoutValue;
    SheetAxis down = axis(*this, Rows, CellHeight, RowGap, TopMargin, BottomMargin);
    // Pinyin bands sit in the gap above each row: it grows to their room, the top margin too.
    const std::int32_t room = pinyinBandRoom(copybook, down.size);
    down.gap = std::max(down.gap, room);
    down.before = std::max(down.before, room);
    return down;
}

}  // namespace zige
