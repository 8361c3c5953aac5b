// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/stroke_table_writer.h"

#include <QtEndian>

#include "text/stroke_table_format.h"

namespace zige {

namespace {

using namespace stroke_format;

void appendWord(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void appendNumber(QByteArray& out, quint32 value) {
    for (; value >= 0x80; value >>= 7) out.append(char(0x80 | (value & 0x7F)));
    out.append(char(value));
}

class RecordWriter {
public:
    QByteArray out;

    void number(qsizetype value) { appendNumber(out, quint32(value)); }
    void points(const QList<QPoint>& points) {
        for (const QPoint p : points) {
            appendNumber(out, zigzag(p.x() - last_.x()));
            appendNumber(out, zigzag(p.y() - last_.y()));
            last_ = p;
        }
    }

private:
    QPoint last_;
};

QByteArray record(const QList<StrokeSource>& strokes) {
    RecordWriter w;
    w.number(strokes.size());
    for (const StrokeSource& stroke : strokes) {
        w.number(stroke.segments.size());
        QByteArray kinds((stroke.segments.size() + 3) / 4, '\0');
        for (qsizetype i = 0; i < stroke.segments.size(); ++i)
            kinds[i / 4] = char(kinds[i / 4] | (stroke.segments[i] << (2 * (i % 4))));
        w.out += kinds;
        w.points(stroke.outline);
        w.number(stroke.median.size());
        w.points(stroke.median);
    }
    return w.out;
}

}  // namespace

QByteArray writeStrokeTable(const std::map<char32_t, QList<StrokeSource>>& characters) {
    QByteArray codes, offsets, records;
    for (const auto& [character, strokes] : characters) {
        appendWord(codes, quint32(character));
        appendWord(offsets, quint32(records.size()));
        records += record(strokes);
    }
    appendWord(offsets, quint32(records.size()));

    QByteArray file(kMagic, kMagicSize);
    appendWord(file, kVersion);
    appendWord(file, 0);  // the CRC, once the rest is known
    appendWord(file, quint32(characters.size()));
    file += codes + offsets + records;
    qToLittleEndian(crc32(file.constData() + kCountAt, file.size() - kCountAt),
                    file.data() + kCrcAt);
    return file;
}

}  // namespace zige
