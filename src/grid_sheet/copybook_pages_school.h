// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "sheet_drawing/school_choices.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSettings;
class QSpinBox;
class QTabWidget;

namespace zige {

// The copybook dialog's pages for school copybooks: 纸张 (presets, paper, the layout in
// millimetres and how it fits, header and footer) and 样式 (grid colour, tracing, placement).
class SchoolPages : public QObject {
    Q_OBJECT

public:
    // Adds the two pages to `pages`.
    explicit SchoolPages(QTabWidget& pages);

    SchoolSettings settings() const;
    void showSettings(const SchoolSettings& s);
    // How the sheet meets its paper; `columns` more than 0 offers that many columns instead.
    void showFit(const QString& text, int columns);

    // The settings kept between runs.
    static SchoolSettings stored(const QSettings& settings);
    static void store(QSettings& settings, const SchoolSettings& s);

signals:
    void changed();
    void presetChosen(Preset preset);
    void columnsChosen(int columns);

private:
    QWidget* paperPage(QWidget* parent);
    QWidget* stylePage(QWidget* parent);
    void enableLayout();

    QComboBox* paper_;
    QCheckBox* landscape_;
    QCheckBox* millimetres_;
    QDoubleSpinBox* cell_;
    QComboBox* usualCells_;
    QDoubleSpinBox* columnGap_;
    QDoubleSpinBox* rowGap_;
    QDoubleSpinBox* margin_;
    QLabel* fit_;
    QPushButton* fitColumns_;
    int offeredColumns_ = 0;
    QLineEdit* title_;
    QCheckBox* nameLine_;
    QCheckBox* pageNumbers_;
    QComboBox* gridColor_;
    QComboBox* traceStyle_;
    QCheckBox* wholeRows_;
    QComboBox* fitInCell_;
    QSpinBox* share_;
};

}  // namespace zige
