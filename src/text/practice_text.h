// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace zige {

// A character of a practice text as typed: one user-perceived character, and the reading typed
// in brackets right after it, 长(cháng) or 长（chang2）.
struct TypedCharacter {
    QString character;
    QString reading;     // inside the brackets as typed; "" when there are none
    qsizetype position;  // where the character starts in the text
    qsizetype end;       // where it ends in the text, after its brackets when it has them
};
// The characters between two spaces or line breaks.
using TypedWord = QList<TypedCharacter>;

// Whether `c` separates practice characters (a space, a line break, a byte order mark) rather
// than being one.
bool isPracticeSeparator(char32_t c);

// Whether `character` is a hanzi (of the Han script).
bool isHanzi(const QString& character);

// The words of a practice text, each a run of characters between spaces and line breaks. Only
// brackets right after a hanzi holding letters (with tone marks or a tone number) are its
// reading; other brackets are characters like any other.
QList<TypedWord> typedWords(const QString& text);

// The reading shown for `character` when `typed` was typed after it: the typed syllable with its
// tone marks ("chang2" is cháng), or as typed when it is no syllable; with nothing typed, the
// character's usual reading, or "" for a character the table does not hold.
struct ShownReading {
    QString reading;
    bool listed;  // false when typed and neither one of the character's readings in the table
                  // nor the neutral tone of one
};
ShownReading shownReading(const QString& character, const QString& typed);

// A practice text from a file with only its hanzi, their typed readings, spaces and line breaks
// kept; a run of anything else between two hanzi becomes a space, so the words either side stay
// apart.
struct HanziOnly {
    QString text;
    QStringList leftOut;  // what was left out, each time it was
};
HanziOnly keepHanzi(const QString& text);

// Characters of the common-characters table to add to a practice text: `level`'s places
// first..last in the table's order, separated by spaces (so that each is a word of its own when
// words are practised), leaving out those `text` already holds when `onlyNew`.
struct TableChoice {
    QString characters;
    int added = 0;
    int outside = 0;  // places of the range whose character is not one of ours (not GB2312)
    int present = 0;  // left out as already in the text
};
TableChoice tableCharacters(int level, int first, int last, const QString& text, bool onlyNew);

}  // namespace zige
