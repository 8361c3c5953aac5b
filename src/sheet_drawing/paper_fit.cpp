// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_drawing/paper_fit.h"

#include <algorithm>
#include <cmath>

#include "core/twips.h"
#include "sheet_drawing/page_furniture.h"
#include "sheet_drawing/pinyin_band.h"
#include "sheet_drawing/school_choices.h"
#include "sheet_drawing/sheet_model.h"

namespace zige {

SheetAxis fitAxis(int extent, int margin, int reservedBefore, int reservedAfter, int cell,
                  int gap) {
    const int room = extent - 2 * margin - reservedBefore - reservedAfter;
    const int count = cell > 0 && room >= cell ? (room + gap) / (cell + gap) : 0;
    const int used = count > 0 ? count * cell + (count - 1) * gap : 0;
    const int before = margin + reservedBefore + std::max(0, room - used) / 2;
    return {count, cell, count > 0 ? gap : 0, before, extent - before - used, kHundredthMillimetre};
}

SheetLayout millimetreLayout(const CopybookSettings& c) {
    const SchoolSettings& s = c.school;
    const QSizeF paper = paperMillimetres(s) * 100;
    // Settings are in tenths of a millimetre. The gap between rows is the one finally drawn:
    // whatever is printed over a row (the pinyin band) takes its room there, and over the first
    // row below the header, or below the margin.
    const int margin = s.margin * 10, cell = s.cell * 10;
    const int band = pinyinBandRoom(c, cell), rowGap = std::max(s.rowGap * 10, band);
    const int header = headerRoom(s) > 0 ? headerRoom(s) + rowGap : band;  // as headerAbove()
    return {fitAxis(int(std::lround(paper.width())), margin, 0, 0, cell, s.columnGap * 10),
            fitAxis(int(std::lround(paper.height())), margin, header, footerRoom(s), cell, rowGap)};
}

bool inMillimetres(const SheetModel& model) {
    return model.copybook.school.millimetres && hasPracticeText(model.copybook.text);
}

PaperFit paperFit(const SheetModel& model) {
    const SchoolSettings& s = model.copybook.school;
    const SheetLayout layout = model.layout();
    const SheetAxis& a = layout.across;
    const SheetAxis& d = layout.down;
    const SchoolSettings& paper = hasPracticeText(model.copybook.text) ? s : SchoolSettings();
    const double paperWidth = paperMillimetres(paper).width();
    // n columns take before + after - gap + n x (size + gap) units.
    const double step = double(a.size) + a.gap;
    const double room =
        (paperWidth + kOverhang) * kTwipsPerMillimetre / a.unit - a.before - a.after + a.gap;
    const std::int32_t fitting =
        step > 0 ? std::int32_t(std::clamp(std::floor(room / step), 0.0, 1e9)) : a.count;
    const auto millimetres = [](double units, double unit) {
        return units * unit / kTwipsPerMillimetre;
    };
    return {paperName(paper),
            inMillimetres(model),
            a.count,
            d.count,
            millimetres(a.extentUnits(), a.unit),
            paperWidth,
            fitting,
            d.before * d.unit >= headerAbove(s, d),
            millimetres(d.after, d.unit) * 100 >= footerRoom(s)};
}

}  // namespace zige
