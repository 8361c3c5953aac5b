// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet window's PDF, printout and PNG, read back with poppler against the screen.
#include <QPrinter>

#include "window_under_test.h"

using namespace zige;
using namespace zige::test;

namespace {

// Poppler smooths the edges, so this takes the pen's navy loosely.
bool isPenLike(QRgb c) { return qBlue(c) - qRed(c) > 40 && qRed(c) < 160; }

// Every entry of either list lies within a pixel of one of the other.
bool near(const QList<int>& a, const QList<int>& b) {
    for (auto [from, to] : {std::pair{&a, &b}, {&b, &a}})
        for (int v : *from)
            if (!to->contains(v) && !to->contains(v - 1) && !to->contains(v + 1)) return false;
    return true;
}

// Answers the print dialog and the preview by printing to a PDF file.
class PrintingPrompts : public ScriptedPrompts {
public:
    QString printFile;
    bool print(QWidget*, QPrinter& printer) override {
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
    std::unique_ptr<SheetUnderTest> s;

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())  // and the other poppler tools
            QSKIP("poppler-utils is not installed");
    }
    void init() {
        prompts = std::make_shared<PrintingPrompts>();
        s = std::make_unique<SheetUnderTest>(prompts);
    }
    void cleanup() { s.reset(); }

    // A4 pages of whole rows, lines as on screen; print and preview give the same, in order.
    void pdfAndPrint_data() {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("texts");
        QTest::addColumn<QList<int>>("rowsPerPage");
        QTest::addColumn<QString>("practice");  // a copybook's characters, one row each
        const auto row = [](const char* name, const char* output, const char* texts,
                            QList<int> rowsPerPage, const char* practice = "") {
            QTest::newRow(name) << output << texts << rowsPerPage << practice;
        };
        row("60 rows", "exportPdf", "Combo6=60", {21, 21, 18});
        row("wider than A4", "exportPdf", "Combo5=20", {21});
        row("a row taller than A4", "exportPdf", "Combo2=400 Combo6=2", {1, 1});
        row("print a copybook", "print", "Combo6=30", {21, 9},
            "啊阿埃挨哎唉哀皑癌蔼矮艾碍爱隘鞍氨安俺按暗岸胺案肮昂盎凹敖熬");
        row("preview", "printPreview", "Combo6=30", {21, 9});
    }
    void pdfAndPrint() {
        QFETCH(QString, output);
        QFETCH(QString, texts);
        QFETCH(QList<int>, rowsPerPage);
        QFETCH(QString, practice);
        if (!practice.isEmpty()) s->practise(practice);
        s->typeAndPick(texts);
        const QString file = s->exported("exportPdf", "sheet.pdf");
        const QString info = programOutput("pdfinfo", {"-f", "1", "-l", "99", file});
        QVERIFY(info.contains(QString("Pages:           %1\n").arg(rowsPerPage.size())));
        QCOMPARE(info.count("size:  595.276 x 841.89 pts (A4)"), rowsPerPage.size());
        QCOMPARE(programOutput("pdfimages", {"-list", file}).count('\n'), 2);  // the header alone
        const QList<QImage> printed = pdfPages(file, 96);
        QCOMPARE(printed.size(), rowsPerPage.size());
        for (int k = 0; k < printed.size(); ++k) {
            s->typeAndPick(QString("Combo6=%1").arg(rowsPerPage[k]));
            const QImage screen = s->screen();
            const QImage sheet =
                screen.copy(QRect(QPoint(0, 0), printed[k].size()).intersected(screen.rect()));
            for (Qt::Orientation along : {Qt::Vertical, Qt::Horizontal})
                QVERIFY2(near(lines(sheet, along, isPenLike), lines(printed[k], along, isPenLike)),
                         qPrintable(QString("page %1").arg(k + 1)));
        }
        if (output == "exportPdf") return;
        s->typeAndPick(texts);
        prompts->printFile = s->path("printed.pdf");
        s->action(qPrintable(output))->trigger();
        const QList<QImage> exportedPages = pdfPages(file, 150),
                            printedPages = pdfPages(s->path("printed.pdf"), 150);
        QCOMPARE(printedPages.size(), exportedPages.size());
        for (int k = 0; k < printedPages.size(); ++k) {
            const QRect common = printedPages[k].rect() & exportedPages[k].rect();
            QVERIFY(common.width() >= 1240 && common.height() >= 1754);
            QCOMPARE(printedPages[k].copy(common), exportedPages[k].copy(common));
        }
        for (int k = 0, first = 0; k < rowsPerPage.size(); first += rowsPerPage[k++]) {
            QStringList rows;
            for (QChar c : practice.mid(first, rowsPerPage[k])) rows << QString(4, c);
            const QString page = QString::number(k + 1);
            for (const QString& pdf : {file, s->path("printed.pdf")})
                QCOMPARE(
                    programOutput("pdftotext", {"-f", page, "-l", page, pdf, "-"}).simplified(),
                    rows.join(' '));
        }
    }

    // A print that cannot be written is reported, not taken for done.
    void printFailureIsReported() {
        prompts->printFile = s->path("missing/printed.pdf");
        s->action("print")->trigger();
        QCOMPARE(prompts->asked.value(0).text, "无法打印到“" + prompts->printFile + "”。");
        QVERIFY(QDir(s->folder.path()).isEmpty());
    }

    // Two sheets: existing files are asked about once; a failing second page leaves nothing new.
    void copybookPages() {
        s->practise(QString(30, u'永'));
        QVERIFY(writeFile(s->path("book-2.png"), "old"));
        prompts->answers = {Prompts::Answer::No};
        s->exported("exportPng", "book.png");
        QCOMPARE(prompts->asked.value(0).text, "要保存的 2 个文件中有 1 个已经存在（“" +
                                                   s->path("book-2.png") + "”），是否覆盖？");
        QVERIFY(writeFile(s->path("set.bmp"), "old") && QDir(s->folder.path()).mkdir("set-2.bmp"));
        prompts->files = {s->path("set.bmp")};
        s->window.Command1_Click();
        QCOMPARE(prompts->asked.last().text,
                 "无法保存文件“" + s->path("set-2.bmp") + "”：这个名称是一个文件夹");
        QCOMPARE(QDir(s->folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"book-2.png", "set.bmp"}));
        QCOMPARE(fileBytes(s->path("book-2.png")) + fileBytes(s->path("set.bmp")), "oldold");
    }

    // At 600 dpi a 1-pixel line is 1/96 inch wide, and a dotted line one width on, two off.
    void trueSize() {
        const QString pdf = s->exported("exportPdf", "sheet") + ".pdf";  // the suffix is added
        const QImage cell =
            pdfPages(pdf, 600, {"-x", "440", "-y", "400", "-W", "320", "-H", "320"}).value(0);
        const int border = qRound(shareOnRow(cell, 60, 10, 29, isPenLike) * 20);
        QVERIFY2(border == 6 || border == 7, qPrintable(QString::number(border)));
        const double dotted = shareOnRow(cell, 105, 25, 100, isPenLike);  // the upper third
        QVERIFY2(dotted > 0.28 && dotted < 0.42, qPrintable(QString::number(dotted)));
    }

    // At 300 dpi the lines are three pixels wide; too large an image is told, nothing written.
    void png() {
        const QImage image(s->exported("exportPng", "sheet") + ".png");  // the suffix is added
        const QImage sheet = s->screen();
        for (Qt::Orientation along : {Qt::Vertical, Qt::Horizontal}) {
            QList<int> scaled;
            for (int v : lines(sheet, along, isPen))
                for (int k = 0; k < 3; ++k) scaled.append(int(std::lround(v * 300.0 / 96)) + k);
            QVERIFY(near(scaled, lines(image, along, isPen)));
        }
        s->typeAndPick("Combo5=1 Combo1=3200");
        s->exported("exportPng", "wide.png");
        QCOMPARE(prompts->asked.value(0).text,
                 "无法保存文件“" + s->path("wide.png") +
                     "”：300 dpi 的图片太大（37152 × 3503 像素），或内存不足");
        QCOMPARE(QDir(s->folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"sheet.png"});
    }
};

QTEST_MAIN(ExportTest)
#include "test_export.moc"
