// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Test helpers for the widgets; the Gui-only ones are in test_support_gui.h.
#include <QComboBox>
#include <QSettings>
#include <QStandardPaths>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <functional>
#include <optional>

#include "test_support_gui.h"
#include "ui/prompts.h"

namespace zige::test {

// Answers dialogs from a script and records what was asked, so no test blocks on a modal one.
class ScriptedPrompts : public Prompts {
public:
    struct Asked {
        QString text, title;
        Buttons buttons;
        Icon icon;
    };
    QList<Asked> asked;
    QList<Answer> answers;                // taken in order; Yes/Ok when empty
    QList<std::optional<QString>> files;  // save dialog results; cancel when empty
    QList<QString> offeredNames;
    std::function<void()> duringMessage;  // runs inside a message, as a modal loop would allow

    Answer message(QWidget*, const QString& text, const QString& title, Buttons buttons,
                   Icon icon) override {
        asked.append({text, title, buttons, icon});
        if (duringMessage) duringMessage();
        if (!answers.isEmpty()) return answers.takeFirst();
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    std::optional<QString> saveFileName(QWidget*, const QString&,
                                        const QString& startName) override {
        offeredNames.append(startName);
        return files.isEmpty() ? std::nullopt : files.takeFirst();
    }
};

// The windows' settings start empty, in a folder of this process alone: not the user's, nor
// those of the same suite running at the same time from another build.
inline void startWithoutSettings() {
    static const QTemporaryDir folder;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings().clear();
}

// Where a list shows its text, as its style gives it.
inline QRect editField(const QComboBox& list) {
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.editable = list.isEditable();
    return list.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                        &list);
}

}  // namespace zige::test
