// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/stroke_options.h"

#include "sheet_drawing/sheet_model.h"

namespace zige {

QList<ModelOption> strokeOptions() {
    return {
        flagOption(QStringLiteral("stroke-order"),
                   QStringLiteral("笔顺：每个字的练习行前一笔一笔写出这个字，新添的一笔是红色"),
                   [](SheetModel& m) { m.copybook.strokes.rows = true; }),
        flagOption(QStringLiteral("stroke-numbers"),
                   QStringLiteral("在范字每一笔的起笔处标上笔顺编号"),
                   [](SheetModel& m) { m.copybook.strokes.numbers = true; }),
        numberOption(QStringLiteral("trace-strokes"),
                     QStringLiteral("描红只描前几笔，其余留给练字的人写；0 是整个字"),
                     StrokeSettings().traceStrokes, 0, kMostStrokes,
                     [](SheetModel& m, int n) { m.copybook.strokes.traceStrokes = n; }),
    };
}

}  // namespace zige
