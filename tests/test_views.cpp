// The four character views, checked on their images: grid geometry, the character, failures
// and the overlay of the quick grid.
#include <QPainter>
#include <QtTest>
#include <array>
#include <memory>

#include "core/step_failed.h"
#include "test_support.h"
#include "ui/picture_box.h"
#include "views/character_views.h"

using namespace zige;
using namespace zige::test;

class ViewsTest : public QObject {
    Q_OBJECT

    std::array<std::unique_ptr<PictureBox>, 4> boxes;
    std::array<Canvas*, 4> views{};
    QString family;

    // The default grid box, 2400 twips square at (10, 10), with `changes` applied.
    ViewInputs inputs(
        const QString& character,
        std::initializer_list<std::pair<QString ViewInputs::*, const char*>> changes = {}) const {
        ViewInputs in{character,
                      family,
                      QStringLiteral("120"),
                      QStringLiteral("10"),
                      QStringLiteral("10"),
                      QStringLiteral("2400"),
                      QStringLiteral("2400"),
                      false};
        for (auto [field, text] : changes) in.*field = QLatin1String(text);
        return in;
    }
    QImage image(int i) const { return boxes[i]->Image(); }

private slots:
    void init() {
        family = installedCjkFamily();
        for (int i = 0; i < 4; ++i) {
            boxes[i] = std::make_unique<PictureBox>();
            boxes[i]->resize(185, 185);  // 2775 twips
            views[i] = &boxes[i]->canvas();
        }
    }

    void defaultGridGeometry() {
        RefreshViews(views, inputs(QString()));
        // Outline from (10, 10) to (2410, 2410) twips: pixels 1 and 161 in every view.
        for (int i = 0; i < 3; ++i) {
            for (int edge : {1, 161})
                QCOMPARE(shareOnRow(image(i), edge, 1, 161, isRed) +
                             shareOnColumn(image(i), edge, 1, 161, isRed),
                         2.0);
            QCOMPARE(shareOnRow(image(i), 0, 0, 184, isRed) +
                         shareOnColumn(image(i), 162, 0, 184, isRed),
                     0.0);
        }
        // Rice grid: dash-dot centre lines at 1210 twips (pixel 81), starting with a dash.
        const QImage rice = image(0);
        QVERIFY(isRed(at(rice, 2, 81)) && isRed(at(rice, 81, 2)));
        for (double share :
             {shareOnColumn(rice, 81, 2, 160, isRed), shareOnRow(rice, 81, 2, 160, isRed)})
            QVERIFY2(share > 0.45 && share < 0.8, "dash-dot, not solid and not missing");
        QVERIFY(shareOnColumn(rice, 79, 2, 60, isRed) < 0.1);
        QVERIFY(shareOnSlant(rice, 3, 3, 1, 1, 70, isRed) > 0.4);  // diagonals corner to corner
        QVERIFY(shareOnSlant(rice, 3, 159, 1, -1, 70, isRed) > 0.4);
        // Nine-square grid: thirds at 810 and 1610 twips (pixels 54 and 107), no centre line.
        const QImage nine = image(1);
        for (int line : {54, 107})
            QVERIFY(shareOnColumn(nine, line, 2, 160, isRed) > 0.45 &&
                    shareOnRow(nine, line, 2, 160, isRed) > 0.45);
        QCOMPARE(shareOnColumn(nine, 81, 2, 50, isRed), 0.0);
        // Eight-trigram grid: solid centre cross, inner square 730..1690 (49..113), corner cuts.
        const QImage eight = image(2);
        QCOMPARE(shareOnColumn(eight, 81, 1, 161, isRed) + shareOnRow(eight, 81, 1, 161, isRed),
                 2.0);
        QVERIFY(shareOnColumn(eight, 49, 49, 113, isRed) > 0.45 &&
                shareOnRow(eight, 113, 49, 113, isRed) > 0.45);
        QCOMPARE(shareOnColumn(eight, 49, 5, 40, isRed), 0.0);
        QVERIFY(isRed(at(eight, 1, 49)) && isRed(at(eight, 49, 1)));
        QVERIFY(isRed(at(eight, 2, 48)));  // the top-left cut starts with a dash at (10, 730)
    }

    // The pattern itself is checked on the grid sheet; here the view's pens and band.
    void quickGrid() {
        RefreshViews(views, inputs(QString()));
        const QImage quick = image(3);
        // Pale blue band between 810 and 1610 twips, under the lines.
        QVERIFY(isPaleBlue(at(quick, 70, 40)) && isPaleBlue(at(quick, 55, 150)) &&
                isPaleBlue(at(quick, 106, 20)));
        QVERIFY(isWhite(at(quick, 53, 40)) && isWhite(at(quick, 108, 40)));
        // Heavy outline and centre cross: two pixels wide, solid.
        for (int line : {0, 1, 80, 81, 160, 161})
            QCOMPARE(
                shareOnColumn(quick, line, 2, 159, isRed) + shareOnRow(quick, line, 2, 159, isRed),
                2.0);
        QCOMPARE(shareOnColumn(quick, 79, 30, 50, isRed), 0.0);
        // Light thirds over the band's sides, dash-dot.
        QVERIFY(shareOnRow(quick, 54, 2, 50, isRed) > 0.45 &&
                shareOnRow(quick, 54, 2, 50, isRed) < 0.8);
        QVERIFY(shareOnColumn(quick, 54, 2, 79, isRed) > 0.45);
    }

    // A box of any size: stretched, collapsed to nothing, or far beyond the view.
    void boxSizes() {
        RefreshViews(views, inputs(QString(), {{&ViewInputs::widthText, "3000"},
                                               {&ViewInputs::heightText, "1500"}}));
        // Far edges beyond the view are clipped; the bottom is at 1510 twips.
        QCOMPARE(shareOnRow(image(0), 1, 1, 184, isRed) + shareOnRow(image(0), 101, 1, 184, isRed),
                 2.0);
        QVERIFY(shareOnSlant(image(0), 3, 2, 2, 1, 80, isRed) >
                0.4);  // rice diagonal, half as steep
        // Eight-trigram inner square at 910 and 2110 twips across, 460 down; its top-left cut
        // covers 900 twips across and 450 down.
        QVERIFY(shareOnColumn(image(2), 61, 31, 71, isRed) > 0.45 &&
                shareOnColumn(image(2), 141, 31, 71, isRed) > 0.45);
        QVERIFY(shareOnRow(image(2), 31, 61, 141, isRed) > 0.45);
        QVERIFY(shareOnSlant(image(2), 3, 30, 2, -1, 25, isRed) > 0.4);

        RefreshViews(views, inputs(QString(), {{&ViewInputs::widthText, "0"}}));
        QCOMPARE(shareOnColumn(image(0), 1, 1, 161, isRed), 1.0);
        QCOMPARE(shareOnColumn(image(0), 81, 1, 161, isRed), 0.0);
        RefreshViews(views, inputs(QString(), {{&ViewInputs::widthText, "100000"},
                                               {&ViewInputs::leftText, "-500"}}));
        QCOMPARE(shareOnRow(image(0), 1, 0, 184, isRed), 1.0);
    }

    void characterIsPrintedAtItsCellCornerLikeDrawText() {
        if (family.isEmpty()) QSKIP("no CJK font installed");
        for (const char* size : {"120", "60", "33"}) {
            // The grid collapsed onto the last pixel, so only the character is drawn.
            RefreshViews(views, inputs(QStringLiteral("啊"), {{&ViewInputs::sizeText, size},
                                                              {&ViewInputs::leftText, "2760"},
                                                              {&ViewInputs::topText, "2760"},
                                                              {&ViewInputs::widthText, "0"},
                                                              {&ViewInputs::heightText, "0"}}));
            QImage expected(185, 185, QImage::Format_RGB32);
            expected.fill(Qt::white);
            QPainter p(&expected);
            QFont font(family);
            font.setPointSizeF(QByteArray(size).toDouble());
            p.setFont(font);
            p.setPen(QGuiApplication::palette().color(QPalette::ButtonText));
            p.drawText(QPointF(10.0 / 15, 10.0 / 15 + QFontMetricsF(font, &expected).ascent()),
                       QStringLiteral("啊"));
            p.end();
            QVERIFY(countPixels(expected, isDark) > 50);
            for (int i = 0; i < 4; ++i)  // clear of the collapsed grid
                QCOMPARE(image(i).convertToFormat(QImage::Format_RGB32).copy(0, 0, 180, 180),
                         expected.copy(0, 0, 180, 180));
        }
    }

    // A bad text fails the redraw where it is first needed: the box before the first line, the
    // height after the top edge, the size after the whole grid. Later views keep what they had.
    void badValuesStopTheRedrawWhereTheyAreFirstNeeded() {
        RefreshViews(views, inputs(QStringLiteral("啊")));
        std::array<QImage, 4> before;
        for (int i = 0; i < 4; ++i) before[i] = image(i);
        for (auto bad : {&ViewInputs::leftText, &ViewInputs::topText, &ViewInputs::widthText}) {
            QVERIFY_THROWS_EXCEPTION(
                StepFailed, RefreshViews(views, inputs(QStringLiteral("中"), {{bad, "abc"}})));
            QCOMPARE(countPixels(image(0), isWhite), 185 * 185);
        }
        // L + W beyond 32 bits fails like a bad text.
        QVERIFY_THROWS_EXCEPTION(
            StepFailed,
            RefreshViews(views, inputs(QStringLiteral("中"), {{&ViewInputs::leftText, "2147483000"},
                                                              {&ViewInputs::widthText, "1000"}})));
        QCOMPARE(countPixels(image(0), isWhite), 185 * 185);
        QVERIFY_THROWS_EXCEPTION(
            StepFailed,
            RefreshViews(views, inputs(QStringLiteral("中"), {{&ViewInputs::heightText, ""}})));
        QCOMPARE(countPixels(image(0), isRed), 161);  // the top edge alone
        QCOMPARE(shareOnRow(image(0), 1, 1, 161, isRed), 1.0);
        QVERIFY_THROWS_EXCEPTION(
            StepFailed,
            RefreshViews(views, inputs(QStringLiteral("中"), {{&ViewInputs::sizeText, "big"}})));
        QCOMPARE(shareOnColumn(image(0), 161, 1, 161, isRed), 1.0);
        QCOMPARE(countPixels(image(0), isDark), 0);
        for (int i = 1; i < 4; ++i) QCOMPARE(image(i), before[i]);
    }

    void overlayKeepsEarlierCharactersOutsideTheBand() {
        if (family.isEmpty()) QSKIP("no CJK font installed");
        // FreeType may antialias a glyph's first outline at a new size a shade differently from
        // later ones; compare renderings made in a settled state.
        for (const char* c : {"啊", "齄", "啊"}) RefreshViews(views, inputs(QString::fromUtf8(c)));
        const QImage first = image(3);
        RefreshViews(views, inputs(QStringLiteral("齄")));
        const QImage second = image(3), secondRice = image(0);
        RefreshViews(views, inputs(QStringLiteral("啊")));
        ViewInputs in = inputs(QStringLiteral("齄"));
        in.overlay = true;
        RefreshViews(views, in);
        const QImage overlaid = image(3);
        int kept = 0;
        for (int y = 0; y < 185; ++y)
            for (int x = 0; x < 185; ++x) {
                if (x >= 54 && x <= 107 && y >= 1 && y <= 161) {  // in the band
                    QCOMPARE(overlaid.pixel(x, y), second.pixel(x, y));
                } else if (isDark(first.pixel(x, y)) && isWhite(second.pixel(x, y))) {
                    QVERIFY(isDark(overlaid.pixel(x, y)));
                    ++kept;
                }
            }
        QVERIFY2(kept > 20, "strokes of the earlier character stay outside the band");
        QCOMPARE(image(0), secondRice);  // the other views hold only the latest
        in.overlay = false;
        RefreshViews(views, in);
        QCOMPARE(image(3), second);
    }
};

QTEST_MAIN(ViewsTest)
#include "test_views.moc"
