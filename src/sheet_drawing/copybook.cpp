// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_drawing/copybook.h"

#include <QColor>
#include <QString>
#include <algorithm>

#include "canvas/colors.h"

namespace zige {

QStringList practiceCharacters(const QString& text) {
    QStringList characters;
    for (const char32_t c : text.toUcs4()) {
        if (QChar::isSpace(c) || c == U'\uFEFF') continue;
        characters.append(QString::fromUcs4(&c, 1));
    }
    return characters;
}

int Copybook::sheetCount(std::int32_t rows) const {
    if (rows <= 0 || characters.isEmpty()) return 1;
    return int((characters.size() + rows - 1) / rows);
}

std::uint32_t Copybook::traceColor() const {
    const double lightness = std::clamp(settings.lightness, 0, 100) / 100.0;
    const QColor c =
        QColor::fromHslF(0, settings.tint == TraceTint::Red ? 1.0 : 0.0, float(lightness));
    return rgb(c.red(), c.green(), c.blue());
}

}  // namespace zige
