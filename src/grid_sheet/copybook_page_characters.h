// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QSpinBox;

namespace zige {

// The copybook dialog's page 选字: characters of the common-characters table (通用规范汉字表) by
// level and places, added to the practice text in the table's order, and a text file opened as
// the practice text. Either way the text shows what will be practised, and can still be edited.
class CharactersPage : public QWidget {
    Q_OBJECT

public:
    // `text` is the dialog's practice text, which this page adds to or replaces.
    CharactersPage(QPlainTextEdit* text, QWidget* parent);

    // Replaces the practice text with the hanzi of the file at `path` (UTF-8 or GB18030), with
    // their typed readings and the spaces and line breaks between them; says what was left out.
    void openTextFile(const QString& path);

private:
    void addFromTable();
    void fitRange();

    QPlainTextEdit* text_;
    QComboBox* level_;
    QSpinBox* first_;
    QSpinBox* last_;
    QCheckBox* onlyNew_;
    QLabel* note_;
};

}  // namespace zige
