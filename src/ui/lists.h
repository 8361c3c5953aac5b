// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QComboBox;

namespace zige {

// Selects the entry whose text is exactly `text`; throws StepFailed, keeping the selection, when
// the list has no such entry.
void setListText(QComboBox& list, const QString& text);

// Appends the decimal texts from, from + step, ... up to `to`.
void addNumbers(QComboBox& list, int from, int to, int step = 1);

// Selects the entry at `index`; throws StepFailed when the list has no such entry.
void setListIndex(QComboBox& list, int index);

}  // namespace zige
