// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The stroke table file, shared by its writer and its reader. All numbers are little-endian.
//
//   header   magic "ZGSTROKE", u32 version, u32 CRC-32 of everything after it, u32 count
//   index    count × u32 code point, ascending; (count + 1) × u32 record offset, ascending, the
//            last one the size of the records; offsets count from the first record
//   records  one per character, as unsigned LEB128 numbers:
//              stroke count, then for each stroke
//                segment count, the segments' kinds packed four to a byte from the low bits
//                (two bits each: the points it adds, 1 a line, 2 a quadratic, 3 a cubic curve),
//                the outline's points (its start, then each segment's),
//                median point count, the median's points
//            A point is two zigzag-coded differences from the record's previous point, the
//            first from (0, 0), in whole units of the top-down box.
#include <QtEndian>
#include <QtGlobal>
#include <array>
#include <cstddef>

namespace zige::stroke_format {

inline constexpr char kMagic[] = "ZGSTROKE";
inline constexpr qsizetype kMagicSize = 8;
inline constexpr quint32 kVersion = 1;
inline constexpr qsizetype kCrcAt = kMagicSize + 4;
inline constexpr qsizetype kCountAt = kCrcAt + 4;
inline constexpr qsizetype kHeaderSize = kCountAt + 4;
// Every point lies in the box from (0, 0) to (kBox, kBox).
inline constexpr int kBox = 1024;

// CRC-32 tables for four bytes at a time: table k gives a byte's remainder k bytes further on.
inline constexpr auto kCrcTables = [] {
    std::array<std::array<quint32, 256>, 4> tables{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 c = i;
        for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        tables[0][i] = c;
    }
    for (int k = 1; k < 4; ++k)
        for (int i = 0; i < 256; ++i)
            tables[k][i] = (tables[k - 1][i] >> 8) ^ tables[0][tables[k - 1][i] & 0xFF];
    return tables;
}();

// The CRC-32 of zlib and PNG.
inline quint32 crc32(const char* data, qsizetype size) {
    const auto& t = kCrcTables;
    quint32 c = 0xFFFFFFFFu;
    qsizetype i = 0;
    for (; i + 4 <= size; i += 4) {
        c ^= qFromLittleEndian<quint32>(data + i);
        c = t[3][c & 0xFF] ^ t[2][(c >> 8) & 0xFF] ^ t[1][(c >> 16) & 0xFF] ^ t[0][c >> 24];
    }
    for (; i < size; ++i) c = t[0][(c ^ uchar(data[i])) & 0xFF] ^ (c >> 8);
    return ~c;
}

inline quint32 zigzag(int value) {
    return value >= 0 ? quint32(value) << 1 : ((quint32(-(value + 1)) << 1) | 1);
}
inline int unzigzag(quint32 code) { return (code & 1) ? -int(code >> 1) - 1 : int(code >> 1); }

}  // namespace zige::stroke_format
