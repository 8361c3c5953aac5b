// SPDX-License-Identifier: GPL-3.0-or-later
// Copybook sheets on the canvas image: the model glyph sits in its cell as the main window's
// quick-grid view shows it in the grid box, pale copies under the grid lines, and no copybook
// leaves the plain sheet untouched.
#include <QtTest>

#include "canvas/canvas.h"
#include "sheet_drawing/copybook.h"
#include "sheet_drawing/sheet_colors.h"
#include "sheet_drawing/sheet_layout.h"
#include "test_support_gui.h"
#include "views/character_views.h"

using namespace zige;
using namespace zige::test;

namespace {

// Cells 44 units square (2425.5 twips), so a 2400-twip grid box maps almost one to one.
SheetLayout bigCells(int columns, int rows) {
    return {{columns, 44, 1, 20, 15}, {rows, 44, 1, 18, 15}};
}

QImage drawn(const SheetLayout& layout, const Copybook* book, int sheet = 0) {
    RasterCanvas canvas;
    canvas.resize(
        QSize(qRound(layout.across.extentTwips() / 15), qRound(layout.down.extentTwips() / 15)), 1);
    drawSheet(canvas, layout, kPrintColors, {}, book, sheet);
    return canvas.Image().copy();
}

// The main window's quick-grid view of `character` with the grid box `box`.
QImage view(const QString& family, const QString& character, const QRectF& box) {
    std::array<RasterCanvas, 4> c;
    for (RasterCanvas& canvas : c) canvas.resize(QSize(185, 185), 1);
    RefreshViews({&c[0], &c[1], &c[2], &c[3]},
                 {character, family, "120", QString::number(box.left()), QString::number(box.top()),
                  QString::number(box.width()), QString::number(box.height()), false});
    return c[3].Image().copy();
}

// The share of `from`'s ink that lands within a pixel of `to`'s ink when the box `source` (in
// twips) is mapped onto `target`.
double inkLanding(const QImage& from, const QImage& to, QRectF source, QRectF target) {
    int ink = 0, landed = 0;
    const double sx = target.width() / source.width(), sy = target.height() / source.height();
    for (int y = 0; y < from.height(); ++y)
        for (int x = 0; x < from.width(); ++x) {
            if (!isDark(from.pixel(x, y))) continue;
            ++ink;
            const int tx = int(
                          std::floor((target.left() + ((x + 0.5) * 15 - source.left()) * sx) / 15)),
                      ty = int(
                          std::floor((target.top() + ((y + 0.5) * 15 - source.top()) * sy) / 15));
            bool near = false;
            for (int d = 0; d < 9; ++d)
                near |= to.valid(tx + d % 3 - 1, ty + d / 3 - 1) &&
                        isDark(to.pixel(tx + d % 3 - 1, ty + d / 3 - 1));
            landed += near;
        }
    return ink ? double(landed) / ink : 0;
}

}  // namespace

class CopybookTest : public QObject {
    Q_OBJECT

    QString family;

private slots:
    void initTestCase() {
        family = installedCjkFamily();
        if (family.isEmpty()) QSKIP("no CJK font installed");
    }

    // A surrogate pair is one character; 30 characters fill 30 rows exactly (the end-to-end
    // test puts them on two sheets of 21).
    void characters() {
        QCOMPARE(practiceCharacters(QString::fromUcs4(U"永 字\r\n𠀀\t八")),
                 QStringList({"永", "字", QString::fromUcs4(U"𠀀"), "八"}));
        Copybook book;
        book.rows.resize(30);
        QCOMPARE(book.sheetCount(30), 1);
        QCOMPARE(book.sheetCount(29), 2);
    }

    // The view's glyph, mapped from its grid box onto the cell, lands on the cell's glyph and
    // the other way round: for a square box and for a stretched one.
    void modelSitsAsInTheGridBox_data() {
        QTest::addColumn<QRectF>("box");
        QTest::newRow("default box") << QRectF(10, 10, 2400, 2400);
        QTest::newRow("stretched and moved") << QRectF(100, 0, 2000, 2700);
    }
    void modelSitsAsInTheGridBox() {
        QFETCH(QRectF, box);
        Copybook book;
        book.rows = {{"永", {}}};
        book.placement = {family, 120, box};
        const QImage sheet = drawn(bigCells(1, 1), &book);
        const QImage quick = view(family, "永", box);
        const QRectF cell(20 * kSheetUnit, 18 * kSheetUnit, 44 * kSheetUnit, 44 * kSheetUnit);
        QVERIFY(inkLanding(quick, sheet, box, cell) >= 0.9);
        QVERIFY(inkLanding(sheet, quick, cell, box) >= 0.9);
    }

    // Model, then pale copies, then empty cells; pale is lighter and the grid's lines show
    // through it; a row without a character, and a copybook without text, are plain cells.
    void rowsOfCopies() {
        Copybook book;
        book.rows = {{"永", {}}};
        book.placement.fontName = family;
        const SheetLayout layout = bigCells(6, 2);
        const QImage sheet = drawn(layout, &book), plain = drawn(layout, nullptr);
        const auto cellOf = [&](int column, int row, const QImage& image = {}) {
            return (image.isNull() ? sheet : image)
                .copy(qRound((20 + 45 * column) * kSheetUnit / 15),
                      qRound((18 + 45 * row) * kSheetUnit / 15), 160, 160);
        };
        const auto grey = [](QRgb c) {
            return qGray(c) < 245 && qRed(c) == qBlue(c) && qGreen(c) == qBlue(c);
        };
        const QImage model = cellOf(0, 0), pale = cellOf(1, 0);
        QVERIFY(countPixels(model, isDark) > 1000);
        QVERIFY(countPixels(pale, isDark) == 0 && countPixels(pale, grey) > 1000);
        QCOMPARE(cellOf(4, 0), cellOf(4, 0, plain));
        QCOMPARE(cellOf(0, 1), cellOf(0, 1, plain));  // the second row has no character
        // The vertical centre line, found in the empty cell under the pale one, is whole in the
        // pale cell too, though the glyph's stroke runs down it.
        const QImage below = cellOf(1, 1);
        int middle = 60;
        while (middle < 100 && shareOnColumn(below, middle, 20, 140, isPen) < 1) ++middle;
        QVERIFY(middle < 100);
        QCOMPARE(shareOnColumn(pale, middle, 20, 140, isPen), 1.0);
        int covered = 0;
        for (int y = 20; y <= 140; ++y)
            covered += pale.pixel(middle + 1, y) != below.pixel(middle + 1, y);
        QVERIFY(covered > 20);

        Copybook none;
        QCOMPARE(drawn(layout, &none), drawn(layout, nullptr));
    }
};

QTEST_MAIN(CopybookTest)
#include "test_copybook.moc"
