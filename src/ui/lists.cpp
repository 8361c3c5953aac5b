// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lists.h"

#include <QComboBox>
#include <QStringList>

#include "core/step_failed.h"

namespace zige {

void setListText(QComboBox& list, const QString& text) {
    const int index = list.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) throw StepFailed("no such entry");
    list.setCurrentIndex(index);
}

void addNumbers(QComboBox& list, int from, int to, int step) {
    QStringList texts;
    for (int n = from; n <= to; n += step) texts.append(QString::number(n));
    list.addItems(texts);
}

void setListIndex(QComboBox& list, int index) {
    if (index < 0 || index >= list.count()) throw StepFailed("no such entry");
    list.setCurrentIndex(index);
}

}  // namespace zige
