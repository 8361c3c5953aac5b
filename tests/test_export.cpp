// The sheet window's menu and outputs driven headless: PDF pages and the 300 dpi PNG read back
// with independent readers (poppler's pdfinfo, pdfimages, pdftoppm; the PNG's own chunks) and
// held against the sheet on the screen canvas; printing through QPrinter into a PDF file.
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include "grid_sheet/sheet_window.h"
#include "test_support.h"
#include "ui/picture_box.h"

using namespace zige;
using namespace zige::test;
using Texts = QStringList;  // list name, text, list name, text, ...

namespace {

bool isPenLike(QRgb c) { return qBlue(c) - qRed(c) > 40 && qRed(c) < 160; }
bool isYellowLike(QRgb c) { return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) < 230; }

// The columns (or rows) that carry a straight line: a fifth or more as many pen pixels as the
// fullest one. Borders, crosses and the dotted thirds qualify; the slanted cuts do not.
QList<int> lines(const QImage& image, Qt::Orientation along) {
    const bool columns = along == Qt::Vertical;
    QList<int> counts(columns ? image.width() : image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            counts[columns ? x : y] += isPenLike(image.pixel(x, y));
    const int fullest = counts.isEmpty() ? 0 : *std::max_element(counts.begin(), counts.end());
    QList<int> found;
    for (int i = 0; i < counts.size(); ++i)
        if (fullest > 0 && counts[i] * 5 >= fullest) found.append(i);
    return found;
}

// Every entry of `a` lies within `tolerance` of one of `b`.
bool near(const QList<int>& a, const QList<int>& b, int tolerance) {
    return std::all_of(a.begin(), a.end(), [&](int v) {
        return std::any_of(b.begin(), b.end(), [&](int w) { return std::abs(v - w) <= tolerance; });
    });
}

// The share of `reference`'s light yellow pixels that are light yellow in `image` too, or one
// pixel away.
double yellowKept(const QImage& reference, const QImage& image) {
    int yellow = 0, kept = 0;
    for (int y = 1; y + 1 < std::min(reference.height(), image.height()); ++y)
        for (int x = 1; x + 1 < std::min(reference.width(), image.width()); ++x) {
            if (!isYellowLike(reference.pixel(x, y))) continue;
            ++yellow;
            bool found = false;
            for (int d = 0; d < 9 && !found; ++d)
                found = isYellowLike(image.pixel(x + d % 3 - 1, y + d / 3 - 1));
            kept += found;
        }
    return yellow ? double(kept) / yellow : 1.0;
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        qWarning() << program << process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The pages of a PDF file rasterised by poppler.
QList<QImage> pages(const QString& pdf, int dpi) {
    QTemporaryDir folder;
    run("pdftoppm", {"-r", QString::number(dpi), "-png", pdf, folder.filePath("page")});
    QList<QImage> images;
    QDir dir(folder.path());
    for (const QString& name : dir.entryList({"page-*.png"}, QDir::Files, QDir::Name))
        images.append(QImage(dir.filePath(name)).convertToFormat(QImage::Format_RGB32));
    return images;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Answers the print dialog and the preview by printing to a PDF file; cancels without a file.
class PrintingPrompts : public ScriptedPrompts {
public:
    QString printFile;
    QList<QPageLayout> offered;
    bool fullPage = false;
    bool print(QWidget*, QPrinter& printer) override {
        offered.append(printer.pageLayout());
        fullPage = printer.fullPage();
        printer.setOutputFileName(printFile);
        return !printFile.isEmpty();
    }
    void printPreview(QWidget* parent, QPrinter& printer,
                      const std::function<void(QPrinter&)>& paint) override {
        if (print(parent, printer)) paint(printer);
    }
};

}  // namespace

class ExportTest : public QObject {
    Q_OBJECT

    std::shared_ptr<PrintingPrompts> prompts;
    std::unique_ptr<SheetWindow> window;
    std::unique_ptr<QTemporaryDir> folder;

    QAction* action(const char* name) const {
        return window->findChild<QAction*>(QLatin1String(name));
    }
    QString path(const QString& name) const { return folder->filePath(name); }
    // Types into lists, then redraws as a pick would.
    void redraw(const Texts& texts) {
        for (int i = 0; i < texts.size(); i += 2)
            window->findChild<QComboBox*>(texts[i])->setEditText(texts[i + 1]);
        window->Form_Resize();
    }
    QImage screenSheet() const {
        return window->findChild<PictureBox*>("Picture2")->Image().copy();
    }
    QString exported(const char* output, const QString& name) {
        prompts->files = {path(name)};
        action(output)->trigger();
        return path(name);
    }

private slots:
    void initTestCase() {
        for (const char* tool : {"pdfinfo", "pdfimages", "pdftoppm"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QSKIP("poppler-utils is not installed");
    }
    void init() {
        folder = std::make_unique<QTemporaryDir>();
        prompts = std::make_shared<PrintingPrompts>();
        window = std::make_unique<SheetWindow>(prompts);
        window->Form_Load();
        window->show();
    }
    void cleanup() { window.reset(); }

    // The menu bar above the form's client area, which keeps its design size and layout.
    void menu() {
        auto* bar = window->findChild<QMenuBar*>();
        QCOMPARE(bar->actions().size(), 2);
        QCOMPARE(bar->actions()[0]->text(), QStringLiteral("文件(&F)"));
        QCOMPARE(bar->actions()[1]->text(), QStringLiteral("字帖(&C)"));
        QStringList texts;
        for (QAction* a : bar->actions()[0]->menu()->actions())
            if (!a->isSeparator()) texts.append(a->text());
        QCOMPARE(texts, (QStringList{"保存 BMP…", "导出 PDF…", "导出 PNG（300 dpi）…", "打印预览…",
                                     "打印…", "关闭"}));
        QCOMPARE(action("print")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QWidget* client = window->findChild<QWidget*>("clientArea");
        QCOMPARE(client->geometry(), QRect(0, bar->height(), 653, 521));
        QCOMPARE(window->size(), QSize(653, 521 + bar->height()));
        QCOMPARE(window->findChild<QWidget*>("Picture1")->parentWidget(), client);
        action("saveBmp")->trigger();  // the 保存字格 flow, cancelled here
        QCOMPARE(prompts->offeredNames, QStringList{QString()});
        action("close")->trigger();
        QVERIFY(!window->isVisible());
    }

    // A4 pages with no image, each a sheet of whole rows from the top margin, every straight
    // line where the screen's canvas has it (one pixel either way at 96 dpi) and the band's
    // colour in place. Too wide a sheet is cut at the paper's right edge, too tall a row at its
    // bottom edge.
    void pdf_data() {
        QTest::addColumn<Texts>("texts");
        QTest::addColumn<QList<int>>("rowsPerPage");
        QTest::newRow("default") << Texts{} << QList<int>{21};
        QTest::newRow("60 rows") << Texts{"Combo6", "60"} << QList<int>{21, 21, 18};
        QTest::newRow("12 x 18 cells, no gaps")
            << Texts{"Combo2", "18", "Combo3", "0", "Combo4", "0", "Combo6", "30"}
            << QList<int>{15, 15};
        QTest::newRow("wider than A4") << Texts{"Combo5", "20"} << QList<int>{21};
        QTest::newRow("a row taller than A4")
            << Texts{"Combo2", "400", "Combo6", "2"} << QList<int>{1, 1};
    }
    void pdf() {
        QFETCH(Texts, texts);
        QFETCH(QList<int>, rowsPerPage);
        redraw(texts);
        const QString file = exported("exportPdf", "sheet.pdf");
        const QString info = run("pdfinfo", {"-f", "1", "-l", "99", file});
        QVERIFY(info.contains(QString("Pages:           %1\n").arg(rowsPerPage.size())));
        QCOMPARE(info.count("size:  595.276 x 841.89 pts (A4)"), rowsPerPage.size());
        QCOMPARE(run("pdfimages", {"-list", file}).count('\n'), 2);  // the header alone

        const QList<QImage> printed = pages(file, 96);
        QCOMPARE(printed.size(), rowsPerPage.size());
        for (int k = 0; k < printed.size(); ++k) {
            redraw({"Combo6", QString::number(rowsPerPage[k])});
            const QImage screen = screenSheet();
            const QImage sheet =
                screen.copy(QRect(QPoint(0, 0), printed[k].size()).intersected(screen.rect()));
            for (Qt::Orientation along : {Qt::Vertical, Qt::Horizontal}) {
                const QList<int> onScreen = lines(sheet, along), onPaper = lines(printed[k], along);
                QVERIFY2(near(onScreen, onPaper, 1) && near(onPaper, onScreen, 1),
                         qPrintable(QString("page %1").arg(k + 1)));
            }
            QVERIFY(yellowKept(sheet, printed[k]) > 0.999 && yellowKept(printed[k], sheet) > 0.999);
        }
    }

    // A copybook longer than the sheet's rows: every page in the PDF, its glyphs still no
    // image; every page a BMP and a PNG file, the second with "-2" before the suffix, and
    // nothing of them written when an existing one is not to be replaced.
    void copybookPages() {
        action("copybook")->trigger();
        auto* text = window->findChild<QPlainTextEdit*>("practiceText");
        text->setPlainText(QString(30, u'永'));
        QVERIFY(!action("previousSheet")->isEnabled() && action("nextSheet")->isEnabled());
        const QString pdf = exported("exportPdf", "book.pdf");
        QVERIFY(run("pdfinfo", {pdf}).contains("Pages:           2\n"));
        QCOMPARE(run("pdfimages", {"-list", pdf}).count('\n'), 2);
        exported("saveBmp", "book.bmp");
        exported("exportPng", "book.png");
        for (const char* name : {"book.bmp", "book-2.bmp", "book.png", "book-2.png"})
            QVERIFY2(QFile::exists(path(name)), name);
        QCOMPARE(QImage(path("book-2.bmp")).size(), QSize(794, 1121));
        // The second page holds the last nine characters: nine model glyphs, then empty rows.
        QVERIFY(QImage(path("book.bmp")) != QImage(path("book-2.bmp")));
        action("nextSheet")->trigger();
        QCOMPARE(window->copybookSheet(), 1);
        QCOMPARE(screenSheet().convertToFormat(QImage::Format_RGB32),
                 QImage(path("book-2.bmp")).convertToFormat(QImage::Format_RGB32));
        QFile::remove(path("book.png"));
        prompts->answers = {Prompts::Answer::No};
        const QByteArray before = fileBytes(path("book-2.png"));
        exported("exportPng", "book.png");
        QVERIFY(!QFile::exists(path("book.png")));
        QCOMPARE(fileBytes(path("book-2.png")), before);
        text->clear();
        QVERIFY(!action("nextSheet")->isEnabled());
        QCOMPARE(window->copybookSheet(), 0);
    }

    // At 600 dpi a 1-pixel line is 1/96 inch wide (6.25 pixels), and dotted lines are dots:
    // one width on, two off, the band's outline too, which lies on the thirds.
    void trueSize() {
        QTemporaryDir crop;
        run("pdftoppm", {"-r", "600", "-png", "-singlefile", "-x", "440", "-y", "400", "-W", "320",
                         "-H", "320", exported("exportPdf", "sheet.pdf"), crop.filePath("cell")});
        const QImage cell = QImage(crop.filePath("cell.png")).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(cell.size(), QSize(320, 320));
        // The first cell's left border at 1102.5 twips (459.4 px), its first third at 1323
        // (551.25).
        int border = 0;
        for (int x = 10; x < 30; ++x) border += isPenLike(cell.pixel(x, 60));
        QVERIFY2(border == 6 || border == 7, qPrintable(QString::number(border)));
        const double dotted =
            shareOnRow(cell, 105, 25, 100, isPenLike);  // the upper third, left of the band
        QVERIFY2(dotted > 0.28 && dotted < 0.42, qPrintable(QString::number(dotted)));
        // Where the outline and the third overlap, two patterns out of step, but no dashes.
        const double overlap = shareOnColumn(cell, 111, 20, 280, isPenLike);
        QVERIFY2(overlap < 0.6, qPrintable(QString::number(overlap)));
    }

    // 2481 px across A4 at 300 dpi, recorded in the file; crisp lines three pixels wide at
    // 300/96 of the screen canvas's positions.
    void png() {
        const QByteArray bytes =
            fileBytes(exported("exportPng", "sheet") + ".png");  // the suffix is added
        const qsizetype phys = bytes.indexOf("pHYs");
        QVERIFY(bytes.startsWith("\x89PNG") && phys > 0);
        QCOMPARE(qFromBigEndian<quint32>(bytes.constData() + phys + 4), 11811u);
        QCOMPARE(qFromBigEndian<quint32>(bytes.constData() + phys + 8), 11811u);
        QCOMPARE(int(bytes[phys + 12]), 1);  // per metre
        const QImage image = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.size(), QSize(2481, 3503));  // 11907 x 16813.125 twips
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 7)
            for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y) & 0xFFFFFF);
        QCOMPARE(colours, (QSet<QRgb>{0xFFFFFF, 0xFFFFC0, 0x000080}));
        const QImage sheet = screenSheet();
        for (Qt::Orientation along : {Qt::Vertical, Qt::Horizontal}) {
            QList<int> scaled;
            for (int v : lines(sheet, along))
                for (int k = 0; k < 3; ++k) scaled.append(int(std::lround(v * 300.0 / 96)) + k);
            const QList<int> found = lines(image, along);
            QVERIFY(near(scaled, found, 1) && near(found, scaled, 1));
        }
    }

    // The print dialog and the preview get A4 in full-page mode, and their pages are the PDF's.
    void printing_data() {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("file");  // where the dialog prints to; none cancels
        QTest::addColumn<QStringList>("told");
        QTest::newRow("print") << "print"
                               << "printed.pdf" << QStringList{};
        QTest::newRow("preview") << "printPreview"
                                 << "printed.pdf" << QStringList{};
        QTest::newRow("cancelled") << "print"
                                   << "" << QStringList{};
        QTest::newRow("unwritable") << "print"
                                    << "missing/printed.pdf" << QStringList{"无法打印到“%1”。"};
    }
    void printing() {
        QFETCH(QString, output);
        QFETCH(QString, file);
        QFETCH(QStringList, told);
        redraw({"Combo6", "30"});
        prompts->printFile = file.isEmpty() ? QString() : path(file);
        action(output.toLatin1().constData())->trigger();
        QCOMPARE(prompts->offered.size(), 1);
        const QPageLayout offered = prompts->offered[0];
        QVERIFY(offered.pageSize().id() == QPageSize::A4 &&
                offered.orientation() == QPageLayout::Portrait);
        QVERIFY(offered.mode() == QPageLayout::FullPageMode && prompts->fullPage &&
                offered.margins().isNull());
        QCOMPARE(prompts->asked.size(), told.size());
        if (!told.isEmpty()) QCOMPARE(prompts->asked[0].text, told[0].arg(path(file)));
        if (file != "printed.pdf") {
            QVERIFY(QDir(folder->path()).isEmpty());
            return;
        }
        const QList<QImage> exportedPages = pages(exported("exportPdf", "sheet.pdf"), 150);
        const QList<QImage> printedPages = pages(path("printed.pdf"), 150);
        QCOMPARE(printedPages.size(), 2);
        QCOMPARE(exportedPages.size(), 2);
        // The printer's file has Qt's media box in whole points (a fraction of a point more or
        // less paper at the right and bottom); what is drawn is the same, pixel for pixel.
        for (int k = 0; k < 2; ++k) {
            const QRect common = printedPages[k].rect() & exportedPages[k].rect();
            QVERIFY(common.width() >= 1240 && common.height() >= 1754);
            QCOMPARE(printedPages[k].copy(common), exportedPages[k].copy(common));
        }
    }

    // The PDF and PNG dialogs keep their own last names and add the suffix; an existing file
    // is asked about; a PNG too large at 300 dpi is told with the file and its size.
    void saving_data() {
        QTest::addColumn<QString>("output");
        QTest::addColumn<Texts>("texts");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written");  // the file written, or none
        QTest::addColumn<QString>("told");     // the one message shown, or none
        QTest::newRow("pdf, new") << "exportPdf" << Texts{} << "new"
                                  << "new.pdf"
                                  << "";
        QTest::newRow("png, existing, no") << "exportPng" << Texts{} << "old.png"
                                           << ""
                                           << "文件已经存在，是否覆盖？";
        QTest::newRow("png, too large")
            << "exportPng" << Texts{"Combo5", "1", "Combo1", "3200"} << "wide.png"
            << ""
            << "无法保存文件“%1”：300 dpi 的图片太大（37152 × 3503 像素），或内存不足";
    }
    void saving() {
        QFETCH(QString, output);
        QFETCH(Texts, texts);
        QFETCH(QString, name);
        QFETCH(QString, written);
        QFETCH(QString, told);
        redraw(texts);
        QFile old(path("old.png"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        prompts->files = {path(name), std::nullopt};
        prompts->answers = {Prompts::Answer::No};
        for (int i = 0; i < 2; ++i)
            action(output.toLatin1().constData())->trigger();  // the second is cancelled
        QCOMPARE(prompts->offeredNames,
                 (QStringList{QString(), path(written.isEmpty() ? name : written)}));
        QCOMPARE(prompts->asked.size(), told.isEmpty() ? 0 : 1);
        if (!told.isEmpty())
            QCOMPARE(prompts->asked[0].text, QString(told).replace("%1", path(name)));
        QCOMPARE(fileBytes(old.fileName()), QByteArray("old"));
        if (!written.isEmpty()) QVERIFY(fileBytes(path(written)).startsWith("%PDF"));
        QStringList entries{"old.png"};
        if (!written.isEmpty()) entries.prepend(written);
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden),
                 entries);  // nothing half-written
    }
};

QTEST_MAIN(ExportTest)
#include "test_export.moc"
