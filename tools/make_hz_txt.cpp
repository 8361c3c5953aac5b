// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the character library: all 6763 hanzi of GB2312 as an RTF document in code page 936,
// level 1 then level 2, each zone under an ASCII label such as "[16]", 47 characters a line.
// Every paragraph that is not a label or a level heading holds only library characters.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdio>

#include "text/cp936.h"

namespace {

constexpr int kPerLine = 47;
constexpr int kExpected = 6763;

void appendHex(QByteArray& out, QByteArrayView bytes) {
    for (const char b : bytes) {
        out += "\\'";
        out += QByteArray::number(uchar(b), 16).rightJustified(2, '0');
    }
}

struct Level {
    const char16_t* heading;
    int firstZone;
    int lastZone;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_hz_txt OUTPUT\n");
        return 2;
    }

    QByteArray out = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 ";
    appendHex(out, *zige::toCp936(QStringLiteral("宋体")));
    out += ";}}\n\\f0\\fs24\n";

    int count = 0;
    for (const Level& level : {Level{u"一级汉字", 16, 55}, Level{u"二级汉字", 56, 87}}) {
        appendHex(out, *zige::toCp936(QString::fromUtf16(level.heading)));
        out += "\\par\n";
        for (int zone = level.firstZone; zone <= level.lastZone; ++zone) {
            out += '[' + QByteArray::number(zone) + "]\\par\n";
            // Positions 90 to 94 of zone 55 (0xD7FA..0xD7FE) are unassigned in GB2312.
            const int last = zone == 55 ? 89 : 94;
            for (int position = 1; position <= last; ++position) {
                const char code[2] = {char(zone + 0xA0), char(position + 0xA0)};
                // Each code must be one CJK ideograph in code page 936, or the table is wrong.
                const QString ch = zige::fromCp936(QByteArray(code, 2));
                if (ch.size() != 1 || ch[0] < u'\u4E00' || ch[0] > u'\u9FFF') {
                    std::fprintf(stderr, "make_hz_txt: %02X%02X is not a hanzi\n", uchar(code[0]),
                                 uchar(code[1]));
                    return 1;
                }
                appendHex(out, QByteArrayView(code, 2));
                ++count;
                if (position % kPerLine == 0 || position == last) out += "\\par\n";
            }
        }
    }
    out += "}\n";
    if (count != kExpected) {
        std::fprintf(stderr, "make_hz_txt: %d characters, expected %d\n", count, kExpected);
        return 1;
    }

    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(out) != out.size() ||
        !file.flush()) {
        std::fprintf(stderr, "make_hz_txt: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
