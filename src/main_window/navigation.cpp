// SPDX-License-Identifier: GPL-3.0-or-later
// Previous and next character, and the two font list rebuilds.
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "core/numbers.h"
#include "core/step_failed.h"
#include "main_window/character_code.h"
#include "main_window/main_window.h"

namespace zige {

QString MainWindow::listsCharacter() const {
    return CharFromZonePosition(toInt32(Combo2->currentText()), toInt32(Combo3->currentText()));
}

void MainWindow::Command2_Click() { stepCharacter(*Command2, -1); }

void MainWindow::Command3_Click() { stepCharacter(*Command3, +1); }

// The step works on the lists' indexes and counts, so a position list without a selection
// (index -1) still steps: back to the last position of the zone before, or on to position 1.
// The button comes back and the focus lands on the position list whatever fails on the way.
void MainWindow::stepCharacter(QPushButton& button, int direction) {
    button.setEnabled(false);
    endOnFailure([&] {
        const int position = Combo3->currentIndex() + direction;
        if (position >= 0 && position < Combo3->count()) {
            Combo3->setCurrentIndex(position);
        } else if (const int zone = Combo2->currentIndex() + direction;
                   zone >= 0 && zone < Combo2->count()) {
            Combo2->setCurrentIndex(zone);
            Combo3->setCurrentIndex(direction > 0 ? 0 : Combo3->count() - 1);
        }
        showListsCharacter();
    });
    button.setEnabled(true);
    Combo3->setFocus();
}

// At either end nothing is selected anew, but the same character is still rebuilt and redrawn.
void MainWindow::showListsCharacter() {
    CurrentChar = listsCharacter();
    Text2->setText(CurrentChar);
    RefreshViews();
}

void MainWindow::Command5_Click() {
    rebuildFonts(*Command5, QStringLiteral("过滤"), FontFilter::ChineseOnly);
}

void MainWindow::Command6_Click() {
    rebuildFonts(*Command6, QStringLiteral("恢复"), FontFilter::All);
}

void MainWindow::rebuildFonts(QPushButton& button, const QString& caption, FontFilter filter) {
    const QPointer<MainWindow> self(this);
    rebuildFontList(*Combo1, button, caption, fonts_(), filter, [&] { return !self || closing_; });
}

}  // namespace zige
