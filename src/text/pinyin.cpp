// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/pinyin.h"

#include <QSet>
#include <algorithm>
#include <iterator>

#include "text/hanzi_facts.h"

namespace zige {

namespace {

// The combining tone marks of tones 1 to 4: macron, acute, caron, grave.
constexpr char16_t kToneMarks[] = {u'\u0304', u'\u0301', u'\u030C', u'\u0300'};
constexpr char16_t kDiaeresis = u'\u0308';  // the dots of ü

// Takes a typed syllable apart without asking whether its letters make a syllable. Works on the
// decomposed form, where a tone mark is a character of its own after its vowel.
std::optional<PinyinSyllable> takeApart(QStringView typed) {
    QString text = typed.toString().toLower().normalized(QString::NormalizationForm_D);
    text.replace(QStringLiteral("u:"), QStringLiteral("u\u0308"));
    text.replace(QLatin1Char('v'), QStringLiteral("u\u0308"));
    int tone = 0;
    if (!text.isEmpty() && text.back() >= u'1' && text.back() <= u'5') {
        tone = text.back().digitValue();
        text.chop(1);
    }
    QString letters;
    for (const QChar c : text) {
        const auto mark = std::find(std::begin(kToneMarks), std::end(kToneMarks), c.unicode());
        if (mark != std::end(kToneMarks)) {
            if (tone) return std::nullopt;  // a second tone
            tone = int(mark - std::begin(kToneMarks)) + 1;
        } else if ((c >= u'a' && c <= u'z') || (c == kDiaeresis && letters.endsWith(u'u'))) {
            letters += c;
        } else {
            return std::nullopt;
        }
    }
    if (letters.isEmpty()) return std::nullopt;
    letters = letters.normalized(QString::NormalizationForm_C);
    if (QStringView(u"jqxy").contains(letters.front())) letters.replace(u'ü', u'u');
    return PinyinSyllable{letters, tone ? tone : 5};
}

// The letters of every reading in our table: the syllables the program can meet, which keeps a
// typed word that merely looks like pinyin ("ok", "hello") from counting as one.
const QSet<QString>& syllables() {
    static const QSet<QString> all = [] {
        QSet<QString> letters;
        for (const QString& reading : allReadings())
            if (const std::optional<PinyinSyllable> syllable = takeApart(reading))
                letters.insert(syllable->letters);
        return letters;
    }();
    return all;
}

// Where the mark goes in the decomposed letters: a or e, else the o of ou, else the last vowel,
// else the m or n of a syllable without one.
qsizetype toneMarkPlace(const QString& letters) {
    for (const QStringView first : {u"a", u"e", u"ou"})
        if (const qsizetype at = letters.indexOf(first); at >= 0) return at;
    for (qsizetype at = letters.size() - 1; at >= 0; --at)
        if (QStringView(u"iou").contains(letters[at])) return at;
    return std::max(letters.indexOf(u'm'), letters.indexOf(u'n'));
}

}  // namespace

std::optional<PinyinSyllable> pinyinSyllable(QStringView typed) {
    std::optional<PinyinSyllable> syllable = takeApart(typed);
    if (!syllable || !syllables().contains(syllable->letters)) return std::nullopt;
    return syllable;
}

std::optional<QString> markedPinyin(QStringView typed) {
    const std::optional<PinyinSyllable> syllable = pinyinSyllable(typed);
    if (!syllable) return std::nullopt;
    if (syllable->tone == 5) return syllable->letters;
    QString letters = syllable->letters.normalized(QString::NormalizationForm_D);
    qsizetype at = toneMarkPlace(letters) + 1;
    if (at < letters.size() && letters[at] == kDiaeresis) ++at;  // after the dots of ü
    letters.insert(at, QChar(kToneMarks[syllable->tone - 1]));
    return letters.normalized(QString::NormalizationForm_C);
}

}  // namespace zige
