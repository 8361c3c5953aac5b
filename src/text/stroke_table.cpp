// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/stroke_table.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

#include "text/stroke_table_format.h"

namespace zige {

namespace {

using namespace stroke_format;

// A larger file is no table of ours, and is not read into memory.
constexpr qint64 kMaxFileSize = 64 << 20;

QString damaged() { return QStringLiteral("笔顺数据文件已损坏"); }

// Reads a record's numbers and points, failing for good at the first one that runs past the
// record or leaves the box.
class RecordReader {
public:
    RecordReader(const char* begin, const char* end) : at_(begin), end_(end) {}

    bool ok() const { return ok_; }
    bool atEnd() const { return at_ == end_; }
    qsizetype left() const { return end_ - at_; }

    // A number of at most four bytes: 28 bits is far more than any count or difference here.
    quint32 number() {
        quint32 value = 0;
        for (int shift = 0; shift < 28 && at_ != end_; shift += 7) {
            const uchar byte = uchar(*at_++);
            value |= quint32(byte & 0x7F) << shift;
            if (!(byte & 0x80)) return value;
        }
        ok_ = false;
        return 0;
    }
    const char* bytes(qsizetype size) {
        if (size > left()) ok_ = false;
        const char* start = at_;
        if (ok_) at_ += size;
        return start;
    }
    QPointF point() {
        x_ += unzigzag(number());
        y_ += unzigzag(number());
        if (x_ < 0 || x_ > kBox || y_ < 0 || y_ > kBox) ok_ = false;
        return QPointF(x_, y_);
    }

private:
    const char* at_;
    const char* end_;
    bool ok_ = true;
    int x_ = 0, y_ = 0;
};

// A record's strokes, or none when it is malformed.
QList<Stroke> readRecord(RecordReader in) {
    QList<Stroke> strokes;
    const quint32 count = in.number();
    for (quint32 s = 0; s < count && in.ok(); ++s) {
        const quint32 segments = in.number();
        const char* kinds = in.bytes((segments + 3) / 4);
        Stroke stroke;
        QPainterPath& path = stroke.outline;
        path.setFillRule(Qt::WindingFill);
        path.moveTo(in.point());
        for (quint32 i = 0; i < segments && in.ok(); ++i) {
            switch ((uchar(kinds[i / 4]) >> (2 * (i % 4))) & 3) {
                case 1:
                    path.lineTo(in.point());
                    break;
                case 2: {
                    const QPointF control = in.point();
                    path.quadTo(control, in.point());
                    break;
                }
                case 3: {
                    const QPointF first = in.point();
                    const QPointF second = in.point();
                    path.cubicTo(first, second, in.point());
                    break;
                }
                default:
                    return {};
            }
        }
        path.closeSubpath();
        const quint32 points = in.number();
        for (quint32 i = 0; i < points && in.ok(); ++i) stroke.median.append(in.point());
        strokes.append(stroke);
    }
    if (!in.ok() || !in.atEnd()) return {};
    return strokes;
}

// Strokes whose outlines share nothing with `strokes`: a painted or measured path fills in caches
// in the data its copies share, which two threads must not do at once.
QList<Stroke> unshared(QList<Stroke> strokes) {
    for (Stroke& stroke : strokes) {
        // Moving a point where it is makes the path copy its elements.
        const QPainterPath::Element first = stroke.outline.elementAt(0);
        stroke.outline.setElementPositionAt(0, first.x, first.y);
    }
    return strokes;
}

}  // namespace

StrokeTable& StrokeTable::installed() {
    static StrokeTable table(QCoreApplication::applicationDirPath() +
                             QStringLiteral("/strokes.bin"));
    return table;
}

StrokeTable::StrokeTable(QString path) : path_(std::move(path)) {}

// Built in place, as a lock cannot be moved.
StrokeTable StrokeTable::fromBytes(QByteArray bytes) { return StrokeTable(std::move(bytes)); }

StrokeTable::StrokeTable(QByteArray bytes) : loaded_(true) { open(std::move(bytes)); }

void StrokeTable::load() {
    if (loaded_) return;
    loaded_ = true;
    QFile file(path_);
    if (!file.exists()) {
        problem_ = QStringLiteral("找不到笔顺数据文件");
    } else if (!file.open(QIODevice::ReadOnly)) {
        problem_ = QStringLiteral("无法读取笔顺数据文件");
    } else if (file.size() > kMaxFileSize) {
        problem_ = damaged();
    } else {
        open(file.readAll());
    }
}

quint32 StrokeTable::word(qsizetype at) const {
    return qFromLittleEndian<quint32>(bytes_.constData() + at);
}

// Checks everything but the records themselves, which are checked as they are read.
void StrokeTable::open(QByteArray bytes) {
    bytes_ = std::move(bytes);
    const qsizetype size = bytes_.size();
    if (size < kHeaderSize || !bytes_.startsWith(QByteArrayView(kMagic, kMagicSize))) {
        problem_ = damaged();
    } else if (word(kMagicSize) != kVersion) {
        problem_ = QStringLiteral("笔顺数据文件的版本不对");
    } else if (crc32(bytes_.constData() + kCountAt, size - kCountAt) != word(kCrcAt)) {
        problem_ = damaged();
    } else {
        count_ = word(kCountAt);
        codesAt_ = kHeaderSize;
        offsetsAt_ = codesAt_ + 4 * qint64(count_);
        recordsAt_ = offsetsAt_ + 4 * (qint64(count_) + 1);
        bool valid = recordsAt_ <= size && offsetAt(count_) == quint64(size - recordsAt_);
        for (quint32 i = 0; valid && i < count_; ++i)
            valid = (i == 0 || codeAt(i - 1) < codeAt(i)) && offsetAt(i) <= offsetAt(i + 1);
        if (!valid) problem_ = damaged();
    }
    if (!problem_.isEmpty()) {
        bytes_.clear();
        count_ = 0;
    }
}

bool StrokeTable::available() {
    const QMutexLocker lock(&mutex_);
    load();
    return problem_.isEmpty();
}

QString StrokeTable::problem() {
    const QMutexLocker lock(&mutex_);
    load();
    return problem_;
}

QList<char32_t> StrokeTable::characters() {
    const QMutexLocker lock(&mutex_);
    load();
    QList<char32_t> all;
    all.reserve(count_);
    for (quint32 i = 0; i < count_; ++i) all.append(codeAt(i));
    return all;
}

QList<Stroke> StrokeTable::strokes(char32_t character) {
    const QMutexLocker lock(&mutex_);
    load();
    if (last_ && last_->first == character) return unshared(last_->second);
    quint32 low = 0, high = count_;  // the first entry not below `character`
    while (low < high) {
        const quint32 middle = low + (high - low) / 2;
        if (codeAt(middle) < quint32(character))
            low = middle + 1;
        else
            high = middle;
    }
    QList<Stroke> found;
    if (low < count_ && codeAt(low) == quint32(character)) {
        const char* records = bytes_.constData() + recordsAt_;
        found = readRecord(RecordReader(records + offsetAt(low), records + offsetAt(low + 1)));
    }
    last_.emplace(character, found);
    return unshared(found);
}

}  // namespace zige
