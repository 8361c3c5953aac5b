// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/practice_text.h"

#include <QRegularExpression>
#include <QSet>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <optional>
#include <utility>

#include "text/hanzi_facts.h"
#include "text/pinyin.h"

namespace zige {

namespace {

// A reading in ASCII or full-width brackets: Latin letters with their marks, "u:" for ü, and a
// tone number, spaces allowed inside the brackets.
const QRegularExpression& readingInBrackets() {
    static const QRegularExpression brackets(
        QStringLiteral("[(\\x{FF08}]\\s*([A-Za-z:\\x{00C0}-\\x{024F}\\x{0300}-\\x{036F}]+[1-5]?)"
                       "\\s*[)\\x{FF09}]"));
    return brackets;
}

std::optional<HanziFacts> factsOf(const QString& character) {
    const QList<uint> codes = character.toUcs4();
    return codes.size() == 1 ? hanziFacts(codes[0]) : std::nullopt;
}

}  // namespace

bool isPracticeSeparator(char32_t c) { return QChar::isSpace(c) || c == U'\uFEFF'; }

bool isHanzi(const QString& character) {
    const QList<uint> codes = character.toUcs4();
    return !codes.isEmpty() && QChar::script(codes[0]) == QChar::Script_Han;
}

QList<TypedWord> typedWords(const QString& text) {
    QList<TypedWord> words;
    TypedWord word;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype start = 0, end; start < text.size(); start = end) {
        finder.setPosition(start);
        end = finder.toNextBoundary();
        if (end <= start) end = text.size();
        const QString cluster = text.sliced(start, end - start);
        const QList<uint> codes = cluster.toUcs4();
        if (std::all_of(codes.begin(), codes.end(), isPracticeSeparator)) {
            if (!word.isEmpty()) words.append(std::exchange(word, {}));
            continue;
        }
        TypedCharacter typed{cluster, QString(), start, end};
        // Only a bracket opens a reading, and a reading is short: the expression is matched
        // against the few characters after the hanzi, never the whole text, which it would
        // check afresh each time.
        if (isHanzi(cluster) && end < text.size() &&
            (text[end] == QLatin1Char('(') || text[end] == QChar(0xFF08))) {
            constexpr qsizetype kLongestBrackets = 64;
            const QRegularExpressionMatch reading = readingInBrackets().match(
                QStringView(text).sliced(end, std::min(kLongestBrackets, text.size() - end)), 0,
                QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
            if (reading.hasMatch()) {
                typed.reading = reading.captured(1);
                typed.end = end += reading.capturedEnd();
            }
        }
        word.append(typed);
    }
    if (!word.isEmpty()) words.append(word);
    return words;
}

ShownReading shownReading(const QString& character, const QString& typed) {
    const std::optional<HanziFacts> facts = factsOf(character);
    if (typed.isEmpty()) return {facts ? facts->reading : QString(), true};
    const std::optional<QString> marked = markedPinyin(typed);
    if (!marked || !facts) return {marked.value_or(typed), false};
    // In a word a syllable may lose its tone (朋友 péngyou): the neutral tone of one of its
    // readings is one of its own.
    const std::optional<PinyinSyllable> syllable = pinyinSyllable(*marked);
    const bool own =
        std::any_of(facts->readings.begin(), facts->readings.end(), [&](const QString& reading) {
            if (reading == *marked) return true;
            const std::optional<PinyinSyllable> toned = pinyinSyllable(reading);
            return syllable->tone == 5 && toned && toned->letters == syllable->letters;
        });
    return {*marked, own};
}

HanziOnly keepHanzi(const QString& text) {
    HanziOnly kept;
    qsizetype from = 0;  // the end of what has been looked at
    bool apart = false;  // something was left out since the last hanzi or separator
    for (const TypedWord& word : typedWords(text)) {
        for (const TypedCharacter& c : word) {
            if (c.position > from) {  // separators, kept as they are
                kept.text += QStringView(text).sliced(from, c.position - from);
                apart = false;
            }
            from = c.end;
            if (!isHanzi(c.character)) {
                kept.leftOut.append(c.character);
                apart = true;
                continue;
            }
            if (std::exchange(apart, false) && !kept.text.isEmpty()) kept.text += QLatin1Char(' ');
            kept.text += QStringView(text).sliced(c.position, c.end - c.position);
        }
    }
    kept.text += QStringView(text).sliced(from);
    return kept;
}

TableChoice tableCharacters(int level, int first, int last, const QString& text, bool onlyNew) {
    TableChoice choice;
    QSet<QString> present;
    if (onlyNew)
        for (const TypedWord& word : typedWords(text))
            for (const TypedCharacter& c : word) present.insert(c.character);
    const QList<uint> codes = commonCharacters(level, first, last).toUcs4();
    const int size = commonLevelSize(level);
    choice.outside = std::max(0, std::min(last, size) - std::max(first, 1) + 1) - int(codes.size());
    QStringList added;
    for (const char32_t code : codes) {
        const QString character = QString::fromUcs4(&code, 1);
        if (present.contains(character))
            ++choice.present;
        else
            added.append(character);
    }
    choice.characters = added.join(QLatin1Char(' '));
    choice.added = int(added.size());
    return choice;
}

}  // namespace zige
