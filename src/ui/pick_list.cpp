// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pick_list.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionComboBox>

namespace zige {

namespace {

// The lists are as narrow as their design gives them (41 px for three digits); the platform's
// drop-down arrow and padding would leave too little of that for the text.
class NarrowListStyle : public QProxyStyle {
public:
    static constexpr int kArrow = 11;  // the arrow's area, separator included
    static constexpr int kMargin = 2;  // frame and padding on each side of the text

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override {
        if (control != CC_ComboBox || (sub != SC_ComboBoxArrow && sub != SC_ComboBoxEditField))
            return QProxyStyle::subControlRect(control, option, sub, widget);
        const QRect r = option->rect;
        const QRect rect = sub == SC_ComboBoxArrow
                               ? QRect(r.right() + 1 - kMargin - kArrow, r.top() + kMargin, kArrow,
                                       r.height() - 2 * kMargin)
                               : QRect(r.left() + kMargin, r.top() + kMargin,
                                       r.width() - 2 * kMargin - kArrow, r.height() - 2 * kMargin);
        return visualRect(option->direction, r, rect);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        if (element != CE_ComboBoxLabel || !combo)
            return QProxyStyle::drawControl(element, option, painter, widget);
        // The label is drawn one pixel inside the edit field on each side.
        QStyleOptionComboBox elided(*combo);
        const QRect field = subControlRect(CC_ComboBox, combo, SC_ComboBoxEditField, widget);
        elided.currentText =
            combo->fontMetrics.elidedText(combo->currentText, Qt::ElideRight, field.width() - 2);
        QProxyStyle::drawControl(element, &elided, painter, widget);
    }
};

QStyle* narrowListStyle() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new NarrowListStyle;
        style->setParent(qApp);
    }
    return style;
}

}  // namespace

PickList::PickList(QWidget* parent) : QComboBox(parent) {
    setStyle(narrowListStyle());
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!editingEnds_) emit picked(index);
    });
}

void PickList::acceptTyping() {
    auto* edit = new QLineEdit(this);
    // Connected before QComboBox connects its own handler to the same signal, and after it, so
    // the flag is up exactly while QComboBox reacts to the end of editing.
    connect(edit, &QLineEdit::editingFinished, this, [this] { editingEnds_ = true; });
    setLineEdit(edit);
    connect(edit, &QLineEdit::editingFinished, this, [this] { editingEnds_ = false; });
    // Typed text is a value for the next redraw, not a new entry of the list.
    setInsertPolicy(QComboBox::NoInsert);
}

}  // namespace zige
