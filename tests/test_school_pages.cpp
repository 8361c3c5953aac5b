// SPDX-License-Identifier: GPL-3.0-or-later
// School copybook pages read back: the PDF through poppler, the images at 96 and 300 dpi.
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

#include "export/print_image.h"
#include "export/sheet_export.h"
#include "sheet_drawing/sheet_model.h"
#include "test_support_gui.h"

using namespace zige;
using namespace zige::test;

namespace {

// A copybook of `text` in school cells of `cell` tenths of a millimetre, one model, no copies.
SheetModel schoolModel(const QString& text, int cell, int columnGap = 0, int rowGap = 0) {
    SheetModel model;
    model.copybook.text = text;
    model.copybook.traces = 0;
    model.placement.fontName = installedCjkFamily();
    SchoolSettings& s = model.copybook.school;
    s.millimetres = true;
    s.cell = cell;
    s.columnGap = columnGap;
    s.rowGap = rowGap;
    return model;
}

double centre(std::pair<int, int> run) { return (run.first + run.second) / 2.0; }

bool isGrey(QRgb c) { return qGray(c) < 160; }
bool isGridRed(QRgb c) { return qRed(c) > 150 && qGreen(c) < 110 && qBlue(c) < 110; }

// The runs of pixels passing `test` down column x, and their share of it.
std::pair<int, double> inkRuns(const QImage& image, int x, int top, int bottom,
                               bool (*test)(QRgb)) {
    int runs = 0;
    for (int y = top; y <= bottom; ++y)
        runs += test(image.pixel(x, y)) && (y == top || !test(image.pixel(x, y - 1)));
    return {runs, shareOnColumn(image, x, top, bottom, test)};
}

}  // namespace

class SchoolPagesTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

    QString exported(const SheetModel& model, const QString& name, double dpi = 300) {
        const QString path = folder.filePath(name);
        const ExportResult result =
            exportDocument(sheetDocument(model), *exportFormatOf(path), path, dpi);
        if (!result.written()) qWarning() << result.reason;
        return path;
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("poppler-utils is not installed");
        if (installedCjkFamily().isEmpty()) QSKIP("no CJK font installed");
        QImageReader::setAllocationLimit(256);  // megabytes: a page at 600 dpi
    }

    // At 600 dpi every border lies a cell (or gap) from the last within 0.1 mm, 0.3 mm wide.
    void cellsAtTheirSize_data() {
        QTest::addColumn<PaperSize>("paper");
        QTest::addColumn<QList<int>>("lengths");  // cell, column gap, row gap in tenths of mm
        QTest::addColumn<QList<int>>("cells");    // columns, rows
        QTest::addColumn<QString>("size");        // as pdfinfo says it
        QTest::newRow("15 mm on A4") << PaperSize::A4 << QList<int>{150, 0, 40}
                                     << QList<int>{12, 14} << "595.276 x 841.89 pts (A4)";
        QTest::newRow("20 mm on Letter") << PaperSize::Letter << QList<int>{200, 20, 0}
                                         << QList<int>{8, 12} << "612 x 792 pts (letter)";
    }
    void cellsAtTheirSize() {
        QFETCH(PaperSize, paper);
        QFETCH(QList<int>, lengths);
        QFETCH(QList<int>, cells);
        QFETCH(QString, size);
        SheetModel model = schoolModel("永", lengths[0], lengths[1], lengths[2]);
        model.copybook.school.paper = paper;
        model.copybook.grid = CellGrid::Square;
        const QString pdf = exported(model, "cells.pdf");
        QVERIFY(programOutput("pdfinfo", {pdf}).contains("Page size:       " + size));
        const QImage page = pdfPages(pdf, 600, {"-gray"}).value(0);
        const double pxPerMm = 600 / 25.4;
        for (auto [along, count, gap] : {std::tuple{Qt::Vertical, cells[0], lengths[1]},
                                         {Qt::Horizontal, cells[1], lengths[2]}}) {
            const QList<std::pair<int, int>> borders = lineRuns(page, along, isGrey, 50);
            QCOMPARE(borders.size(), gap ? 2 * count : count + 1);
            for (int i = 1; i < borders.size(); ++i) {
                const double expected = (gap && i % 2 == 0 ? gap : lengths[0]) / 10.0;
                const double measured = (centre(borders[i]) - centre(borders[i - 1])) / pxPerMm;
                QVERIFY2(std::abs(measured - expected) <= 0.1,
                         qPrintable(QString("%1 mm, not %2").arg(measured).arg(expected)));
                const double weight = (borders[i].second - borders[i].first + 1) / pxPerMm;
                QVERIFY2(weight > 0.2 && weight < 0.4, qPrintable(QString::number(weight)));
            }
        }
    }

    // 居中: a symmetric character's ink centre within 5 % of the cell's, in each CJK face.
    void centredCharacter_data() {
        QTest::addColumn<QString>("family");
        for (const char* family : {"AR PL UKai CN", "AR PL UMing CN", "WenQuanYi Zen Hei"})
            QTest::newRow(family) << family;
    }
    void centredCharacter() {
        QFETCH(QString, family);
        if (!QFontDatabase::families().contains(family)) QSKIP("face not installed");
        SheetModel model = schoolModel("十", 200);
        model.copybook.school.fit = GlyphFit::Centred;
        model.placement.fontName = family;
        model.copybook.grid = CellGrid::Square;
        const QImage image = sheetImage(sheetDocument(model), 0, 300);
        const auto columns = lineRuns(image, Qt::Vertical, isGridRed, 50);
        const auto rows = lineRuns(image, Qt::Horizontal, isGridRed, 50);
        const QRect cell(QPoint(columns[0].second + 1, rows[0].second + 1),
                         QPoint(columns[1].first - 1, rows[1].first - 1));
        const QPointF offset = QRectF(inkBox(image.copy(cell), isDark)).center() -
                               QRectF(QPointF(), cell.size()).center();
        QVERIFY2(std::abs(offset.x()) <= 0.05 * cell.width() &&
                     std::abs(offset.y()) <= 0.05 * cell.height(),
                 qPrintable(
                     QString("%1, %2 px in %3").arg(offset.x()).arg(offset.y()).arg(cell.width())));
    }

    // 田字格: solid borders, centre lines of seven dashes in a 15 mm cell, about 60 % ink.
    void dashedCentreLines_data() {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<bool>("pdf");
        QTest::newRow("96 dpi image") << 96 << false;
        QTest::newRow("300 dpi image") << 300 << false;
        QTest::newRow("PDF at 300 dpi") << 300 << true;
    }
    void dashedCentreLines() {
        QFETCH(int, dpi);
        QFETCH(bool, pdf);
        SheetModel model = schoolModel("永", 150, 0, 40);
        model.copybook.grid = CellGrid::Tian;
        model.copybook.school.gridColor = GridColor::Black;
        const QImage image = pdf ? pdfPages(exported(model, "tian.pdf"), dpi, {"-gray"}).value(0)
                                 : sheetImage(sheetDocument(model), 0, dpi);
        const auto columns = lineRuns(image, Qt::Vertical, isGrey, 85);
        const auto rows = lineRuns(image, Qt::Horizontal, isGrey, 85);
        const int top = rows[2].second + 1, bottom = rows[3].first - 1;
        const int middle = int(centre(columns[0]) + centre(columns[1])) / 2;
        std::pair<int, double> dashes{0, 0};
        for (int x = middle - 2; x <= middle + 2; ++x)
            dashes = std::max(dashes, inkRuns(image, x, top, bottom, isGrey),
                              [](auto a, auto b) { return a.second < b.second; });
        QCOMPARE(dashes.first, 7);
        QVERIFY2(dashes.second > 0.5 && dashes.second < 0.75,
                 qPrintable(QString::number(dashes.second)));
        QCOMPARE(inkRuns(image, int(centre(columns[0])), top, bottom, isGrey), std::pair(1, 1.0));
    }

    // 空心: a copy's ink lies within 0.35 mm of the filled copy's edge, none inside it.
    void hollowCopies() {
        SheetModel model = schoolModel("永", 300);
        model.copybook.school.fit = GlyphFit::Centred;
        model.copybook.models = 0;
        model.copybook.traces = 1;
        model.copybook.grid = CellGrid::None;
        model.copybook.lightness = 50;
        const QImage filled = sheetImage(sheetDocument(model), 0, 300);
        model.copybook.school.traceStyle = TraceStyle::Outline;
        const QImage hollow = sheetImage(sheetDocument(model), 0, 300);
        const auto glyphInk = [](QRgb c) { return qGray(c) < 192; };
        const auto isGlyph = [&](int x, int y) { return glyphInk(filled.pixel(x, y)); };
        constexpr int r = 4, window = (2 * r + 1) * (2 * r + 1);  // pixels at 300 dpi
        const QRect glyph = inkBox(filled, glyphInk);
        int ink = 0, offEdge = 0, inside = 0;
        for (int y = glyph.top() - r; y <= glyph.bottom() + r; ++y)
            for (int x = glyph.left() - r; x <= glyph.right() + r; ++x) {
                if (isWhite(hollow.pixel(x, y))) continue;
                int covered = 0;
                for (int k = 0; k < window; ++k)
                    covered += isGlyph(x + k % (2 * r + 1) - r, y + k / (2 * r + 1) - r);
                ++ink;
                offEdge += covered == 0;
                inside += covered == window;
            }
        QVERIFY2(ink > 1000 && offEdge + inside <= ink / 500,
                 qPrintable(QString("%1 %2 %3").arg(ink).arg(offEdge).arg(inside)));
    }

    // A5 across, titled, named and numbered, whole rows: two characters a page.
    void headerAndPageNumbers() {
        SheetModel model = schoolModel("天地人", 150, 0, 40);
        SchoolSettings& s = model.copybook.school;
        s.paper = PaperSize::A5;
        s.landscape = true;
        s.title = "第一课 天地人";
        s.nameLine = true;
        s.pageNumbers = true;
        s.wholeRows = true;
        const QString pdf = exported(model, "header.pdf");
        const QString info = programOutput("pdfinfo", {pdf});
        QVERIFY(info.contains("Pages:           2\n"));
        QVERIFY(info.contains("Page size:       595.276 x 419.528 pts"));
        const QStringList rows[] = {{"天", "地"}, {"人"}};
        for (int page = 1; page <= 2; ++page) {
            const QString number = QString::number(page);
            const QString text = programOutput("pdftotext", {"-f", number, "-l", number, pdf, "-"});
            for (const char* part : {"第一课", "姓名", "班级", "日期"})
                QVERIFY2(text.contains(part), qPrintable(text));
            QVERIFY(text.simplified().contains(QString("第 %1 页 / 共 2 页").arg(page)));
            const QStringList lines = QString(text).remove(' ').split('\n', Qt::SkipEmptyParts);
            for (const QString& character : rows[page - 1])
                QVERIFY2(lines.contains(QString(12, character[0])), qPrintable(text));
        }
    }
};

QTEST_MAIN(SchoolPagesTest)
#include "test_school_pages.moc"
