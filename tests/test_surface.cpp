// The drawing surface and the controls both windows build on: numbers from list texts, the
// canvas of a picture box, the narrow lists, Qt's own texts. Built twice: at a device pixel
// ratio of 1 and of 2, where every stroke must still cover whole device pixels.
#include <QtTest>
#include <QtWidgets>

#include "core/numbers.h"
#include "core/step_failed.h"
#include "test_support.h"
#include "ui/pick_list.h"
#include "ui/picture_box.h"
#include "ui/translations.h"

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
                 {"2400", 2400}, {"12.5", 12}, {"13.5", 14}, {"-2.5", -2}, {" 12 ", 12}, {"12.51", 13},
                 {"2147483647", 2147483647}, {"-2147483648", int(-2147483648LL)}, {"", {}}, {" ", {}},
                 {"abc", {}}, {"12a", {}}, {"2147483648", {}}, {"-2147483649", {}}, {"1e10", {}},
                 {"nan", {}}, {"inf", {}}})
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
    // The scroll bars' pages round as the lists do; the sheet's ratio read-out keeps its point.
    void readOuts() {
        QCOMPARE(toInt16(378.5), std::int16_t(378));
        QCOMPARE(formatZeroPointHashes(0.0001), QStringLiteral("0."));
    }

    // Both widths, and a line of no length, land on whole device pixels at their place, pure
    // red on white: the count rules out anything beside them.
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

    // A styled line starts its pattern at its first point: a dash-dot drawn right to left
    // from pixel 160, a dotted one from pixel 10.
    void styledLinesStartTheirPatternAtTheFirstPoint() {
        canvas().DrawStyle = Canvas::DashDot;
        canvas().Line(2400, 300, 150, 300);
        canvas().DrawStyle = Canvas::Dot;
        canvas().Line(150, 600, 2400, 600);
        const QImage image = box->Image();
        QVERIFY(isRed(at(image, 160, 20)) && isRed(at(image, 157, 20)));
        const double dashDot = shareOnRow(image, 20, 10, 160, isRed);
        QVERIFY2(dashDot > 0.45 && dashDot < 0.7, "dash-dot pattern");
        QVERIFY(isRed(at(image, 10, 40)) && !isRed(at(image, 11, 40)));
        const double dotted = shareOnRow(image, 40, 10, 160, isRed);
        QVERIFY2(dotted > 0.25 && dotted < 0.45, "dotted pattern");
    }

    // The drawing is what the screen shows, survives hiding, and clears to white.
    void imagePersistsAndShowsOnScreen() {
        canvas().Line(10, 10, 2400, 2400);
        canvas().Refresh();
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QCOMPARE(box->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 box->Image().convertToFormat(QImage::Format_RGB32));
        box->hide();
        box->show();
        QVERIFY(isRed(at(box->Image(), 50, 50)));
        canvas().Cls();
        QCOMPARE(countPixels(box->Image(), isWhite), box->Image().width() * box->Image().height());
    }

    // A new size keeps the drawing; one the platform cannot use, like a font size, fails the
    // step and changes nothing.
    void refusals_data() {
        QTest::addColumn<float>("fontSize");  // 0: a size of the box instead
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        for (float size : {0.0f, -3.0f, 100000.0f})
            QTest::addRow("font size %g", double(size)) << size << 0.0 << 0.0;
        QTest::newRow("negative box") << 0.0f << -15.0 << 30.0;
        QTest::newRow("huge box") << 0.0f << 15.0e6 << 15.0e6;
    }
    void refusals() {
        QFETCH(float, fontSize);
        QFETCH(double, width);
        QFETCH(double, height);
        canvas().Line(10, 10, 300, 10);
        box->setSizeTwips(6000, 3000);
        QCOMPARE(box->size(), QSize(400, 200));
        QCOMPARE(box->Image().height(), int(200 * box->Image().devicePixelRatio()));
        QVERIFY(isRed(at(box->Image(), 10, 1)) && isWhite(at(box->Image(), 300, 150)));
        const QImage before = box->Image();
        if (width != 0) {
            QVERIFY_THROWS_EXCEPTION(StepFailed, box->setSizeTwips(width, height));
        } else {
            canvas().FontSize = fontSize;
            QVERIFY_THROWS_EXCEPTION(StepFailed, canvas().Print(QStringLiteral("中")));
        }
        QCOMPARE(box->size(), QSize(400, 200));
        QCOMPARE(box->Image(), before);
    }

    // A text too long for a narrow list ends in "…" instead of being cut through a character.
    void narrowListsElide() {
        PickList list;
        list.resize(97, 20);  // the font list's width
        list.addItem("WenQuanYi Zen Hei Sharp Extended");
        const QString elided = list.fontMetrics().elidedText(list.itemText(0), Qt::ElideRight,
                                                             editField(list).width() - 2);
        QVERIFY(elided.endsWith(QChar(0x2026)));
        const QImage shown = list.grab().toImage();
        list.setItemText(0, elided);
        QCOMPARE(list.grab().toImage(), shown);
    }

    // Qt's own texts are Chinese: the message boxes' buttons, the text boxes' context menus,
    // and every label, button, column and folder name, and the dates, of the save dialog. Its
    // one file type, shown as "BMP Files(*.BMP)", lists .bmp and .BMP files.
    void qtTextsAreChinese() {
        QStringList shown;
        for (auto buttons : {Prompts::Buttons::Ok, Prompts::Buttons::YesNo}) {
            const auto box = makeMessageBox(nullptr, "提示", "提示", buttons, Prompts::Icon::None);
            for (const QAbstractButton* button : box->buttons()) shown << button->text();
        }
        QLineEdit line;
        QTextEdit text;
        for (QMenu* menu : {line.createStandardContextMenu(), text.createStandardContextMenu()}) {
            for (const QAction* action : menu->actions()) shown << action->text();
            delete menu;
        }
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("sub"));
        for (const char* name : {"a.bmp", "B.BMP", "c.txt"})
            QVERIFY(writeFile(folder.filePath(name), QByteArray(3000, 'x')));
        const auto dialog =
            makeSaveDialog(nullptr, "BMP Files(*.BMP)|*.bmp", folder.filePath("sheet.bmp"));
        dialog->show();
        const auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        QCOMPARE(types->count(), 1);
        QCOMPARE(types->currentText(), "BMP Files(*.BMP)");
        const auto* files = dialog->findChild<QTreeView*>("treeView");
        const auto index = [&](int row, int column) {
            return files->model()->index(row, column, files->rootIndex());
        };
        QTRY_COMPARE(files->model()->rowCount(files->rootIndex()), 3);
        QStringList names;
        for (int row = 0; row < 3; ++row) {
            names << index(row, 0).data().toString();
            shown << index(row, 3).data().toString();  // the date; and the folder's type
            if (names.last() == "sub") shown << index(row, 2).data().toString();
        }
        names.sort(Qt::CaseInsensitive);
        QCOMPARE(names, (QStringList{"a.bmp", "B.BMP", "sub"}));
        shown << dialog->windowTitle();
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            if (label->isVisibleTo(dialog.get())) shown << label->text();
        for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            if (button->isVisibleTo(dialog.get())) shown << button->text() << button->toolTip();
        for (int i = 0; i < 4; ++i)
            shown << files->model()->headerData(i, Qt::Horizontal).toString();
        // The texts that hold an English word; a mnemonic as in 是(&Y) and a key name after a
        // tab, as in 复制(&C)\tCtrl+C, are none.
        QStringList english;
        for (const QString& item : shown) {
            QString words = item.section(u'\t', 0, 0).remove(QRegularExpression("\\(&[A-Za-z]\\)"));
            if (words.remove(u'&').contains(QRegularExpression("[A-Za-z]"))) english << item;
        }
        QCOMPARE(english, QStringList());
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
