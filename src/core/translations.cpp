// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QtGlobal>

namespace zige {

namespace {

// The few texts of Qt 6.4 that Debian's qtbase_zh_CN.qm leaves in English: the file dialog's
// type column names folders and drives through them.
class MissingQtTexts : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0) return {};
        static const struct {
            const char* english;
            const char16_t* chinese;
        } texts[] = {{"Folder", u"文件夹"},
                     {"Drive", u"驱动器"},
                     {"Unknown", u"未知"},
                     {"Alias", u"替身"},
                     {"Shortcut", u"快捷方式"}};
        for (const auto& text : texts)
            if (qstrcmp(source, text.english) == 0) return QString::fromUtf16(text.chinese);
        return {};
    }
};

}  // namespace

void installChineseQtTexts() {
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    // Dates, sizes and the file types the dialog names follow the default locale.
    QLocale::setDefault(chinese);
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        qWarning(
            "qtbase_zh_CN.qm not found: Qt's own texts stay English (Debian: "
            "qt6-translations-l10n)");
    // Installed last, so asked first; it answers only what the catalogue lacks.
    QCoreApplication::installTranslator(new MissingQtTexts(QCoreApplication::instance()));
}

}  // namespace zige
