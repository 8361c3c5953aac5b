// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QAbstractButton;
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

// The filter's test for a font meant for Chinese text: with its spaces trimmed, the name begins
// neither with "@" (the vertical-writing variants) nor with one of the 26 ASCII letters in either
// case. Anything else passes, an empty name included.
bool isChineseFontName(const QString& name);

enum class FontFilter { All, ChineseOnly };

// Refills `list` from `fonts` one name at a time while `button` is disabled and shows the running
// index, yielding to the event queue after each name so the window stays usable; then the
// preferred-font step, and `button` gets `caption` back and is enabled. After each yield
// `abandoned` is asked whether the window went away; if so the rebuild stops at once without
// touching `list` or `button` again and returns false.
bool rebuildFontList(QComboBox& list, QAbstractButton& button, const QString& caption,
                     const QStringList& fonts, FontFilter filter,
                     const std::function<bool()>& abandoned);

}  // namespace zige
