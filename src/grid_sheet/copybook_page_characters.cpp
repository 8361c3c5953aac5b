// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid_sheet/copybook_page_characters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextCursor>
#include <optional>

#include "grid_sheet/copybook_controls.h"
#include "sheet_drawing/practice_notes.h"
#include "text/hanzi_facts.h"
#include "text/practice_text.h"
#include "text/text_file.h"

namespace zige {

CharactersPage::CharactersPage(QPlainTextEdit* text, QWidget* parent)
    : QWidget(parent), text_(text) {
    level_ = new QComboBox(this);
    level_->setObjectName(QStringLiteral("tableLevel"));
    level_->addItems({QStringLiteral("一级字（3500 字）"), QStringLiteral("二级字（3000 字）"),
                      QStringLiteral("三级字（1605 字）")});
    first_ = new QSpinBox(this);
    first_->setObjectName(QStringLiteral("tableFirst"));
    first_->setPrefix(QStringLiteral("第 "));
    last_ = new QSpinBox(this);
    last_->setObjectName(QStringLiteral("tableLast"));
    last_->setPrefix(QStringLiteral("到第 "));
    for (QSpinBox* place : {first_, last_}) {
        place->setSuffix(QStringLiteral(" 个"));
        place->setAccelerated(true);
    }
    fitRange();
    first_->setValue(1);
    last_->setValue(100);
    onlyNew_ = new QCheckBox(QStringLiteral("练习文字里已有的字不再加入(&K)"), this);
    onlyNew_->setObjectName(QStringLiteral("tableOnlyNew"));
    onlyNew_->setChecked(true);
    auto* add = new QPushButton(QStringLiteral("加到练习文字(&J)"), this);
    add->setObjectName(QStringLiteral("tableAdd"));
    auto* open = new QPushButton(QStringLiteral("打开文本文件(&O)…"), this);
    open->setObjectName(QStringLiteral("openTextFile"));
    open->setToolTip(QStringLiteral("UTF-8 或 GB18030 的文本；其中的汉字成为练习文字"));
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("charactersNote"));
    note_->setWordWrap(true);
    note_->setTextFormat(Qt::PlainText);  // a file's characters, never markup

    auto* range = new QHBoxLayout;
    range->addWidget(first_);
    range->addWidget(last_);
    last_->setAccessibleName(QStringLiteral("范围的最后一个"));
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("通用规范汉字表(&L)"), level_);
    form->addRow(labelFor(this, QStringLiteral("范围(&F)"), first_), range);
    form->addRow(QString(), onlyNew_);
    form->addRow(QString(), add);
    form->addRow(QString(), open);
    form->addRow(note_);

    connect(level_, &QComboBox::currentIndexChanged, this, &CharactersPage::fitRange);
    connect(add, &QPushButton::clicked, this, &CharactersPage::addFromTable);
    connect(open, &QPushButton::clicked, this, [this] {
        const QString path =
            QFileDialog::getOpenFileName(this, QStringLiteral("打开文本文件"), QString(),
                                         QStringLiteral("文本文件 (*.txt);;所有文件 (*)"));
        if (!path.isEmpty()) openTextFile(path);
    });
}

void CharactersPage::fitRange() {
    const int size = commonLevelSize(level_->currentIndex() + 1);
    for (QSpinBox* place : {first_, last_}) place->setRange(1, size);
}

void CharactersPage::addFromTable() {
    const int level = level_->currentIndex() + 1;
    const int first = std::min(first_->value(), last_->value());
    const int last = std::max(first_->value(), last_->value());
    const TableChoice choice =
        tableCharacters(level, first, last, text_->toPlainText(), onlyNew_->isChecked());
    if (!choice.characters.isEmpty()) text_->appendPlainText(choice.characters);
    note_->setText(tableNote(level, first, last, choice));
}

void CharactersPage::openTextFile(const QString& path) {
    QFile file(path);
    const QString name = QFileInfo(path).fileName();
    if (!file.open(QIODevice::ReadOnly)) {
        note_->setText(QStringLiteral("无法读取「%1」：%2").arg(name, file.errorString()));
        return;
    }
    const std::optional<QString> text = decodeTextFile(file.readAll());
    if (!text) {
        note_->setText(QStringLiteral("「%1」既不是 UTF-8 也不是 GB18030 文本").arg(name));
        return;
    }
    const HanziOnly kept = keepHanzi(*text);
    QTextCursor all(text_->document());  // replaced as an edit, so 撤销 brings the old text back
    all.select(QTextCursor::Document);
    all.insertText(kept.text);
    note_->setText(QStringLiteral("已打开「%1」。").arg(name) +
                   (kept.leftOut.isEmpty() ? QString() : leftOutNote(kept.leftOut)));
}

}  // namespace zige
