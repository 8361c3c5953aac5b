// SPDX-License-Identifier: GPL-3.0-or-later
// The copybook (字帖) of the sheet window: its dialog, the main window's glyph placement, the
// sheet shown when the text needs several, and what the dialog reports back.
#include <QScreen>
#include <algorithm>

#include "canvas/glyph_cache.h"
#include "core/step_failed.h"
#include "grid_sheet/copybook_dialog.h"
#include "grid_sheet/copybook_pages_school.h"
#include "grid_sheet/sheet_window.h"
#include "sheet_drawing/practice_notes.h"

namespace zige {

void SheetWindow::setMainWindowLink(MainWindowLink link) { mainWindow_ = std::move(link); }

const Copybook& SheetWindow::copybook() {
    // Only a copybook with text asks the main window where its glyphs go.
    if (hasPracticeText(model_.copybook.text) && mainWindow_.placement)
        model_.placement = mainWindow_.placement();
    if (!copybook_ || !isCopybookOf(*copybook_, model_)) copybook_ = buildCopybook(model_);
    return *copybook_;
}

int SheetWindow::copybookSheetCount() {
    int count = 1;
    if (!hasPracticeText(model_.copybook.text)) return count;
    skipOnFailure([&] { count = copybook().sheetCount(model_.down().count); });
    return count;
}

void SheetWindow::showCopybookSheet(int sheet) {
    copybookSheet_ = std::clamp(sheet, 0, copybookSheetCount() - 1);
    Form_Resize();
    updateCopybookReport();
    updateCopybookMenu();
}

namespace {

// Beside the sheet window where the screen has room, so the dialog hides none of the sheet it
// changes; else at the screen's right edge, over the sheet's last columns rather than over the
// model characters and their copies at the start of each row.
void placeBeside(QWidget& dialog, const QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    const QRect outer = window.frameGeometry();
    const QSize size = dialog.frameGeometry().size();
    const int top =
        std::clamp(outer.top(), room.top(), std::max(room.top(), room.bottom() - size.height()));
    if (outer.left() - size.width() > room.left() && outer.right() + size.width() >= room.right())
        dialog.move(outer.left() - size.width(), top);
    else
        dialog.move(std::min(outer.right() + 1, room.right() + 1 - size.width()), top);
}

}  // namespace

void SheetWindow::applyTypedText() {
    if (copybookDialog_) copybookDialog_->applyTypedText();
}

void SheetWindow::updateCopybookMenu() {
    const int sheets = copybookSheetCount();
    previousSheet_->setEnabled(copybookSheet_ > 0);
    nextSheet_->setEnabled(copybookSheet_ + 1 < sheets);
    const QString page = sheets > 1
                             ? QStringLiteral("（第 %1/%2 页）").arg(copybookSheet_ + 1).arg(sheets)
                             : QString();
    previousSheet_->setText(QStringLiteral("上一页") + page);
    nextSheet_->setText(QStringLiteral("下一页") + page);
}

void SheetWindow::openCopybookDialog() {
    const bool first = !copybookDialog_;
    if (first) {
        copybookDialog_ = new CopybookDialog(this);
        copybookDialog_->currentCharacter = mainWindow_.currentCharacter;
        const auto apply = [this] {
            model_.copybook = copybookDialog_->settings();
            showCopybookSheet(copybookSheet_);
        };
        connect(copybookDialog_, &CopybookDialog::settingsChanged, this, apply);
        connect(copybookDialog_->schoolPages(), &SchoolPages::columnsChosen, this,
                &SheetWindow::useColumns);
        // The dialog starts from the last run's settings, which the sheet now shows.
        apply();
    }
    updateCopybookReport();
    copybookDialog_->show();
    if (first) placeBeside(*copybookDialog_, *this);
    copybookDialog_->raise();
    copybookDialog_->activateWindow();
}

// The pages, what became of characters the chosen font cannot draw, and where pinyin goes.
void SheetWindow::updateCopybookReport() {
    if (!copybookDialog_) return;
    QStringList report;
    skipOnFailure([&] {
        showPaperFit(report);
        const Copybook& book = copybook();
        if (!hasPracticeText(book.settings.text)) return;
        const int sheets = copybookSheetCount();
        report.append(
            sheets > 1
                ? QStringLiteral("共 %1 页，正在显示第 %2 页。").arg(sheets).arg(copybookSheet_ + 1)
                : QStringLiteral("共 1 页。"));
        report.append(book.report.lines());
        report.append(pinyinNotes(model_));
    });
    copybookDialog_->setReport(report.join(QLatin1Char('\n')));
}

}  // namespace zige
