// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid_sheet/copybook_pages_school.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <cmath>

#include "grid_sheet/copybook_controls.h"

namespace zige {

namespace {

// Cell sides offered at a pick, in tenths of a millimetre: first-grade books use 14 to 16 mm.
constexpr int kUsualCells[] = {100, 120, 140, 150, 160, 180, 200, 250, 300};

// A length in millimetres, from `low` to `high` tenths.
QDoubleSpinBox* millimetreBox(QWidget* parent, const char* name, int low, int high) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setDecimals(1);
    box->setRange(low / 10.0, high / 10.0);
    box->setSingleStep(0.5);
    box->setSuffix(QStringLiteral(" 毫米"));
    return box;
}
int tenths(const QDoubleSpinBox* box) { return int(std::lround(box->value() * 10)); }

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets) {
    auto* layout = new QHBoxLayout;
    for (QWidget* w : widgets) layout->addWidget(w);
    layout->addStretch();
    return layout;
}

// Kept between runs under these keys, beside the practice page's.
constexpr char kMillimetres[] = "copybook/millimetres", kCell[] = "copybook/cellMm",
               kColumnGap[] = "copybook/columnGapMm", kRowGap[] = "copybook/rowGapMm",
               kMargin[] = "copybook/marginMm", kPaper[] = "copybook/paper",
               kLandscape[] = "copybook/landscape", kGridColor[] = "copybook/gridColor",
               kTraceStyle[] = "copybook/traceStyle", kWholeRows[] = "copybook/wholeRows",
               kPlacement[] = "copybook/placement", kShare[] = "copybook/share",
               kTitle[] = "copybook/title", kNameLine[] = "copybook/nameLine",
               kPageNumbers[] = "copybook/pageNumbers";
constexpr std::pair<const char*, int SchoolSettings::*> kNumbers[] = {
    {kCell, &SchoolSettings::cell},
    {kColumnGap, &SchoolSettings::columnGap},
    {kRowGap, &SchoolSettings::rowGap},
    {kMargin, &SchoolSettings::margin},
    {kShare, &SchoolSettings::share}};
constexpr std::pair<const char*, bool SchoolSettings::*> kFlags[] = {
    {kMillimetres, &SchoolSettings::millimetres},
    {kLandscape, &SchoolSettings::landscape},
    {kWholeRows, &SchoolSettings::wholeRows},
    {kNameLine, &SchoolSettings::nameLine},
    {kPageNumbers, &SchoolSettings::pageNumbers}};

}  // namespace

SchoolPages::SchoolPages(QTabWidget& pages) : QObject(&pages) {
    pages.addTab(paperPage(&pages), QStringLiteral("纸张"));
    pages.addTab(stylePage(&pages), QStringLiteral("样式"));
    for (QComboBox* list : {paper_, gridColor_, traceStyle_, fitInCell_})
        connect(list, &QComboBox::currentIndexChanged, this, &SchoolPages::changed);
    for (QCheckBox* box : {landscape_, millimetres_, nameLine_, pageNumbers_, wholeRows_})
        connect(box, &QCheckBox::toggled, this, &SchoolPages::changed);
    for (QDoubleSpinBox* box : {cell_, columnGap_, rowGap_, margin_})
        connect(box, &QDoubleSpinBox::valueChanged, this, &SchoolPages::changed);
    connect(share_, &QSpinBox::valueChanged, this, &SchoolPages::changed);
    connect(title_, &QLineEdit::textChanged, this, &SchoolPages::changed);
    connect(this, &SchoolPages::changed, this, &SchoolPages::enableLayout);
    connect(usualCells_, &QComboBox::activated, this, [this](int index) {
        if (index > 0) cell_->setValue(kUsualCells[index - 1] / 10.0);
        usualCells_->setCurrentIndex(0);
    });
    connect(fitColumns_, &QPushButton::clicked, this,
            [this] { emit columnsChosen(offeredColumns_); });
    showSettings(SchoolSettings());
}

QWidget* SchoolPages::paperPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* presets = new QHBoxLayout;
    const QString keys[] = {QStringLiteral("&1"), QStringLiteral("&2")};
    for (std::size_t i = 0; i < std::size(kPresets); ++i) {
        auto* button = new QPushButton(
            QStringLiteral("%1(%2)").arg(kPresets[i].label.toString(), keys[i]), page);
        button->setObjectName(QStringLiteral("preset-") + kPresets[i].option);
        button->setToolTip(
            QStringLiteral("把这几页上的设置一次改成现成的字帖，之后每项都还能再改"));
        const Preset preset = kPresets[i].value;
        connect(button, &QPushButton::clicked, this, [this, preset] { emit presetChosen(preset); });
        presets->addWidget(button);
    }
    presets->addStretch();
    paper_ = choiceList(page, "paper", kPaperSizes);
    landscape_ = checkBox(page, "landscape", QStringLiteral("横向(&L)"));
    millimetres_ =
        checkBox(page, "millimetres", QStringLiteral("按毫米排版，列数和行数由纸张算出(&U)"));
    millimetres_->setToolTip(
        QStringLiteral("不选时用字格窗口的十项参数（相对单位，A4 宽的 1/216）排版"));
    cell_ = millimetreBox(page, "cellMm", kSmallestCell, kLargestCell);
    usualCells_ = new QComboBox(page);
    usualCells_->setObjectName(QStringLiteral("usualCells"));
    usualCells_->addItem(QStringLiteral("常用尺寸"));
    for (const int size : kUsualCells)
        usualCells_->addItem(QStringLiteral("%1 毫米").arg(size / 10.0));
    usualCells_->setAccessibleName(QStringLiteral("常用字格边长"));
    columnGap_ = millimetreBox(page, "columnGapMm", 0, kWidestGap);
    rowGap_ = millimetreBox(page, "rowGapMm", 0, kWidestGap);
    margin_ = millimetreBox(page, "marginMm", 0, kWidestMargin);
    fit_ = new QLabel(page);
    fit_->setObjectName(QStringLiteral("paperFit"));
    fitColumns_ = new QPushButton(page);
    fitColumns_->setObjectName(QStringLiteral("fitColumns"));
    fitColumns_->hide();
    title_ = new QLineEdit(page);
    title_->setObjectName(QStringLiteral("title"));
    title_->setPlaceholderText(QStringLiteral("例如课文的名字；留空则不印"));
    nameLine_ = checkBox(page, "nameLine", QStringLiteral("印“姓名 班级 日期”一行(&N)"));
    pageNumbers_ = checkBox(page, "pageNumbers", QStringLiteral("印页码“第 1 页 / 共 N 页”(&D)"));

    auto* form = new QFormLayout(page);
    form->addRow(QStringLiteral("预设"), presets);
    form->addRow(labelFor(page, QStringLiteral("纸张(&Z)"), paper_), row({paper_, landscape_}));
    form->addRow(QString(), millimetres_);
    form->addRow(labelFor(page, QStringLiteral("字格边长(&S)"), cell_), row({cell_, usualCells_}));
    form->addRow(QStringLiteral("列间距(&J)"), columnGap_);
    form->addRow(QStringLiteral("行间距(&H)"), rowGap_);
    form->addRow(QStringLiteral("页边距(&B)"), margin_);
    form->addRow(QString(), fit_);
    form->addRow(QString(), row({fitColumns_}));
    form->addRow(QStringLiteral("标题(&I)"), title_);
    form->addRow(QString(), nameLine_);
    form->addRow(QString(), pageNumbers_);
    return page;
}

QWidget* SchoolPages::stylePage(QWidget* parent) {
    auto* page = new QWidget(parent);
    gridColor_ = choiceList(page, "gridColor", kGridColors);
    gridColor_->setToolTip(
        QStringLiteral("田字格、米字格、回宫格和方格照练字本的样子印：外框实线，"
                       "里面的线细而虚；速成宝格、九宫格、八卦格不变"));
    traceStyle_ = choiceList(page, "traceStyle", kTraceStyles);
    wholeRows_ = checkBox(page, "wholeRows",
                          QStringLiteral("每个字一整行：范字后描红到行尾，下面空一整行(&W)"));
    fitInCell_ = choiceList(page, "placement", kGlyphFits);
    fitInCell_->setToolTip(
        QStringLiteral("居中：字体的字身框放在格子正中，字与字保持字体设计的大小和位置；"
                       "按字格定义：照主窗口的字格定义放"));
    share_ = new QSpinBox(page);
    share_->setObjectName(QStringLiteral("share"));
    share_->setRange(kSmallestShare, kLargestShare);
    share_->setPrefix(QStringLiteral("字占格子的 "));
    share_->setSuffix(QStringLiteral("%"));
    share_->setAccessibleName(QStringLiteral("居中时字的大小"));

    auto* form = new QFormLayout(page);
    form->addRow(QStringLiteral("格子颜色(&O)"), gridColor_);
    form->addRow(QStringLiteral("描红样式(&X)"), traceStyle_);
    form->addRow(QString(), wholeRows_);
    form->addRow(labelFor(page, QStringLiteral("字的位置(&Y)"), fitInCell_),
                 row({fitInCell_, share_}));
    return page;
}

SchoolSettings SchoolPages::settings() const {
    SchoolSettings s;
    s.millimetres = millimetres_->isChecked();
    s.cell = tenths(cell_);
    s.columnGap = tenths(columnGap_);
    s.rowGap = tenths(rowGap_);
    s.margin = tenths(margin_);
    s.paper = chosen(paper_, kPaperSizes);
    s.landscape = landscape_->isChecked();
    s.gridColor = chosen(gridColor_, kGridColors);
    s.traceStyle = chosen(traceStyle_, kTraceStyles);
    s.wholeRows = wholeRows_->isChecked();
    s.fit = chosen(fitInCell_, kGlyphFits);
    s.share = share_->value();
    s.title = title_->text();
    s.nameLine = nameLine_->isChecked();
    s.pageNumbers = pageNumbers_->isChecked();
    return s;
}

void SchoolPages::showSettings(const SchoolSettings& s) {
    millimetres_->setChecked(s.millimetres);
    cell_->setValue(s.cell / 10.0);
    columnGap_->setValue(s.columnGap / 10.0);
    rowGap_->setValue(s.rowGap / 10.0);
    margin_->setValue(s.margin / 10.0);
    choose(paper_, kPaperSizes, s.paper);
    landscape_->setChecked(s.landscape);
    choose(gridColor_, kGridColors, s.gridColor);
    choose(traceStyle_, kTraceStyles, s.traceStyle);
    wholeRows_->setChecked(s.wholeRows);
    choose(fitInCell_, kGlyphFits, s.fit);
    share_->setValue(s.share);
    title_->setText(s.title);
    nameLine_->setChecked(s.nameLine);
    pageNumbers_->setChecked(s.pageNumbers);
    enableLayout();
}

void SchoolPages::showFit(const QString& text, int columns) {
    fit_->setText(text);
    offeredColumns_ = columns;
    fitColumns_->setText(QStringLiteral("改为 %1 列(&F)").arg(columns));
    fitColumns_->setVisible(columns > 0);
}

void SchoolPages::enableLayout() {
    QWidget* const layout[] = {cell_, usualCells_, columnGap_, rowGap_, margin_};
    for (QWidget* control : layout) control->setEnabled(millimetres_->isChecked());
    share_->setEnabled(chosen(fitInCell_, kGlyphFits) == GlyphFit::Centred);
}

SchoolSettings SchoolPages::stored(const QSettings& settings) {
    SchoolSettings s;
    for (const auto& [key, field] : kNumbers)
        s.*field = settings.value(QLatin1String(key), s.*field).toInt();
    for (const auto& [key, field] : kFlags)
        s.*field = settings.value(QLatin1String(key), s.*field).toBool();
    const auto named = [&](const char* key) {
        return settings.value(QLatin1String(key)).toString();
    };
    s.paper = choiceNamed(kPaperSizes, named(kPaper)).value_or(s.paper);
    s.gridColor = choiceNamed(kGridColors, named(kGridColor)).value_or(s.gridColor);
    s.traceStyle = choiceNamed(kTraceStyles, named(kTraceStyle)).value_or(s.traceStyle);
    s.fit = choiceNamed(kGlyphFits, named(kPlacement)).value_or(s.fit);
    s.title = named(kTitle);
    return s;
}

void SchoolPages::store(QSettings& settings, const SchoolSettings& s) {
    for (const auto& [key, field] : kNumbers) settings.setValue(QLatin1String(key), s.*field);
    for (const auto& [key, field] : kFlags) settings.setValue(QLatin1String(key), s.*field);
    settings.setValue(QLatin1String(kPaper), nameOf(kPaperSizes, s.paper).option);
    settings.setValue(QLatin1String(kGridColor), nameOf(kGridColors, s.gridColor).option);
    settings.setValue(QLatin1String(kTraceStyle), nameOf(kTraceStyles, s.traceStyle).option);
    settings.setValue(QLatin1String(kPlacement), nameOf(kGlyphFits, s.fit).option);
    settings.setValue(QLatin1String(kTitle), s.title);
}

}  // namespace zige
