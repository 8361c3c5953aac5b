// SPDX-License-Identifier: GPL-3.0-or-later
// The practice text's helpers: pinyin, typed readings, words, text files, the table's characters.
#include <QtTest>

#include "text/hanzi_facts.h"
#include "text/pinyin.h"
#include "text/practice_text.h"
#include "text/text_file.h"

using namespace zige;

class PinyinTest : public QObject {
    Q_OBJECT

private slots:
    // Each typed syllable (the row's name) as printed, its letters and tone; "-": none.
    void syllables_data() {
        QTest::addColumn<QString>("expected");
        // clang-format off
        const char* const rows[][2] = {
            {"chang2", "cháng chang2"}, {"cháng", "cháng chang2"}, {"CHANG2", "cháng chang2"},
            {"lv4", "lǜ lü4"}, {"lu:e4", "lüè lüe4"}, {"nü3", "nǚ nü3"}, {"jv3", "jǔ ju3"},
            {"er", "er er5"}, {"a5", "a a5"}, {"zhou1", "zhōu zhou1"}, {"liu2", "liú liu2"},
            {"GUI4", "guì gui4"}, {"ng2", "ńg ng2"}, {"xíang", "xiáng xiang2"}, {"chán2", "-"},
            {"cháǹg", "-"}, {"hello", "-"}, {"chang2jiang1", "-"}, {"ma6", "-"}, {"", "-"}};
        // clang-format on
        for (const auto& [typed, expected] : rows) QTest::newRow(typed) << QString(expected);
    }
    void syllables() {
        QFETCH(QString, expected);
        const QString typed = QTest::currentDataTag();
        const std::optional<PinyinSyllable> syllable = pinyinSyllable(typed);
        QCOMPARE(markedPinyin(typed).value_or("-") +
                     (syllable ? ' ' + syllable->letters + QString::number(syllable->tone) : ""),
                 expected);
    }

    // The marks go where Unihan puts them, for every reading of the table.
    void unihanReadingsKeepTheirMarks() {
        QStringList changed;
        for (const QString& reading : allReadings())
            if (markedPinyin(reading) != reading) changed << reading;
        QCOMPARE(changed, QStringList());
    }

    // A text's words, each character with its shown reading; "!": a typed one not its own.
    void typedReadings_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        const char* const rows[][3] = {
            {"chosen", "长(cháng) 长(chang2) 长", "长cháng 长cháng 长zhǎng"},
            {"full-width, spaces", "长（ CHANG2 ）城\n校长", "长cháng城chéng 校xiào长zhǎng"},
            {"not its own", "长(zang3)长(hello)", "长zǎng!长hello!"},
            {"neutral tone in a word", "朋友(you) 友(you5)", "朋péng友you 友you"},
            {"no hanzi before", "A(a1) (ma)", "A(a1) (ma)"},
            {"no reading inside", "长(长)", "长zhǎng(长zhǎng)"}};
        for (const auto& [name, text, shown] : rows)
            QTest::newRow(name) << QString(text) << QString(shown);
    }
    void typedReadings() {
        QFETCH(QString, text);
        QStringList words;
        for (const TypedWord& word : typedWords(text)) {
            QString shown;
            for (const TypedCharacter& c : word) {
                const ShownReading reading = shownReading(c.character, c.reading);
                shown += c.character + reading.reading + (reading.listed ? "" : "!");
            }
            words << shown;
        }
        QTEST(words.join(' '), "shown");
    }

    // A level's places in order, those in the text left out when asked, beyond GB2312 counted.
    void fromTheTable() {
        const TableChoice first = tableCharacters(1, 1, 5, "乙 十(shí)", true);
        QCOMPARE(first.characters, "一 二 丁");
        QCOMPARE((QList<int>{first.added, first.present, first.outside}), (QList<int>{3, 2, 0}));
        QCOMPARE(tableCharacters(1, 1, 5, "乙", false).added, 5);
        const TableChoice late = tableCharacters(1, 3400, 3402, "", false);
        QCOMPARE((QList<int>{late.added, late.outside}), (QList<int>{2, 1}));
    }

    // GB18030 (four bytes beyond GBK) and UTF-8 with or without a mark alike; neither: nothing.
    void textFiles() {
        const QString text = "长(cháng)行𠀀\n";
        QCOMPARE(decodeTextFile("\xB3\xA4(ch\xA8\xA2ng)\xD0\xD0\x95\x32\x82\x36\n"), text);
        QCOMPARE(decodeTextFile(text.toUtf8()), text);
        QCOMPARE(decodeTextFile("\xEF\xBB\xBF" + text.toUtf8()), text);
        QCOMPARE(decodeTextFile(""), QString());
        QCOMPARE(decodeTextFile("caf\xE9 au lait"), std::nullopt);
        QCOMPARE(decodeTextFile("\xB3\xA4\xFF"), std::nullopt);
    }
};

QTEST_MAIN(PinyinTest)
#include "test_pinyin.moc"
