// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "sheet_drawing/copybook.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QSettings;
class QStandardItemModel;
class QTableView;

namespace zige {

// The copybook dialog's page 拼音与词语: how pinyin is written, characters or words a row,
// dictation with its answers, and a reading picker for each character of the text that has more
// than one reading. A picked reading is written into the text in brackets after its character,
// so the text alone says what is printed, in the dialog as on the command line.
class PinyinPage : public QWidget {
    Q_OBJECT

public:
    // `text` is the dialog's practice text, which the pickers list and write into.
    PinyinPage(QPlainTextEdit* text, QWidget* parent);

    void readInto(CopybookSettings& s) const;
    void showSettings(const CopybookSettings& s);
    static void restore(const QSettings& stored, CopybookSettings& s);
    static void store(QSettings& stored, const CopybookSettings& s);

    // The most places the picker list shows; a longer text's count says how many more there are.
    static constexpr int kMostListed = 300;

signals:
    void settingsChanged();

private:
    void listReadings();
    void writeReading(int row, const QString& reading);

    QPlainTextEdit* text_;
    QComboBox* unit_;
    QComboBox* style_;
    QCheckBox* dictation_;
    QCheckBox* answers_;
    QTableView* readings_;
    QStandardItemModel* listed_;
    QLabel* count_;
    bool listing_ = false;  // the list is being filled, its changes are not picks
    bool listPending_ = false;
};

}  // namespace zige
