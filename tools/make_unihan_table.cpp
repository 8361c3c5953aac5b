// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the Unihan table data/unihan_table.txt: the readings, radical, total stroke count and
// common-characters table number of each of the 6763 hanzi of GB2312, taken from Unicode's
// Unihan database as Debian's unicode-data installs it.
// Usage: make_unihan_table UNICODE_DIR OUTPUT (UNICODE_DIR: /usr/share/unicode).
// Exits with 77 when the database is not installed, so a test running it can report a skip.
#include <bzlib.h>

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QString>
#include <cstdio>
#include <map>

#include "text/cp936.h"

namespace {

constexpr int kExpected = 6763;
constexpr int kNotInstalled = 77;

struct Unihan {
    QByteArray mandarin, xhc1983, hanyuPinyin, rsUnicode, totalStrokes, tgh;
};

QByteArray readBzip2(const QString& path) {
    QByteArray text;
    BZFILE* file = BZ2_bzopen(QFile::encodeName(path).constData(), "rb");
    if (!file) return text;
    char buffer[1 << 16];
    int n;
    while ((n = BZ2_bzread(file, buffer, sizeof buffer)) > 0) text.append(buffer, n);
    BZ2_bzclose(file);
    if (n < 0) text.clear();
    return text;
}

// A Unihan field may hold several values separated by spaces. The first is the preferred one;
// for kMandarin and kTotalStrokes it is the one for simplified Chinese, which GB2312 writes.
QByteArray firstValue(const QByteArray& field) { return field.split(' ').first(); }

// Every reading of a character: kMandarin's first, the one for simplified Chinese, then the other
// readings of the two dictionaries in the order they list them, each once. Their values carry
// where the dictionary gives it: "0121.040:cháng 1456.020:zhǎng", "20811.060:háng,xìng,xíng".
QList<QByteArray> readings(const Unihan& facts) {
    QList<QByteArray> all{firstValue(facts.mandarin)};
    for (const QByteArray& field : {facts.xhc1983, facts.hanyuPinyin}) {
        for (const QByteArray& value : field.split(' ')) {
            const qsizetype colon = value.indexOf(':');
            if (colon < 0) continue;
            for (const QByteArray& reading : value.mid(colon + 1).split(','))
                if (!all.contains(reading)) all.append(reading);
        }
    }
    return all;
}

// Reads "U+XXXX<tab>kField<tab>value" lines, keeping the fields we need for `wanted`.
void collect(const QByteArray& text, const QHash<char32_t, int>& wanted,
             std::map<char32_t, Unihan>& out) {
    for (const QByteArray& line : text.split('\n')) {
        if (!line.startsWith("U+")) continue;
        const qsizetype tab1 = line.indexOf('\t'), tab2 = line.indexOf('\t', tab1 + 1);
        if (tab1 < 0 || tab2 < 0) continue;
        bool ok = false;
        const char32_t code = line.mid(2, tab1 - 2).toUInt(&ok, 16);
        if (!ok || !wanted.contains(code)) continue;
        const QByteArray key = line.mid(tab1 + 1, tab2 - tab1 - 1);
        const QByteArray value = line.mid(tab2 + 1).trimmed();
        if (key == "kMandarin")
            out[code].mandarin = value;
        else if (key == "kXHC1983")
            out[code].xhc1983 = value;
        else if (key == "kHanyuPinyin")
            out[code].hanyuPinyin = value;
        else if (key == "kRSUnicode")
            out[code].rsUnicode = firstValue(value);
        else if (key == "kTotalStrokes")
            out[code].totalStrokes = firstValue(value);
        else if (key == "kTGH")
            out[code].tgh = value;
    }
}

// CJKRadicals.txt: "number; radical; unified ideograph", the number ending in ' for the
// simplified forms of a radical (120' is 纟 beside 120 糸).
QHash<QByteArray, QByteArray> readRadicals(const QByteArray& text) {
    QHash<QByteArray, QByteArray> radicals;
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> fields = line.split(';');
        if (line.startsWith('#') || fields.size() != 3) continue;
        bool ok = false;
        const char32_t ideograph = fields[2].trimmed().toUInt(&ok, 16);
        if (ok) radicals.insert(fields[0].trimmed(), QString::fromUcs4(&ideograph, 1).toUtf8());
    }
    return radicals;
}

// "# Unicode version: 15.0.0" from a Unihan file's header.
QByteArray unicodeVersion(const QByteArray& text) {
    const QByteArray tag = "# Unicode version: ";
    const qsizetype at = text.indexOf(tag);
    if (at < 0) return "unknown";
    return text.mid(at + tag.size(), text.indexOf('\n', at) - at - tag.size()).trimmed();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_unihan_table UNICODE_DIR OUTPUT\n");
        return 2;
    }
    const QString dir = QFile::decodeName(argv[1]) + QLatin1Char('/');
    const QString readingsPath = dir + QStringLiteral("Unihan_Readings.txt.bz2"),
                  sourcesPath = dir + QStringLiteral("Unihan_IRGSources.txt.bz2"),
                  mappingsPath = dir + QStringLiteral("Unihan_OtherMappings.txt.bz2"),
                  radicalsPath = dir + QStringLiteral("CJKRadicals.txt");
    for (const QString& path : {readingsPath, sourcesPath, mappingsPath, radicalsPath}) {
        if (!QFile::exists(path)) {
            std::fprintf(stderr, "make_unihan_table: %s is missing (Debian: unicode-data)\n",
                         qPrintable(path));
            return kNotInstalled;
        }
    }

    // The hanzi of GB2312 through the program's own code page 936 conversion, as the main window
    // builds them; zone 55 stops at position 89.
    QHash<char32_t, int> wanted;
    for (int zone = 16; zone <= 87; ++zone) {
        for (int position = 1; position <= (zone == 55 ? 89 : 94); ++position) {
            const char code[2] = {char(zone + 0xA0), char(position + 0xA0)};
            const QList<uint> ch = zige::fromCp936(QByteArray(code, 2)).toUcs4();
            if (ch.size() != 1 || ch[0] < 0x4E00 || ch[0] > 0x9FFF) {
                std::fprintf(stderr, "make_unihan_table: %02X%02X is not a hanzi\n", uchar(code[0]),
                             uchar(code[1]));
                return 1;
            }
            wanted.insert(ch[0], zone * 100 + position);
        }
    }

    QFile radicalsFile(radicalsPath);
    const QByteArray readingsText = readBzip2(readingsPath), sources = readBzip2(sourcesPath),
                     mappings = readBzip2(mappingsPath);
    if (readingsText.isEmpty() || sources.isEmpty() || mappings.isEmpty() ||
        !radicalsFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make_unihan_table: cannot read the Unihan files in %s\n", argv[1]);
        return 1;
    }
    const QHash<QByteArray, QByteArray> radicals = readRadicals(radicalsFile.readAll());
    std::map<char32_t, Unihan> table;  // in code point order, as Unihan lists them
    collect(readingsText, wanted, table);
    collect(sources, wanted, table);
    collect(mappings, wanted, table);

    QByteArray out =
        "# The readings, radical, total strokes and common-characters table number of the 6763\n"
        "# hanzi of GB2312, from Unicode's Unihan database VERSION. One line per character, in\n"
        "# code point order:\n"
        "#   character,\n"
        "#   its readings joined by commas: kMandarin's first value, then those of kXHC1983 and\n"
        "#   kHanyuPinyin not given yet, in their order,\n"
        "#   kRSUnicode radical number (' marks a simplified radical),\n"
        "#   that radical as an ideograph (CJKRadicals.txt), kTotalStrokes,\n"
        "#   kTGH number in the 2013 table, or - for a character outside it.\n"
        "# Where Unihan gives several radicals or stroke counts, the first is kept.\n"
        "# Written by tools/make_unihan_table; do not edit.\n";
    out.replace("VERSION", unicodeVersion(readingsText));
    int count = 0;
    for (const auto& [code, facts] : table) {
        const QByteArray number = facts.rsUnicode.left(facts.rsUnicode.indexOf('.'));
        const QByteArray radical = radicals.value(number);
        // "2013:548", or nothing outside the table.
        const int tgh = facts.tgh.startsWith("2013:") ? facts.tgh.mid(5).toInt() : 0;
        if (facts.mandarin.isEmpty() || radical.isEmpty() || facts.totalStrokes.toInt() <= 0 ||
            (!facts.tgh.isEmpty() && tgh <= 0)) {
            std::fprintf(stderr,
                         "make_unihan_table: U+%04X (GB2312 %d) lacks a reading, radical or "
                         "stroke count, or has a kTGH we cannot read\n",
                         unsigned(code), wanted.value(code));
            return 1;
        }
        out += QString::fromUcs4(&code, 1).toUtf8() + ' ' + readings(facts).join(',') + ' ' +
               number + ' ' + radical + ' ' + facts.totalStrokes + ' ' +
               (tgh ? QByteArray::number(tgh) : QByteArray("-")) + '\n';
        ++count;
    }
    if (count != kExpected) {
        std::fprintf(stderr, "make_unihan_table: %d characters with data, expected %d\n", count,
                     kExpected);
        return 1;
    }

    QSaveFile file(QFile::decodeName(argv[2]));
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
        std::fprintf(stderr, "make_unihan_table: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
