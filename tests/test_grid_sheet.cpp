// SPDX-License-Identifier: GPL-3.0-or-later
// The grid sheet window driven headless: its sheet, refused values, saving, the copybook.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <set>

#include "window_under_test.h"

using namespace zige;
using namespace zige::test;
constexpr int Refused = 0, Blank = 1, Drawn = 2;  // what a redraw does to the sheet

namespace {

constexpr double kUnit = 55.125;  // twips: 216 sheet units span the A4 width
int px(double twips) { return int(std::lround(twips / 15)); }

// Pen pixels in `region` within a pixel of the segment a-b (in twips), and those elsewhere.
std::pair<int, int> penNearSegment(const QImage& image, QRect region, QPointF a, QPointF b) {
    int on = 0, off = 0;
    a /= 15, b /= 15;
    const QPointF d = (b - a) / QLineF(a, b).length();
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) {
            const bool near = std::abs(d.x() * (y - a.y()) - d.y() * (x - a.x())) <= 1;
            if (isPen(at(image, x, y))) ++(near ? on : off);
        }
    return {on, off};
}

// The share of `from`'s ink landing within a pixel of `to`'s when `source` maps onto `target`.
double inkLanding(const QImage& from, const QImage& to, QRectF source, QRectF target) {
    const QTransform map =
        QTransform::fromTranslate(-source.left(), -source.top()) *
        QTransform::fromScale(target.width() / source.width(), target.height() / source.height()) *
        QTransform::fromTranslate(target.left(), target.top());
    int ink = 0, landed = 0;
    for (int y = 0; y < from.height(); ++y)
        for (int x = 0; x < from.width(); ++x) {
            if (!isDark(from.pixel(x, y))) continue;
            ++ink;
            const QPointF p = map.map(QPointF(x + 0.5, y + 0.5) * 15) / 15;
            const QRect around =
                QRect(int(std::floor(p.x())) - 1, int(std::floor(p.y())) - 1, 3, 3) & to.rect();
            landed += !around.isEmpty() && countPixels(to.copy(around), isDark) > 0;
        }
    return ink ? double(landed) / ink : 0;
}

}  // namespace

class GridSheetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<SheetUnderTest> s;
    PictureBox* canvas() const { return s->child<PictureBox>("Picture2"); }
    QString ratio() const { return s->child<QLineEdit>("Text1")->text(); }

private slots:
    void init() { s = std::make_unique<SheetUnderTest>(); }
    void cleanup() { s.reset(); }

    // Borders, crosses and thirds are the only straight lines; the first cell is a quick grid.
    void cells_data() {
        QTest::addColumn<QString>("texts");
        for (const char* texts : {"Combo1=30 Combo2=20", "Combo5=1 Combo9=20", "Combo3=0 Combo4=3"})
            QTest::newRow(texts) << texts;
    }
    void cells() {
        QFETCH(QString, texts);
        s->typeAndPick(texts);
        const QImage sheet = s->image();
        QMap<QString, double> v{{"Combo1", 12}, {"Combo2", 12}, {"Combo3", 1},  {"Combo4", 1},
                                {"Combo5", 14}, {"Combo6", 21}, {"Combo7", 20}, {"Combo9", 18}};
        for (const QString& text : texts.split(' '))
            v[text.section('=', 0, 0)] = text.section('=', 1).toDouble();
        const double u = kUnit, x = v["Combo7"] * u, y = v["Combo9"] * u, W = v["Combo1"] * u,
                     H = v["Combo2"] * u;  // twips
        for (auto [along, start, side, gap, count] :
             {std::tuple{Qt::Vertical, x, W, v["Combo3"] * u, v["Combo5"]},
              {Qt::Horizontal, y, H, v["Combo4"] * u, v["Combo6"]}}) {
            std::set<int> straight;
            for (int i = 0; i < count; ++i)
                for (double f : {0.0, 1 / 3.0, 0.5, 2 / 3.0, 1.0})
                    straight.insert(px(start + i * (side + gap) + side * f));
            QCOMPARE(lines(sheet, along, isPen), QList<int>(straight.begin(), straight.end()));
        }
        const int x0 = px(x), y0 = px(y), x1 = px(x + W), y1 = px(y + H), xa = px(x + W / 3),
                  xb = px(x + W / 3 * 2);
        QCOMPARE(shareOnColumn(sheet, px(x + W / 2), y0, y1, isPen), 1.0);  // a solid cross
        const double dotted = shareOnRow(sheet, px(y + H / 3 * 2), x0 + 1, x1 - 1, isPen);
        QVERIFY2(dotted > 0.3 && dotted < 0.75, "dotted thirds");
        // Only the band between the thirds is light yellow.
        const QRect band(QPoint(xa + 1, y0 + 1), QPoint(xb - 1, y1 - 1));
        QVERIFY(countPixels(sheet.copy(band), isYellow) > band.width() * band.height() * 3 / 4);
        QCOMPARE(countPixels(sheet.copy(QRect(QPoint(x0, y0), QPoint(x1, y1))), isYellow),
                 countPixels(sheet.copy(band.adjusted(-1, 0, 1, 0)), isYellow));
        // Dotted corner cuts, the top ones at 3/10 and the bottom ones at 1/4 of each axis.
        const QRect topLeft(QPoint(x0 + 1, y0 + 1), QPoint(xa - 1, px(y + H / 3) - 1));
        const QRect bottomRight(QPoint(xb + 1, px(y + H / 3 * 2) + 1), QPoint(x1 - 1, y1 - 1));
        for (auto [on, off] :
             {penNearSegment(sheet, topLeft, {x, y + 0.3 * H}, {x + 0.3 * W, y}),
              penNearSegment(sheet, bottomRight, {x + 0.75 * W, y + H}, {x + W, y + 0.75 * H})}) {
            QCOMPARE(off, 0);
            QVERIFY(on >= 3);
        }
    }

    // A refused value leaves drawing and ratio; 32767 device pixels a side, 40000 cells at most.
    void redraws_data() {
        QTest::addColumn<QString>("texts");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("expectedRatio");
        QTest::addColumn<int>("outcome");
        const auto row = [](const char* name, const char* texts, int w, int h, const char* ratio,
                            int outcome) {
            QTest::newRow(name) << texts << QSize(w, h) << ratio << outcome;
        };
        row("whole ratio", "Combo6=14 Combo9=20", 794, 794, "1.", Drawn);
        row("no columns", "Combo5=0", 125, 1121, "0.111", Blank);  // margins less a gap
        row("empty", "Combo7=", 794, 1121, "0.708", Refused);
        row("product overflow", "Combo1=2000000 Combo5=2000", 794, 1121, "0.708", Refused);
        row("bad height", "Combo1=20 Combo10=", 1205, 1121, "0.708", Refused);
        row("32770 wide", "Combo5=1 Combo1=8882", 794, 1121, "0.708", Refused);
        row("32766 wide", "Combo5=1 Combo1=8881", 32766, 1121, "29.233", Drawn);
        row("40401 cells", "Combo1=1 Combo2=1 Combo5=201 Combo6=201", 1602, 1121, "0.708", Refused);
        row("40000 cells", "Combo1=1 Combo2=1 Combo5=200 Combo6=200", 1595, 1588, "1.005", Drawn);
    }
    void redraws() {
        QFETCH(QString, texts);
        QFETCH(int, outcome);
        auto* bar = s->child<QScrollBar>("HScroll1");
        bar->setSliderDown(true);  // only the thumb moves the canvas
        bar->setSliderPosition(30);
        bar->setSliderDown(false);
        QCOMPARE(canvas()->pos(), QPoint(-50, 0));
        const QImage before = s->image();
        s->typeAndPick(texts);
        QTEST(canvas()->size(), "size");
        QTEST(ratio(), "expectedRatio");
        QCOMPARE(canvas()->pos(), QPoint(0, 0));
        QCOMPARE(bar->value(), 0);
        const QImage sheet = s->image();
        if (outcome == Refused)
            QCOMPARE(sheet.copy(0, 0, 794, 1121), before);
        else
            QCOMPARE(countPixels(sheet, isInk) > 0, outcome == Drawn);
    }

    // Typed text, even ended by Return, waits; a pick from the popup redraws (14 to 15 columns).
    void onlyAPickRedraws_data() {
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("expectedRatio");
        for (const auto& [after, ratio] : {std::pair{"Return", "0.708"}, {"popup", "0.751"}})
            QTest::newRow(after) << after << ratio;
    }
    void onlyAPickRedraws() {
        QFETCH(QString, after);
        s->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s->window));
        auto* columns = s->child<QComboBox>("Combo5");
        columns->setFocus();
        columns->lineEdit()->selectAll();
        QTest::keyClicks(columns, "30");
        if (after == "Return") QTest::keyClick(columns, Qt::Key_Return);
        if (after == "popup") {
            columns->showPopup();
            QTest::keyClick(columns->view(), Qt::Key_Down);
            QTest::keyClick(columns->view(), Qt::Key_Return);
        }
        QTEST(ratio(), "expectedRatio");
    }

    // Existing files are asked about; a failure is told, keeps the old file, leaves nothing.
    void saving_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("asked");  // %1: the file
        const QString question = "文件已经存在，是否覆盖？", failed = "无法保存文件“%1”：";
        const auto row = [](const char* file, bool yes, const QStringList& asked,
                            const char* tag = nullptr) {
            QTest::newRow(tag ? tag : file) << file << yes << asked;
        };
        row("old.bmp", true, {question});
        row(".old.bmp", false, {question});
        row("missing/sheet.bmp", true, {failed + "文件夹不存在"});
        row("folder.bmp", true, {failed + "这个名称是一个文件夹"});
        row("locked/sheet.bmp", true, {failed + "没有写入权限"});
        row("old.bmp", true, {question, failed + "文件超出了允许的大小"}, "disk full");
    }
    void saving() {
        QFETCH(QString, name);
        QFETCH(bool, yes);
        QFETCH(QStringList, asked);
        QDir dir(s->folder.path());
        QVERIFY(dir.mkdir("folder.bmp") && dir.mkdir("locked"));
        // Root writes anywhere: into the locked folder the save runs as nobody.
        QVERIFY(chmod(QFile::encodeName(dir.path()), 0755) == 0);
        QVERIFY(chmod(QFile::encodeName(s->path("locked")), 0555) == 0);
        const bool asNobody = name.startsWith("locked/") && geteuid() == 0;
        if (asNobody) s->prompts->duringMessage = [] { QVERIFY(seteuid(0) == 0); };
        for (const char* old : {"old.bmp", ".old.bmp"}) QVERIFY(writeFile(s->path(old), "old"));
        const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden);
        s->prompts->files = {s->path(name)};
        s->prompts->answers = {yes ? Prompts::Answer::Yes : Prompts::Answer::No};
        // A file size limit stops the writes as a full disk does.
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const bool full = asked.join("").contains("大小");
        const rlimit small{full ? 64 * 1024 : limit.rlim_cur, limit.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        if (asNobody) QVERIFY(seteuid(65534) == 0);
        s->window.Command1_Click();
        if (getuid() == 0) QVERIFY(seteuid(0) == 0);
        setrlimit(RLIMIT_FSIZE, &limit);
        QStringList texts;
        for (const ScriptedPrompts::Asked& a : s->prompts->asked) texts << a.text;
        QCOMPARE(texts, asked.replaceInStrings("%1", s->path(name)));
        const bool written = yes && !asked.join("").contains("无法");
        QCOMPARE(QImage(s->path(name)).convertToFormat(QImage::Format_RGB32),
                 written ? s->image().convertToFormat(QImage::Format_RGB32) : QImage());
        for (const char* old : {"old.bmp", ".old.bmp"})
            if (!written || name != QLatin1String(old))
                QCOMPARE(fileBytes(s->path(old)), QByteArray("old"));
        QCOMPARE(dir.entryList(QDir::AllEntries | QDir::Hidden), entries);  // no leftovers
    }

    // At a device pixel ratio of 2: saved crisp at 96 dpi, the bound in device pixels.
    void highDensity() {
        if (s->image().devicePixelRatio() != 2) QSKIP("needs a device pixel ratio of 2");
        s->prompts->files = {s->path("sheet.bmp")};
        s->window.Command1_Click();
        const QImage saved(s->path("sheet.bmp"));
        QCOMPARE(countPixels(saved, [](QRgb c) { return isWhite(c) || isYellow(c) || isPen(c); }),
                 794 * 1121);
        for (int k : {0, 22, 44})  // the first cell's borders and cross, and its band
            QCOMPARE(shareOnRow(saved, 66 + k, 74, 118, isPen) +
                         shareOnColumn(saved, 74 + k, 66, 110, isPen),
                     2.0);
        s->typeAndPick("Combo5=1 Combo1=4423");
        QCOMPARE(canvas()->size(), QSize(794, 1121));
    }

    // Models, pale copies in the chosen tint and lightness under the grid, then plain cells.
    void copybookRows_data() {
        QTest::addColumn<QList<int>>("settings");  // models, traces, lightness
        QTest::addColumn<QString>("tint");
        QTest::addColumn<QString>("cells");  // M a model, P a pale copy, - the plain cell
        QTest::newRow("red at 60") << QList<int>{2, 3, 60} << "浅红"
                                   << "MMPPP---";
        QTest::newRow("grey at 90") << QList<int>{1, 2, 90} << "浅灰"
                                    << "MPP-----";
    }
    void copybookRows() {
        QFETCH(QList<int>, settings);
        QFETCH(QString, tint);
        if (installedCjkFamily().isEmpty()) QSKIP("no CJK font installed");
        s->typeAndPick("Combo5=8");
        const QImage plain = s->image();
        s->practise("永");
        for (int k = 0; k < 3; ++k)
            s->child<QSpinBox>(std::array{"models", "traces", "lightness"}[k])
                ->setValue(settings[k]);
        s->child<QComboBox>("tint")->setCurrentText(tint);
        const QImage sheet = s->image();
        QString cells;
        float palest = 1;  // the lightness of the darkest pale pixel on white
        for (int k = 0; k < 8; ++k) {
            int dark = 0, pale = 0, overLines = 0, offTint = 0;
            float lightest = 1;
            const int left = px((20 + 13 * k) * kUnit), middle = px((26 + 13 * k) * kUnit);
            for (int y = 67; y < 110; ++y)  // inside the first row, from pixel 66 to 110
                for (int x = left + 1; x < left + 44; ++x) {
                    const QRgb c = sheet.pixel(x, y), under = plain.pixel(x, y);
                    if (c == under) continue;
                    (isDark(c) ? dark : pale)++;
                    overLines += isPen(under) && (x == middle || y == px(24 * kUnit));
                    if (!isWhite(under)) continue;
                    offTint += qGreen(c) != qBlue(c) ||
                               (tint == "浅红" ? qRed(c) <= qGreen(c) : qRed(c) != qGreen(c));
                    lightest = std::min(lightest, QColor(c).lightnessF());
                }
            cells += dark > 20 ? 'M' : pale ? 'P' : '-';  // pale over a line's dot may be dark
            if (!cells.endsWith('P')) continue;
            QCOMPARE(overLines, 0);
            QCOMPARE(offTint, 0);
            palest = std::min(palest, lightest);
        }
        QTEST(cells, "cells");
        QVERIFY2(std::abs(palest - settings[2] / 100.0) < 0.01,
                 qPrintable(QString::number(palest)));
        const QRect otherRows(0, 112, plain.width(), plain.height() - 112);
        QCOMPARE(sheet.copy(otherRows), plain.copy(otherRows));
        s->child<QPlainTextEdit>("practiceText")->clear();
        QCOMPARE(s->image(), plain);
    }

    // One row per character, none for blanks, line breaks and 𠀀 (no font has it): 29 rows.
    void copybookSheets() {
        s->practise(QString::fromUcs4(U"永 字\r\n𠀀\t八") + QString(26, u'永'));
        s->typeAndPick("Combo6=29");
        QCOMPARE(s->action("nextSheet")->text(), "下一页");
        s->typeAndPick("Combo6=28");
        QCOMPARE(s->action("nextSheet")->text(), "下一页（第 1/2 页）");
    }

    // A model sits in its cell as the quick view shows it in a non-square offset grid box.
    void copybookFollowsTheGridBox() {
        const QString family = installedCjkFamily();
        if (family.isEmpty()) QSKIP("no CJK font installed");
        s.reset();
        WindowUnderTest main({family});
        for (auto [list, value] :
             {std::pair{"Combo5", "200"}, {"Combo6", "50"}, {"Combo7", "2000"}, {"Combo8", "2600"}})
            main.pick(list, value);  // the grid box: left, top, width, height
        const QRectF box(200, 50, 2000, 2600), cell(20 * kUnit, 18 * kUnit, 44 * kUnit, 44 * kUnit);
        main.click("Command7");
        SheetWindow* sheet = main.window->sheetWindow();
        for (const char* list : {"Combo1", "Combo2"})
            childOf<QComboBox>(sheet, list)->setEditText("44");
        sheet->Form_Resize();
        childOf<QAction>(sheet, "copybook")->trigger();
        childOf<QPushButton>(sheet, "addCurrent")->click();
        const QImage drawn = childOf<PictureBox>(sheet, "Picture2")->Image().copy();
        QVERIFY(inkLanding(main.view("Picture4"), drawn, box, cell) >= 0.9);
        QVERIFY(inkLanding(drawn, main.view("Picture4"), cell, box) >= 0.9);
    }

    // One modeless window at a time, fresh once closed.
    void openedFromTheMainWindow() {
        s.reset();
        WindowUnderTest main;
        main.click("Command7");
        QPointer<SheetWindow> sheet = main.window->sheetWindow();
        QVERIFY(sheet && !sheet->parent() && !sheet->isModal());
        childOf<QComboBox>(sheet, "Combo5")->setCurrentIndex(29);
        main.click("Command7");  // only brings it forward
        QCOMPARE(main.window->sheetWindow(), sheet.data());
        childOf<QPushButton>(sheet, "Command2")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!sheet);
        main.click("Command7");
        QCOMPARE(childOf<QComboBox>(main.window->sheetWindow(), "Combo5")->currentText(), "14");
    }
};

#ifdef ZIGE_SCALE_FACTOR
int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", ZIGE_SCALE_FACTOR);
    QApplication app(argc, argv);
    GridSheetTest test;
    return QTest::qExec(&test, {QString::fromLocal8Bit(argv[0]), "highDensity"});
}
#else
QTEST_MAIN(GridSheetTest)
#endif
#include "test_grid_sheet.moc"
