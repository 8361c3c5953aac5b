// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_drawing/pinyin_band.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "canvas/canvas.h"
#include "sheet_drawing/cell_glyph.h"
#include "sheet_drawing/copybook.h"
#include "sheet_drawing/sheet_cell.h"

namespace zige {

namespace {

// The band's four lines span 3/5 of the cell's height and end 1/10 of it above the cell, so the
// pinyin is read with its character and touches neither its cell nor the row above.
constexpr double kBandHeight = 0.6;
constexpr double kBandClearance = 0.1;  // below the band, and at least as much above it
// Letters without ascenders fill this much of the middle space, centred in it.
constexpr double kLetterHeight = 0.85;

QString pinyinFamily() {
    for (const QString& family : {QStringLiteral("Andika"), QStringLiteral("DejaVu Sans")})
        if (QFontDatabase::hasFamily(family)) return family;
    return QString();
}

}  // namespace

bool hasPinyinBands(const CopybookSettings& s) {
    return hasPracticeText(s.text) &&
           (s.dictation || (s.pinyin && s.pinyinStyle == PinyinStyle::Lines));
}

bool hasSimplePinyin(const CopybookSettings& s) {
    return s.pinyin && s.pinyinStyle == PinyinStyle::Simple && !s.dictation;
}

std::int32_t pinyinBandRoom(const CopybookSettings& settings, std::int32_t cellHeight) {
    if (!hasPinyinBands(settings) || cellHeight <= 0) return 0;
    return std::int32_t(std::ceil(cellHeight * (kBandHeight + 2 * kBandClearance)));
}

PinyinBand::PinyinBand(ColorValue lineColor) : lineColor_(lineColor), family_(pinyinFamily()) {
    QFont font(family_);
    font.setPixelSize(1000);
    xHeight_ = QFontMetricsF(font).xHeight() / 1000;
}

void PinyinBand::draw(Canvas& canvas, const SheetCell& cell, const QString& reading,
                      ColorValue color) const {
    const double bottom = cell.top - cell.height() * kBandClearance;
    const double space = cell.height() * kBandHeight / 3;
    const double left = cell.left, right = cell.left + cell.width();
    canvas.DrawStyle = Canvas::Solid;
    canvas.DrawWidth = 1;
    for (int line = 0; line < 4; ++line) {
        const double y = bottom - line * space;
        canvas.Line(float(left), float(y), float(right), float(y), lineColor_);
    }
    if (reading.isEmpty() || !(xHeight_ > 0)) return;

    canvas.FontName = family_;
    canvas.FontBold = false;
    canvas.FontSize = float(kLetterHeight * space / xHeight_ / 20);  // points of 20 twips
    const QFontMetricsF metrics(twipsFont(canvas));
    // Wider than the cell, a syllable is narrowed to it, so each stands over its own character.
    const double width = metrics.horizontalAdvance(reading);
    const double scale = std::min(1.0, cell.width() * 0.95 / width);
    const double baseline = bottom - space - (1 - kLetterHeight) / 2 * space;
    canvas.ForeColor = color;
    canvas.CurrentX = left + (cell.width() - width * scale) / 2;
    canvas.CurrentY = baseline - metrics.ascent();
    if (scale < 1)
        canvas.PrintScaled(reading, scale, 1);
    else
        canvas.Print(reading);
}

}  // namespace zige
