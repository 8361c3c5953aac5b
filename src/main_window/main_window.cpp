// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QTextEdit>
#include <QWindow>
#include <cmath>

#include "canvas/glyph_cache.h"
#include "core/numbers.h"
#include "core/step_failed.h"
#include "core/twips.h"
#include "grid_sheet/sheet_window.h"
#include "main_window/character_code.h"
#include "main_window/info_lines.h"
#include "ui/lists.h"
#include "ui/picture_box.h"
#include "ui/prompts.h"
#include "ui/twips_layout.h"
#include "views/character_views.h"

namespace zige {

MainWindow::MainWindow(std::shared_ptr<Prompts> prompts, FontSource fonts, QWidget* parent)
    : QWidget(parent),
      prompts_(std::move(prompts)),
      fonts_(std::move(fonts)),
      glyphs_(std::make_shared<GlyphCache>()) {
    setObjectName(QStringLiteral("vorel"));
    setWindowTitle(QStringLiteral("字格 — 汉字结构练习"));
    buildControls();
    setFixedSize(wholePixels(10635), wholePixels(7920));
    connectHandlers();
}

MainWindow::~MainWindow() {
    if (sheetWindow_) delete sheetWindow_.data();
}

void MainWindow::connectHandlers() {
    connect(Combo1, &PickList::picked, this, &MainWindow::Combo1_Click);
    connect(Combo2, &PickList::picked, this, &MainWindow::Combo2_Click);
    connect(Combo3, &PickList::picked, this, &MainWindow::Combo3_Click);
    connect(Combo9, &PickList::picked, this, &MainWindow::Combo9_Click);
    // The character size, the grid box and the overlay switch only redraw.
    for (PickList* list : {Combo4, Combo5, Combo6, Combo7, Combo8})
        connect(list, &PickList::picked, this, &MainWindow::redrawIgnoringFailure);
    connect(Check1, &QCheckBox::clicked, this, &MainWindow::redrawIgnoringFailure);
    connect(Text2, &QLineEdit::textEdited, this, &MainWindow::Text2_Change);
    connect(Command1, &QPushButton::clicked, this, &MainWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &MainWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &MainWindow::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &MainWindow::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &MainWindow::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &MainWindow::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &MainWindow::Command7_Click);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &MainWindow::onFocusWindowChanged);
    connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, this, [this] { glyphs_->clear(); });
}

void MainWindow::Form_Load() {
    centreOnScreen(this);
    fillFontList(*Combo1, fonts_());
    // From here on a failing step is skipped and start-up goes on.
    skipOnFailure([&] {
        addNumbers(*Combo4, 10, 200);
        setListText(*Combo4, QStringLiteral("120"));
    });
    skipOnFailure([&] {
        addNumbers(*Combo2, 16, 87);
        setListText(*Combo2, QStringLiteral("16"));
    });
    skipOnFailure([&] {
        addNumbers(*Combo3, 1, 94);
        setListText(*Combo3, QStringLiteral("1"));
    });
    skipOnFailure([&] {
        CurrentChar = listsCharacter();
        Text2->setText(CurrentChar);
    });
    skipOnFailure([&] {
        addNumbers(*Combo5, 0, 500, 10);
        setListIndex(*Combo5, 1);
    });
    skipOnFailure([&] {
        addNumbers(*Combo6, 0, 600, 10);
        setListIndex(*Combo6, 1);
    });
    // The grid box may span the whole view, in steps of ten twips.
    const auto tens = [](double twips) { return int(std::floor(float(twips) / 10.0f)); };
    skipOnFailure([&] {
        addNumbers(*Combo7, 0, 10 * tens(Picture1->widthTwips()), 10);
        setListIndex(*Combo7, 240);
    });
    skipOnFailure([&] {
        addNumbers(*Combo8, 0, 10 * tens(Picture1->heightTwips()), 10);
        setListIndex(*Combo8, 240);
    });
    skipOnFailure([&] {
        addNumbers(*Combo9, 10, 200);
        setListText(*Combo9, QStringLiteral("16"));
    });
    skipOnFailure([&] { RefreshViews(); });
    loadLibrary();
    formatLibrary(true, true);
    QTextCursor start = RichTextBox1->textCursor();
    start.setPosition(0);
    RichTextBox1->setTextCursor(start);
}

void MainWindow::RefreshViews() {
    // Anything a listing left for the next frame first, so a redraw that stops early leaves the
    // views as drawing every listed character in full would have.
    drawListedFrame();
    const ViewInputs inputs = viewInputs();
    updateInfoLines(inputs);
    zige::RefreshViews(
        {&Picture1->canvas(), &Picture2->canvas(), &Picture3->canvas(), &Picture4->canvas()},
        inputs);
}

ViewInputs MainWindow::viewInputs() const {
    return {CurrentChar,           Combo1->currentText(),
            Combo4->currentText(), Combo5->currentText(),
            Combo6->currentText(), Combo7->currentText(),
            Combo8->currentText(), Check1->checkState() != Qt::Unchecked};
}

// Before the redraw, so the lines describe the character even when a bad value stops it.
void MainWindow::updateInfoLines(const ViewInputs& inputs) {
    Label11->setText(characterInfo(inputs.character, inputs.widthText, inputs.heightText));
    Label12->setText(zige::fontInfo(*glyphs_, inputs.fontName, inputs.sizeText, inputs.character));
}

void MainWindow::redrawIgnoringFailure() {
    skipOnFailure([&] { RefreshViews(); });
}

void MainWindow::Combo2_Click() {
    endOnFailure([&] { showListsCharacter(); });
}

void MainWindow::Combo3_Click() { Combo2_Click(); }

void MainWindow::Text2_Change() {
    endOnFailure([&] {
        const QString typed = Text2->text();
        const QString first = firstCharacter(typed);
        if (first.size() != typed.size()) Text2->setText(first);
        CurrentChar = first;
        updateInfoLines(viewInputs());
        if (CurrentChar.isEmpty()) return;
        // Only a two-byte code page 936 character goes on to choose a code.
        const std::optional<ZonePosition> code = ZonePositionFromChar(CurrentChar);
        if (!code) return;
        setListText(*Combo2, QString::number(code->zone));
        setListText(*Combo3, QString::number(code->position));
        RefreshViews();
    });
}

void MainWindow::Form_Activate() { Combo3->setFocus(); }

// Activation counts when the window first appears and when the user comes back to it from
// another window of this program. Popups (an open list, a menu), tooltips and dialogs are not
// windows one comes back from, so they are not remembered as the window the focus left; and
// leaving for another application leaves no window of ours focused at all.
void MainWindow::onFocusWindowChanged(QWindow* now) {
    if (!now || now->type() != Qt::Window) return;
    const bool fromOtherWindow = lastFocusWindow_ && lastFocusWindow_ != now;
    lastFocusWindow_ = now;
    if (now != windowHandle()) return;
    if (!activatedOnce_ || fromOtherWindow) {
        activatedOnce_ = true;
        Form_Activate();
    }
}

void MainWindow::Command4_Click() {
    const Prompts::Answer answer =
        prompts_->message(this, QStringLiteral("是否退出程序?"), QStringLiteral("提示"),
                          Prompts::Buttons::YesNo, Prompts::Icon::None);
    if (answer == Prompts::Answer::No) return;
    close();
}

GlyphPlacement MainWindow::glyphPlacement() const {
    return {Combo1->currentText(), toSingle(Combo4->currentText()),
            QRectF(toInt32(Combo5->currentText()), toInt32(Combo6->currentText()),
                   toInt32(Combo7->currentText()), toInt32(Combo8->currentText()))};
}

SheetWindow* MainWindow::sheetWindow() const { return sheetWindow_.data(); }

void MainWindow::Command7_Click() {
    if (!sheetWindow_) {
        sheetWindow_ = new SheetWindow(prompts_);
        sheetWindow_->setAttribute(Qt::WA_DeleteOnClose);
        // A copybook prints each character as this window places it, read at each redraw.
        sheetWindow_->setMainWindowLink(
            {[this] { return glyphPlacement(); }, [this] { return CurrentChar; }});
        sheetWindow_->Form_Load();
    }
    sheetWindow_->show();
    sheetWindow_->raise();
    sheetWindow_->activateWindow();
}

// Closing cannot be refused: the sheet window goes too and the program ends.
void MainWindow::closeEvent(QCloseEvent* event) {
    closing_ = true;
    if (sheetWindow_) sheetWindow_->close();
    event->accept();
    QCoreApplication::quit();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1->viewport() && event->type() == QEvent::MouseButtonRelease) Text1_Click();
    return QWidget::eventFilter(watched, event);
}

}  // namespace zige
