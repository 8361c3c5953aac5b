// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "sheet_drawing/copybook.h"

namespace zige {

struct SheetModel;

// An option of `zige copybook` that sets part of the model: its names, the kind of value it
// takes (empty for a flag), what it means, its default, and how a value is checked and
// applied (an error text when it is not allowed).
struct ModelOption {
    QStringList names;
    QString valueName;
    QString description;
    QString defaultValue;
    std::function<QString(SheetModel& model, const QString& value)> apply;
};

// Every option that sets the model, in the order --help lists them.
QList<ModelOption> modelOptions();

// Why `value` is refused: it must be `allowed`.
QString notAllowed(const QString& value, const QString& allowed);

// A whole number from `low` to `high`, applied by `set`.
ModelOption numberOption(const QString& name, const QString& description, int value, int low,
                         int high, std::function<void(SheetModel&, int)> set);

// A flag, applied by `set`.
ModelOption flagOption(const QString& name, const QString& description,
                       std::function<void(SheetModel&)> set);

// One of `choices`, by its option name, applied by `set`.
template <typename Value, std::size_t n>
ModelOption choiceOption(const QString& name, const QString& description,
                         const Named<Value> (&choices)[n], Value value,
                         std::function<void(SheetModel&, Value)> set) {
    QStringList listed;
    for (const Named<Value>& c : choices)
        listed.append(QStringLiteral("%1（%2）").arg(c.option, c.label));
    return {{name},
            QStringLiteral("名称"),
            description + QStringLiteral("：") + listed.join(QStringLiteral("、")),
            nameOf(choices, value).option,
            [&choices, set, listed](SheetModel& model, const QString& text) {
                const std::optional<Value> chosen = choiceNamed(choices, text.trimmed());
                if (!chosen)
                    return notAllowed(text,
                                      QStringLiteral("要 ") + listed.join(QStringLiteral("、")));
                set(model, *chosen);
                return QString();
            }};
}

}  // namespace zige
