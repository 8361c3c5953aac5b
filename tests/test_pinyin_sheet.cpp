// SPDX-License-Identifier: GPL-3.0-or-later
// Pinyin on a copybook's pixels: the four lines, words, dictation and its answers.
#include <QtTest>

#include "canvas/canvas.h"
#include "sheet_drawing/sheet_model.h"
#include "test_support_gui.h"

using namespace zige;
using namespace zige::test;

namespace {

constexpr double kUnit = 11907.0 / 216 / 15;  // pixels of a sheet unit at 96 dpi
// Cells 38 units square, 40 apart: every 147 pixels, so each column draws the same pixels.
constexpr int kCell = 38, kColumnPitch = 147;

SheetModel pinyinModel(const QString& text) {
    SheetModel m;
    using enum LayoutValue;
    m.text(CellWidth) = m.text(CellHeight) = "38";
    m.text(ColumnGap) = "2";
    m.text(Columns) = "4";
    m.text(Rows) = "3";
    m.copybook.text = text;
    m.copybook.pinyin = true;
    m.copybook.traces = 1;
    m.copybook.grid = CellGrid::None;
    m.placement.fontName = installedCjkFamily();
    return m;
}

QImage drawn(const SheetModel& m, int sheet = 0) {
    const Copybook book = buildCopybook(m);
    const SheetLayout layout = m.layout();
    RasterCanvas canvas;
    canvas.resize(
        QSize(int(layout.across.extentTwips() / 15) + 1, int(layout.down.extentTwips() / 15) + 1),
        1);
    drawSheet(canvas, layout, kPrintColors, {}, &book, sheet);
    return canvas.Image().copy();
}

// Cell `column` of the first row, and everything above it.
QRect firstRowCell(const SheetModel& m, int column) {
    const double left = 20 * kUnit + column * kColumnPitch, top = m.down().before * kUnit;
    return QRect(QPoint(int(left) + 1, int(top) + 1),
                 QPoint(int(left + kCell * kUnit) - 1, int(top + kCell * kUnit) - 1));
}
QRect above(const QRect& cell) { return QRect(cell.left(), 0, cell.width(), cell.top() - 1); }

// Pixels of any ink, pale copies included, but for the band's lines.
int marks(const QImage& image, const QRect& area) {
    return countPixels(image.copy(area), [](QRgb c) { return !isWhite(c) && !isPen(c); });
}

}  // namespace

class PinyinSheetTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (installedCjkFamily().isEmpty()) QSKIP("no CJK font installed");
    }

    // Four evenly spaced lines; letters fill the middle space, marks above, tails below.
    void fourLines_data() {
        QTest::addColumn<bool>("markAbove");
        QTest::addColumn<bool>("tailBelow");
        QTest::newRow("吗(ma)") << false << false;
        QTest::newRow("妈(ma1)") << true << false;
        QTest::newRow("个(ge4)") << true << true;
    }
    void fourLines() {
        QFETCH(bool, markAbove);
        QFETCH(bool, tailBelow);
        const SheetModel model = pinyinModel(QTest::currentDataTag());
        const QImage sheet = drawn(model);
        const QRect band = above(firstRowCell(model, 0));
        QList<int> lines, ink;
        for (int y = band.top(); y <= band.bottom(); ++y) {
            if (shareOnRow(sheet, y, band.left(), band.right(), isPen) > 0.9) lines << y;
            if (shareOnRow(sheet, y, band.left(), band.right(), isDark) > 0) ink << y;
        }
        QCOMPARE(lines.size(), 4);
        const int space = lines[1] - lines[0];
        QVERIFY2(std::abs(lines[2] - lines[1] - space) <= 1 &&
                     std::abs(lines[3] - lines[2] - space) <= 1,
                 QTest::toString(lines));
        QVERIFY(ink.first() > lines[0] && ink.last() < lines[3]);
        QCOMPARE(ink.first() < lines[1] - 1, markAbove);
        QCOMPARE(ink.last() > lines[2] + 1, tailBelow);
        const int letters = int(std::count_if(ink.begin(), ink.end(),
                                              [&](int y) { return y > lines[1] && y < lines[2]; }));
        QVERIFY2(letters >= 0.7 * space, qPrintable(QString("%1 of %2").arg(letters).arg(space)));
        const QRect middle(band.left(), lines[1], band.width(), lines[2] - lines[1] + 1);
        const QRect letterBox = inkBox(sheet.copy(middle), isDark).translated(middle.topLeft());
        QVERIFY(std::abs(letterBox.center().x() - band.center().x()) <= 2);
    }

    // 学习 takes adjacent cells, each as the row of 学 or of 习 draws it.
    void wordRow() {
        SheetModel word = pinyinModel("学习");
        word.copybook.words = true;
        const QImage row = drawn(word);
        const auto strip = [&](const QImage& image, int column) {
            const QRect cell = firstRowCell(word, column);
            return image.copy(QRect(cell.left(), 0, cell.width(), cell.bottom()));
        };
        QVERIFY(marks(row, above(firstRowCell(word, 1))) > 20);  // xí
        const QImage xue = drawn(pinyinModel("学")), xi = drawn(pinyinModel("习"));
        for (int column = 0; column < 4; ++column)
            QCOMPARE(strip(row, column), strip(column % 2 ? xi : xue, column / 2));
    }

    // Dictation: pinyin over empty cells, then a sheet of answers without pale copies.
    void dictationAndAnswers() {
        SheetModel model = pinyinModel("学习");
        model.copybook.words = model.copybook.dictation = model.copybook.answers = true;
        model.copybook.pinyin = false;  // dictation prints pinyin anyway
        QCOMPARE(buildCopybook(model).sheetCount(model.down().count), 2);
        QList<bool> cellsInked, bandsInked;
        for (const QImage& sheet : {drawn(model), drawn(model, 1)})
            for (int column = 0; column < 4; ++column) {
                const QRect cell = firstRowCell(model, column);
                cellsInked << (marks(sheet, cell) > 0);
                bandsInked << (marks(sheet, above(cell)) > 0);
            }
        QCOMPARE(cellsInked, (QList<bool>{false, false, false, false, true, true, false, false}));
        QCOMPARE(bandsInked, (QList<bool>{true, true, false, false, true, true, false, false}));
    }
};

QTEST_MAIN(PinyinSheetTest)
#include "test_pinyin_sheet.moc"
