// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

#include "canvas/colors.h"

namespace zige {

class Canvas;
struct CopybookSettings;
struct SheetCell;

// Whether rows get the band of four lines for pinyin above their cells (四线三格): pinyin written
// that way, or dictation, which is nothing but pinyin.
bool hasPinyinBands(const CopybookSettings& settings);
// Whether each model gets today's small label instead.
bool hasSimplePinyin(const CopybookSettings& settings);

// The room the band needs above each row of cells `cellHeight` high, in the same layout units:
// 0 without bands. The layout makes the gap above every row, the top margin included, at least
// this high.
std::int32_t pinyinBandRoom(const CopybookSettings& settings, std::int32_t cellHeight);

// The band of four lines above a cell, three equal spaces, and a syllable in it as pupils write
// it: letters in the middle space, ascenders up into the top one, descenders down into the
// bottom one, tone marks above the letters, centred over the cell.
class PinyinBand {
public:
    explicit PinyinBand(ColorValue lineColor);

    // The band over `cell`, with `reading` in `color` when it is not "".
    void draw(Canvas& canvas, const SheetCell& cell, const QString& reading,
              ColorValue color) const;
    // The face pinyin is written in, whatever the desktop's: Andika (fonts-sil-andika), made for
    // reading and writing lessons, whose a and g are the school forms ɑ and ɡ while the text
    // stays a and g; else DejaVu Sans; else "", the Chinese face.
    const QString& family() const { return family_; }

private:
    ColorValue lineColor_;
    QString family_;
    double xHeight_;  // of the face, a fraction of its size
};

}  // namespace zige
