#include "surface/font_resolution.h"

#include <QFontDatabase>
#include <QStringList>

namespace zige {

namespace {

QString firstFamilyContaining(const QStringList& families, const QStringList& words) {
    for (const QString& word : words)
        for (const QString& family : families)
            if (family.contains(word, Qt::CaseInsensitive)) return family;
    return {};
}

QString fallbackFamily() {
    const QStringList families = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    QString family = firstFamilyContaining(
        families, {QStringLiteral("UKai CN"), QStringLiteral("Kai"), QStringLiteral("楷")});
    if (family.isEmpty())
        family = firstFamilyContaining(families, {QStringLiteral("UMing CN"), QStringLiteral("Ming"),
                                                  QStringLiteral("Song"), QStringLiteral("宋")});
    return family;
}

}  // namespace

QString resolveFontFamily(const QString& name) {
    if (!name.isEmpty()) return name;
    static const QString fallback = fallbackFamily();
    return fallback;
}

}  // namespace zige
