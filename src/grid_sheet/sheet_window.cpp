#include "grid_sheet/sheet_window.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <cmath>

#include "ui/lists.h"
#include "core/numbers.h"
#include "ui/picture_box.h"
#include "ui/prompts.h"
#include "core/step_failed.h"
#include "core/twips.h"
#include "ui/twips_layout.h"

namespace zige {

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& caption, const QString& tip, int left, int top,
              int width) {
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

}  // namespace

SheetWindow::SheetWindow(std::shared_ptr<Prompts> prompts, QWidget* parent)
    : QWidget(parent), prompts_(std::move(prompts)) {
    setObjectName(QStringLiteral("suchengge"));
    setWindowTitle(QStringLiteral("生成速成宝格"));
    buildControls();
    resize(wholePixels(9795), wholePixels(7815));
    connectHandlers();
}

void SheetWindow::buildControls() {
    QFont uiFont = font();
    uiFont.setPixelSize(12);
    setFont(uiFont);

    // Row one: cell size, gaps and counts; row two: the margins and the ratio read-out.
    Label1 = label(this, "Label1", QStringLiteral("宽度"), QStringLiteral("单个字格宽度(相对单位)"), 60, 179, 390);
    Label2 = label(this, "Label2", QStringLiteral("高度"), QStringLiteral("单个字格高度(相对单位)"), 1440, 179, 360);
    Label3 = label(this, "Label3", QStringLiteral("水平间距"), QStringLiteral("字格水平间距(相对单位)"), 2760, 179, 720);
    Label4 = label(this, "Label4", QStringLiteral("竖向间距"), QStringLiteral("字格竖向间距(相对单位)"), 4440, 179, 720);
    Label5 = label(this, "Label5", QStringLiteral("列数"), QStringLiteral("字格列数"), 6120, 179, 360);
    Label6 = label(this, "Label6", QStringLiteral("行数"), QStringLiteral("字格行数"), 7440, 179, 360);
    Combo1 = parameterList(this, "Combo1", 450, 120);
    Combo2 = parameterList(this, "Combo2", 1800, 120);
    Combo3 = parameterList(this, "Combo3", 3480, 120);
    Combo4 = parameterList(this, "Combo4", 5160, 120);
    Combo5 = parameterList(this, "Combo5", 6480, 120);
    Combo6 = parameterList(this, "Combo6", 7800, 120);

    Label9 = label(this, "Label9", QStringLiteral("左边距"), QStringLiteral("图布左边至字格距(相对单位)"), 60, 539, 570);
    Label10 = label(this, "Label10", QStringLiteral("右边距"), QStringLiteral("图布右边至字格距(相对单位)"), 1680, 539, 600);
    Label7 = label(this, "Label7", QStringLiteral("顶边距"), QStringLiteral("图布顶边至字格距(相对单位)"), 3360, 539, 600);
    Label8 = label(this, "Label8", QStringLiteral("底边距"), QStringLiteral("图布底边至字格距(相对单位)"), 5040, 539, 600);
    Combo7 = parameterList(this, "Combo7", 630, 480);
    Combo8 = parameterList(this, "Combo8", 2280, 480);
    Combo9 = parameterList(this, "Combo9", 3960, 480);
    Combo10 = parameterList(this, "Combo10", 5640, 480);
    Label11 = label(this, "Label11", QStringLiteral("图布宽高比例"), QString(), 6720, 540, 1080);
    Text1 = makeControl<QLineEdit>(this, "Text1", 7800, 480, 855, 270);

    Command1 = makeControl<QPushButton>(this, "Command1", 8760, 120, 975, 306);
    Command1->setText(QStringLiteral("保存字格"));
    Command1->setToolTip(QStringLiteral("将字格保存为图片后再用其它软件打印"));
    Command2 = makeControl<QPushButton>(this, "Command2", 8760, 480, 975, 306);
    Command2->setText(QStringLiteral("退出"));

    // The viewport shows the part of the canvas that lies inside it; the canvas is its child.
    Picture1 = makeControl<QWidget>(this, "Picture1", 60, 840, 9015, 6375);
    Picture1->setAutoFillBackground(true);
    Picture1->setFocusPolicy(Qt::TabFocus);
    Picture2 = makeControl<PictureBox>(Picture1, "Picture2", 0, 0, 0, 0);
    Picture2->canvas().BackColor = kSystemWindowBackground;
    Picture2->setFocusPolicy(Qt::TabFocus);

    VScroll1 = makeControl<QScrollBar>(this, "VScroll1", 9075, 840, 255, 6375);
    VScroll1->setOrientation(Qt::Vertical);
    HScroll1 = makeControl<QScrollBar>(this, "HScroll1", 60, 7215, 9015, 255);
    HScroll1->setOrientation(Qt::Horizontal);
    for (QScrollBar* bar : {HScroll1, VScroll1}) {
        bar->setRange(0, 100);
        bar->setFocusPolicy(Qt::TabFocus);
    }

    QWidget* const order[] = {Picture1, HScroll1, VScroll1, Picture2, Command1, Command2, Combo1, Combo2,
                              Combo3,   Combo4,   Combo5,   Combo6,   Combo7,   Combo8,   Combo9, Combo10,
                              Text1};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void SheetWindow::connectHandlers() {
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
    // Cells 12 x 12, gaps 1, 14 x 21 cells, margins 20, 15, 18, 15: an A4 portrait page.
    static constexpr int defaults[] = {11, 11, 0, 0, 13, 20, 19, 14, 17, 14};
    QComboBox* const lists[] = {Combo1, Combo2, Combo3, Combo4, Combo5, Combo6, Combo7, Combo8, Combo9, Combo10};
    for (std::size_t i = 0; i < std::size(lists); ++i) {
        lists[i]->clear();
        addNumbers(*lists[i], 1, 50);
        setListIndex(*lists[i], defaults[i]);
    }
}

void SheetWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void SheetWindow::Form_Resize() {
    const double scaleWidth = twipsFromPixels(width());
    const double scaleHeight = twipsFromPixels(height());
    // Each statement that can fail runs on its own, so the ones after it still run; the
    // others only place widgets and set scroll bar values, which cannot fail.
    skipOnFailure([&] {
        Picture1->resize(positiveSize(scaleWidth - leftTwips(*Picture1) - widthTwips(*VScroll1) - 60),
                         Picture1->height());
    });
    skipOnFailure([&] {
        Picture1->resize(Picture1->width(),
                         positiveSize(scaleHeight - topTwips(*Picture1) - heightTwips(*HScroll1) - 60));
    });
    skipOnFailure([&] { DrawSheet(); });
    Picture2->move(Picture2->x(), 0);
    Picture2->move(0, Picture2->y());

    VScroll1->setGeometry(Picture1->x() + Picture1->width(), Picture1->y(), VScroll1->width(), Picture1->height());
    VScroll1->setValue(0);
    VScroll1->setMaximum(100);
    VScroll1->setMinimum(0);
    VScroll1->setPageStep(32767);
    skipOnFailure([&] { setPageSize(*VScroll1, heightTwips(*Picture1), canvasHeight_); });

    HScroll1->setGeometry(Picture1->x(), Picture1->y() + Picture1->height(), Picture1->width(), HScroll1->height());
    HScroll1->setValue(0);
    HScroll1->setMaximum(100);
    HScroll1->setMinimum(0);
    HScroll1->setPageStep(32767);
    skipOnFailure([&] { setPageSize(*HScroll1, widthTwips(*Picture1), canvasWidth_); });
}

void SheetWindow::HScroll1_Scroll() {
    // sliderMoved comes before the bar's value follows the thumb, so read the thumb.
    skipOnFailure([&] {
        Picture2->move(position(scrolledOffset(*HScroll1, canvasWidth_, widthTwips(*Picture1))), Picture2->y());
    });
}

void SheetWindow::VScroll1_Scroll() {
    skipOnFailure([&] {
        Picture2->move(Picture2->x(), position(scrolledOffset(*VScroll1, canvasHeight_, heightTwips(*Picture1))));
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

}  // namespace zige
