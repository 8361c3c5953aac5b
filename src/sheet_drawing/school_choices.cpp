// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_drawing/school_choices.h"

namespace zige {

QPageSize pageSize(PaperSize paper) {
    switch (paper) {
        case PaperSize::A3:
            return QPageSize(QPageSize::A3);
        case PaperSize::A5:
            return QPageSize(QPageSize::A5);
        case PaperSize::B5:
            return QPageSize(QPageSize::B5);
        case PaperSize::Letter:
            return QPageSize(QPageSize::Letter);
        default:
            return QPageSize(QPageSize::A4);
    }
}

QSizeF paperMillimetres(const SchoolSettings& s) {
    const QSizeF size = pageSize(s.paper).size(QPageSize::Millimeter);
    return s.landscape ? size.transposed() : size;
}

QString paperName(const SchoolSettings& s) {
    return nameOf(kPaperSizes, s.paper).option +
           (s.landscape ? QStringLiteral(" 横向") : QStringLiteral(" 纵向"));
}

ColorValue gridColorValue(GridColor color) {
    switch (color) {
        case GridColor::Green:
            return rgb(0, 150, 70);
        case GridColor::Black:
            return rgb(0, 0, 0);
        case GridColor::Grey:
            return rgb(140, 140, 140);
        default:
            return rgb(230, 0, 0);
    }
}

void applyPreset(Preset preset, CopybookSettings& settings) {
    SchoolSettings& s = settings.school;
    s.millimetres = true;
    s.paper = PaperSize::A4;
    s.landscape = false;
    s.columnGap = 0;
    s.margin = 150;
    s.fit = GlyphFit::Centred;
    s.traceStyle = TraceStyle::Fill;
    s.wholeRows = false;
    s.pageNumbers = true;
    settings.models = 1;
    if (preset == Preset::FirstGrade) {
        // A first-grade exercise book: 15 mm 田字格 in red, a little room between the rows,
        // one model and three red copies to trace, and a line for the pupil's name.
        s.cell = 150;
        s.rowGap = 40;
        s.share = 80;
        s.gridColor = GridColor::Red;
        s.nameLine = true;
        settings.grid = CellGrid::Tian;
        settings.traces = 3;
        settings.tint = TraceTint::Red;
        settings.lightness = 80;
    } else {
        // Practice for adults: larger 米字格 in grey, rows touching as on a practice sheet.
        s.cell = 200;
        s.rowGap = 0;
        s.share = 85;
        s.gridColor = GridColor::Grey;
        s.nameLine = false;
        settings.grid = CellGrid::Rice;
        settings.traces = 3;
        settings.tint = TraceTint::Grey;
        settings.lightness = 85;
    }
}

}  // namespace zige
