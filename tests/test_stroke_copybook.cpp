// SPDX-License-Identifier: GPL-3.0-or-later
// Stroke order in copybooks, on the pixels of the images `zige copybook` writes.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "test_support_gui.h"

using namespace zige::test;

namespace {

constexpr double kDpi = 150;
// Cells and gaps of the default sheet in sheet units, and one unit in pixels at kDpi.
constexpr double kUnit = 11907.0 / 216 / 1440 * kDpi;

bool isMarked(QRgb c) { return qRed(c) > 200 && qGreen(c) < 120 && qBlue(c) < 120; }

// The image `zige copybook` writes for `arguments` (no grid nor pale copies by default).
QImage copybook(const QStringList& arguments, const QString& program = ZIGE_PROGRAM,
                QString* errors = nullptr) {
    QTemporaryDir folder;
    QProcess command;
    command.start(program, QStringList{"copybook", "--grid", "none", "--traces", "0", "--dpi",
                                       QString::number(kDpi), "-o", folder.filePath("book.png")} +
                               arguments);
    command.waitForFinished(60000);
    const QString said = QString::fromUtf8(command.readAllStandardError());
    if (command.exitCode() != 0) qWarning() << said;
    if (errors) *errors = said;
    return QImage(folder.filePath("book.png")).convertToFormat(QImage::Format_RGB32);
}

// Cell `column` of sheet row `row` (from 0) of a sheet of cells `size` units wide.
QImage cell(const QImage& sheet, int row, int column, int size = 12) {
    return sheet.copy(QRectF((20 + (size + 1) * column) * kUnit, (18 + (size + 1) * row) * kUnit,
                             size * kUnit, size * kUnit)
                          .toRect());
}

// The connected areas of pixels passing `test`, eight neighbours apart (white must fail it).
int areas(QImage image, bool (*test)(QRgb)) {
    int found = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            QList<QPoint> next{{x, y}};
            found += test(image.pixel(x, y));
            while (!next.isEmpty()) {  // whitened as it is reached
                const QPoint p = next.takeLast();
                if (!image.valid(p) || !test(image.pixel(p))) continue;
                image.setPixel(p, qRgb(255, 255, 255));
                for (int d = 0; d < 9; ++d) next.append(p + QPoint(d % 3 - 1, d / 3 - 1));
            }
        }
    return found;
}

}  // namespace

class StrokeCopybookTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (installedCjkFamily().isEmpty()) QSKIP("no CJK font installed");
    }

    // One cell per stroke, one red stroke in each, the last's ink where the model's is.
    void strokeRowsAddOneStrokePerCell_data() {
        QTest::addColumn<QString>("character");
        QTest::addColumn<int>("strokes");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("永") << "永" << 5 << QStringList();
        QTest::newRow("赢") << "赢" << 17 << QStringList();
        QTest::newRow("一") << "一" << 1 << QStringList();
        QTest::newRow("永, centred")
            << "永" << 5 << QStringList{"--placement", "centre", "--share", "60"};
    }
    void strokeRowsAddOneStrokePerCell() {
        QFETCH(QString, character);
        QFETCH(int, strokes);
        QFETCH(QStringList, options);
        const QImage sheet = copybook(QStringList{character, "--stroke-order"} + options);
        const int strokeRows = (strokes + 13) / 14;
        int marked = 0, ink = 0, black = -1;
        for (int row = 0; row <= strokeRows; ++row)
            for (int column = 0; column < 14; ++column) {
                const QImage c = cell(sheet, row, column);
                if (countPixels(c, isMarked) == 0) continue;
                QCOMPARE(row * 14 + column, marked++);  // in order, from the first cell
                const int grown = countPixels(c, isInk), dark = countPixels(c, isDark);
                QVERIFY2(grown > ink && dark > black, qPrintable(QString::number(marked)));
                ink = grown;
                black = dark;
            }
        QCOMPARE(marked, strokes);
        const QRect whole = inkBox(cell(sheet, (strokes - 1) / 14, (strokes - 1) % 14));
        const QImage model = cell(sheet, strokeRows, 0);
        const QRect printed = inkBox(model);
        QCOMPARE(countPixels(model, isMarked), 0);
        const int t = int(0.05 * 12 * kUnit);  // every edge within 5 % of the cell
        QVERIFY2(whole.adjusted(-t, -t, t, t).contains(printed) &&
                     printed.adjusted(-t, -t, t, t).contains(whole),
                 qPrintable(QTest::toString(whole) + QString(" ") + QTest::toString(printed)));
    }

    // An entry's stroke rows precede it on its sheet; a dictation has none.
    void strokeRowsBeforeTheirEntry_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QList<int>>("inked");
        QTest::addColumn<QList<int>>("marked");
        QTest::newRow("word") << QStringList{"永一", "--words"} << QList<int>{5, 1, 2}
                              << QList<int>{5, 1, 0};
        QTest::newRow("whole rows")
            << QStringList{"一", "--whole-rows"} << QList<int>{1, 14, 0} << QList<int>{1, 0, 0};
        // 赢's two stroke rows and its model do not fit the one row left after 永's.
        QTest::newRow("next sheet")
            << QStringList{"永赢", "--rows", "3"} << QList<int>{5, 1, 0} << QList<int>{5, 0, 0};
        QTest::newRow("dictation")
            << QStringList{"永", "--dictation"} << QList<int>{0} << QList<int>{0};
    }
    void strokeRowsBeforeTheirEntry() {
        QFETCH(QStringList, arguments);
        QFETCH(QList<int>, inked);
        QFETCH(QList<int>, marked);
        const QImage sheet = copybook(arguments + QStringList{"--stroke-order"});
        QList<int> inkedCells(inked.size()), markedCells(inked.size());
        for (int row = 0; row < inked.size(); ++row)
            for (int column = 0; column < 14; ++column) {
                const QImage c = cell(sheet, row, column);
                inkedCells[row] += countPixels(c, isInk) > 0;
                markedCells[row] += countPixels(c, isMarked) > 0;
            }
        QCOMPARE(inkedCells, inked);
        QCOMPARE(markedCells, marked);
    }

    // A copy of the first two strokes lies on the stroke row's second cell, filled or hollow.
    void tracesShowTheirFirstStrokes_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<bool>("filled");
        QTest::newRow("fill") << "fill" << true;
        QTest::newRow("outline") << "outline" << false;
        QTest::newRow("both") << "both" << true;
    }
    void tracesShowTheirFirstStrokes() {
        QFETCH(QString, style);
        QFETCH(bool, filled);
        const QImage sheet =
            copybook({"永", "--stroke-order", "--traces", "1", "--trace-strokes", "2",
                      "--trace-style", style, "--cell-width", "40", "--cell-height", "40"});
        const QImage pale = cell(sheet, 1, 1, 40), built = cell(sheet, 0, 1, 40);
        int covered = 0;
        for (int y = 0; y < pale.height(); ++y)
            for (int x = 0; x < pale.width(); ++x)
                covered += isInk(pale.pixel(x, y)) && isInk(built.pixel(x, y));
        const int strokes = countPixels(built, isInk), copy = countPixels(pale, isInk);
        const QString counts = QString("%1 %2 %3").arg(covered).arg(copy).arg(strokes);
        QVERIFY2(filled ? covered > 0.95 * strokes : copy < 0.5 * strokes, qPrintable(counts));
        const QRect edge = inkBox(pale), box = inkBox(built);
        QVERIFY2(
            edge.adjusted(-2, -2, 2, 2).contains(box) && box.adjusted(-2, -2, 2, 2).contains(edge),
            qPrintable(counts));
        QCOMPARE(countPixels(pale, isDark), 0);
    }

    // 赢's 17 numbers on a large model: 9 + 2 × 8 digits, none run into or under another.
    void numbersStayApart() {
        const QImage sheet =
            copybook({"赢", "--stroke-numbers", "--cell-width", "40", "--cell-height", "40"});
        QCOMPARE(areas(cell(sheet, 0, 0, 40), isMarked), 25);
    }

    // A damaged table is told, and the copybook is the plain one.
    void damagedTableLeavesAPlainCopybook() {
        QTemporaryDir folder;
        const QString program = folder.filePath("zige");
        QVERIFY(QFile::copy(ZIGE_PROGRAM, program));
        QByteArray table = fileBytes(QFileInfo(ZIGE_PROGRAM).dir().filePath("strokes.bin"));
        QVERIFY(writeFile(folder.filePath("strokes.bin"), table.left(table.size() / 2)));
        QString errors;
        const QImage damaged =
            copybook({"永", "--stroke-order", "--stroke-numbers"}, program, &errors);
        QCOMPARE(errors.trimmed(), "zige copybook: 笔顺数据文件已损坏，这份字帖没有笔顺。");
        QCOMPARE(damaged, copybook({"永"}));
    }
};

QTEST_MAIN(StrokeCopybookTest)
#include "test_stroke_copybook.moc"
