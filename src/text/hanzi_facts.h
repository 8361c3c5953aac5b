// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace zige {

// What the Unihan table says about one hanzi of GB2312.
struct HanziFacts {
    // Pinyin with tone marks as Unihan writes it: "zì"; "a" has the neutral tone.
    QString reading;
    // The radical as an ideograph (U+5B50 子), its number among the 214 Kangxi radicals, and
    // whether it is that radical's simplified form (长 is radical 168' 长, not 168 長).
    char32_t radical;
    int radicalNumber;
    bool simplifiedRadical;
    int strokes;
};

// The facts of `character`, or nothing for a character outside the table (anything that is not
// one of the 6763 hanzi of GB2312: letters, symbols, the empty codes of zone 55, GBK additions).
// Cheap enough to call at every redraw: the table is read once, then each call is a binary search.
std::optional<HanziFacts> hanziFacts(char32_t character);

}  // namespace zige
