// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid_sheet/sheet_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <cmath>

#include "canvas/glyph_cache.h"
#include "core/numbers.h"
#include "core/step_failed.h"
#include "core/twips.h"
#include "ui/accessible_names.h"
#include "ui/lists.h"
#include "ui/picture_box.h"
#include "ui/prompts.h"
#include "ui/twips_layout.h"

namespace zige {

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& caption, const QString& tip,
              int left, int top, int width) {
    auto* l = makeControl<QLabel>(parent, name, left, top, width, 180);
    l->setText(caption);
    l->setToolTip(tip);
    return l;
}

PickList* parameterList(QWidget* parent, const char* name, int left, int top) {
    auto* list = makeControl<PickList>(parent, name, left, top, 855, 300);
    list->acceptTyping();
    return list;
}

// Geometry read and written in twips, as the window's layout statements are.
double leftTwips(const QWidget& w) { return twipsFromPixels(w.x()); }
double topTwips(const QWidget& w) { return twipsFromPixels(w.y()); }
double widthTwips(const QWidget& w) { return twipsFromPixels(w.width()); }
double heightTwips(const QWidget& w) { return twipsFromPixels(w.height()); }

// A size of zero or less is refused, as when the window is too small for the viewport.
int positiveSize(double twips) {
    if (!(twips > 0)) throw StepFailed("size refused");
    const int px = wholePixels(twips);
    if (px <= 0) throw StepFailed("size refused");
    return px;
}

int position(double twips) {
    if (!std::isfinite(twips) || std::fabs(twips) > twipsFromPixels(QWIDGETSIZE_MAX))
        throw StepFailed("position refused");
    return wholePixels(twips);
}

// LargeChange = (Max + Min) * viewport / (canvas - viewport) in single precision; the bar takes
// page sizes from 1 to 32767 only, so anything else fails and the old page size stays.
void setPageSize(QScrollBar& bar, double viewport, double canvas) {
    const float factor = float(bar.maximum() + bar.minimum());
    const float page = factor * float(viewport) / (float(canvas) - float(viewport));
    const std::int16_t rounded = toInt16(page);
    if (rounded < 1) throw StepFailed("page size refused");
    bar.setPageStep(rounded);
}

// Canvas offset = -(canvas - viewport) / (Max - Min) * Value, in single precision.
float scrolledOffset(const QScrollBar& bar, double canvas, double viewport) {
    const float offset = -(float(canvas) - float(viewport)) / float(bar.maximum() - bar.minimum()) *
                         float(bar.sliderPosition());
    if (!std::isfinite(offset)) throw StepFailed("division by zero");
    return offset;
}

// The menu bar's share of the window's height; none when the desktop shows it elsewhere.
int menuBarHeight(const QMenuBar& bar) {
    return bar.isNativeMenuBar() ? 0 : bar.sizeHint().height();
}

}  // namespace

SheetWindow::SheetWindow(std::shared_ptr<Prompts> prompts, QWidget* parent)
    : QWidget(parent), prompts_(std::move(prompts)), glyphs_(std::make_shared<GlyphCache>()) {
    setObjectName(QStringLiteral("suchengge"));
    setWindowTitle(QStringLiteral("生成速成宝格"));
    buildMenu();
    buildControls();
    // The form's client area keeps its design size below the menu bar.
    resize(wholePixels(9795), wholePixels(7815) + menuBarHeight(*menuBar_));
    connectHandlers();
}

void SheetWindow::buildMenu() {
    menuBar_ = new QMenuBar(this);
    QMenu* file = menuBar_->addMenu(QStringLiteral("文件(&F)"));
    const auto add = [&](const char* name, const QString& text, const QKeySequence& keys,
                         auto handler, QMenu* menu = nullptr) {
        QAction* action = (menu ? menu : file)->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    add("saveBmp", QStringLiteral("保存 BMP…"), QKeySequence::Save, &SheetWindow::Command1_Click);
    add("exportPdf", QStringLiteral("导出 PDF…"), {}, &SheetWindow::exportPdf);
    add("exportPng", QStringLiteral("导出 PNG（300 dpi）…"), {}, &SheetWindow::exportPng);
    file->addSeparator();
    add("printPreview", QStringLiteral("打印预览…"), {}, &SheetWindow::printPreview);
    add("print", QStringLiteral("打印…"), QKeySequence::Print, &SheetWindow::printSheet);
    file->addSeparator();
    add("close", QStringLiteral("关闭"), QKeySequence::Close, &SheetWindow::Command2_Click);

    // The copybook: the characters to practise, and which of its sheets the canvas shows.
    QMenu* book = menuBar_->addMenu(QStringLiteral("字帖(&C)"));
    add("copybook", QStringLiteral("字帖设置…"), {}, &SheetWindow::openCopybookDialog, book);
    book->addSeparator();
    previousSheet_ = add(
        "previousSheet", QStringLiteral("上一页"), QKeySequence(Qt::CTRL | Qt::Key_PageUp),
        [this] { showCopybookSheet(copybookSheet_ - 1); }, book);
    nextSheet_ = add(
        "nextSheet", QStringLiteral("下一页"), QKeySequence(Qt::CTRL | Qt::Key_PageDown),
        [this] { showCopybookSheet(copybookSheet_ + 1); }, book);
    connect(book, &QMenu::aboutToShow, this, &SheetWindow::updateCopybookMenu);
    updateCopybookMenu();
}

void SheetWindow::buildControls() {
    QFont uiFont = font();
    uiFont.setPixelSize(12);
    setFont(uiFont);
    // Every control stands in the client area, whose origin is below the menu bar.
    clientArea_ = new QWidget(this);
    clientArea_->setObjectName(QStringLiteral("clientArea"));
    QWidget* const client = clientArea_;

    // Row one: cell size, gaps and counts; row two: the margins and the ratio read-out.
    Label1 = label(client, "Label1", QStringLiteral("宽度"),
                   QStringLiteral("单个字格宽度(相对单位)"), 60, 179, 390);
    Label2 = label(client, "Label2", QStringLiteral("高度"),
                   QStringLiteral("单个字格高度(相对单位)"), 1440, 179, 360);
    Label3 = label(client, "Label3", QStringLiteral("水平间距"),
                   QStringLiteral("字格水平间距(相对单位)"), 2760, 179, 720);
    Label4 = label(client, "Label4", QStringLiteral("竖向间距"),
                   QStringLiteral("字格竖向间距(相对单位)"), 4440, 179, 720);
    Label5 =
        label(client, "Label5", QStringLiteral("列数"), QStringLiteral("字格列数"), 6120, 179, 360);
    Label6 =
        label(client, "Label6", QStringLiteral("行数"), QStringLiteral("字格行数"), 7440, 179, 360);
    Combo1 = parameterList(client, "Combo1", 450, 120);
    Combo2 = parameterList(client, "Combo2", 1800, 120);
    Combo3 = parameterList(client, "Combo3", 3480, 120);
    Combo4 = parameterList(client, "Combo4", 5160, 120);
    Combo5 = parameterList(client, "Combo5", 6480, 120);
    Combo6 = parameterList(client, "Combo6", 7800, 120);

    Label9 = label(client, "Label9", QStringLiteral("左边距"),
                   QStringLiteral("图布左边至字格距(相对单位)"), 60, 539, 570);
    Label10 = label(client, "Label10", QStringLiteral("右边距"),
                    QStringLiteral("图布右边至字格距(相对单位)"), 1680, 539, 600);
    Label7 = label(client, "Label7", QStringLiteral("顶边距"),
                   QStringLiteral("图布顶边至字格距(相对单位)"), 3360, 539, 600);
    Label8 = label(client, "Label8", QStringLiteral("底边距"),
                   QStringLiteral("图布底边至字格距(相对单位)"), 5040, 539, 600);
    Combo7 = parameterList(client, "Combo7", 630, 480);
    Combo8 = parameterList(client, "Combo8", 2280, 480);
    Combo9 = parameterList(client, "Combo9", 3960, 480);
    Combo10 = parameterList(client, "Combo10", 5640, 480);
    Label11 = label(client, "Label11", QStringLiteral("图布宽高比例"), QString(), 6720, 540, 1080);
    Text1 = makeControl<QLineEdit>(client, "Text1", 7800, 480, 855, 270);

    Command1 = makeControl<QPushButton>(client, "Command1", 8760, 120, 975, 306);
    Command1->setText(QStringLiteral("保存字格"));
    Command1->setToolTip(QStringLiteral("将字格保存为图片后再用其它软件打印"));
    Command2 = makeControl<QPushButton>(client, "Command2", 8760, 480, 975, 306);
    Command2->setText(QStringLiteral("退出"));

    // The viewport shows the part of the canvas that lies inside it; the canvas is its child.
    Picture1 = makeControl<QWidget>(client, "Picture1", 60, 840, 9015, 6375);
    Picture1->setAutoFillBackground(true);
    Picture1->setFocusPolicy(Qt::TabFocus);
    Picture2 = makeControl<PictureBox>(Picture1, "Picture2", 0, 0, 0, 0, glyphs_);
    Picture2->canvas().BackColor = kSystemWindowBackground;
    Picture2->setFocusPolicy(Qt::TabFocus);

    VScroll1 = makeControl<QScrollBar>(client, "VScroll1", 9075, 840, 255, 6375);
    VScroll1->setOrientation(Qt::Vertical);
    HScroll1 = makeControl<QScrollBar>(client, "HScroll1", 60, 7215, 9015, 255);
    HScroll1->setOrientation(Qt::Horizontal);
    for (QScrollBar* bar : {HScroll1, VScroll1}) {
        bar->setRange(0, 100);
        bar->setFocusPolicy(Qt::TabFocus);
    }

    QWidget* const order[] = {Picture1, HScroll1, VScroll1, Picture2, Command1, Command2,
                              Combo1,   Combo2,   Combo3,   Combo4,   Combo5,   Combo6,
                              Combo7,   Combo8,   Combo9,   Combo10,  Text1};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    // What a screen reader announces: the lists and the ratio box by the label beside each, the
    // view, the canvas and the scroll bars by their own names.
    const std::pair<QLabel*, QWidget*> labelled[] = {
        {Label1, Combo1}, {Label2, Combo2},  {Label3, Combo3}, {Label4, Combo4},
        {Label5, Combo5}, {Label6, Combo6},  {Label9, Combo7}, {Label10, Combo8},
        {Label7, Combo9}, {Label8, Combo10}, {Label11, Text1},
    };
    for (auto [caption, control] : labelled) nameByLabel(*caption, *control);
    Text1->setAccessibleDescription(QStringLiteral("图布宽度与高度之比，由各项参数算出"));
    nameControl(*Picture1, QStringLiteral("字格预览"),
                QStringLiteral("图布在窗口中显示的部分，用滚动条移动"));
    nameControl(*Picture2, QStringLiteral("字格图布"),
                QStringLiteral("按各项参数画出的整张字格，保存和打印的就是它"));
    nameControl(*HScroll1, QStringLiteral("水平滚动条"), QStringLiteral("左右移动图布"));
    nameControl(*VScroll1, QStringLiteral("垂直滚动条"), QStringLiteral("上下移动图布"));
}

void SheetWindow::connectHandlers() {
    // What is typed or picked is the model's value at once; only a pick or a resize redraws.
    QComboBox* const lists[] = {Combo1, Combo2, Combo3, Combo4, Combo5,
                                Combo6, Combo7, Combo8, Combo9, Combo10};
    for (std::size_t i = 0; i < std::size(lists); ++i)
        connect(lists[i], &QComboBox::editTextChanged, this,
                [this, i](const QString& text) { model_.layoutTexts[i] = text; });
    connect(Combo1, &PickList::picked, this, &SheetWindow::Combo1_Click);
    connect(Combo2, &PickList::picked, this, &SheetWindow::Combo2_Click);
    connect(Combo3, &PickList::picked, this, &SheetWindow::Combo3_Click);
    connect(Combo4, &PickList::picked, this, &SheetWindow::Combo4_Click);
    connect(Combo5, &PickList::picked, this, &SheetWindow::Combo5_Click);
    connect(Combo6, &PickList::picked, this, &SheetWindow::Combo6_Click);
    connect(Combo7, &PickList::picked, this, &SheetWindow::Combo7_Click);
    connect(Combo8, &PickList::picked, this, &SheetWindow::Combo8_Click);
    connect(Combo9, &PickList::picked, this, &SheetWindow::Combo9_Click);
    connect(Combo10, &PickList::picked, this, &SheetWindow::Combo10_Click);
    connect(Command1, &QPushButton::clicked, this, &SheetWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &SheetWindow::Command2_Click);
    // Only a thumb drag moves the canvas; arrows, track clicks and keys move just the thumb.
    connect(HScroll1, &QScrollBar::sliderMoved, this, &SheetWindow::HScroll1_Scroll);
    connect(VScroll1, &QScrollBar::sliderMoved, this, &SheetWindow::VScroll1_Scroll);
}

void SheetWindow::Form_Load() {
    centreOnScreen(this);
    // Each list offers 1 to 50 and selects the model's value, the default sheet's: the item at
    // that value's index less one.
    const auto values = model_.layoutTexts;
    QComboBox* const lists[] = {Combo1, Combo2, Combo3, Combo4, Combo5,
                                Combo6, Combo7, Combo8, Combo9, Combo10};
    for (std::size_t i = 0; i < std::size(lists); ++i) {
        lists[i]->clear();
        addNumbers(*lists[i], 1, 50);
        setListText(*lists[i], values[i]);
    }
}

void SheetWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int menuHeight = menuBarHeight(*menuBar_);
    menuBar_->setGeometry(0, 0, width(), menuHeight);
    clientArea_->setGeometry(0, menuHeight, width(), std::max(0, height() - menuHeight));
    Form_Resize();
}

void SheetWindow::Form_Resize() {
    // ScaleWidth and ScaleHeight: the client area below the menu bar.
    const double scaleWidth = twipsFromPixels(clientArea_->width());
    const double scaleHeight = twipsFromPixels(clientArea_->height());
    // Each statement that can fail runs on its own, so the ones after it still run; the
    // others only place widgets and set scroll bar values, which cannot fail.
    skipOnFailure([&] {
        Picture1->resize(
            positiveSize(scaleWidth - leftTwips(*Picture1) - widthTwips(*VScroll1) - 60),
            Picture1->height());
    });
    skipOnFailure([&] {
        Picture1->resize(Picture1->width(), positiveSize(scaleHeight - topTwips(*Picture1) -
                                                         heightTwips(*HScroll1) - 60));
    });
    skipOnFailure([&] { DrawSheet(); });
    Picture2->move(Picture2->x(), 0);
    Picture2->move(0, Picture2->y());

    VScroll1->setGeometry(Picture1->x() + Picture1->width(), Picture1->y(), VScroll1->width(),
                          Picture1->height());
    VScroll1->setValue(0);
    VScroll1->setMaximum(100);
    VScroll1->setMinimum(0);
    VScroll1->setPageStep(32767);
    skipOnFailure([&] { setPageSize(*VScroll1, heightTwips(*Picture1), canvasHeight_); });

    HScroll1->setGeometry(Picture1->x(), Picture1->y() + Picture1->height(), Picture1->width(),
                          HScroll1->height());
    HScroll1->setValue(0);
    HScroll1->setMaximum(100);
    HScroll1->setMinimum(0);
    HScroll1->setPageStep(32767);
    skipOnFailure([&] { setPageSize(*HScroll1, widthTwips(*Picture1), canvasWidth_); });
}

void SheetWindow::HScroll1_Scroll() {
    // sliderMoved comes before the bar's value follows the thumb, so read the thumb.
    skipOnFailure([&] {
        Picture2->move(position(scrolledOffset(*HScroll1, canvasWidth_, widthTwips(*Picture1))),
                       Picture2->y());
    });
}

void SheetWindow::VScroll1_Scroll() {
    skipOnFailure([&] {
        Picture2->move(Picture2->x(),
                       position(scrolledOffset(*VScroll1, canvasHeight_, heightTwips(*Picture1))));
    });
}

// Every pick in a list redraws the whole sheet from all ten lists.
void SheetWindow::Combo1_Click() { Form_Resize(); }
void SheetWindow::Combo2_Click() { Form_Resize(); }
void SheetWindow::Combo3_Click() { Form_Resize(); }
void SheetWindow::Combo4_Click() { Form_Resize(); }
void SheetWindow::Combo5_Click() { Form_Resize(); }
void SheetWindow::Combo6_Click() { Form_Resize(); }
void SheetWindow::Combo7_Click() { Form_Resize(); }
void SheetWindow::Combo8_Click() { Form_Resize(); }
void SheetWindow::Combo9_Click() { Form_Resize(); }
void SheetWindow::Combo10_Click() { Form_Resize(); }

void SheetWindow::Command2_Click() { close(); }

void SheetWindow::closeEvent(QCloseEvent* event) {
    // An output being written is cancelled first; the window closes once it has stopped.
    if (busy_) {
        closeWhenIdle_ = true;
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

}  // namespace zige
