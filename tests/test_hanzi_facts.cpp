// SPDX-License-Identifier: GPL-3.0-or-later
// The Unihan table as the program reads it, against Unihan itself where unicode-data is.
#include <QHash>
#include <QProcess>
#include <QtTest>

#include "text/hanzi_facts.h"

using namespace zige;

namespace {

// "zhǎng,cháng 168' 长 4 127", or "nothing".
QString summary(char32_t character) {
    const std::optional<HanziFacts> f = hanziFacts(character);
    if (!f) return "nothing";
    if (f->reading != f->readings.value(0)) return "first reading differs: " + f->reading;
    return f->readings.join(',') + ' ' + QString::number(f->radicalNumber) +
           (f->simplifiedRadical ? "' " : " ") + QString::fromUcs4(&f->radical, 1) + ' ' +
           QString::number(f->strokes) + ' ' +
           (f->commonNumber ? QString::number(f->commonNumber) : "-");
}

QString first(const QString& field) { return field.section(' ', 0, 0); }

}  // namespace

class HanziFactsTest : public QObject {
    Q_OBJECT

private slots:
    // A simplified radical; nothing before the first entry, between two, or after the last.
    void facts() {
        QCOMPARE(summary(U'长'), "zhǎng,cháng 168' 长 4 127");
        for (const char32_t c : {U'A', U'丂', U'\U00020000'}) QCOMPARE(summary(c), "nothing");
    }

    // Every G0 hanzi's readings, radical, strokes and kTGH number; the levels follow kTGH.
    void agreesWithUnihan() {
        const QString dir = ZIGE_UNICODE_DIR;
        QProcess bzip2;  // the three files, one after the other
        bzip2.start("bzip2",
                    {"-dc", dir + "/Unihan_Readings.txt.bz2", dir + "/Unihan_IRGSources.txt.bz2",
                     dir + "/Unihan_OtherMappings.txt.bz2"});
        const QByteArray text = bzip2.waitForFinished(-1) && bzip2.exitCode() == 0
                                    ? bzip2.readAllStandardOutput()
                                    : QByteArray();
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
        const QList<QByteArray> wanted{"kMandarin",  "kXHC1983",      "kHanyuPinyin",
                                       "kRSUnicode", "kTotalStrokes", "kIRG_GSource",
                                       "kTGH"};
        for (const QByteArray& line : text.split('\n')) {
            const QList<QByteArray> f = line.split('\t');
            if (f.size() != 3 || !wanted.contains(f[1])) continue;
            unihan[f[0]][f[1]] = QString::fromUtf8(f[2]);
            if (f[1] == "kIRG_GSource" && f[2].startsWith("G0-")) gb2312.append(f[0]);
        }
        QCOMPARE(gb2312.size(), 6763);

        QStringList expected, actual;
        QMap<int, QString> common;  // kTGH number -> hanzi of GB2312
        for (const QByteArray& code : gb2312) {
            const QHash<QByteArray, QString>& fields = unihan[code];
            QStringList readings{first(fields["kMandarin"])};
            for (const QString& value :
                 (fields["kXHC1983"] + ' ' + fields["kHanyuPinyin"]).split(' ', Qt::SkipEmptyParts))
                for (const QString& reading : value.section(':', 1).split(','))
                    if (!readings.contains(reading)) readings << reading;
            const QString number = first(fields["kRSUnicode"]).section('.', 0, 0);
            const QString tgh = fields.value("kTGH", "-").section(':', 1);
            expected << code + ' ' + readings.join(',') + ' ' + number + ' ' + radicals[number] +
                            ' ' + first(fields["kTotalStrokes"]) + ' ' +
                            (tgh.isEmpty() ? "-" : tgh);
            const char32_t character = code.mid(2).toUInt(nullptr, 16);
            actual << code + ' ' + summary(character);
            if (!tgh.isEmpty()) common.insert(tgh.toInt(), QString::fromUcs4(&character, 1));
        }
        QCOMPARE(actual, expected);

        // Level, places, and the numbers they stand for (3401 and 3501 are not GB2312's).
        const int ranges[][5] = {{1, 1, 100, 1, 100},     {1, 3400, 3600, 3400, 3500},
                                 {2, 1, 100, 3501, 3600}, {3, 1600, 9999, 8100, 8105},
                                 {3, -5, 0, 1, 0},        {4, 1, 10, 1, 0}};
        for (const auto& [level, from, to, firstNumber, lastNumber] : ranges) {
            QString characters;
            for (auto it = common.lowerBound(firstNumber);
                 it != common.end() && it.key() <= lastNumber; ++it)
                characters += it.value();
            QCOMPARE(commonCharacters(level, from, to), characters);
        }
    }
};

QTEST_MAIN(HanziFactsTest)
#include "test_hanzi_facts.moc"
