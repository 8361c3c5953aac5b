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
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "grid_sheet/copybook_controls.h"
#include "grid_sheet/copybook_page_characters.h"
#include "grid_sheet/copybook_page_pinyin.h"
#include "grid_sheet/copybook_page_stroke_order.h"
#include "grid_sheet/copybook_pages_school.h"

namespace zige {

namespace {

QSpinBox* countBox(QWidget* parent, const char* name, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(0, kMostCopies);
    box->setValue(value);
    box->setSuffix(QStringLiteral(" 格"));
    return box;
}

// The copybook settings are kept between runs, under these keys.
constexpr char kText[] = "copybook/text", kModels[] = "copybook/models",
               kTraces[] = "copybook/traces", kTint[] = "copybook/tint",
               kLightness[] = "copybook/lightness", kGrid[] = "copybook/grid",
               kPinyin[] = "copybook/pinyin";

CopybookSettings storedSettings() {
    const QSettings stored;
    CopybookSettings s;
    const auto number = [&](const char* key, int value) {
        return stored.value(QLatin1String(key), value).toInt();
    };
    s.text = stored.value(QLatin1String(kText)).toString();
    s.models = number(kModels, s.models);
    s.traces = number(kTraces, s.traces);
    s.tint =
        choiceNamed(kTraceTints, stored.value(QLatin1String(kTint)).toString()).value_or(s.tint);
    s.lightness = number(kLightness, s.lightness);
    s.grid =
        choiceNamed(kCellGrids, stored.value(QLatin1String(kGrid)).toString()).value_or(s.grid);
    s.pinyin = stored.value(QLatin1String(kPinyin), s.pinyin).toBool();
    s.school = SchoolPages::stored(stored);
    PinyinPage::restore(stored, s);
    s.strokes = StrokeOrderPage::stored(stored);
    return s;
}

void storeSettings(const CopybookSettings& s) {
    QSettings stored;
    stored.setValue(QLatin1String(kText), s.text);
    stored.setValue(QLatin1String(kModels), s.models);
    stored.setValue(QLatin1String(kTraces), s.traces);
    stored.setValue(QLatin1String(kTint), nameOf(kTraceTints, s.tint).option);
    stored.setValue(QLatin1String(kLightness), s.lightness);
    stored.setValue(QLatin1String(kGrid), nameOf(kCellGrids, s.grid).option);
    stored.setValue(QLatin1String(kPinyin), s.pinyin);
    SchoolPages::store(stored, s.school);
    PinyinPage::store(stored, s);
    StrokeOrderPage::store(stored, s.strokes);
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
    tint_ = choiceList(this, "tint", kTraceTints);
    lightness_ = new QSpinBox(this);
    lightness_->setObjectName(QStringLiteral("lightness"));
    lightness_->setRange(kDarkestTrace, kLightestTrace);
    lightness_->setValue(80);
    lightness_->setPrefix(QStringLiteral("亮度 "));
    lightness_->setSuffix(QStringLiteral("%"));
    grid_ = choiceList(this, "grid", kCellGrids);
    pinyin_ = new QCheckBox(QStringLiteral("标注拼音(&P)"), this);
    pinyin_->setObjectName(QStringLiteral("pinyin"));
    pinyin_->setToolTip(QStringLiteral("写法在「拼音与词语」页选：四线三格或简单拼音"));
    report_ = new QLabel(this);
    report_->setObjectName(QStringLiteral("report"));
    report_->setWordWrap(true);
    report_->setTextFormat(Qt::PlainText);  // the practice text's characters, never markup

    auto* textRow = new QVBoxLayout;
    textRow->addWidget(text_);
    textRow->addWidget(addCurrent, 0, Qt::AlignLeft);
    auto* tintRow = new QHBoxLayout;
    tintRow->addWidget(tint_);
    tintRow->addWidget(lightness_);
    auto* form = new QFormLayout;
    form->addRow(labelFor(this, QStringLiteral("练习文字(&T)"), text_), textRow);
    form->addRow(QStringLiteral("范字(&M)"), models_);
    form->addRow(QStringLiteral("描红(&R)"), traces_);
    form->addRow(labelFor(this, QStringLiteral("描红颜色(&C)"), tint_), tintRow);
    form->addRow(QStringLiteral("格子(&G)"), grid_);
    form->addRow(QString(), pinyin_);
    lightness_->setAccessibleName(QStringLiteral("描红亮度"));
    // Tab moves on from the practice text, which never needs a tab character.
    text_->setTabChangesFocus(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("关闭"));
    // One page per part of the settings; the report below them all.
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pages"));
    auto* practice = new QWidget(pages);
    practice->setLayout(form);
    pages->addTab(practice, QStringLiteral("练习"));
    strokeOrderPage_ = new StrokeOrderPage(pages);
    pages->addTab(strokeOrderPage_, QStringLiteral("笔顺"));
    pinyinPage_ = new PinyinPage(text_, pages);
    pages->addTab(pinyinPage_, QStringLiteral("拼音与词语"));
    pages->addTab(new CharactersPage(text_, pages), QStringLiteral("选字"));
    school_ = new SchoolPages(*pages);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(report_);
    layout->addWidget(buttons);

    showSettings(storedSettings());
    connect(this, &CopybookDialog::settingsChanged, this, [this] { storeSettings(settings()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(addCurrent, &QPushButton::clicked, this, [this] {
        if (currentCharacter) text_->appendPlainText(currentCharacter());
    });
    // A short text redraws the sheet at every key; a long one (a whole level of the table)
    // once typing pauses, so that keys never wait on a redraw of thousands of rows.
    typingPause_ = new QTimer(this);
    typingPause_->setSingleShot(true);
    typingPause_->setInterval(300);
    connect(typingPause_, &QTimer::timeout, this, &CopybookDialog::settingsChanged);
    connect(text_, &QPlainTextEdit::textChanged, this, [this] {
        constexpr int kRedrawnAtEveryKey = 5000;  // characters
        if (text_->document()->characterCount() > kRedrawnAtEveryKey)
            typingPause_->start();
        else
            emit settingsChanged();
    });
    for (QSpinBox* box : {models_, traces_, lightness_})
        connect(box, &QSpinBox::valueChanged, this, &CopybookDialog::settingsChanged);
    for (QComboBox* list : {tint_, grid_})
        connect(list, &QComboBox::currentIndexChanged, this, &CopybookDialog::settingsChanged);
    connect(pinyin_, &QCheckBox::toggled, this, &CopybookDialog::settingsChanged);
    connect(school_, &SchoolPages::changed, this, &CopybookDialog::settingsChanged);
    connect(school_, &SchoolPages::presetChosen, this, [this](Preset preset) {
        CopybookSettings s = settings();
        applyPreset(preset, s);
        {
            const QSignalBlocker once(this);  // the sheet is redrawn once, with all of it
            showSettings(s);
        }
        emit settingsChanged();
    });
    connect(pinyinPage_, &PinyinPage::settingsChanged, this, &CopybookDialog::settingsChanged);
    connect(strokeOrderPage_, &StrokeOrderPage::changed, this, &CopybookDialog::settingsChanged);
}

CopybookSettings CopybookDialog::settings() const {
    CopybookSettings s;
    s.text = text_->toPlainText();
    s.models = models_->value();
    s.traces = traces_->value();
    s.tint = chosen(tint_, kTraceTints);
    s.lightness = lightness_->value();
    s.grid = chosen(grid_, kCellGrids);
    s.pinyin = pinyin_->isChecked();
    s.school = school_->settings();
    pinyinPage_->readInto(s);
    s.strokes = strokeOrderPage_->settings();
    return s;
}

void CopybookDialog::showSettings(const CopybookSettings& s) {
    text_->setPlainText(s.text);
    models_->setValue(s.models);
    traces_->setValue(s.traces);
    choose(tint_, kTraceTints, s.tint);
    lightness_->setValue(s.lightness);
    choose(grid_, kCellGrids, s.grid);
    pinyin_->setChecked(s.pinyin);
    school_->showSettings(s.school);
    pinyinPage_->showSettings(s);
    strokeOrderPage_->showSettings(s.strokes);
}

void CopybookDialog::applyTypedText() {
    if (!typingPause_->isActive()) return;
    typingPause_->stop();
    emit settingsChanged();
}

void CopybookDialog::setReport(const QString& text) { report_->setText(text); }

}  // namespace zige
