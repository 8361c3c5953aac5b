// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QLabel>
#include <algorithm>
#include <cstddef>

#include "sheet_drawing/copybook.h"

namespace zige {

// Controls the copybook dialog's pages build alike.

// A drop-down list of `choices`, offered by their labels in their order.
template <typename Value, std::size_t n>
QComboBox* choiceList(QWidget* parent, const char* name, const Named<Value> (&choices)[n]) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    for (const Named<Value>& choice : choices) list->addItem(choice.label.toString());
    return list;
}

// The choice `list` shows.
template <typename Value, std::size_t n>
Value chosen(const QComboBox* list, const Named<Value> (&choices)[n]) {
    return choices[std::clamp(list->currentIndex(), 0, int(n) - 1)].value;
}

// Makes `list` show `value`.
template <typename Value, std::size_t n>
void choose(QComboBox* list, const Named<Value> (&choices)[n], Value value) {
    list->setCurrentIndex(int(&nameOf(choices, value) - choices));
}

// A label for `control`, which its caption names and its mnemonic moves the focus to: a form row
// makes that link itself for a single control, and is told it for a row of several.
inline QLabel* labelFor(QWidget* parent, const QString& caption, QWidget* control) {
    auto* label = new QLabel(caption, parent);
    label->setBuddy(control);
    return label;
}

}  // namespace zige
