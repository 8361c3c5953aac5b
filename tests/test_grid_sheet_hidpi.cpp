// The grid sheet on a screen of two device pixels to the pixel: the canvas is drawn at full
// density, the bound counts device pixels, and the saved file still has the 96 dpi size.
#include <QComboBox>
#include <QTemporaryDir>
#include <QtTest>

#include "canvas/colors.h"
#include "grid_sheet/sheet_window.h"
#include "test_support.h"
#include "ui/picture_box.h"

using namespace zige;
using namespace zige::test;

static bool isPen(QRgb c) {
    return (c & 0xFFFFFF) == (resolveColor(kSystemActiveCaption).rgb() & 0xFFFFFF);
}

class GridSheetHiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void savedAt96Dpi() {
        auto prompts = std::make_shared<ScriptedPrompts>();
        SheetWindow window(prompts);
        window.Form_Load();
        window.show();
        auto* canvas = window.findChild<PictureBox*>(QStringLiteral("Picture2"));
        QCOMPARE(canvas->Image().size(), QSize(1588, 2242));
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("sheet.bmp"));
        prompts->files = {file};
        window.Command1_Click();
        const QImage saved(file);
        QCOMPARE(saved.size(), QSize(794, 1121));
        // The first cell's solid border and cross, and its band, survive the scaling.
        for (int k : {0, 22, 44})
            QCOMPARE(shareOnRow(saved, 66 + k, 74, 118, isPen) +
                         shareOnColumn(saved, 74 + k, 66, 110, isPen),
                     2.0);
        QCOMPARE(saved.pixel(92, 75) & 0xFFFFFF, QRgb(0xFFFFC0));  // light yellow

        // 16383 pixels wide is 32766 device pixels: beyond the bound here.
        window.findChild<QComboBox*>(QStringLiteral("Combo5"))->setEditText(QStringLiteral("1"));
        window.findChild<QComboBox*>(QStringLiteral("Combo1"))->setEditText(QStringLiteral("4423"));
        window.Form_Resize();
        QCOMPARE(canvas->size(), QSize(794, 1121));
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    GridSheetHiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_grid_sheet_hidpi.moc"
