// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the stroke order table data/strokes.bin from the npm package hanzi-writer-data 2.0.1
// (Arphic Public License), unpacked: one JSON file per character, "字.json", whose "strokes" are
// SVG outlines (M, L, Q, C, Z with whole numbers) and whose "medians" are the strokes' centre
// lines, in writing order, in a 1024-unit box whose y points up, 900 at its top edge.
// Usage: make_stroke_table PACKAGE_DIR OUTPUT [CHARACTERS]
// Without CHARACTERS it writes the 6763 hanzi of GB2312, all of which the package must hold;
// with them, only those (a small table, as the fuzzer's seeds are).
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QString>
#include <cstdio>
#include <map>
#include <optional>

#include "text/cp936.h"
#include "text/stroke_table.h"
#include "text/stroke_table_writer.h"

namespace {

using zige::StrokeSource;

constexpr int kExpected = 6763;

// The package's y = 900 is the top edge of the top-down box.
QPoint fromPackage(double x, double y) { return QPoint(qRound(x), qRound(900 - y)); }

// "M x y Q x y x y L x y C x y x y x y ... Z": one outline, closed.
bool readOutline(const QString& svg, StrokeSource& stroke) {
    const QStringList tokens = svg.split(u' ', Qt::SkipEmptyParts);
    qsizetype at = 0;
    const auto takePoints = [&](int count) {
        for (int i = 0; i < count; ++i, at += 2) {
            bool xOk = false, yOk = false;
            const int x = tokens.value(at).toInt(&xOk), y = tokens.value(at + 1).toInt(&yOk);
            if (!xOk || !yOk) return false;
            stroke.outline.append(fromPackage(x, y));
        }
        return true;
    };
    if (tokens.value(at++) != u"M" || !takePoints(1)) return false;
    while (at < tokens.size() - 1) {
        const int points = QStringLiteral("LQC").indexOf(tokens[at++]) + 1;
        if (points == 0 || tokens[at - 1].size() != 1 || !takePoints(points)) return false;
        stroke.segments.append(points);
    }
    // Every outline of the package ends where it starts: a lost segment would show here.
    return at == tokens.size() - 1 && tokens[at] == u"Z" &&
           stroke.outline.last() == stroke.outline.first();
}

// The strokes of one character's JSON file, or nothing when it is missing or not as expected.
std::optional<QList<StrokeSource>> readCharacter(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QJsonObject data = QJsonDocument::fromJson(file.readAll()).object();
    const QJsonArray outlines = data[u"strokes"].toArray(), medians = data[u"medians"].toArray();
    if (outlines.isEmpty() || outlines.size() != medians.size()) return std::nullopt;
    QList<StrokeSource> strokes(outlines.size());
    for (qsizetype i = 0; i < outlines.size(); ++i) {
        if (!readOutline(outlines[i].toString(), strokes[i])) return std::nullopt;
        // A few medians have points on quarter units; whole units are close enough for a pen.
        for (const QJsonValue point : medians[i].toArray())
            strokes[i].median.append(fromPackage(point[0].toDouble(), point[1].toDouble()));
        if (strokes[i].median.size() < 2) return std::nullopt;
    }
    return strokes;
}

// The hanzi of GB2312 through the program's own code page 936 conversion; zone 55 stops at
// position 89.
QList<uint> gb2312Hanzi() {
    QList<uint> all;
    for (int zone = 16; zone <= 87; ++zone) {
        for (int position = 1; position <= (zone == 55 ? 89 : 94); ++position) {
            const char code[2] = {char(zone + 0xA0), char(position + 0xA0)};
            all.append(zige::fromCp936(QByteArray(code, 2)).toUcs4().value(0));
        }
    }
    return all;
}

// Whether the written table gives back every character with its strokes and medians.
bool readsBack(const QByteArray& file, const std::map<char32_t, QList<StrokeSource>>& sources) {
    zige::StrokeTable table = zige::StrokeTable::fromBytes(file);
    for (const auto& [character, strokes] : sources) {
        const QList<zige::Stroke> read = table.strokes(character);
        if (read.size() != strokes.size()) return false;
        for (qsizetype i = 0; i < read.size(); ++i)
            if (read[i].median != QPolygonF(QPolygon(strokes[i].median))) return false;
    }
    return qsizetype(sources.size()) == table.characters().size();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: make_stroke_table PACKAGE_DIR OUTPUT [CHARACTERS]\n");
        return 2;
    }
    const QString dir = QFile::decodeName(argv[1]) + u'/';
    const QList<uint> wanted = argc == 4 ? QString::fromLocal8Bit(argv[3]).toUcs4() : gb2312Hanzi();
    if (argc == 3 && wanted.size() != kExpected) {
        std::fprintf(stderr, "make_stroke_table: %d hanzi in GB2312, expected %d\n",
                     int(wanted.size()), kExpected);
        return 1;
    }

    std::map<char32_t, QList<StrokeSource>> sources;
    for (const char32_t character : wanted) {
        const QString name = QString::fromUcs4(&character, 1);
        const std::optional<QList<StrokeSource>> strokes =
            readCharacter(dir + name + QStringLiteral(".json"));
        if (!strokes) {
            std::fprintf(stderr, "make_stroke_table: %s.json is missing or malformed\n",
                         qPrintable(name));
            return 1;
        }
        sources[character] = *strokes;
    }

    const QByteArray table = zige::writeStrokeTable(sources);
    if (!readsBack(table, sources)) {
        std::fprintf(stderr,
                     "make_stroke_table: the table does not read back (a point beyond "
                     "the box?)\n");
        return 1;
    }
    QSaveFile file(QFile::decodeName(argv[2]));
    if (!file.open(QIODevice::WriteOnly) || file.write(table) != table.size() || !file.commit()) {
        std::fprintf(stderr, "make_stroke_table: cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("%d characters, %lld bytes\n", int(sources.size()), qint64(table.size()));
    return 0;
}
