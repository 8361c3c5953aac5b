// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <optional>
#include <utility>

namespace zige {

// One stroke of a character in a top-down box of 1024 units a side, the character's em.
struct Stroke {
    QPainterPath outline;  // one closed shape, filled with the winding rule
    QPolygonF median;      // the stroke's centre line, from where the pen starts
};

// The stroke order of the 6763 hanzi of GB2312: each character's strokes in writing order, drawn
// in one kai-style hand (not the user's font). Read from a file on first use, so the program
// starts as fast without it; a missing or damaged file leaves the table unavailable, with its
// reason, and nothing else changes. Safe to share between threads (the screen draws while an
// export runs): one lock guards the lazy load and the kept character, and a caller gets its own
// copy of the strokes, whose paths are implicitly shared.
class StrokeTable {
public:
    // The file beside the program.
    static StrokeTable& installed();

    explicit StrokeTable(QString path);
    // A table read from these bytes instead of a file.
    static StrokeTable fromBytes(QByteArray bytes);

    bool available();
    // Why the table is unavailable, in a short Chinese sentence for the user; empty when it is.
    QString problem();
    // The characters the table holds, in code point order.
    QList<char32_t> characters();
    // The strokes of `character` in writing order; none for a character the table lacks. The
    // last character asked for is kept, since a sheet asks for the same one cell after cell.
    QList<Stroke> strokes(char32_t character);

private:
    explicit StrokeTable(QByteArray bytes);
    void load();
    void open(QByteArray bytes);
    quint32 word(qsizetype at) const;
    quint32 codeAt(quint32 index) const { return word(codesAt_ + 4 * qsizetype(index)); }
    quint32 offsetAt(quint32 index) const { return word(offsetsAt_ + 4 * qsizetype(index)); }

    QMutex mutex_;  // held by every public call
    QString path_;
    bool loaded_ = false;
    QString problem_;
    QByteArray bytes_;
    quint32 count_ = 0;
    qsizetype codesAt_ = 0, offsetsAt_ = 0, recordsAt_ = 0;
    std::optional<std::pair<char32_t, QList<Stroke>>> last_;
};

}  // namespace zige
