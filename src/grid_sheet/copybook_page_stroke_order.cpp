// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid_sheet/copybook_page_stroke_order.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QSettings>
#include <QSpinBox>

namespace zige {

namespace {

constexpr char kRows[] = "copybook/strokeOrder", kNumbers[] = "copybook/strokeNumbers",
               kTraceStrokes[] = "copybook/traceStrokes";

}  // namespace

StrokeOrderPage::StrokeOrderPage(QWidget* parent) : QWidget(parent) {
    rows_ = new QCheckBox(QStringLiteral("在每个字的练习行前一笔一笔写出这个字(&S)"), this);
    rows_->setObjectName(QStringLiteral("strokeOrder"));
    rows_->setToolTip(QStringLiteral("每格多写一笔，新添的一笔是红色；一行写不下就接着写下一行"));
    numbers_ = new QCheckBox(QStringLiteral("在范字的起笔处标出笔顺编号(&N)"), this);
    numbers_->setObjectName(QStringLiteral("strokeNumbers"));
    traceStrokes_ = new QSpinBox(this);
    traceStrokes_->setObjectName(QStringLiteral("traceStrokes"));
    traceStrokes_->setRange(0, kMostStrokes);
    traceStrokes_->setSpecialValueText(QStringLiteral("整个字"));
    traceStrokes_->setPrefix(QStringLiteral("前 "));
    traceStrokes_->setSuffix(QStringLiteral(" 笔"));
    traceStrokes_->setToolTip(QStringLiteral("描红只描出前几笔，其余的笔画留给练字的人写"));

    auto* form = new QFormLayout(this);
    form->addRow(QString(), rows_);
    form->addRow(QString(), numbers_);
    form->addRow(QStringLiteral("描红笔画(&B)"), traceStrokes_);
    form->addRow(
        new QLabel(QStringLiteral("笔顺按楷书的字形写出，与所选字体的字形可能略有不同。"), this));

    for (QCheckBox* box : {rows_, numbers_})
        connect(box, &QCheckBox::toggled, this, &StrokeOrderPage::changed);
    connect(traceStrokes_, &QSpinBox::valueChanged, this, &StrokeOrderPage::changed);
}

StrokeSettings StrokeOrderPage::settings() const {
    return {rows_->isChecked(), numbers_->isChecked(), traceStrokes_->value()};
}

void StrokeOrderPage::showSettings(const StrokeSettings& s) {
    rows_->setChecked(s.rows);
    numbers_->setChecked(s.numbers);
    traceStrokes_->setValue(s.traceStrokes);
}

StrokeSettings StrokeOrderPage::stored(const QSettings& settings) {
    StrokeSettings s;
    s.rows = settings.value(QLatin1String(kRows), s.rows).toBool();
    s.numbers = settings.value(QLatin1String(kNumbers), s.numbers).toBool();
    s.traceStrokes = settings.value(QLatin1String(kTraceStrokes), s.traceStrokes).toInt();
    return s;
}

void StrokeOrderPage::store(QSettings& settings, const StrokeSettings& s) {
    settings.setValue(QLatin1String(kRows), s.rows);
    settings.setValue(QLatin1String(kNumbers), s.numbers);
    settings.setValue(QLatin1String(kTraceStrokes), s.traceStrokes);
}

}  // namespace zige
