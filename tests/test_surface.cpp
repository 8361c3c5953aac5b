// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas and controls both windows build on, at device pixel ratios 1 and 2.
#include "core/numbers.h"
#include "core/step_failed.h"
#include "core/translations.h"
#include "grid_sheet/sheet_window.h"
#include "window_under_test.h"

using namespace zige;
using namespace zige::test;

class SurfaceTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PictureBox> box;
    Canvas& canvas() { return box->canvas(); }

private slots:
    void init() {
        box = std::make_unique<PictureBox>();
        box->resize(185, 185);
        canvas().Cls();
        canvas().ForeColor = rgb(255, 0, 0);
#ifdef ZIGE_SCALE_FACTOR
        QCOMPARE(box->Image().devicePixelRatio(), 2.0);
#endif
    }

    // List texts round to 32 bits, exact halves to the even neighbour; anything else fails.
    void numbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("value");  // none: the conversion fails
        // clang-format off
        for (auto [text, value] : std::initializer_list<std::pair<const char*, QVariant>>{
                 {"12.5", 12}, {"13.5", 14}, {"-2.5", -2}, {" 12 ", 12}, {"2147483647", 2147483647},
                 {"-2147483648", int(-2147483648LL)}, {"", {}}, {"12a", {}}, {"2147483648", {}},
                 {"-2147483649", {}}, {"nan", {}}})
            QTest::addRow("'%s'", text) << QString::fromLatin1(text) << value;
        // clang-format on
    }
    void numbers() {
        QFETCH(QString, text);
        QFETCH(QVariant, value);
        if (value.isValid())
            QCOMPARE(toInt32(text), value.toInt());
        else
            QVERIFY_THROWS_EXCEPTION(StepFailed, toInt32(text));
    }
    // The scroll bars' pages round as the lists do.
    void pagesRoundHalvesToEven() { QCOMPARE(toInt16(378.5), std::int16_t(378)); }

    // Lines of both widths, and of no length, cover whole device pixels and nothing beside.
    void linesCoverWholePixelsAtTheirPlace() {
        canvas().Line(10, 1210, 2410, 1210);  // pixel row 81, columns 1..161
        canvas().DrawWidth = 2;
        canvas().Line(1210, 10, 1210, 2410);    // two pixels wide: columns 80 and 81
        canvas().Line(1500, 1500, 1500, 1500);  // a two-pixel point: 99..100 both ways
        const QImage image = box->Image();
        QCOMPARE(countPixels(image, isRed) + countPixels(image, isWhite),
                 image.width() * image.height());
        QCOMPARE(shareOnRow(image, 81, 1, 161, isRed) + shareOnColumn(image, 80, 1, 161, isRed) +
                     shareOnColumn(image, 81, 1, 161, isRed) +
                     shareOnRow(image, 99, 99, 100, isRed) + shareOnRow(image, 100, 99, 100, isRed),
                 5.0);
        const int dpr = int(image.devicePixelRatio());
        QCOMPARE(countPixels(image, isRed), dpr * dpr * (161 + 2 * 161 - 2 + 4));
    }

    // A square on half logical pixels has pale edges at a device pixel ratio of 1, none at 2.
    void outlinesFillSmoothlyInDevicePixels() {
        QPainterPath square;
        square.addRect(QRectF(307.5, 307.5, 300, 300));  // logical pixels 20.5 to 40.5
        canvas().fillPath(square, rgb(255, 0, 0));
        QImage page(185, 185, QImage::Format_RGB32);  // 96 dpi: twips at true size are pixels
        page.fill(Qt::white);
        {
            QPainter painter(&page);
            VectorCanvas(painter, QRectF(0, 0, 2775, 2775)).fillPath(square, rgb(255, 0, 0));
        }
        for (const QImage& image : {box->Image(), page}) {
            const bool dpr2 = image.devicePixelRatio() == 2;
            QCOMPARE(inkBox(image), dpr2 ? QRect(41, 41, 40, 40) : QRect(20, 20, 21, 21));
            QCOMPARE(countPixels(image, isRed), dpr2 ? 40 * 40 : 19 * 19);
        }
    }

    // Every entry of every list fits its edit field; a wider font name ends in "…".
    void listsShowTheirEntriesWhole() {
        WindowUnderTest w({"宋体", "楷体_GB2312"});
        w.click("Command7");
        const auto lists = w.window->findChildren<QComboBox*>() +
                           w.window->sheetWindow()->findChildren<QComboBox*>();
        QStringList cut;
        for (const QComboBox* list : lists) {
            const QRect field = editField(*list);
            if (list->isEditable()) QCOMPARE(list->lineEdit()->geometry(), field);
            for (int i = 0; i < list->count(); ++i)
                if (list->fontMetrics().horizontalAdvance(list->itemText(i)) >
                    field.width() - (list->isEditable() ? 4 : 2))
                    cut << list->objectName() + ' ' + list->itemText(i);
        }
        QCOMPARE(cut, QStringList());
        QComboBox* fonts = w.combo("Combo1");
        fonts->setItemText(fonts->currentIndex(), "WenQuanYi Zen Hei Sharp Extended");
        const QString elided = fonts->fontMetrics().elidedText(fonts->currentText(), Qt::ElideRight,
                                                               editField(*fonts).width() - 2);
        QVERIFY(elided.endsWith(QChar(0x2026)));
        const QImage shown = fonts->grab().toImage();
        fonts->setItemText(fonts->currentIndex(), elided);
        QCOMPARE(fonts->grab().toImage(), shown);
    }

    // Qt's own texts are Chinese: message boxes' buttons and every text of the save dialog.
    void qtTextsAreChinese() {
        QStringList shown;
        for (auto buttons : {Prompts::Buttons::Ok, Prompts::Buttons::YesNo}) {
            const auto box = makeMessageBox(nullptr, "提示", "提示", buttons, Prompts::Icon::None);
            for (const QAbstractButton* button : box->buttons()) shown << button->text();
        }
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("sub"));
        for (const char* name : {"a.bmp", "B.BMP", "c.txt"})
            QVERIFY(writeFile(folder.filePath(name), QByteArray(3000, 'x')));
        const auto dialog =
            makeSaveDialog(nullptr, "BMP Files(*.BMP)|*.bmp", folder.filePath("sheet.bmp"));
        dialog->show();
        const auto* files = dialog->findChild<QTreeView*>("treeView");
        QTRY_COMPARE(files->model()->rowCount(files->rootIndex()), 3);
        QCOMPARE(dialog->findChild<QComboBox*>("fileTypeCombo")->currentText(), "BMP Files(*.BMP)");
        for (int row = 0; row < 3; ++row) {
            const QModelIndex name = files->model()->index(row, 0, files->rootIndex());
            shown << name.siblingAtColumn(3).data().toString();  // the date
            if (name.data() == "sub") shown << name.siblingAtColumn(2).data().toString();  // a type
        }
        shown << dialog->windowTitle();
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            if (label->isVisibleTo(dialog.get())) shown << label->text();
        for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            if (button->isVisibleTo(dialog.get())) shown << button->text() << button->toolTip();
        for (int i = 0; i < 4; ++i)
            shown << files->model()->headerData(i, Qt::Horizontal).toString();
        // English words, but for mnemonics as in 是(&Y).
        QCOMPARE(shown.filter(QRegularExpression("(?<!\\(&)[A-Za-z]")), QStringList());
    }
};

int main(int argc, char* argv[]) {
#ifdef ZIGE_SCALE_FACTOR
    qputenv("QT_SCALE_FACTOR", ZIGE_SCALE_FACTOR);
#endif
    QApplication app(argc, argv);
    installChineseQtTexts();
    SurfaceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_surface.moc"
