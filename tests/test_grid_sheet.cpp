// The grid sheet window driven headless: the sheet on the canvas image, refused values, the
// view and its scroll bars, saving as BMP, and opening it from the main window.
#include <sys/resource.h>
#include <unistd.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <set>

#include "grid_sheet/sheet_window.h"
#include "main_window/main_window.h"
#include "test_support.h"
#include "ui/picture_box.h"

using namespace zige;
using namespace zige::test;
constexpr int Refused = 0, Blank = 1, Drawn = 2;  // what a redraw does to the sheet

namespace {

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

// The columns (Qt::Vertical) or rows with any ink at all.
QList<int> inked(const QImage& image, Qt::Orientation along) {
    QList<int> found;
    const QImage turned =
        along == Qt::Vertical ? image : image.transformed(QTransform(0, 1, 1, 0, 0, 0));
    for (int x = 0; x < turned.width(); ++x)
        if (shareOnColumn(turned, x, 0, turned.height() - 1, isInk) > 0) found.append(x);
    return found;
}

// Answers the save dialog after wandering off to another folder, as a user browsing would.
class WanderingPrompts : public ScriptedPrompts {
public:
    std::function<void()> chosen;  // runs once, as the next dialog returns
    std::optional<QString> saveFileName(QWidget* parent, const QString& filter,
                                        const QString& start) override {
        QDir::setCurrent(QDir::tempPath());
        if (chosen) std::exchange(chosen, nullptr)();
        return ScriptedPrompts::saveFileName(parent, filter, start);
    }
};

}  // namespace

class GridSheetTest : public QObject {
    Q_OBJECT

    std::shared_ptr<WanderingPrompts> prompts;
    std::unique_ptr<SheetWindow> window;
    std::unique_ptr<QTemporaryDir> folder;

    template <typename T = QWidget>
    T* control(const QString& name) const {
        return window->findChild<T*>(name);
    }
    PictureBox* canvas() const { return control<PictureBox>("Picture2"); }
    QImage image() const { return canvas()->Image(); }
    QString ratio() const { return control<QLineEdit>("Text1")->text(); }
    QScrollBar* bar(const char* name) const { return control<QScrollBar>(name); }
    // Types into lists, then picks in the last one: the redraw reads every list afresh.
    void typeAndPick(const QString& texts) {  // "Combo1=12 Combo2=18"
        QComboBox* list = nullptr;
        for (const QString& text : texts.split(' ')) {
            list = control<QComboBox>(text.section('=', 0, 0));
            list->setEditText(text.section('=', 1));
        }
        emit list->activated(list->currentIndex());
    }
    static void drag(QScrollBar* scrollBar, int value) {
        scrollBar->setSliderDown(true);
        scrollBar->setSliderPosition(value);
        scrollBar->setSliderDown(false);
    }
    QString path(const QString& name) const { return folder->filePath(name); }

private slots:
    void init() {
        folder = std::make_unique<QTemporaryDir>();
        prompts = std::make_shared<WanderingPrompts>();
        window = std::make_unique<SheetWindow>(prompts);
        window->Form_Load();
        QVERIFY(ratio().isEmpty());  // loading draws nothing; the first resize does
        window->show();
    }
    void cleanup() { window.reset(); }

    // The cells wherever the lists put them: borders, solid crosses and dotted thirds are the
    // sheet's only straight lines, only the margins and gaps stay blank, and the first cell
    // shows the whole quick-grid pattern.
    void cells_data() {
        QTest::addColumn<QString>("texts");
        for (const char* texts : {"Combo1=12", "Combo2=18", "Combo1=30 Combo2=20", "Combo5=1",
                                  "Combo6=14 Combo9=20", "Combo3=0", "Combo3=0 Combo4=3"})
            QTest::newRow(texts) << texts;
    }
    void cells() {
        QFETCH(QString, texts);
        typeAndPick(texts);
        const QImage sheet = image();
        QMap<QString, double> v{{"Combo1", 12}, {"Combo2", 12}, {"Combo3", 1},  {"Combo4", 1},
                                {"Combo5", 14}, {"Combo6", 21}, {"Combo7", 20}, {"Combo9", 18}};
        for (const QString& text : texts.split(' '))
            v[text.section('=', 0, 0)] = text.section('=', 1).toDouble();
        const double u = 55.125, x = v["Combo7"] * u, y = v["Combo9"] * u, W = v["Combo1"] * u,
                     H = v["Combo2"] * u;  // twips
        for (auto [along, start, side, gap, count] :
             {std::tuple{Qt::Vertical, x, W, v["Combo3"] * u, v["Combo5"]},
              {Qt::Horizontal, y, H, v["Combo4"] * u, v["Combo6"]}}) {
            std::set<int> straight, ink;
            for (int i = 0; i < count; ++i) {
                const double from = start + i * (side + gap);
                for (double f : {0.0, 1 / 3.0, 0.5, 2 / 3.0, 1.0})
                    straight.insert(px(from + side * f));
                for (int p = px(from); p <= px(from + side); ++p) ink.insert(p);
            }
            QCOMPARE(lines(sheet, along, isPen), QList<int>(straight.begin(), straight.end()));
            QCOMPARE(inked(sheet, along), QList<int>(ink.begin(), ink.end()));
        }
        const int x0 = px(x), y0 = px(y), x1 = px(x + W), y1 = px(y + H), xa = px(x + W / 3),
                  xb = px(x + W / 3 * 2);
        QCOMPARE(shareOnColumn(sheet, px(x + W / 2), y0, y1, isPen), 1.0);
        QCOMPARE(shareOnRow(sheet, px(y + H / 2), x0, x1, isPen), 1.0);
        for (double share : {shareOnColumn(sheet, xa, y0 + 1, y1 - 1, isPen),
                             shareOnColumn(sheet, xb, y0 + 1, y1 - 1, isPen),
                             shareOnRow(sheet, px(y + H / 3), x0 + 1, x1 - 1, isPen),
                             shareOnRow(sheet, px(y + H / 3 * 2), x0 + 1, x1 - 1, isPen)})
            QVERIFY2(share > 0.3 && share < 0.75, "dotted thirds");
        // The band between the thirds is light yellow under the lines, and nothing else is.
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

    // Sizes, counts and gaps, including none at all, and what is refused: a failing step leaves
    // the drawing and the ratio, a failing height still takes the new width, and the rest of
    // the resize runs. The bound: 32767 device pixels a side, 64 Mi pixels in all, 40000 cells.
    void redraws_data() {
        QTest::addColumn<QString>("texts");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("expectedRatio");
        QTest::addColumn<int>("outcome");
        const auto row = [](const char* name, const char* texts, int w, int h, const char* ratio,
                            int outcome) {
            QTest::newRow(name) << texts << QSize(w, h) << ratio << outcome;
        };
        row("13.5 is 14", "Combo1=13.5", 897, 1121, "0.8", Drawn);
        row("whole ratio", "Combo6=14 Combo9=20", 794, 794, "1.", Drawn);
        row("no columns", "Combo5=0", 125, 1121, "0.111", Blank);  // margins less a gap
        row("no rows", "Combo6=0", 794, 118, "6.75", Blank);
        row("one column", "Combo5=1", 173, 1121, "0.154", Drawn);
        row("no gap", "Combo3=0", 746, 1121, "0.666", Drawn);
        row("gaps apart", "Combo3=0 Combo4=3", 746, 1268, "0.588", Drawn);
        row("empty", "Combo7=", 794, 1121, "0.708", Refused);
        row("product overflow", "Combo1=2000000 Combo5=2000", 794, 1121, "0.708", Refused);
        row("negative", "Combo8=-1000", 794, 1121, "0.708", Refused);
        row("bad height", "Combo1=20 Combo10=", 1205, 1121, "0.708", Refused);
        row("32770 wide", "Combo5=1 Combo1=8882", 794, 1121, "0.708", Refused);
        row("32766 wide", "Combo5=1 Combo1=8881", 32766, 1121, "29.233", Drawn);
        row("over 64 Mi pixels", "Combo5=1 Combo1=4423 Combo6=1 Combo2=1082", 16383, 1121, "0.708",
            Refused);
        row("40401 cells", "Combo1=1 Combo2=1 Combo5=201 Combo6=201", 1602, 1121, "0.708", Refused);
        row("40000 cells", "Combo1=1 Combo2=1 Combo5=200 Combo6=200", 1595, 1588, "1.005", Drawn);
    }
    void redraws() {
        QFETCH(QString, texts);
        QFETCH(int, outcome);
        drag(bar("HScroll1"), 30);
        const QImage before = image();
        typeAndPick(texts);
        QTEST(canvas()->size(), "size");
        QTEST(ratio(), "expectedRatio");
        QCOMPARE(canvas()->pos(), QPoint(0, 0));
        QCOMPARE(bar("HScroll1")->value(), 0);
        const QImage sheet = image();
        if (outcome == Refused)
            QCOMPARE(sheet.copy(0, 0, 794, 1121), before);
        else
            QCOMPARE(countPixels(sheet, isInk) > 0, outcome == Drawn);
    }

    void viewport_data() {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QRect>("viewport");
        QTest::addColumn<int>("hPage");
        QTest::addColumn<int>("vPage");
        // 9420 x 6660 twips: 100 x 9420 / 2487 and 100 x 6660 / 10153.125.
        QTest::newRow("design") << QSize(653, 521) << QRect(4, 56, 628, 444) << 379 << 66;
        QTest::newRow("wider than the sheet")
            << QSize(1000, 521) << QRect(4, 56, 975, 444) << 32767 << 66;
        QTest::newRow("page above 32767")
            << QSize(653, 1197) << QRect(4, 56, 628, 1120) << 379 << 32767;
        QTest::newRow("too small") << QSize(20, 40) << QRect(4, 56, 628, 444) << 379 << 66;
    }
    void viewport() {
        QFETCH(QSize, client);
        QFETCH(QRect, viewport);
        control<QComboBox>("Combo6")->setEditText("20");     // drawn at the next resize
        const QSize menuBar(0, control("clientArea")->y());  // the client area lies below it
        window->resize(client + menuBar + QSize(1, 1));
        window->resize(client + menuBar);
        QCOMPARE(control("Picture1")->geometry(), viewport);
        QCOMPARE(canvas()->size(), QSize(794, 1073));  // redrawn even when the viewport is kept
        control<QComboBox>("Combo6")->setEditText("21");
        window->Form_Resize();
        QCOMPARE(bar("VScroll1")->geometry(),
                 QRect(viewport.right() + 1, 56, 17, viewport.height()));
        QCOMPARE(bar("HScroll1")->geometry(),
                 QRect(4, viewport.bottom() + 1, viewport.width(), 17));
        QTEST(bar("HScroll1")->pageStep(), "hPage");
        QTEST(bar("VScroll1")->pageStep(), "vPage");
    }

    // Typed text waits for a pick or a resize, also when editing ends on the text of an entry; a
    // pick from the popup, an arrow key or the wheel redraws at once (from 14 columns to 15).
    void onlyAPickRedraws_data() {
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("expectedRatio");
        for (const char* end : {"Return", "Tab", "focus elsewhere"})
            QTest::newRow(end) << end << "0.708";
        for (const char* pick : {"Down", "wheel", "popup"}) QTest::newRow(pick) << pick << "0.751";
    }
    void onlyAPickRedraws() {
        QFETCH(QString, after);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto* columns = control<QComboBox>("Combo5");
        columns->setFocus();
        columns->lineEdit()->selectAll();
        QTest::keyClicks(columns, "30");
        if (after == "Return") QTest::keyClick(columns, Qt::Key_Return);
        if (after == "Tab") QTest::keyClick(columns, Qt::Key_Tab);
        if (after == "focus elsewhere") control("Combo6")->setFocus();
        if (after == "Down") QTest::keyClick(columns, Qt::Key_Down);
        if (after == "wheel") {
            QWheelEvent wheel({5, 5}, columns->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                              Qt::NoButton, {}, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(columns, &wheel);
        }
        if (after == "popup") {
            columns->showPopup();
            QTest::keyClick(columns->view(), Qt::Key_Down);
            QTest::keyClick(columns->view(), Qt::Key_Return);
        }
        QTEST(ratio(), "expectedRatio");
    }

    // Only the thumb moves the canvas: at 100 the far edges meet the viewport's, at 50 the
    // middle shows; an arrow, a key or a click in the track changes the value alone.
    void scrolling_data() {
        QTest::addColumn<QString>("how");  // the bar (h or v), then what is done to it
        QTest::addColumn<int>("value");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("h thumb 100") << "h thumb 100" << 100 << QPoint(628 - 794, 0);
        QTest::newRow("h thumb 50") << "h thumb 50" << 50 << QPoint(-83, 0);
        QTest::newRow("v thumb 100") << "v thumb 100" << 100 << QPoint(0, 444 - 1121);
        QTest::newRow("v thumb 50") << "v thumb 50" << 50 << QPoint(0, -338);
        QTest::newRow("arrow") << "h arrow" << 1 << QPoint(0, 0);
        QTest::newRow("End key") << "h End" << 100 << QPoint(0, 0);
        QTest::newRow("track") << "h End track" << 0 << QPoint(0, 0);
        QTest::newRow("mouse drag") << "h mouse" << 100 << QPoint(628 - 794, 0);
    }
    void scrolling() {
        QFETCH(QString, how);
        QScrollBar* b = bar(how.startsWith('v') ? "VScroll1" : "HScroll1");
        if (how.contains("thumb")) drag(b, how.section(' ', 2).toInt());
        if (how.contains("arrow")) QTest::mouseClick(b, Qt::LeftButton, {}, {b->width() - 5, 8});
        if (how.contains("End")) QTest::keyClick(b, Qt::Key_End);
        if (how.contains("track")) QTest::mouseClick(b, Qt::LeftButton, {}, {40, 8});
        if (how.contains("mouse")) {  // from the thumb's middle to the far right
            QTest::mousePress(b, Qt::LeftButton, {}, {b->width() / 2, 8});
            QTest::mouseMove(b, {b->width() - 1, 8});
            QTest::mouseRelease(b, Qt::LeftButton, {}, {b->width() - 1, 8});
        }
        QTEST(b->value(), "value");
        QTEST(canvas()->pos(), "position");
    }

    // The whole sheet is saved (the end-to-end test reads its 96 dpi). Existing files, hidden
    // ones too, are asked about; a failure is told, with its reason in Chinese, and keeps the old
    // file; a cancel saves and asks nothing. The current folder is the program's afterwards.
    void saving_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("sizeLimit");
        QTest::addColumn<QStringList>("asked");  // %1: the file
        const QString question = "文件已经存在，是否覆盖？", failed = "无法保存文件“%1”：";
        QTest::newRow("new") << "sheet.bmp" << true << false << QStringList{};
        QTest::newRow("no") << "old.bmp" << false << false << QStringList{question};
        QTest::newRow("yes") << "old.bmp" << true << false << QStringList{question};
        QTest::newRow("hidden, no") << ".old.bmp" << false << false << QStringList{question};
        QTest::newRow("full disk")
            << "sheet.bmp" << true << true << QStringList{failed + "文件超出了允许的大小"};
        QTest::newRow("missing folder")
            << "missing/sheet.bmp" << true << false << QStringList{failed + "文件夹不存在"};
        QTest::newRow("a folder of that name")
            << "folder.bmp" << true << false << QStringList{failed + "这个名称是一个文件夹"};
        QTest::newRow("no permission")
            << "locked/sheet.bmp" << true << false << QStringList{failed + "没有写入权限"};
        QTest::newRow("write fails midway")
            << "old.bmp" << true << true << QStringList{question, failed + "文件超出了允许的大小"};
    }
    void saving() {
        QFETCH(QString, name);
        QFETCH(bool, yes);
        QFETCH(bool, sizeLimit);
        QFETCH(QStringList, asked);
        QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("folder.bmp")));
        // A folder we may not write in. Root may write anywhere, so the save runs as nobody then,
        // from the dialog's answer to the failure message.
        QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("locked")));
        const auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                              QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(folder->path(), readable | QFile::WriteOwner));
        QVERIFY(QFile::setPermissions(path(QStringLiteral("locked")), readable));
        if (name.startsWith(QStringLiteral("locked/")) && geteuid() == 0) {
            prompts->chosen = [] { QVERIFY(seteuid(65534) == 0); };
            prompts->duringMessage = [] { QVERIFY(seteuid(0) == 0); };
        }
        for (const char* old : {"old.bmp", ".old.bmp"}) QVERIFY(writeFile(path(old), "old"));
        QStringList entries = QDir(folder->path()).entryList(QDir::AllEntries | QDir::Hidden);
        prompts->files = {path(name), std::nullopt};
        prompts->answers = {yes ? Prompts::Answer::Yes : Prompts::Answer::No};
        // A file size limit stops the writes short as a full disk does, in this process only.
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{sizeLimit ? 64 * 1024 : limit.rlim_cur, limit.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        window->Command1_Click();
        if (getuid() == 0) QVERIFY(seteuid(0) == 0);
        setrlimit(RLIMIT_FSIZE, &limit);
        QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
        window->Command1_Click();  // cancelled
        QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
        QCOMPARE(prompts->offeredNames, (QList<QString>{QString(), path(name)}));
        QStringList texts;
        for (const ScriptedPrompts::Asked& a : prompts->asked) {
            texts << a.text;  // a question to answer, or a failure to acknowledge
            QCOMPARE(a.buttons == Prompts::Buttons::Ok, a.text.startsWith(QStringLiteral("无法")));
        }
        QCOMPARE(texts, asked.replaceInStrings("%1", path(name)));
        const bool written = yes && !asked.join("").contains("无法");
        if (written) {
            QCOMPARE(QImage(path(name)).convertToFormat(QImage::Format_RGB32),
                     image().convertToFormat(QImage::Format_RGB32));
            if (!entries.contains(name)) entries << name;
            entries.sort();
        }
        QCOMPARE(QImage(path(name)).isNull(), !written);
        for (const char* old : {"old.bmp", ".old.bmp"})
            if (!written || name != QLatin1String(old))
                QCOMPARE(fileBytes(path(old)), QByteArray("old"));
        QCOMPARE(QDir(folder->path()).entryList(QDir::AllEntries | QDir::Hidden),
                 entries);  // no leftovers
    }

    // On a screen of two device pixels to the pixel (test_grid_sheet_hidpi runs this alone): the
    // saved file is scaled back to 96 dpi without blending a colour, and the canvas bound
    // counts device pixels, so 16383 pixels wide (73 Mi device pixels in all) is refused.
    void highDensity() {
        if (image().devicePixelRatio() != 2) QSKIP("needs a device pixel ratio of 2");
        prompts->files = {path("sheet.bmp")};
        window->Command1_Click();
        const QImage saved(path("sheet.bmp"));
        QCOMPARE(saved.size(), QSize(794, 1121));
        QCOMPARE(countPixels(saved, [](QRgb c) { return isWhite(c) || isYellow(c) || isPen(c); }),
                 794 * 1121);
        for (int k : {0, 22, 44})  // the first cell's borders and cross, and its band
            QCOMPARE(shareOnRow(saved, 66 + k, 74, 118, isPen) +
                         shareOnColumn(saved, 74 + k, 66, 110, isPen),
                     2.0);
        QVERIFY(isYellow(saved.pixel(92, 75)));
        typeAndPick("Combo5=1 Combo1=4423");
        QCOMPARE(canvas()->size(), QSize(794, 1121));
    }

    // One modeless window at a time, fresh once closed.
    void openedFromTheMainWindow() {
        window.reset();
        MainWindow main(std::make_shared<ScriptedPrompts>());
        main.Form_Load();
        main.show();
        auto* command7 = main.findChild<QPushButton*>("Command7");
        command7->click();
        QPointer<SheetWindow> sheet = main.sheetWindow();
        QVERIFY(sheet && !sheet->parent() && !sheet->isModal());  // centred: the end-to-end test
        auto* columns = sheet->findChild<QComboBox*>("Combo5");
        columns->setCurrentIndex(29);
        command7->click();  // only brings it forward
        QCOMPARE(main.sheetWindow(), sheet.data());
        QCOMPARE(columns->currentText(), "30");
        sheet->findChild<QPushButton*>("Command2")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!sheet);
        command7->click();
        sheet = main.sheetWindow();
        QCOMPARE(sheet->findChild<QComboBox*>("Combo5")->currentText(), "14");
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
