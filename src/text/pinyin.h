// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace zige {

// One pinyin syllable taken apart: its letters in lower case without the tone mark, ü written
// ü ("lü", "zhuang", "ng"), and its tone, 1 to 4, or 5 for the neutral tone.
struct PinyinSyllable {
    QString letters;
    int tone;

    bool operator==(const PinyinSyllable&) const = default;
};

// Reads one typed syllable in any case, with a tone mark ("cháng") or a tone number after it
// ("chang2"), or neither for the neutral tone ("a", "a5"). v and u: stand for ü ("lv4", "lu:4",
// "lü4"); after j, q, x and y ü is written u ("jv3" is ju 3). Nothing when it is no syllable:
// not letters with one tone, or letters that are no reading of any character in our table.
std::optional<PinyinSyllable> pinyinSyllable(QStringView typed);

// The syllable as it is printed, its tone mark on a or e, else on the o of ou, else on the last
// vowel (liú, guì), or on m or n where there is no vowel (ńg); in composed form, as Unihan writes
// readings. Nothing for no syllable, as above.
std::optional<QString> markedPinyin(QStringView typed);

}  // namespace zige
