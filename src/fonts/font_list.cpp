#include "fonts/font_list.h"

#include <QComboBox>
#include <QFontDatabase>

#include "surface/lists.h"
#include "surface/step_failed.h"

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

}  // namespace zige
