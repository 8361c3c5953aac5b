// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace zige {

// What the Unihan table says about one hanzi of GB2312.
struct HanziFacts {
    // Pinyin with tone marks as Unihan writes it: "zì"; "a" has the neutral tone. `reading` is
    // the usual one, shown where one reading is wanted (长 zhǎng); `readings` are all of them,
    // that one first, then the others of the two dictionaries Unihan cites, in their order
    // (长 zhǎng, cháng; 行 xíng, háng, hàng, xìng, héng).
    QString reading;
    QStringList readings;
    // The radical as an ideograph (U+5B50 子), its number among the 214 Kangxi radicals, and
    // whether it is that radical's simplified form (长 is radical 168' 长, not 168 長).
    char32_t radical;
    int radicalNumber;
    bool simplifiedRadical;
    int strokes;
    // Its number in the common-characters table (通用规范汉字表, 2013), or 0 outside it.
    int commonNumber;
};

// The facts of `character`, or nothing for a character outside the table (anything that is not
// one of the 6763 hanzi of GB2312: letters, symbols, the empty codes of zone 55, GBK additions).
// Cheap enough to call at every redraw: the table is indexed once, then each call is a binary
// search and the reading of one line.
std::optional<HanziFacts> hanziFacts(char32_t character);

// Every reading the table gives, each once, in no particular order.
QStringList allReadings();

// The common-characters table has three levels: level 1 is its numbers 1–3500, level 2
// 3501–6500, level 3 6501–8105. The size of `level`, or 0 for no level.
int commonLevelSize(int level);

// The characters of `level` whose places within the level lie in first..last, in the table's
// order: level 2, 1..100 are the table's numbers 3501–3600. Places beyond the level are ignored.
// Only characters of GB2312 are given, so a range holding others gives fewer characters than it
// spans: level 1 lacks two (啰 2286, 瞭 3401), levels 2 and 3 lack many.
QString commonCharacters(int level, int first, int last);

}  // namespace zige
