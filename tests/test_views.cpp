// SPDX-License-Identifier: GPL-3.0-or-later
// The four character views, checked on their images: grid geometry, the character, failures.
#include <QPainter>
#include <QPalette>
#include <QtTest>

#include "canvas/canvas.h"
#include "core/step_failed.h"
#include "test_support_gui.h"
#include "views/character_views.h"

using namespace zige;
using namespace zige::test;

// `steps` + 1 pixels from (x, y) by (dx, dy), a share from `min` to `max` passing `test`.
struct Run {
    int x, y, dx, dy, steps;
    double min = 1, max = 1;
    bool (*test)(QRgb) = isRed;
};

Q_DECLARE_METATYPE(QList<Run>)

class ViewsTest : public QObject {
    Q_OBJECT

    std::array<std::unique_ptr<RasterCanvas>, 4> canvases;
    const QString family = installedCjkFamily();

    // Redraws the views, the 2400-twip box at (10, 10) changed by e.g. "left=-500 width=0".
    ViewInputs refresh(const QString& character, const QString& changes = {}) {
        ViewInputs in{character, family, "120", "10", "10", "2400", "2400"};
        const QStringList names{"size", "left", "top", "width", "height"};
        QString* texts[] = {&in.sizeText, &in.leftText, &in.topText, &in.widthText, &in.heightText};
        for (const QString& change : changes.split(u' ', Qt::SkipEmptyParts))
            *texts[names.indexOf(change.section(u'=', 0, 0))] = change.section(u'=', 1);
        RefreshViews({canvases[0].get(), canvases[1].get(), canvases[2].get(), canvases[3].get()},
                     in);
        return in;
    }
    QImage image(int i) { return canvases[i]->Image().copy(); }

private slots:
    void init() {
        for (auto& canvas : canvases) {
            canvas = std::make_unique<RasterCanvas>();
            canvas->resize(QSize(185, 185), 1);  // 2775 twips
        }
    }

    // Every straight line of a view (rows and columns carrying one), and runs along them.
    void grids_data() {
        QTest::addColumn<int>("view");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QList<int>>("columns");
        QTest::addColumn<QList<int>>("rows");  // none: as the columns
        QTest::addColumn<QList<Run>>("runs");
        // clang-format off
        // Rice: outline on pixels 1 and 161, dash-dot centre lines on 81, the diagonals.
        QTest::newRow("rice") << 0 << "" << QList{1, 81, 161} << QList<int>{} << QList<Run>{
            {81, 2, 0, 1, 158, .45, .8}, {2, 81, 1, 0, 158, .45, .8}, {2, 81, 0, 0, 0}, {81, 2, 0, 0, 0},
            {3, 3, 1, 1, 70, .4}, {3, 159, 1, -1, 70, .4}};
        // Nine squares: thirds at 810 and 1610 twips (pixels 54 and 107).
        QTest::newRow("nine squares") << 1 << "" << QList{1, 54, 107, 161} << QList<int>{}
            << QList<Run>{{54, 2, 0, 1, 158, .45}, {2, 107, 1, 0, 158, .45}};
        // Eight trigrams: solid centre cross, inner square 49..113, dashed corner cuts.
        QTest::newRow("eight trigrams") << 2 << "" << QList{1, 49, 81, 113, 161} << QList<int>{}
            << QList<Run>{{81, 1, 0, 1, 160}, {1, 81, 1, 0, 160}, {49, 49, 0, 1, 64, .45},
            {49, 113, 1, 0, 64, .45}, {49, 5, 0, 1, 35, 0, 0}, {1, 49, 0, 0, 0}, {49, 1, 0, 0, 0},
            {2, 48, 0, 0, 0}, {3, 47, 1, -1, 44, .4}};
        // Quick grid: outline and cross two pixels wide, dash-dot thirds round a pale blue band.
        QTest::newRow("quick") << 3 << "" << QList{0, 1, 54, 80, 81, 107, 160, 161} << QList<int>{} << QList<Run>{
            {0, 2, 0, 1, 157}, {2, 160, 1, 0, 157}, {80, 2, 0, 1, 157}, {2, 81, 1, 0, 157}, {2, 54, 1, 0, 48, .45, .8},
            {54, 2, 0, 1, 77, .45}, {70, 40, 0, 0, 0, 1, 1, isPaleBlue}, {53, 40, 0, 0, 0, 1, 1, isWhite},
            {108, 40, 0, 0, 0, 1, 1, isWhite}};
        // A box stretched to 3000 by 1500 twips, its far edge clipped.
        QTest::newRow("eight trigrams stretched") << 2 << "width=3000 height=1500" << QList{1, 61, 101, 141}
            << QList{1, 31, 51, 71, 101} << QList<Run>{{61, 31, 0, 1, 40, .45}, {141, 31, 0, 1, 40, .45},
            {61, 31, 1, 0, 80, .45}, {3, 30, 2, -1, 25, .4}};
        // clang-format on
    }
    void grids() {
        QFETCH(int, view);
        QFETCH(QString, box);
        QFETCH(QList<int>, columns);
        QFETCH(QList<int>, rows);
        QFETCH(QList<Run>, runs);
        refresh(QString(), box);
        const QImage drawn = image(view);
        QCOMPARE(lines(drawn, Qt::Vertical, isRed), columns);
        QCOMPARE(lines(drawn, Qt::Horizontal, isRed), rows.isEmpty() ? columns : rows);
        for (const Run& r : runs) {
            const double share = shareOnSlant(drawn, r.x, r.y, r.dx, r.dy, r.steps, r.test);
            QVERIFY2(share >= r.min && share <= r.max,
                     qPrintable(QString::asprintf("from (%d, %d): %g", r.x, r.y, share)));
        }
    }

    // Printed at the grid box's corner like QPainter::drawText, in every view, large and small.
    void character() {
        if (family.isEmpty()) QSKIP("no CJK font installed");
        for (const double size : {120.0, 33.0}) {
            const ViewInputs inputs =
                refresh("啊", "left=2760 top=2760 width=0 height=0 size=" + QString::number(size));
            QImage expected(185, 185, QImage::Format_RGB32);
            expected.fill(Qt::white);
            QPainter p(&expected);
            QFont font(family);
            font.setPointSizeF(size);
            p.setFont(font);
            p.setPen(QGuiApplication::palette().color(QPalette::ButtonText));
            p.drawText(QPointF(10.0 / 15, 10.0 / 15 + QFontMetricsF(font, &expected).ascent()),
                       "啊");
            p.end();
            QVERIFY(countPixels(expected, isDark) > 50);
            for (int i = 0; i < 4; ++i)  // clear of the collapsed grid
                QCOMPARE(image(i).convertToFormat(QImage::Format_RGB32).copy(0, 0, 180, 180),
                         expected.copy(0, 0, 180, 180));
            // The quick view drawn in place, as a listing does, alike.
            canvases[3]->Cls();
            RefreshQuickView(*canvases[3], inputs, Canvas::TextReuse::Once);
            QCOMPARE(image(3).copy(0, 0, 180, 180), expected.copy(0, 0, 180, 180));
        }
    }

    // The quick view redrawn, with its box or another, equals one drawn afresh.
    void quickViewRedrawn() {
        for (const QString changes : {"", "left=400 width=1800", "top=-300 height=900"}) {
            refresh(QString());
            const ViewInputs inputs = refresh(QString(), changes);
            RasterCanvas fresh;
            fresh.resize(QSize(185, 185), 1);
            RefreshQuickView(fresh, inputs, Canvas::TextReuse::Shared);
            QCOMPARE(image(3), fresh.Image());
        }
    }

    // A bad text fails the redraw where it is first needed; later views keep what they had.
    void badValues_data() {
        QTest::addColumn<QString>("changes");
        QTest::addColumn<int>("red");  // in the first view; -1: the whole grid and no character
        // clang-format off
        for (const auto& [changes, red] : std::initializer_list<std::pair<const char*, int>>{
                 {"left=abc", 0}, {"left=2147483000 width=1000", 0}, {"height=", 161}, {"size=big", -1},
                 {"size=0", -1}, {"size=100000", -1}})
            QTest::newRow(changes) << QString(changes) << red;
        // clang-format on
    }
    void badValues() {
        QFETCH(QString, changes);
        QFETCH(int, red);
        refresh(QString());
        const QImage grid = image(0);
        refresh("啊");
        const QImage before[] = {image(1), image(2), image(3)};
        QVERIFY_THROWS_EXCEPTION(StepFailed, refresh("中", changes));
        if (red < 0) {
            QCOMPARE(image(0), grid);
        } else {  // nothing, or the top edge alone
            QCOMPARE(countPixels(image(0), isWhite), 185 * 185 - red);
            QCOMPARE(shareOnRow(image(0), 1, 1, 161, isRed) * 161, red);
        }
        for (int i = 1; i < 4; ++i) QCOMPARE(image(i), before[i - 1]);
    }
};

QTEST_MAIN(ViewsTest)
#include "test_views.moc"
