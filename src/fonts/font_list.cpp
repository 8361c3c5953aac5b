// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts/font_list.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>

#include "core/step_failed.h"
#include "ui/lists.h"

namespace zige {

QStringList installedFontNames() { return QFontDatabase::families(); }

void selectPreferredFont(QComboBox& list) {
    skipOnFailure([&] { setListText(list, kSongTi); });
    skipOnFailure([&] { setListText(list, kKaiTiGB2312); });
}

void fillFontList(QComboBox& list, const QStringList& fonts) {
    list.addItems(fonts);
    // A list that was empty selects its first entry when filled; the fill itself selects none.
    list.setCurrentIndex(-1);
    selectPreferredFont(list);
}

bool isChineseFontName(const QString& name) {
    // Only spaces are trimmed, as the names come from the platform.
    qsizetype first = 0;
    while (first < name.size() && name[first] == QLatin1Char(' ')) ++first;
    if (first == name.size()) return true;
    const QChar initial = name[first];
    if (initial == QLatin1Char('@')) return false;
    const QChar lower = initial.toLower();
    return !(lower >= QLatin1Char('a') && lower <= QLatin1Char('z'));
}

namespace {

// Adding to an empty list selects the new entry; a rebuild selects nothing by itself, and keeps
// whatever the user picks from the partial list meanwhile.
void appendEntry(QComboBox& list, const QString& name) {
    const bool wasEmpty = list.count() == 0;
    list.addItem(name);
    if (wasEmpty) list.setCurrentIndex(-1);
}

}  // namespace

bool rebuildFontList(QComboBox& list, QAbstractButton& button, const QString& caption,
                     const QStringList& fonts, FontFilter filter,
                     const std::function<bool()>& abandoned) {
    button.setEnabled(false);
    list.clear();
    for (qsizetype i = 0; i < fonts.size(); ++i) {
        if (filter == FontFilter::All || isChineseFontName(fonts[i])) appendEntry(list, fonts[i]);
        button.setText(QString::number(i));
        // Any handler may run here, the other rebuild and closing the window included.
        QCoreApplication::processEvents();
        if (abandoned()) return false;
    }
    selectPreferredFont(list);
    button.setText(caption);
    button.setEnabled(true);
    return true;
}

}  // namespace zige
