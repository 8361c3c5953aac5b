// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "sheet_drawing/stroke_order.h"

class QCheckBox;
class QSettings;
class QSpinBox;

namespace zige {

// The copybook dialog's page 笔顺: stroke-order rows, the numbers on the models, and copies to
// trace of the first strokes only.
class StrokeOrderPage : public QWidget {
    Q_OBJECT

public:
    explicit StrokeOrderPage(QWidget* parent = nullptr);

    StrokeSettings settings() const;
    void showSettings(const StrokeSettings& s);

    // The settings kept between runs, under the dialog's keys.
    static StrokeSettings stored(const QSettings& settings);
    static void store(QSettings& settings, const StrokeSettings& s);

signals:
    void changed();

private:
    QCheckBox* rows_;
    QCheckBox* numbers_;
    QSpinBox* traceStrokes_;
};

}  // namespace zige
