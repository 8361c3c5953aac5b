// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid_sheet/copybook_page_pinyin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSet>
#include <QSettings>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextCursor>
#include <optional>

#include "grid_sheet/copybook_controls.h"
#include "text/hanzi_facts.h"
#include "text/practice_text.h"

namespace zige {

namespace {

constexpr char kStyle[] = "copybook/pinyinStyle", kWords[] = "copybook/words",
               kDictation[] = "copybook/dictation", kAnswers[] = "copybook/answers";

// The list's columns, and where a listed character lies in the text.
enum Column { CharacterColumn, WordColumn, ReadingColumn };
constexpr int kPosition = Qt::UserRole, kEnd = Qt::UserRole + 1, kChoices = Qt::UserRole;

// Picks a reading from the character's own, in a drop-down list in the cell.
class ReadingPicker : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        auto* box = new QComboBox(parent);
        box->addItems(index.data(kChoices).toStringList());
        // A pick is the edit: it is written at once, without leaving the cell first.
        connect(box, &QComboBox::activated, this, [this, box] {
            auto* self = const_cast<ReadingPicker*>(this);
            emit self->commitData(box);
            emit self->closeEditor(box);
        });
        return box;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        static_cast<QComboBox*>(editor)->setCurrentText(index.data().toString());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        model->setData(index, static_cast<QComboBox*>(editor)->currentText());
    }
};

QStandardItem* fixedItem(const QString& text) {
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    return item;
}

}  // namespace

PinyinPage::PinyinPage(QPlainTextEdit* text, QWidget* parent) : QWidget(parent), text_(text) {
    unit_ = new QComboBox(this);
    unit_->setObjectName(QStringLiteral("unit"));
    unit_->addItems(
        {QStringLiteral("字：每个字占一行"), QStringLiteral("词：以空格或换行分开的每个词占一行")});
    style_ = choiceList(this, "pinyinStyle", kPinyinStyles);
    dictation_ = new QCheckBox(QStringLiteral("看拼音写汉字：只印拼音，格子留空(&D)"), this);
    dictation_->setObjectName(QStringLiteral("dictation"));
    answers_ = new QCheckBox(QStringLiteral("最后附答案页(&W)"), this);
    answers_->setObjectName(QStringLiteral("answers"));
    answers_->setEnabled(false);

    listed_ = new QStandardItemModel(0, 3, this);
    listed_->setHorizontalHeaderLabels(
        {QStringLiteral("字"), QStringLiteral("所在词"), QStringLiteral("读音")});
    readings_ = new QTableView(this);
    readings_->setObjectName(QStringLiteral("readings"));
    readings_->setModel(listed_);
    readings_->setItemDelegateForColumn(ReadingColumn, new ReadingPicker(readings_));
    readings_->setEditTriggers(QAbstractItemView::DoubleClicked |
                               QAbstractItemView::SelectedClicked |
                               QAbstractItemView::EditKeyPressed);
    readings_->setTabKeyNavigation(false);  // Tab moves on to the next control
    readings_->verticalHeader()->hide();
    readings_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    readings_->horizontalHeader()->setSectionResizeMode(CharacterColumn,
                                                        QHeaderView::ResizeToContents);
    readings_->setMinimumHeight(fontMetrics().lineSpacing() * 8);
    readings_->setAccessibleName(QStringLiteral("多音字读音"));  // a table takes no label's name
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("readingCount"));
    count_->setWordWrap(true);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("练习单位(&U)"), unit_);
    form->addRow(QStringLiteral("拼音写法(&Y)"), style_);
    form->addRow(QString(), dictation_);
    form->addRow(QString(), answers_);
    form->addRow(QStringLiteral("多音字读音(&E)"), readings_);
    form->addRow(QString(), count_);

    for (QComboBox* list : {unit_, style_})
        connect(list, &QComboBox::currentIndexChanged, this, &PinyinPage::settingsChanged);
    for (QCheckBox* box : {dictation_, answers_})
        connect(box, &QCheckBox::toggled, this, &PinyinPage::settingsChanged);
    connect(dictation_, &QCheckBox::toggled, answers_, &QCheckBox::setEnabled);
    connect(listed_, &QStandardItemModel::itemChanged, this, [this](QStandardItem* item) {
        if (!listing_ && item->column() == ReadingColumn) writeReading(item->row(), item->text());
    });
    // Listed again once the text's change is done, never inside a pick being written.
    connect(text_, &QPlainTextEdit::textChanged, this, [this] {
        if (listPending_) return;
        listPending_ = true;
        QMetaObject::invokeMethod(this, &PinyinPage::listReadings, Qt::QueuedConnection);
    });
    listReadings();
}

void PinyinPage::readInto(CopybookSettings& s) const {
    s.words = unit_->currentIndex() == 1;
    s.pinyinStyle = chosen(style_, kPinyinStyles);
    s.dictation = dictation_->isChecked();
    s.answers = answers_->isChecked();
}

void PinyinPage::showSettings(const CopybookSettings& s) {
    unit_->setCurrentIndex(s.words ? 1 : 0);
    choose(style_, kPinyinStyles, s.pinyinStyle);
    dictation_->setChecked(s.dictation);
    answers_->setChecked(s.answers);
}

void PinyinPage::restore(const QSettings& stored, CopybookSettings& s) {
    s.pinyinStyle = choiceNamed(kPinyinStyles, stored.value(QLatin1String(kStyle)).toString())
                        .value_or(s.pinyinStyle);
    s.words = stored.value(QLatin1String(kWords), s.words).toBool();
    s.dictation = stored.value(QLatin1String(kDictation), s.dictation).toBool();
    s.answers = stored.value(QLatin1String(kAnswers), s.answers).toBool();
}

void PinyinPage::store(QSettings& stored, const CopybookSettings& s) {
    stored.setValue(QLatin1String(kStyle), nameOf(kPinyinStyles, s.pinyinStyle).option);
    stored.setValue(QLatin1String(kWords), s.words);
    stored.setValue(QLatin1String(kDictation), s.dictation);
    stored.setValue(QLatin1String(kAnswers), s.answers);
}

void PinyinPage::listReadings() {
    listPending_ = false;
    listing_ = true;
    // A pick lists the text again: the list stays where the user was in it.
    const QModelIndex current = readings_->currentIndex();
    const int scrolled = readings_->verticalScrollBar()->value();
    listed_->removeRows(0, listed_->rowCount());
    int places = 0;
    QSet<QString> characters;
    const QString text = text_->toPlainText();
    for (const TypedWord& word : typedWords(text)) {
        QString shown;
        for (const TypedCharacter& c : word) shown += c.character;
        constexpr qsizetype kLongest = 8;
        if (shown.size() > kLongest) shown = shown.left(kLongest - 1) + QStringLiteral("…");
        for (const TypedCharacter& c : word) {
            const QList<uint> codes = c.character.toUcs4();
            const std::optional<HanziFacts> facts =
                codes.size() == 1 ? hanziFacts(codes[0]) : std::nullopt;
            if (!facts || facts->readings.size() < 2) continue;
            ++places;
            characters.insert(c.character);
            if (listed_->rowCount() >= kMostListed) continue;
            QStandardItem* character = fixedItem(c.character);
            character->setData(int(c.position), kPosition);
            character->setData(int(c.end), kEnd);
            const QString reading = shownReading(c.character, c.reading).reading;
            QStringList choices = facts->readings;
            if (!choices.contains(reading)) choices.append(reading);  // typed, none of its own
            auto* picked = new QStandardItem(reading);
            picked->setData(choices, kChoices);
            listed_->appendRow({character, fixedItem(shown), picked});
        }
    }
    listing_ = false;
    readings_->setCurrentIndex(listed_->index(current.row(), current.column()));
    readings_->verticalScrollBar()->setValue(scrolled);
    count_->setText(places == 0 ? QStringLiteral("练习文字里没有多音字。")
                                : QStringLiteral("%1 处多音字（%2 个字）%3。选的读音写进练习文字，"
                                                 "如 长(cháng)。")
                                      .arg(places)
                                      .arg(characters.size())
                                      .arg(places > kMostListed
                                               ? QStringLiteral("，只列出前 %1 处").arg(kMostListed)
                                               : QString()));
}

void PinyinPage::writeReading(int row, const QString& reading) {
    const QStandardItem* character = listed_->item(row, CharacterColumn);
    QTextCursor cursor(text_->document());
    cursor.setPosition(character->data(kPosition).toInt() + int(character->text().size()));
    cursor.setPosition(character->data(kEnd).toInt(), QTextCursor::KeepAnchor);
    cursor.insertText(QStringLiteral("(%1)").arg(reading));
}

}  // namespace zige
