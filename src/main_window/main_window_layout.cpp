// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the main window, placed from their design positions in twips.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "main_window/main_window.h"
#include "ui/accessible_names.h"
#include "ui/picture_box.h"
#include "ui/twips_layout.h"

namespace zige {

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top,
                    int width, int height) {
    auto* b = makeControl<QPushButton>(parent, name, left, top, width, height);
    b->setText(caption);
    return b;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, int left, int top,
              int width, int height) {
    auto* l = makeControl<QLabel>(parent, name, left, top, width, height);
    l->setText(caption);
    return l;
}

PickList* dropDown(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* combo = makeControl<PickList>(parent, name, left, top, width, height);
    combo->setMaxVisibleItems(16);
    return combo;
}

PictureBox* view(QWidget* parent, const char* name, const QString& tip, int left, int top,
                 const std::shared_ptr<GlyphCache>& glyphs) {
    auto* picture = makeControl<PictureBox>(parent, name, left, top, 2775, 2775, glyphs);
    picture->setToolTip(tip);
    picture->setFocusPolicy(Qt::TabFocus);
    nameControl(*picture, tip + QStringLiteral("视图"), QStringLiteral("当前汉字在%1中").arg(tip));
    return picture;
}

}  // namespace

void MainWindow::buildControls() {
    QFont uiFont = font();
    uiFont.setPixelSize(12);
    setFont(uiFont);

    Command1 = button(this, "Command1", QStringLiteral("获取汉字"), 60, 120, 975, 375);
    Label1 = label(this, "Label1", QStringLiteral("汉字库字号"), 1120, 220, 900, 180);
    Label1->setToolTip(QStringLiteral("一、二级汉字库"));
    Combo9 = dropDown(this, "Combo9", 2040, 160, 615, 300);
    Combo9->setToolTip(QStringLiteral("字号"));
    Command7 = button(this, "Command7", QStringLiteral("生成速成宝格"), 2760, 120, 1335, 375);
    Command4 = button(this, "Command4", QStringLiteral("退出"), 4200, 120, 615, 375);
    QPalette grey = Command4->palette();
    grey.setColor(QPalette::Button, QColor(192, 192, 192));
    Command4->setPalette(grey);
    Label2 = label(this, "Label2", QStringLiteral("汉字区号"), 4920, 220, 720, 180);
    Label2->setToolTip(QStringLiteral("区号16~87"));
    Combo2 = dropDown(this, "Combo2", 5640, 160, 735, 300);
    Label3 = label(this, "Label3", QStringLiteral("汉字位号"), 6480, 220, 720, 180);
    Label3->setToolTip(QStringLiteral("位号01~94"));
    Combo3 = dropDown(this, "Combo3", 7200, 160, 735, 300);
    Label4 = label(this, "Label4", QStringLiteral("汉字输入"), 8040, 220, 720, 180);
    Text2 = makeControl<QLineEdit>(this, "Text2", 8760, 160, 735, 270);
    Text2->setTextMargins(0, 0, 0, 0);
    Command2 = button(this, "Command2", QStringLiteral("上一个字"), 9600, 120, 975, 375);
    Command3 = button(this, "Command3", QStringLiteral("下一个字"), 9600, 560, 975, 375);

    Text1 = makeControl<QPlainTextEdit>(this, "Text1", 60, 600, 975, 6735);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->viewport()->installEventFilter(this);
    RichTextBox1 = makeControl<QTextEdit>(this, "RichTextBox1", 1140, 600, 3675, 6735);
    RichTextBox1->setReadOnly(true);
    RichTextBox1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    Label5 = label(this, "Label5", QStringLiteral("字体"), 4920, 660, 360, 180);
    Combo1 = dropDown(this, "Combo1", 5280, 600, 1455, 300);
    Command5 = button(this, "Command5", QStringLiteral("过滤"), 6720, 600, 615, 255);
    Command5->setToolTip(QStringLiteral("仅显示汉字字体"));
    Command6 = button(this, "Command6", QStringLiteral("恢复"), 7320, 600, 615, 255);
    Command6->setToolTip(QStringLiteral("显示所有字体"));
    Label10 = label(this, "Label10", QStringLiteral("字 大 小"), 8040, 660, 720, 180);
    Combo4 = dropDown(this, "Combo4", 8760, 600, 735, 300);

    Frame1 = makeControl<QGroupBox>(this, "Frame1", 4920, 960, 5655, 615);
    Frame1->setTitle(QStringLiteral("字格定义(可适应不同字体)") + QString(22, QLatin1Char(' ')));
    Label6 = label(Frame1, "Label6", QStringLiteral("左边距"), 120, 300, 540, 180);
    Combo5 = dropDown(Frame1, "Combo5", 720, 240, 735, 300);
    Label7 = label(Frame1, "Label7", QStringLiteral("顶边距"), 1560, 300, 540, 180);
    Combo6 = dropDown(Frame1, "Combo6", 2160, 240, 735, 300);
    Label8 = label(Frame1, "Label8", QStringLiteral("宽度"), 3000, 300, 360, 180);
    Combo7 = dropDown(Frame1, "Combo7", 3360, 240, 855, 300);
    Label9 = label(Frame1, "Label9", QStringLiteral("高度"), 4320, 300, 360, 180);
    Combo8 = dropDown(Frame1, "Combo8", 4680, 240, 855, 300);
    // The label and the check box sit on the frame's top edge, over its line.
    Label13 = label(Frame1, "Label13", QStringLiteral("速成宝格覆盖显示"), 2760, 0, 1440, 180);
    Label13->setAutoFillBackground(true);
    Check1 = makeControl<QCheckBox>(this, "Check1", 7440, 960, 200, 180);
    Check1->setToolTip(QStringLiteral("分析总体字体结构"));
    Check1->setAutoFillBackground(true);
    Check1->raise();

    Picture1 = view(this, "Picture1", QStringLiteral("米字格"), 4920, 1680, glyphs_);
    Picture2 = view(this, "Picture2", QStringLiteral("九宫格"), 7800, 1680, glyphs_);
    Picture3 = view(this, "Picture3", QStringLiteral("八卦格"), 4920, 4560, glyphs_);
    Picture4 = view(this, "Picture4", QStringLiteral("速成宝格"), 7800, 4560, glyphs_);

    Label11 = label(this, "Label11", QString(), 0, 7440, 10530, 180);
    Label11->setToolTip(
        QStringLiteral("当前汉字的拼音、部首和笔画数（据 Unicode 的 Unihan 数据库），"
                       "区位码、GB2312 编码、Unicode 码位，以及字格的实际大小"));
    Label12 = label(this, "Label12", QString(), 0, 7680, 10530, 180);
    for (QLabel* line : {Label11, Label12}) line->setTextFormat(Qt::PlainText);
    Label12->setToolTip(
        QStringLiteral("实际用来显示汉字的字体；所选字体缺少该字时，这里会提示替代的字体"));

    // What a screen reader announces: each list, the input box and the check box by the label
    // beside it; the boxes without one by their own name.
    const std::pair<QLabel*, QWidget*> labelled[] = {
        {Label1, Combo9}, {Label2, Combo2},  {Label3, Combo3},  {Label4, Text2},
        {Label5, Combo1}, {Label10, Combo4}, {Label6, Combo5},  {Label7, Combo6},
        {Label8, Combo7}, {Label9, Combo8},  {Label13, Check1},
    };
    for (auto [caption, control] : labelled) nameByLabel(*caption, *control);
    nameControl(*Text1, QStringLiteral("汉字列表"),
                QStringLiteral("获取汉字时逐个列出的汉字；点击此框停止列出"));
    nameControl(*RichTextBox1, QStringLiteral("汉字库"),
                QStringLiteral("一、二级汉字库文件 hz.txt 的内容"));
    // Tab moves on from the listing box as from every other control: nothing there needs a tab.
    Text1->setTabChangesFocus(true);

    // Focus order, by design tab index; labels, the frame and the information lines take none.
    const std::vector<std::pair<int, QWidget*>> tabOrder = {
        {0, Combo9},        {1, Command7},  {2, Command6},  {3, Command5},  {4, Command4},
        {6, Combo8},        {7, Combo7},    {8, Combo6},    {9, Combo5},    {14, Picture4},
        {15, Picture3},     {16, Picture2}, {17, Picture1}, {18, Command1}, {19, Text1},
        {20, RichTextBox1}, {25, Combo1},   {27, Combo2},   {28, Combo3},   {29, Combo4},
        {31, Text2},        {32, Command2}, {33, Command3}, {36, Check1},
    };
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

}  // namespace zige
