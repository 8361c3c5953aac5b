// The Unihan table as the program reads it: reading, radical and strokes of the GB2312 hanzi.
// Unihan itself is read where Debian's unicode-data is installed.
#include <QHash>
#include <QProcess>
#include <QtTest>

#include "text/hanzi_facts.h"

using namespace zige;

namespace {

// "zì 39 子 6", the facts in the table's own notation, so a mismatch prints readably.
QString summary(const HanziFacts& f) {
    return f.reading + ' ' + QString::number(f.radicalNumber) + (f.simplifiedRadical ? "' " : " ") +
           QString::fromUcs4(&f.radical, 1) + ' ' + QString::number(f.strokes);
}

QByteArray unpack(const QString& path) {
    QProcess bzip2;
    bzip2.start("bzip2", {"-dc", path});
    bzip2.waitForFinished(-1);
    return bzip2.exitCode() == 0 ? bzip2.readAllStandardOutput() : QByteArray();
}

QString first(const QString& field) { return field.section(' ', 0, 0); }

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
        QTest::newRow("字") << "字" << "zì 39 子 6";
        QTest::newRow("neutral tone") << "啊" << "a 30 口 10";
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

    // Every hanzi of GB2312, by Unihan's own G0 source, has in the table the first value of
    // kMandarin, kRSUnicode and kTotalStrokes and the CJKRadicals ideograph of that radical.
    void agreesWithUnihan() {
        const QString dir = ZIGE_UNICODE_DIR;
        const QByteArray text =
            unpack(dir + "/Unihan_Readings.txt.bz2") + unpack(dir + "/Unihan_IRGSources.txt.bz2");
        QFile radicalsFile(dir + "/CJKRadicals.txt");
        if (text.isEmpty() || !radicalsFile.open(QIODevice::ReadOnly))
            QSKIP("unicode-data or bzip2 is not installed");

        QHash<QString, QString> radicals;  // "120'" -> "纟"
        for (const QString& line : QString::fromUtf8(radicalsFile.readAll()).split('\n')) {
            const QStringList fields = line.split("; ");
            const char32_t ideograph = fields.value(2).toUInt(nullptr, 16);
            if (fields.size() == 3 && !line.startsWith('#'))
                radicals.insert(fields[0], QString::fromUcs4(&ideograph, 1));
        }
        QHash<QByteArray, QHash<QByteArray, QString>> unihan;  // "U+5B57" -> field -> value
        QList<QByteArray> gb2312;
        const QList<QByteArray> wanted{"kMandarin", "kRSUnicode", "kTotalStrokes", "kIRG_GSource"};
        for (const QByteArray& line : text.split('\n')) {
            const QList<QByteArray> f = line.split('\t');
            if (f.size() != 3 || !wanted.contains(f[1])) continue;
            unihan[f[0]][f[1]] = QString::fromUtf8(f[2]);
            if (f[1] == "kIRG_GSource" && f[2].startsWith("G0-")) gb2312.append(f[0]);
        }
        QCOMPARE(gb2312.size(), 6763);

        QStringList mismatches;
        for (const QByteArray& code : gb2312) {
            const QHash<QByteArray, QString>& fields = unihan[code];
            const QString rs = first(fields["kRSUnicode"]), number = rs.section('.', 0, 0);
            const QString expected = first(fields["kMandarin"]) + ' ' + number + ' ' +
                                     radicals[number] + ' ' + first(fields["kTotalStrokes"]);
            const std::optional<HanziFacts> found = hanziFacts(code.mid(2).toUInt(nullptr, 16));
            const QString actual = found ? summary(*found) : "nothing";
            if (actual != expected)
                mismatches.append(code + ": " + actual + " instead of " + expected);
        }
        QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.mid(0, 10).join('\n')));
    }
};

QTEST_MAIN(HanziFactsTest)
#include "test_hanzi_facts.moc"
