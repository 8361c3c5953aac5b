// The four character views, checked on their images: grid geometry, the character, failures
// and the overlay of the quick grid.
#include <QPainter>
#include <QtTest>
#include <array>
#include <memory>

#include "surface/picture_box.h"
#include "surface/step_failed.h"
#include "test_support.h"
#include "views/character_views.h"

using namespace zige;
using namespace zige::test;

class ViewsTest : public QObject {
    Q_OBJECT

    std::array<std::unique_ptr<PictureBox>, 4> boxes;
    std::array<PictureBox*, 4> views{};
    QString family;

    ViewInputs inputs(const QString& character = QStringLiteral("啊")) const {
        return {character, family, QStringLiteral("120"), QStringLiteral("10"), QStringLiteral("10"),
                QStringLiteral("2400"), QStringLiteral("2400"), false};
    }
    QImage image(int i) const { return views[i]->Image(); }

private slots:
    void init() {
        family = installedCjkFamily();
        for (int i = 0; i < 4; ++i) {
            boxes[i] = std::make_unique<PictureBox>();
            boxes[i]->resize(185, 185);  // 2775 twips
            views[i] = boxes[i].get();
        }
    }

    void defaultGridGeometry() {
        RefreshViews(views, inputs(QString()));
        // Outline from (10, 10) to (2410, 2410) twips: pixels 1 and 161 in every view.
        for (int i = 0; i < 3; ++i) {
            QVERIFY2(shareOnRow(image(i), 1, 1, 161, isRed) == 1.0, "solid top edge");
            QVERIFY(shareOnColumn(image(i), 1, 1, 161, isRed) == 1.0);
            QVERIFY(shareOnRow(image(i), 161, 1, 161, isRed) == 1.0);
            QVERIFY(shareOnColumn(image(i), 161, 1, 161, isRed) == 1.0);
            QVERIFY(shareOnRow(image(i), 0, 0, 184, isRed) == 0.0);
            QVERIFY(shareOnColumn(image(i), 162, 0, 184, isRed) == 0.0);
        }
        // Rice grid: dash-dot centre lines at 1210 twips (pixel 81), starting with a dash.
        const QImage rice = image(0);
        QVERIFY(isRed(at(rice, 2, 81)) && isRed(at(rice, 81, 2)));
        for (double share : {shareOnColumn(rice, 81, 2, 160, isRed), shareOnRow(rice, 81, 2, 160, isRed)}) {
            QVERIFY2(share > 0.45 && share < 0.8, "dash-dot, not solid and not missing");
        }
        QVERIFY(shareOnColumn(rice, 79, 2, 60, isRed) < 0.1);
        QVERIFY(shareOnSlant(rice, 3, 3, 1, 1, 70, isRed) > 0.4);     // diagonals corner to corner
        QVERIFY(shareOnSlant(rice, 3, 159, 1, -1, 70, isRed) > 0.4);
        // Nine-square grid: thirds at 810 and 1610 twips (pixels 54 and 107).
        const QImage nine = image(1);
        for (int line : {54, 107}) {
            QVERIFY(shareOnColumn(nine, line, 2, 160, isRed) > 0.45);
            QVERIFY(shareOnRow(nine, line, 2, 160, isRed) > 0.45);
        }
        QVERIFY(shareOnColumn(nine, 81, 2, 50, isRed) == 0.0);
        // Eight-trigram grid: solid centre cross, inner square 730..1690 (49..113), corner cuts.
        const QImage eight = image(2);
        QVERIFY(shareOnColumn(eight, 81, 1, 161, isRed) == 1.0);
        QVERIFY(shareOnRow(eight, 81, 1, 161, isRed) == 1.0);
        QVERIFY(shareOnColumn(eight, 49, 49, 113, isRed) > 0.45);
        QVERIFY(shareOnColumn(eight, 49, 5, 40, isRed) == 0.0);
        QVERIFY(shareOnRow(eight, 113, 49, 113, isRed) > 0.45);
        QVERIFY(isRed(at(eight, 1, 49)) && isRed(at(eight, 49, 1)));
        QVERIFY(isRed(at(eight, 2, 48)));  // the top-left cut starts with a dash at (10, 730)
    }

    void quickGrid() {
        RefreshViews(views, inputs(QString()));
        const QImage quick = image(3);
        // Pale blue band between 810 and 1610 twips, under the lines.
        QVERIFY(isPaleBlue(at(quick, 70, 40)) && isPaleBlue(at(quick, 55, 150)) && isPaleBlue(at(quick, 106, 20)));
        QVERIFY(isWhite(at(quick, 53, 40)) && isWhite(at(quick, 108, 40)));
        // Heavy outline and centre cross: two pixels wide, solid.
        for (int x : {0, 1, 80, 81, 160, 161}) QVERIFY2(shareOnColumn(quick, x, 2, 159, isRed) == 1.0, "heavy line");
        for (int y : {0, 1, 80, 81, 160, 161}) QVERIFY(shareOnRow(quick, y, 2, 159, isRed) == 1.0);
        QVERIFY(shareOnColumn(quick, 79, 30, 50, isRed) == 0.0);
        // Light thirds over the band's sides, dash-dot.
        QVERIFY(shareOnRow(quick, 54, 2, 50, isRed) > 0.45 && shareOnRow(quick, 54, 2, 50, isRed) < 0.8);
        QVERIFY(shareOnColumn(quick, 54, 2, 79, isRed) > 0.45);
        // Upper cuts at 3/10 ((10, 730)-(730, 10)); lower cuts at a quarter ((10, 1810)-(610, 2410)).
        QVERIFY(shareOnSlant(quick, 3, 47, 1, -1, 40, isRed) > 0.4);
        QVERIFY(shareOnSlant(quick, 115, 3, 1, 1, 40, isRed) > 0.4);
        QVERIFY(shareOnSlant(quick, 3, 123, 1, 1, 36, isRed) > 0.4);
        QVERIFY(shareOnSlant(quick, 123, 159, 1, -1, 36, isRed) > 0.4);
        QVERIFY(shareOnSlant(quick, 3, 115, 1, 1, 40, isRed) < 0.15);  // no cut at 7/10 below
    }

    void stretchedBox() {
        ViewInputs in = inputs(QString());
        in.widthText = QStringLiteral("3000");
        in.heightText = QStringLiteral("1500");
        RefreshViews(views, in);
        // Far edges beyond the view are clipped; the near ones are where the box says.
        QVERIFY(shareOnRow(image(0), 1, 1, 184, isRed) == 1.0);
        QVERIFY(shareOnRow(image(0), 101, 1, 184, isRed) == 1.0);  // bottom at 1510 twips
        // Rice diagonal from (10, 10) towards (3010, 1510): half as steep.
        QVERIFY(shareOnSlant(image(0), 3, 2, 2, 1, 80, isRed) > 0.4);
        // Eight-trigram inner square: x at 910 and 2110 twips, y at 460 and 1060.
        QVERIFY(shareOnColumn(image(2), 61, 31, 71, isRed) > 0.45);
        QVERIFY(shareOnColumn(image(2), 141, 31, 71, isRed) > 0.45);
        QVERIFY(shareOnRow(image(2), 31, 61, 141, isRed) > 0.45);
        // Its top-left cut covers 900 twips across and 450 down: (10, 460) to (910, 10).
        QVERIFY(shareOnSlant(image(2), 3, 30, 2, -1, 25, isRed) > 0.4);
    }

    void zeroSizeAndHugeBoxDrawWithoutFailure() {
        ViewInputs in = inputs(QString());
        in.widthText = QStringLiteral("0");
        RefreshViews(views, in);
        QVERIFY(shareOnColumn(image(0), 1, 1, 161, isRed) == 1.0);
        QCOMPARE(shareOnColumn(image(0), 81, 1, 161, isRed), 0.0);
        in.widthText = QStringLiteral("100000");
        in.leftText = QStringLiteral("-500");
        RefreshViews(views, in);
        QVERIFY(shareOnRow(image(0), 1, 0, 184, isRed) == 1.0);
    }

    void characterIsPrintedAtItsCellCornerLikeDrawText() {
        if (family.isEmpty()) QSKIP("no CJK font installed");
        for (const char* size : {"120", "60", "33"}) {
            ViewInputs in = inputs();
            in.sizeText = QLatin1String(size);
            // Collapse the grid onto the last pixel so only the character is drawn.
            in.leftText = in.topText = QStringLiteral("2760");
            in.widthText = in.heightText = QStringLiteral("0");
            RefreshViews(views, in);

            QImage expected(185, 185, QImage::Format_RGB32);
            expected.fill(Qt::white);
            {
                QPainter p(&expected);
                QFont font(family);
                font.setPointSizeF(QByteArray(size).toDouble());
                p.setFont(font);
                p.setPen(QGuiApplication::palette().color(QPalette::ButtonText));
                p.drawText(QPointF(10.0 / 15, 10.0 / 15 + QFontMetricsF(font, &expected).ascent()),
                           QStringLiteral("啊"));
            }
            const QRect character(0, 0, 180, 180);  // clear of the collapsed grid
            for (int i = 0; i < 4; ++i)
                QCOMPARE(image(i).convertToFormat(QImage::Format_RGB32).copy(character), expected.copy(character));
            QVERIFY(countPixels(expected, isDark) > 50);
        }
    }

    void badValuesStopTheRedrawWhereTheyAreFirstNeeded() {
        RefreshViews(views, inputs());
        std::array<QImage, 4> before;
        for (int i = 0; i < 4; ++i) before[i] = image(i);

        for (auto bad : {&ViewInputs::leftText, &ViewInputs::topText, &ViewInputs::widthText}) {
            ViewInputs in = inputs(QStringLiteral("中"));
            in.*bad = QStringLiteral("abc");
            QVERIFY_THROWS_EXCEPTION(StepFailed, RefreshViews(views, in));
            QCOMPARE(countPixels(image(0), isWhite), 185 * 185);
            for (int i = 1; i < 4; ++i) QCOMPARE(image(i), before[i]);
        }
        ViewInputs in = inputs(QStringLiteral("中"));
        in.heightText = QString();
        QVERIFY_THROWS_EXCEPTION(StepFailed, RefreshViews(views, in));
        QCOMPARE(countPixels(image(0), isRed), 161);  // the top edge alone
        QCOMPARE(shareOnRow(image(0), 1, 1, 161, isRed), 1.0);

        in = inputs(QStringLiteral("中"));
        in.sizeText = QStringLiteral("big");
        QVERIFY_THROWS_EXCEPTION(StepFailed, RefreshViews(views, in));
        QVERIFY(shareOnColumn(image(0), 161, 1, 161, isRed) == 1.0);
        QCOMPARE(countPixels(image(0), isDark), 0);
        for (int i = 1; i < 4; ++i) QCOMPARE(image(i), before[i]);

        // L + W beyond 32 bits fails like a bad text.
        in = inputs();
        in.leftText = QStringLiteral("2147483000");
        in.widthText = QStringLiteral("1000");
        QVERIFY_THROWS_EXCEPTION(StepFailed, RefreshViews(views, in));
        QCOMPARE(countPixels(image(0), isWhite), 185 * 185);
    }

    void overlayKeepsEarlierCharactersOutsideTheBand() {
        if (family.isEmpty()) QSKIP("no CJK font installed");
        // FreeType may antialias a glyph's first outline at a new size a shade differently from
        // later ones; compare renderings made in a settled state.
        RefreshViews(views, inputs(QStringLiteral("啊")));
        RefreshViews(views, inputs(QStringLiteral("齄")));
        RefreshViews(views, inputs(QStringLiteral("啊")));
        const QImage first = image(3);
        RefreshViews(views, inputs(QStringLiteral("齄")));
        const QImage second = image(3);
        const QImage secondRice = image(0);

        ViewInputs in = inputs(QStringLiteral("啊"));
        RefreshViews(views, in);
        in.overlay = true;
        in.character = QStringLiteral("齄");
        RefreshViews(views, in);
        const QImage overlaid = image(3);
        int kept = 0;
        for (int y = 0; y < 185; ++y)
            for (int x = 0; x < 185; ++x) {
                const bool inBand = x >= 54 && x <= 107 && y >= 1 && y <= 161;
                if (inBand)
                    QCOMPARE(overlaid.pixel(x, y), second.pixel(x, y));
                else if (isDark(first.pixel(x, y)) && isWhite(second.pixel(x, y))) {
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
