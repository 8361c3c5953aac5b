// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>

#include "sheet_drawing/copybook.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QTimer;

namespace zige {

class SchoolPages;
class PinyinPage;
class StrokeOrderPage;

// The copybook settings (字帖), applied to the sheet as they change. Modeless, so the user
// watches the sheet while setting it up.
class CopybookDialog : public QDialog {
    Q_OBJECT

public:
    explicit CopybookDialog(QWidget* parent = nullptr);

    // What the controls show. They start from the settings of the last run.
    CopybookSettings settings() const;
    // Applies a long text still waiting for typing to pause, before the sheet is saved or printed.
    void applyTypedText();
    // What the sheet says back: its pages, and characters the chosen font lacks.
    void setReport(const QString& text);
    // The main window's current character, for the button that puts it in.
    std::function<QString()> currentCharacter;
    // The pages of school copybooks: paper, millimetres, printed grids, header.
    SchoolPages* schoolPages() const { return school_; }

signals:
    void settingsChanged();

private:
    void showSettings(const CopybookSettings& s);

    QPlainTextEdit* text_;
    QTimer* typingPause_;
    QSpinBox* models_;
    QSpinBox* traces_;
    QComboBox* tint_;
    QSpinBox* lightness_;
    QComboBox* grid_;
    QCheckBox* pinyin_;
    PinyinPage* pinyinPage_;
    StrokeOrderPage* strokeOrderPage_;
    QLabel* report_;
    SchoolPages* school_;
};

}  // namespace zige
