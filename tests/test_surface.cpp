// The drawing surface, the number conversions and the controls both windows share: lists,
// message boxes, the save dialog, context menus. Built twice: at a device pixel ratio of 1 and
// of 2, where every stroke must still cover whole device pixels at the doubled place and every
// list must still show its entries whole.
#include <QtTest>

#include "core/numbers.h"
#include "core/step_failed.h"
#include "grid_sheet/sheet_window.h"
#include "ui/picture_box.h"
#include "ui/prompts.h"
#include "ui/translations.h"
#include "window_under_test.h"

using namespace zige;
using namespace zige::test;

namespace {

// True when every device pixel of the image is pure red or pure white: nothing blurred.
bool crisp(const QImage& image) {
    return countPixels(image, isRed) + countPixels(image, isWhite) ==
           image.width() * image.height();
}

// Collects the texts that hold an English word. A mnemonic as in 是(&Y) and a key name after a
// tab, as in 复制(&C)\tCtrl+C, are no words.
struct EnglishTexts {
    QStringList found;
    void check(const QString& where, const QString& text) {
        QString shown = text.section(QLatin1Char('\t'), 0, 0);
        shown.remove(QRegularExpression("\\(&[A-Za-z]\\)")).remove(QLatin1Char('&'));
        if (shown.contains(QRegularExpression("[A-Za-z]"))) found.append(where + ": " + text);
    }
    void checkWidgets(const QString& where, const QWidget& top) {
        check(where + " title", top.windowTitle());
        for (const QLabel* label : top.findChildren<QLabel*>())
            if (label->isVisibleTo(&top)) check(where, label->text());
        for (const QAbstractButton* button : top.findChildren<QAbstractButton*>())
            if (button->isVisibleTo(&top))
                check(where, button->text()), check(where, button->toolTip());
        for (const QHeaderView* header : top.findChildren<QHeaderView*>())
            for (int i = 0; i < header->count(); ++i)
                check(where, header->model()->headerData(i, header->orientation()).toString());
    }
    void checkMenu(const QString& where, std::unique_ptr<QMenu> menu) {
        for (const QAction* action : menu->actions()) check(where, action->text());
    }
};

QRect editField(const QComboBox& list) {
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.editable = list.isEditable();
    return list.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                        &list);
}

}  // namespace

class SurfaceTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PictureBox> box;
    std::unique_ptr<WindowUnderTest> windows;  // shared by the rows of one table

private slots:
    void cleanupTestCase() { windows.reset(); }
    void init() {
        box = std::make_unique<PictureBox>();
        box->resize(185, 185);
        box->canvas().Cls();
        box->canvas().ForeColor = rgb(255, 0, 0);
#ifdef ZIGE_SCALE_FACTOR
        QCOMPARE(box->Image().devicePixelRatio(), 2.0);
#endif
    }

    // List texts round to 32 bits, exact halves to the even neighbour; anything else fails.
    void numbers() {
        for (auto [text, value] : {std::pair{"2400", 2400},
                                   {"12.5", 12},
                                   {"13.5", 14},
                                   {"-2.5", -2},
                                   {" 12 ", 12},
                                   {"12.51", 13},
                                   {"2147483647", 2147483647},
                                   {"-2147483648", int(-2147483648LL)}})
            QCOMPARE(zige::toInt32(QLatin1String(text)), value);
        for (const char* text :
             {"", " ", "abc", "12a", "2147483648", "-2147483649", "1e10", "nan", "inf"})
            QVERIFY_THROWS_EXCEPTION(StepFailed, zige::toInt32(QLatin1String(text)));
        QCOMPARE(toInt16(378.5), std::int16_t(378));
        for (auto [value, text] :
             {std::pair{1.0, "1."}, {0.5, "0.5"}, {2.34567, "2.346"}, {0.0001, "0."}})
            QCOMPARE(formatZeroPointHashes(value), QLatin1String(text));
    }

    // Both widths, and a line of no length, land on whole pixels at their place; the count
    // rules out anything beside them.
    void linesCoverWholePixelsAtTheirPlace() {
        box->canvas().Line(10, 1210, 2410,
                           1210);  // a horizontal line on pixel row 81, columns 1..161
        box->canvas().DrawWidth = 2;
        box->canvas().Line(1210, 10, 1210, 2410);    // two pixels wide: columns 80 and 81
        box->canvas().Line(1500, 1500, 1500, 1500);  // a two-pixel point: 99..100 both ways
        const QImage image = box->Image();
        QVERIFY(crisp(image));
        for (double share :
             {shareOnRow(image, 81, 1, 161, isRed), shareOnColumn(image, 80, 1, 161, isRed),
              shareOnColumn(image, 81, 1, 161, isRed), shareOnRow(image, 99, 99, 100, isRed),
              shareOnRow(image, 100, 99, 100, isRed)})
            QCOMPARE(share, 1.0);
        QCOMPARE(
            countPixels(image, isRed),
            int(image.devicePixelRatio() * image.devicePixelRatio()) * (161 + 2 * 161 - 2 + 4));
    }

    void styledLinesStartTheirPatternAtTheFirstPoint() {
        box->canvas().DrawStyle = Canvas::DashDot;
        box->canvas().Line(2400, 300, 150,
                           300);  // drawn right to left: the dash starts at pixel 160
        box->canvas().DrawStyle = Canvas::Dot;
        box->canvas().Line(150, 600, 2400, 600);
        const QImage image = box->Image();
        QVERIFY(crisp(image));
        QVERIFY(isRed(at(image, 160, 20)) && isRed(at(image, 157, 20)));
        const double dashDot = shareOnRow(image, 20, 10, 160, isRed);
        QVERIFY2(dashDot > 0.45 && dashDot < 0.7, "dash-dot pattern");
        QVERIFY(isRed(at(image, 10, 40)) && !isRed(at(image, 11, 40)));
        const double dotted = shareOnRow(image, 40, 10, 160, isRed);
        QVERIFY2(dotted > 0.25 && dotted < 0.45, "dotted pattern");
    }

    void imagePersistsAndShowsOnScreen() {
        box->canvas().Line(10, 10, 2400, 2400);
        box->canvas().Refresh();
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QCOMPARE(box->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 box->Image().convertToFormat(QImage::Format_RGB32));
        box->hide();
        box->show();
        QVERIFY(isRed(at(box->Image(), 50, 50)));
        box->canvas().Cls();
        QCOMPARE(countPixels(box->Image(), isWhite), box->Image().width() * box->Image().height());
    }

    void printRefusesSizesThePlatformCannotUse() {
        for (float size : {0.0f, -3.0f, 100000.0f}) {
            box->canvas().FontSize = size;
            QVERIFY_THROWS_EXCEPTION(StepFailed, box->canvas().Print(QStringLiteral("中")));
        }
    }

    void sizeChangesKeepTheDrawingOrFailCleanly() {
        box->canvas().Line(10, 10, 300, 10);
        box->setSizeTwips(6000, 3000);
        QCOMPARE(box->size(), QSize(400, 200));
        QCOMPARE(box->Image().height(), int(200 * box->Image().devicePixelRatio()));
        QVERIFY(isRed(at(box->Image(), 10, 1)) && isWhite(at(box->Image(), 300, 150)));
        QVERIFY_THROWS_EXCEPTION(StepFailed, box->setSizeTwips(-15, 30));
        QVERIFY_THROWS_EXCEPTION(StepFailed, box->setSizeTwips(15.0 * 1e6, 15.0 * 1e6));
        QCOMPARE(box->size(), QSize(400, 200));
    }

    // Every entry of every list shows whole in the closed list: it fits the edit field the
    // style gives, less the pixel the label keeps on each side (two for typed text).
    void listsShowTheirWholeEntries_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("list");
        for (const char* list : {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Combo6",
                                 "Combo7", "Combo8", "Combo9"})
            QTest::newRow(list) << "vorel" << list;
        for (int i = 1; i <= 10; ++i)
            QTest::addRow("sheet Combo%d", i) << "suchengge" << QString("Combo%1").arg(i);
    }
    void listsShowTheirWholeEntries() {
        QFETCH(QString, window);
        QFETCH(QString, list);
        if (!windows)
            windows = std::make_unique<WindowUnderTest>(QStringList{"宋体", "楷体_GB2312"});
        windows->click("Command7");
        const QWidget* top = window == "vorel" ? static_cast<QWidget*>(windows->window)
                                               : windows->window->sheetWindow();
        const QComboBox* combo = top->findChild<QComboBox*>(list);
        const QRect field = editField(*combo);
        if (combo->isEditable()) QCOMPARE(combo->lineEdit()->geometry(), field);
        QStringList cut;
        for (int i = 0; i < combo->count(); ++i)
            if (combo->fontMetrics().horizontalAdvance(combo->itemText(i)) >
                field.width() - (combo->isEditable() ? 4 : 2))
                cut.append(combo->itemText(i));
        QCOMPARE(cut, QStringList());
    }

    // A font name too long for the list ends in "…" instead of being cut through a character.
    void longFontNamesAreElided() {
        const QString name = "WenQuanYi Zen Hei Sharp Extended";
        WindowUnderTest w({"宋体", name});
        QComboBox* fonts = w.combo("Combo1");
        fonts->setCurrentIndex(1);
        const QString elided =
            fonts->fontMetrics().elidedText(name, Qt::ElideRight, editField(*fonts).width() - 2);
        QVERIFY(elided.endsWith(QChar(0x2026)));
        const QImage shown = fonts->grab().toImage();
        fonts->setItemText(1, elided);
        QCOMPARE(fonts->grab().toImage(), shown);
    }

    // Qt's own texts are Chinese: the message boxes' buttons and the text boxes' context menus.
    void qtTextsAreChinese() {
        EnglishTexts english;
        for (auto buttons : {Prompts::Buttons::Ok, Prompts::Buttons::YesNo}) {
            const auto box = makeMessageBox(nullptr, "提示", "提示", buttons, Prompts::Icon::None);
            for (const QAbstractButton* button : box->buttons())
                english.check("message box", button->text());
        }
        WindowUnderTest w;
        w.click("Command7");
        for (const QWidget* top :
             {static_cast<QWidget*>(w.window), static_cast<QWidget*>(w.window->sheetWindow())}) {
            for (QLineEdit* box : top->findChildren<QLineEdit*>())
                english.checkMenu(box->objectName(),
                                  std::unique_ptr<QMenu>(box->createStandardContextMenu()));
            for (QPlainTextEdit* box : top->findChildren<QPlainTextEdit*>())
                english.checkMenu(box->objectName(),
                                  std::unique_ptr<QMenu>(box->createStandardContextMenu()));
            for (QTextEdit* box : top->findChildren<QTextEdit*>())
                english.checkMenu(box->objectName(),
                                  std::unique_ptr<QMenu>(box->createStandardContextMenu()));
        }
        QCOMPARE(english.found, QStringList());
    }

    // The save dialog: one file type, shown as "BMP Files(*.BMP)", that lists .bmp and .BMP
    // files; every label, button, column and folder name, and the dates, in Chinese.
    void saveDialog() {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("sub"));
        for (const char* name : {"a.bmp", "B.BMP", "c.txt"}) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(3000, 'x')) == 3000);
        }
        const auto dialog =
            makeSaveDialog(nullptr, "BMP Files(*.BMP)|*.bmp", folder.filePath("sheet.bmp"));
        dialog->show();
        const auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        QCOMPARE(types->count(), 1);
        QCOMPARE(types->currentText(), "BMP Files(*.BMP)");
        const auto* files = dialog->findChild<QTreeView*>("treeView");
        const auto listed = [&] {
            QStringList names;
            for (int row = 0; row < files->model()->rowCount(files->rootIndex()); ++row)
                names.append(files->model()->index(row, 0, files->rootIndex()).data().toString());
            names.sort(Qt::CaseInsensitive);
            return names;
        };
        QTRY_COMPARE(listed(), (QStringList{"a.bmp", "B.BMP", "sub"}));
        EnglishTexts english;
        english.checkWidgets("save dialog", *dialog);
        for (int row = 0; row < 3; ++row) {
            const QModelIndex name = files->model()->index(row, 0, files->rootIndex());
            if (name.data() == "sub")
                english.check("folder type", name.siblingAtColumn(2).data().toString());
            english.check("date", name.siblingAtColumn(3).data().toString());
        }
        QCOMPARE(english.found, QStringList());
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
