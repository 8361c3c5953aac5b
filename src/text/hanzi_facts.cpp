// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/hanzi_facts.h"

#include <QFile>
#include <QSet>
#include <algorithm>
#include <vector>

namespace zige {

namespace {

// The last number of each level of the common-characters table.
constexpr int kCommonLevelEnds[] = {3500, 6500, 8105};

// One line of the table: its character, and where the rest of the line lies in Table::text.
struct Entry {
    char32_t character;
    quint32 facts;
    quint32 factsSize;
};

struct Table {
    QByteArray text;             // the whole table, which the entries point into
    std::vector<Entry> entries;  // in code point order
};

// The first code point of a UTF-8 field; the table is valid UTF-8, written by our own tool.
char32_t firstCodePoint(QByteArrayView utf8) {
    if (utf8.isEmpty()) return 0;
    const uchar lead = uchar(utf8[0]);
    const int more = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    char32_t code = more == 0 ? lead : lead & (0x3F >> more);
    for (int i = 1; i <= more && i < utf8.size(); ++i) code = (code << 6) | (uchar(utf8[i]) & 0x3F);
    return code;
}

// data/unihan_table.txt, compiled in: "长 zhǎng,cháng 168' 长 4 127" per line, in the code point
// order that the binary search in hanziFacts relies on. Only the characters are read here, while
// the main window starts; a line's other fields when it is asked for.
Table readTable() {
    Table table;
    QFile file(QStringLiteral(":/zige/unihan_table.txt"));
    if (!file.open(QIODevice::ReadOnly)) return table;
    table.text = file.readAll();
    table.entries.reserve(6763);
    const QByteArrayView text(table.text);
    for (qsizetype start = 0, end; start < text.size(); start = end + 1) {
        end = text.indexOf('\n', start);
        if (end < 0) end = text.size();
        const qsizetype space = text.indexOf(' ', start);
        if (text[start] == '#' || space < 0 || space > end) continue;
        table.entries.push_back({firstCodePoint(text.sliced(start, space - start)),
                                 quint32(space + 1), quint32(end - space - 1)});
    }
    return table;
}

const Table& table() {
    static const Table table = readTable();
    return table;
}

// The fields after the character: readings, radical number, radical, strokes, common number.
struct Fields {
    QByteArrayView readings, radicalNumber, radical, strokes, commonNumber;
};

std::optional<Fields> fieldsOf(const Entry& entry) {
    QByteArrayView fields[5];
    const QByteArrayView line = QByteArrayView(table().text).sliced(entry.facts, entry.factsSize);
    qsizetype from = 0;
    for (QByteArrayView& field : fields) {
        if (from > line.size()) return std::nullopt;
        qsizetype space = line.indexOf(' ', from);
        if (space < 0) space = line.size();
        field = line.sliced(from, space - from);
        from = space + 1;
    }
    if (from <= line.size()) return std::nullopt;  // more than five
    return Fields{fields[0], fields[1], fields[2], fields[3], fields[4]};
}

}  // namespace

std::optional<HanziFacts> hanziFacts(char32_t character) {
    const std::vector<Entry>& entries = table().entries;
    const auto it = std::lower_bound(entries.begin(), entries.end(), character,
                                     [](const Entry& e, char32_t c) { return e.character < c; });
    if (it == entries.end() || it->character != character) return std::nullopt;
    const std::optional<Fields> fields = fieldsOf(*it);
    if (!fields) return std::nullopt;
    const QStringList readings = QString::fromUtf8(fields->readings).split(QLatin1Char(','));
    const bool simplified = fields->radicalNumber.endsWith('\'');
    return HanziFacts{readings.first(),
                      readings,
                      firstCodePoint(fields->radical),
                      int(fields->radicalNumber.chopped(simplified ? 1 : 0).toUInt()),
                      simplified,
                      int(fields->strokes.toUInt()),
                      int(fields->commonNumber.toUInt())};  // "-", outside the table: 0
}

QStringList allReadings() {
    QSet<QString> readings;
    for (const Entry& entry : table().entries)
        if (const std::optional<Fields> fields = fieldsOf(entry))
            for (const QString& reading : QString::fromUtf8(fields->readings).split(u','))
                readings.insert(reading);
    return readings.values();
}

int commonLevelSize(int level) {
    if (level < 1 || level > int(std::size(kCommonLevelEnds))) return 0;
    return kCommonLevelEnds[level - 1] - (level > 1 ? kCommonLevelEnds[level - 2] : 0);
}

QString commonCharacters(int level, int first, int last) {
    struct Common {
        int number;
        char32_t character;
    };
    // The characters with a number, by number: read at the first call.
    static const std::vector<Common> common = [] {
        std::vector<Common> numbered;
        for (const Entry& entry : table().entries)
            if (const std::optional<Fields> fields = fieldsOf(entry))
                if (const int number = int(fields->commonNumber.toUInt()))
                    numbered.push_back({number, entry.character});
        std::sort(numbered.begin(), numbered.end(),
                  [](const Common& a, const Common& b) { return a.number < b.number; });
        return numbered;
    }();
    const int size = commonLevelSize(level);
    if (size == 0) return {};
    const int offset = kCommonLevelEnds[level - 1] - size;
    auto it = std::lower_bound(common.begin(), common.end(), offset + std::max(first, 1),
                               [](const Common& c, int number) { return c.number < number; });
    QString characters;
    for (; it != common.end() && it->number <= offset + std::min(last, size); ++it)
        characters += QString::fromUcs4(&it->character, 1);
    return characters;
}

}  // namespace zige
