#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QComboBox;

namespace zige {

// Where the installed font names come from, in the platform's order; tests pass their own.
using FontSource = std::function<QStringList()>;

QStringList installedFontNames();

// The two font names the program prefers, the second one winning when both are installed.
inline const QString kSongTi = QStringLiteral("宋体");
inline const QString kKaiTiGB2312 = QStringLiteral("楷体_GB2312");

// Selects "宋体", then "楷体_GB2312", each only where the list has it.
void selectPreferredFont(QComboBox& list);

// The start-up fill: every installed font, untested, then the preferred-font step.
void fillFontList(QComboBox& list, const QStringList& fonts);

}  // namespace zige
