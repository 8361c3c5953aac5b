// SPDX-License-Identifier: GPL-3.0-or-later
// The character listing: every code of zones 16 to 87 into Text1, one per line, while the views
// follow; a click on Text1 stops it. The quick grid view draws every character, as its overlay
// gathers them; the other views and the information lines, which only a screen can show, are
// drawn once per displayed frame with the character then current.
#include "main_window/listing.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <utility>

#include "core/step_failed.h"
#include "main_window/character_code.h"
#include "main_window/main_window.h"
#include "ui/frame_pacer.h"
#include "ui/picture_box.h"
#include "ui/prompts.h"

namespace zige {

void appendListingLine(QPlainTextEdit& box, const QString& line, LineBreak lineBreak) {
    // appendPlainText breaks the line unless the box is empty, and only the new line and the
    // scrolled strip get repainted; rebuilding the text would repaint and relayout it all.
    if (lineBreak == LineBreak::Always && box.document()->isEmpty()) {
        QTextCursor end(box.document());
        end.insertBlock();
        end.insertText(line);
        return;
    }
    box.appendPlainText(line);
}

// What changed is already marked for repainting; it shows with the next frame.
void showListingEnd(QPlainTextEdit& box) {
    // A caret at the end moves on with text appended there; moving it again would only redo the
    // box's caret bookkeeping. The user may have moved it, or selected, meanwhile.
    const QTextCursor caret = box.textCursor();
    if (!caret.atEnd() || caret.hasSelection()) box.moveCursor(QTextCursor::End);
    box.ensureCursorVisible();
}

QString listingText(const QPlainTextEdit& box) {
    QString text;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        if (block != box.document()->begin()) text += QStringLiteral("\r\n");
        text += block.text();
    }
    return text;
}

QString MainWindow::listingText() const { return zige::listingText(*Text1); }

void MainWindow::Text1_Click() { StopListing = true; }

void MainWindow::drawListed() {
    const ViewInputs inputs = viewInputs();
    try {
        // The other views print this character only if a frame comes before the next one.
        zige::RefreshQuickView(Picture4->canvas(), inputs, Canvas::TextReuse::Once);
        listedFrame_ = inputs;
    } catch (const StepFailed&) {
        // A value the views refuse stops a full redraw in its first view: the full redraw then.
        RefreshViews();
    }
}

void MainWindow::drawListedFrame() {
    if (!listedFrame_) return;
    const ViewInputs inputs = *std::exchange(listedFrame_, std::nullopt);
    updateInfoLines(inputs);
    // The quick view took these values, so these views do too; the guard only keeps any failure
    // from crossing the event loop, as this runs inside it.
    skipOnFailure([&] {
        zige::RefreshGridViews({&Picture1->canvas(), &Picture2->canvas(), &Picture3->canvas()},
                               inputs);
    });
}

void MainWindow::Command1_Click() {
    // Every yield may run any handler, close this window or destroy it; after each one the
    // listing only goes on while the window is still open.
    const QPointer<MainWindow> self(this);
    const auto gone = [&] { return !self || closing_; };

    // The hint may outlive the window, so it holds its own reference to the prompts.
    const std::shared_ptr<Prompts> prompts = prompts_;
    prompts->message(this, QStringLiteral("点击按钮下方的文字显示框停止！"), QStringLiteral("提示"),
                     Prompts::Buttons::Ok, Prompts::Icon::None);
    if (gone()) return;
    Command1->setEnabled(false);
    const QString caption = Command1->text();
    qint32 counter = 0;
    Text1->clear();
    StopListing = false;
    // Every character still changes the window and every yield handles input, but the window
    // paints once per display frame: at ~800 characters a second most paints would never show.
    FramePacer pacer(this, [this] { drawListedFrame(); });
    pacer.holdBetweenFrames(Text1);
    // However the listing ends, the views show its last character as a full redraw would.
    const auto lastFrame = qScopeGuard([&] {
        if (self) drawListedFrame();
    });

    for (int zone = 16; zone <= 87 && !StopListing; ++zone) {
        for (int position = 1; position <= 94; ++position) {
            if (StopListing) break;
            if (!endOnFailure([&] { CurrentChar = CharFromZonePosition(zone, position); }))
                CurrentChar.clear();
            appendListingLine(*Text1, CurrentChar);
            showListingEnd(*Text1);
            ++counter;
            Command1->setText(QString::number(counter));
            QCoreApplication::processEvents();
            if (gone()) return;
            skipOnFailure([&] { drawListed(); });
        }
    }

    appendListingLine(*Text1, QStringLiteral("End"), LineBreak::Always);
    showListingEnd(*Text1);
    // Back to the character the lists select, as the user may have left them meanwhile.
    skipOnFailure([&] { CurrentChar = listsCharacter(); });
    skipOnFailure([&] { RefreshViews(); });
    Command1->setText(caption);
    Command1->setEnabled(true);
}

}  // namespace zige
