// SPDX-License-Identifier: GPL-3.0-or-later
// The practice text's helpers: typed pinyin read and printed with tone marks, a character's
// readings, and practice-text files in UTF-8 or GB18030.
#include <QtTest>

#include "text/hanzi_facts.h"
#include "text/pinyin.h"
#include "text/text_file.h"

using namespace zige;

class PinyinTest : public QObject {
    Q_OBJECT

private slots:
    // Each typed syllable (the row's name) as printed, then its letters and tone; "-" for no
    // syllable.
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

    void readingOf() {
        QCOMPARE((QList<bool>{isReadingOf(u"chang2", U'长'), isReadingOf(u"ZHǍNG", U'长'),
                              isReadingOf(u"heng2", U'行'), isReadingOf(u"chang3", U'长'),
                              isReadingOf(u"a", U'A')}),
                 (QList<bool>{true, true, true, false, false}));
    }

    // The same text as GB18030 bytes (one character beyond GBK in four bytes) and as UTF-8
    // with and without a byte order mark; bytes valid in neither give nothing.
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
