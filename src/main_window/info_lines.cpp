// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/info_lines.h"

#include <QFont>
#include <QFontInfo>

#include "canvas/glyph_cache.h"
#include "core/numbers.h"
#include "core/step_failed.h"
#include "main_window/character_code.h"
#include "text/cp936.h"
#include "text/hanzi_facts.h"

namespace zige {

namespace {

const QString kSeparator = QStringLiteral(" · ");

QString millimetres(double twips) { return QString::number(twips * 25.4 / 1440.0, 'f', 1); }

QString codePoint(const QString& character) {
    return QStringLiteral("U+%1")
        .arg(character.toUcs4().value(0), 4, 16, QLatin1Char('0'))
        .toUpper();
}

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

// "zì · 子部 · 6 画 · " for a hanzi of the Unihan table; nothing for any other character.
QString readingRadicalStrokes(const QString& character) {
    const std::optional<HanziFacts> facts = hanziFacts(character.toUcs4().value(0));
    if (!facts) return {};
    return facts->reading + kSeparator + QString::fromUcs4(&facts->radical, 1) +
           QStringLiteral("部") + kSeparator + QString::number(facts->strokes) +
           QStringLiteral(" 画") + kSeparator;
}

// What kind of character it is, and its codes where it has them.
QString describe(const QString& character) {
    const std::optional<ZonePosition> code = ZonePositionFromChar(character);
    if (!code) {
        const std::optional<QByteArray> bytes = toCp936(character);
        if (bytes && bytes->size() == 1)
            return character + QStringLiteral(" 单字节字符，不是汉字") + kSeparator +
                   codePoint(character);
        return character + QStringLiteral(" 不在 GB2312 字符集内") + kSeparator +
               codePoint(character);
    }
    const auto [zone, position] = *code;
    if (zone < 1 || zone > 94 || position < 1 || position > 94)
        return character + QStringLiteral(" 不在 GB2312 字符集内（GBK 扩展字）") + kSeparator +
               codePoint(character);
    const QString gb = QStringLiteral("GB %1%2")
                           .arg(zone + 0xA0, 2, 16, QLatin1Char('0'))
                           .arg(position + 0xA0, 2, 16, QLatin1Char('0'))
                           .toUpper();
    QString text = character + QLatin1Char(' ') + readingRadicalStrokes(character) +
                   QStringLiteral("区位 ") + twoDigits(zone) + twoDigits(position) + kSeparator +
                   gb + kSeparator + codePoint(character);
    if (zone < 16) text += kSeparator + QStringLiteral("符号，不是汉字");
    return text;
}

}  // namespace

QString characterInfo(const QString& character, const QString& gridWidth,
                      const QString& gridHeight) {
    if (character.isEmpty()) return QStringLiteral("未选择汉字");
    // A character from the lists or the listing is one code; the grid box may be unreadable.
    QString text = describe(character);
    skipOnFailure([&] {
        const double width = toInt32(gridWidth), height = toInt32(gridHeight);
        text += kSeparator +
                QStringLiteral("字格 %1 × %2 mm").arg(millimetres(width), millimetres(height));
    });
    return text;
}

QString fontInfo(GlyphCache& fonts, const QString& chosenFont, const QString& sizeText,
                 const QString& character) {
    QString size;
    skipOnFailure([&] {
        const float points = toSingle(sizeText);
        size = QStringLiteral("%1 磅（%2 mm）")
                   .arg(QString::number(points), millimetres(points * 20.0));
    });
    const QString family = fonts.family(chosenFont);
    const QString drawn = character.isEmpty() ? QFontInfo(QFont(family)).family()
                                              : fonts.familyDrawing(family, character);
    QString text;
    if (chosenFont.isEmpty())
        text = QStringLiteral("未选择字体，用「%1」显示").arg(drawn);
    else if (drawn.compare(chosenFont, Qt::CaseInsensitive) == 0)
        text = QStringLiteral("字体「%1」").arg(drawn);
    else if (!fonts.isInstalled(chosenFont))
        text = QStringLiteral("注意：未安装字体「%1」，实际显示的是「%2」").arg(chosenFont, drawn);
    else
        text = QStringLiteral("注意：所选字体「%1」不含此字，实际显示的是「%2」")
                   .arg(chosenFont, drawn);
    return size.isEmpty() ? text : text + kSeparator + size;
}

}  // namespace zige
