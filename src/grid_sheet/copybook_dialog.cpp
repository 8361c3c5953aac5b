// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid_sheet/copybook_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zige {

namespace {

QSpinBox* countBox(QWidget* parent, const char* name, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(0, 99);
    box->setValue(value);
    box->setSuffix(QStringLiteral(" 格"));
    return box;
}

}  // namespace

CopybookDialog::CopybookDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("copybookDialog"));
    setWindowTitle(QStringLiteral("字帖"));

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("practiceText"));
    text_->setPlaceholderText(QStringLiteral("每个字占一行；留空则是空白字格"));
    text_->setFixedHeight(fontMetrics().lineSpacing() * 5);
    auto* addCurrent = new QPushButton(QStringLiteral("加入当前字(&A)"), this);
    addCurrent->setObjectName(QStringLiteral("addCurrent"));
    addCurrent->setToolTip(QStringLiteral("把主窗口正在显示的字加到练习文字末尾"));

    models_ = countBox(this, "models", 1);
    traces_ = countBox(this, "traces", 3);
    tint_ = new QComboBox(this);
    tint_->setObjectName(QStringLiteral("tint"));
    tint_->addItems({QStringLiteral("浅灰"), QStringLiteral("浅红")});
    lightness_ = new QSpinBox(this);
    lightness_->setObjectName(QStringLiteral("lightness"));
    lightness_->setRange(50, 95);
    lightness_->setValue(80);
    lightness_->setPrefix(QStringLiteral("亮度 "));
    lightness_->setSuffix(QStringLiteral("%"));
    grid_ = new QComboBox(this);
    grid_->setObjectName(QStringLiteral("grid"));
    // In the order of CellGrid.
    grid_->addItems({QStringLiteral("速成宝格"), QStringLiteral("田字格"), QStringLiteral("米字格"),
                     QStringLiteral("九宫格"), QStringLiteral("八卦格"), QStringLiteral("无")});
    pinyin_ = new QCheckBox(QStringLiteral("在范字上方标注拼音(&P)"), this);
    pinyin_->setObjectName(QStringLiteral("pinyin"));
    report_ = new QLabel(this);
    report_->setObjectName(QStringLiteral("report"));
    report_->setWordWrap(true);

    auto* textRow = new QVBoxLayout;
    textRow->addWidget(text_);
    textRow->addWidget(addCurrent, 0, Qt::AlignLeft);
    auto* tintRow = new QHBoxLayout;
    tintRow->addWidget(tint_);
    tintRow->addWidget(lightness_);
    // Each label names its control and moves the focus there with Alt and its letter; a form row
    // makes that link itself for a single control, and is told it for a row of several.
    const auto labelFor = [this](const QString& caption, QWidget* control) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(control);
        return label;
    };
    auto* form = new QFormLayout;
    form->addRow(labelFor(QStringLiteral("练习文字(&T)"), text_), textRow);
    form->addRow(QStringLiteral("范字(&M)"), models_);
    form->addRow(QStringLiteral("描红(&R)"), traces_);
    form->addRow(labelFor(QStringLiteral("描红颜色(&C)"), tint_), tintRow);
    form->addRow(QStringLiteral("格子(&G)"), grid_);
    form->addRow(QString(), pinyin_);
    lightness_->setAccessibleName(QStringLiteral("描红亮度"));
    // Tab moves on from the practice text, which never needs a tab character.
    text_->setTabChangesFocus(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("关闭"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(report_);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(addCurrent, &QPushButton::clicked, this, [this] {
        if (currentCharacter) text_->appendPlainText(currentCharacter());
    });
    connect(text_, &QPlainTextEdit::textChanged, this, &CopybookDialog::settingsChanged);
    for (QSpinBox* box : {models_, traces_, lightness_})
        connect(box, &QSpinBox::valueChanged, this, &CopybookDialog::settingsChanged);
    for (QComboBox* list : {tint_, grid_})
        connect(list, &QComboBox::currentIndexChanged, this, &CopybookDialog::settingsChanged);
    connect(pinyin_, &QCheckBox::toggled, this, &CopybookDialog::settingsChanged);
}

CopybookSettings CopybookDialog::settings() const {
    CopybookSettings s;
    s.text = text_->toPlainText();
    s.models = models_->value();
    s.traces = traces_->value();
    s.tint = tint_->currentIndex() == 1 ? TraceTint::Red : TraceTint::Grey;
    s.lightness = lightness_->value();
    s.grid = static_cast<CellGrid>(grid_->currentIndex());
    s.pinyin = pinyin_->isChecked();
    return s;
}

void CopybookDialog::setReport(const QString& text) { report_->setText(text); }

}  // namespace zige
