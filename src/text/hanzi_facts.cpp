// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/hanzi_facts.h"

#include <QFile>
#include <algorithm>
#include <vector>

namespace zige {

namespace {

struct Entry {
    char32_t character;
    char32_t radical;
    quint32 reading;  // where the reading starts in Table::text
    quint8 readingSize;
    quint8 radicalNumber;
    bool simplifiedRadical;
    quint8 strokes;
};

struct Table {
    QByteArray text;             // the whole table, which the entries' readings point into
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

// data/unihan_table.txt, compiled in: "字 zì 39 子 6" per line, in the code point order that
// the binary search in hanziFacts relies on. Read without a copy per field: this runs while the
// main window starts.
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
        if (text[start] == '#') continue;
        QByteArrayView fields[5];
        int count = 0;
        for (qsizetype from = start; count < 5 && from <= end; ++count) {
            qsizetype space = text.indexOf(' ', from);
            if (space < 0 || space > end) space = end;
            fields[count] = text.sliced(from, space - from);
            from = space + 1;
        }
        if (count != 5) continue;
        Entry entry{};
        entry.character = firstCodePoint(fields[0]);
        entry.reading = quint32(fields[1].data() - text.data());
        entry.readingSize = quint8(fields[1].size());
        entry.simplifiedRadical = fields[2].endsWith('\'');
        entry.radicalNumber = quint8(fields[2].chopped(entry.simplifiedRadical ? 1 : 0).toUInt());
        entry.radical = firstCodePoint(fields[3]);
        entry.strokes = quint8(fields[4].toUInt());
        table.entries.push_back(entry);
    }
    return table;
}

}  // namespace

std::optional<HanziFacts> hanziFacts(char32_t character) {
    static const Table table = readTable();
    const auto it = std::lower_bound(table.entries.begin(), table.entries.end(), character,
                                     [](const Entry& e, char32_t c) { return e.character < c; });
    if (it == table.entries.end() || it->character != character) return std::nullopt;
    return HanziFacts{QString::fromUtf8(table.text.constData() + it->reading, it->readingSize),
                      it->radical, it->radicalNumber, it->simplifiedRadical, it->strokes};
}

}  // namespace zige
