// Previous and next character, and the two font list rebuilds.
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "main_window/character_code.h"
#include "main_window/main_window.h"
#include "surface/numbers.h"
#include "surface/step_failed.h"

namespace zige {

QString MainWindow::listsCharacter() const {
    return CharFromZonePosition(toInt32(Combo2->currentText()), toInt32(Combo3->currentText()));
}

// The step works on the lists' indexes and counts, so a position list without a selection
// (index -1) still steps; the button comes back and the focus lands on the position list
// whatever fails on the way.
void MainWindow::Command2_Click() {
    Command2->setEnabled(false);
    endOnFailure([&] {
        const int position = Combo3->currentIndex();
        if (position > 0) {
            Combo3->setCurrentIndex(position - 1);
        } else if (const int zone = Combo2->currentIndex(); zone > 0) {
            Combo2->setCurrentIndex(zone - 1);
            Combo3->setCurrentIndex(Combo3->count() - 1);
        }
        showListsCharacter();
    });
    Command2->setEnabled(true);
    Combo3->setFocus();
}

void MainWindow::Command3_Click() {
    Command3->setEnabled(false);
    endOnFailure([&] {
        const int position = Combo3->currentIndex();
        if (position < Combo3->count() - 1) {
            Combo3->setCurrentIndex(position + 1);
        } else if (const int zone = Combo2->currentIndex(); zone < Combo2->count() - 1) {
            Combo2->setCurrentIndex(zone + 1);
            Combo3->setCurrentIndex(0);
        }
        showListsCharacter();
    });
    Command3->setEnabled(true);
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
