// The drawing surface and the number conversions. Built twice: at a device pixel ratio of 1
// and of 2, where every stroke must still cover whole device pixels at the doubled place.
#include <QtTest>

#include "surface/numbers.h"
#include "surface/picture_box.h"
#include "surface/step_failed.h"
#include "test_support.h"

using namespace zige;
using namespace zige::test;

namespace {

// True when every device pixel of the image is pure red or pure white: nothing blurred.
bool crisp(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!isRed(image.pixel(x, y)) && !isWhite(image.pixel(x, y))) return false;
    return true;
}

}  // namespace

class SurfaceTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PictureBox> box;

private slots:
    void init() {
        box = std::make_unique<PictureBox>();
        box->resize(185, 185);
        box->Cls();
        box->ForeColor = rgb(255, 0, 0);
#ifdef ZIGE_SCALE_FACTOR
        QCOMPARE(box->Image().devicePixelRatio(), 2.0);
#endif
    }

    void toInt32_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "2400" << 2400;
        QTest::newRow("half down to even") << "12.5" << 12;
        QTest::newRow("half up to even") << "13.5" << 14;
        QTest::newRow("negative half") << "-2.5" << -2;
        QTest::newRow("spaces") << " 12 " << 12;
        QTest::newRow("nearest") << "12.51" << 13;
        QTest::newRow("max") << "2147483647" << 2147483647;
        QTest::newRow("min") << "-2147483648" << int(-2147483648LL);
    }
    void toInt32() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(zige::toInt32(text), value);
    }

    void badNumbersFail() {
        for (const char* text : {"", " ", "abc", "12a", "2147483648", "-2147483649", "1e10", "nan", "inf"})
            QVERIFY_THROWS_EXCEPTION(StepFailed, zige::toInt32(QLatin1String(text)));
        QVERIFY_THROWS_EXCEPTION(StepFailed, toSingle(QStringLiteral("x")));
        QVERIFY_THROWS_EXCEPTION(StepFailed, checkedAdd(2147483000, 1000));
        QVERIFY_THROWS_EXCEPTION(StepFailed, checkedMul(65536, 32768));
        QVERIFY_THROWS_EXCEPTION(StepFailed, toInt16(32767.6));
        QCOMPARE(toInt16(378.5), std::int16_t(378));
        QCOMPARE(toInt16(65.6), std::int16_t(66));
    }

    void ratioFormatting_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("a4") << double(11907.0f / 16813.125f) << "0.708";
        QTest::newRow("whole") << 1.0 << "1.";
        QTest::newRow("half") << 0.5 << "0.5";
        QTest::newRow("rounded") << 2.34567 << "2.346";
        QTest::newRow("tiny") << 0.0001 << "0.";
    }
    void ratioFormatting() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(formatZeroPointHashes(value), text);
    }

    void linesCoverWholePixelsAtTheirPlace() {
        box->Line(10, 1210, 2410, 1210);  // a horizontal line on pixel row 81, columns 1..161
        box->DrawWidth = 2;
        box->Line(1210, 10, 1210, 2410);  // two pixels wide: columns 80 and 81
        const QImage image = box->Image();
        QVERIFY(crisp(image));
        QCOMPARE(shareOnRow(image, 81, 1, 161, isRed), 1.0);
        QVERIFY(!isRed(at(image, 0, 81)) && !isRed(at(image, 162, 81)));
        QCOMPARE(shareOnRow(image, 80, 0, 78, isRed) + shareOnRow(image, 82, 0, 78, isRed), 0.0);
        QCOMPARE(shareOnColumn(image, 80, 1, 161, isRed), 1.0);
        QCOMPARE(shareOnColumn(image, 81, 1, 161, isRed), 1.0);
        QCOMPARE(shareOnColumn(image, 79, 1, 78, isRed) + shareOnColumn(image, 82, 1, 78, isRed), 0.0);
        QCOMPARE(countPixels(image, isRed), int(image.devicePixelRatio() * image.devicePixelRatio()) * (161 + 2 * 161 - 2));
    }

    void styledLinesStartTheirPatternAtTheFirstPoint() {
        box->DrawStyle = PictureBox::DashDot;
        box->Line(2400, 300, 150, 300);  // drawn right to left: the dash starts at pixel 160
        box->DrawStyle = PictureBox::Dot;
        box->Line(150, 600, 2400, 600);
        const QImage image = box->Image();
        QVERIFY(crisp(image));
        QVERIFY(isRed(at(image, 160, 20)) && isRed(at(image, 157, 20)));
        const double dashDot = shareOnRow(image, 20, 10, 160, isRed);
        QVERIFY2(dashDot > 0.45 && dashDot < 0.7, "dash-dot pattern");
        QVERIFY(isRed(at(image, 10, 40)) && !isRed(at(image, 11, 40)));
        const double dotted = shareOnRow(image, 40, 10, 160, isRed);
        QVERIFY2(dotted > 0.25 && dotted < 0.45, "dotted pattern");
    }

    void boxesFillInsideTheirOutline() {
        box->FillStyle = PictureBox::FillSolid;
        box->FillColor = rgb(192, 192, 255);
        box->LineBox(1500, 1500, 300, 300);  // corners in any order
        box->FillStyle = PictureBox::FillTransparent;
        box->LineBox(2100, 2100, 2400, 2400);
        const QImage image = box->Image();
        QCOMPARE(shareOnRow(image, 20, 20, 100, isRed), 1.0);
        QCOMPARE(shareOnColumn(image, 100, 20, 100, isRed), 1.0);
        QCOMPARE(shareOnRow(image, 60, 21, 99, isPaleBlue), 1.0);
        QVERIFY(isWhite(at(image, 19, 60)) && isWhite(at(image, 101, 60)));
        QVERIFY(isRed(at(image, 140, 150)) && isWhite(at(image, 150, 150)));
    }

    void aZeroLengthLineIsOnePoint() {
        box->DrawWidth = 2;
        box->Line(1500, 1500, 1500, 1500);
        const QImage image = box->Image();
        const int dpr = int(image.devicePixelRatio());
        QCOMPARE(countPixels(image, isRed), 4 * dpr * dpr);
        QVERIFY(isRed(at(image, 99, 99)) && isRed(at(image, 100, 100)));
    }

    void imagePersistsAndShowsOnScreen() {
        box->Line(10, 10, 2400, 2400);
        box->Refresh();
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        const QImage shown = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown, box->Image().convertToFormat(QImage::Format_RGB32));
        box->hide();
        box->show();
        QVERIFY(isRed(at(box->Image(), 50, 50)));
        box->Cls();
        QCOMPARE(countPixels(box->Image(), isWhite), box->Image().width() * box->Image().height());
    }

    void printRefusesSizesThePlatformCannotUse() {
        for (float size : {0.0f, -3.0f, 100000.0f}) {
            box->FontSize = size;
            QVERIFY_THROWS_EXCEPTION(StepFailed, box->Print(QStringLiteral("中")));
        }
        box->FontSize = 12;
        box->Print(QString());
        QCOMPARE(countPixels(box->Image(), isWhite), box->Image().width() * box->Image().height());
    }

    void sizeChangesKeepTheDrawingOrFailCleanly() {
        box->Line(10, 10, 300, 10);
        box->setSizeTwips(6000, 3000);
        QCOMPARE(box->size(), QSize(400, 200));
        QCOMPARE(box->Image().height(), int(200 * box->Image().devicePixelRatio()));
        QVERIFY(isRed(at(box->Image(), 10, 1)) && isWhite(at(box->Image(), 300, 150)));
        QVERIFY_THROWS_EXCEPTION(StepFailed, box->setSizeTwips(-15, 30));
        QVERIFY_THROWS_EXCEPTION(StepFailed, box->setSizeTwips(15.0 * 1e6, 15.0 * 1e6));
        QCOMPARE(box->size(), QSize(400, 200));
    }
};

int main(int argc, char* argv[]) {
#ifdef ZIGE_SCALE_FACTOR
    qputenv("QT_SCALE_FACTOR", ZIGE_SCALE_FACTOR);
#endif
    QApplication app(argc, argv);
    SurfaceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_surface.moc"
