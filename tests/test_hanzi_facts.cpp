// SPDX-License-Identifier: GPL-3.0-or-later
// The Unihan table as the program reads it: reading, radical and strokes of the GB2312 hanzi.
// Unihan itself is read where Debian's unicode-data is installed.
#include <QHash>
#include <QProcess>
#include <QtTest>

#include "text/hanzi_facts.h"

using namespace zige;

namespace {

// "zì 39 子 6", the facts in the table's own notation so that a mismatch prints readably, or
// "nothing".
QString summary(char32_t character) {
    const std::optional<HanziFacts> f = hanziFacts(character);
    if (!f) return "nothing";
    return f->reading + ' ' + QString::number(f->radicalNumber) +
           (f->simplifiedRadical ? "' " : " ") + QString::fromUcs4(&f->radical, 1) + ' ' +
           QString::number(f->strokes);
}

QString first(const QString& field) { return field.section(' ', 0, 0); }

}  // namespace

class HanziFactsTest : public QObject {
    Q_OBJECT

private slots:
    // 字 and 啊, a simplified radical, and characters below the first entry, between two and
    // beyond the last. Unihan's two readings or stroke counts are checked below for all.
    void facts() {
        QStringList found;
        for (const QString c : {"字", "啊", "长", "A", "丂", "\U00020000"})
            found << summary(c.toUcs4().value(0));
        QCOMPARE(found, (QStringList{"zì 39 子 6", "a 30 口 10", "zhǎng 168' 长 4", "nothing",
                                     "nothing", "nothing"}));
    }

    // Every hanzi of GB2312, by Unihan's own G0 source, has in the table the first value of
    // kMandarin, kRSUnicode and kTotalStrokes and the CJKRadicals ideograph of that radical.
    void agreesWithUnihan() {
        const QString dir = ZIGE_UNICODE_DIR;
        QProcess bzip2;  // both files, one after the other
        bzip2.start("bzip2",
                    {"-dc", dir + "/Unihan_Readings.txt.bz2", dir + "/Unihan_IRGSources.txt.bz2"});
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
        const QList<QByteArray> wanted{"kMandarin", "kRSUnicode", "kTotalStrokes", "kIRG_GSource"};
        for (const QByteArray& line : text.split('\n')) {
            const QList<QByteArray> f = line.split('\t');
            if (f.size() != 3 || !wanted.contains(f[1])) continue;
            unihan[f[0]][f[1]] = QString::fromUtf8(f[2]);
            if (f[1] == "kIRG_GSource" && f[2].startsWith("G0-")) gb2312.append(f[0]);
        }
        QCOMPARE(gb2312.size(), 6763);

        QStringList expected, actual;
        for (const QByteArray& code : gb2312) {
            const QHash<QByteArray, QString>& fields = unihan[code];
            const QString number = first(fields["kRSUnicode"]).section('.', 0, 0);
            expected << code + ' ' + first(fields["kMandarin"]) + ' ' + number + ' ' +
                            radicals[number] + ' ' + first(fields["kTotalStrokes"]);
            actual << code + ' ' + summary(code.mid(2).toUInt(nullptr, 16));
        }
        QCOMPARE(actual, expected);
    }
};

QTEST_MAIN(HanziFactsTest)
#include "test_hanzi_facts.moc"
