// The Unihan table as the program reads it: reading, radical and strokes of the GB2312 hanzi.
// That the committed table is what the generator makes of Unihan is checked by CTest beside.
#include <QtTest>

#include "text/hanzi_facts.h"

using namespace zige;

namespace {

// "zì 39 子 6", the facts in the table's own notation, so a mismatch prints readably.
QString summary(const HanziFacts& f) {
    return f.reading + ' ' + QString::number(f.radicalNumber) + (f.simplifiedRadical ? "' " : " ") +
           QString::fromUcs4(&f.radical, 1) + ' ' + QString::number(f.strokes);
}

}  // namespace

class HanziFactsTest : public QObject {
    Q_OBJECT

private slots:
    // What the generator chose where Unihan gives two readings or stroke counts, a simplified
    // radical, and characters below the first entry, between two and beyond the last.
    void facts_data() {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("facts");
        // clang-format off
        QTest::newRow("simplified radical") << "长" << "zhǎng 168' 长 4";
        QTest::newRow("first of two stroke counts") << "范" << "fàn 140 艸 8";
        QTest::newRow("first of two readings") << "万" << "wàn 1 一 3";
        QTest::newRow("letter") << "A" << "nothing";
        QTest::newRow("gbk only") << "丂" << "nothing";
        QTest::newRow("beyond the BMP") << QString::fromUcs4(U"\U00020000") << "nothing";
        // clang-format on
    }
    void facts() {
        QFETCH(QString, character);
        QFETCH(QString, facts);
        const std::optional<HanziFacts> found = hanziFacts(character.toUcs4().value(0));
        QCOMPARE(found ? summary(*found) : "nothing", facts);
    }

    // Every line of the committed table, as the program reads it.
    void readsEveryLine() {
        QFile file(ZIGE_SOURCE_DIR "/data/unihan_table.txt");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts),
                    wrong;
        lines.removeIf([](const QString& line) { return line.startsWith('#'); });
        for (const QString& line : lines) {
            const char32_t character = line.toUcs4().value(0);
            const std::optional<HanziFacts> found = hanziFacts(character);
            if (!found || QString::fromUcs4(&character, 1) + ' ' + summary(*found) != line)
                wrong.append(line);
        }
        QCOMPARE(lines.size(), 6763);
        QCOMPARE(wrong, QStringList());
    }
};

QTEST_MAIN(HanziFactsTest)
#include "test_hanzi_facts.moc"
