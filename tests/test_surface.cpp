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

namespace {

// True when every device pixel of the image is pure red or pure white: nothing blurred.
bool crisp(const QImage& image) {
    return countPixels(image, isRed) + countPixels(image, isWhite) ==
           image.width() * image.height();
}

// The texts that hold an English word. A mnemonic as in 是(&Y) and a key name after a tab, as
// in 复制(&C)\tCtrl+C, are no words.
QStringList english(const QStringList& texts) {
    QStringList found;
    for (const QString& text : texts) {
        QString shown = text.section(QLatin1Char('\t'), 0, 0);
        shown.remove(QRegularExpression("\\(&[A-Za-z]\\)")).remove(QLatin1Char('&'));
        if (shown.contains(QRegularExpression("[A-Za-z]"))) found.append(text);
    }
    return found;
}

QStringList texts(const QList<QAction*>& actions) {
    QStringList found;
    for (const QAction* action : actions) found.append(action->text());
    return found;
}

}  // namespace

class SurfaceTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PictureBox> box;

private slots:
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
    void numbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("value");  // none: the conversion fails
        for (auto [text, value] : std::initializer_list<std::pair<const char*, QVariant>>{
                 {"2400", 2400},
                 {"12.5", 12},
                 {"13.5", 14},
                 {"-2.5", -2},
                 {" 12 ", 12},
                 {"12.51", 13},
                 {"2147483647", 2147483647},
                 {"-2147483648", int(-2147483648LL)},
                 {"", {}},
                 {" ", {}},
                 {"abc", {}},
                 {"12a", {}},
                 {"2147483648", {}},
                 {"-2147483649", {}},
                 {"1e10", {}},
                 {"nan", {}},
                 {"inf", {}}})
            QTest::addRow("'%s'", text) << QString::fromLatin1(text) << value;
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

    // Both widths, and a line of no length, land on whole pixels at their place; the count
    // rules out anything beside them.
    void linesCoverWholePixelsAtTheirPlace() {
        box->canvas().Line(10, 1210, 2410, 1210);  // pixel row 81, columns 1..161
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
        box->canvas().Line(2400, 300, 150, 300);  // right to left: the dash starts at pixel 160
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

    // Qt's own texts are Chinese: the message boxes' buttons and the text boxes' context menus.
    void qtTextsAreChinese() {
        QStringList found;
        for (auto buttons : {Prompts::Buttons::Ok, Prompts::Buttons::YesNo})
            for (const QAbstractButton* button :
                 makeMessageBox(nullptr, "提示", "提示", buttons, Prompts::Icon::None)->buttons())
                found += english({button->text()});
        QLineEdit line;
        QTextEdit text;
        found +=
            english(texts(std::unique_ptr<QMenu>(line.createStandardContextMenu())->actions()));
        found +=
            english(texts(std::unique_ptr<QMenu>(text.createStandardContextMenu())->actions()));
        QCOMPARE(found, QStringList());
    }

    // The save dialog: one file type, shown as "BMP Files(*.BMP)", that lists .bmp and .BMP
    // files; every label, button, column and folder name, and the dates, in Chinese.
    void saveDialog() {
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
        const auto listed = [&] {
            QStringList names;
            for (int row = 0; row < files->model()->rowCount(files->rootIndex()); ++row)
                names.append(index(row, 0).data().toString());
            names.sort(Qt::CaseInsensitive);
            return names;
        };
        QTRY_COMPARE(listed(), (QStringList{"a.bmp", "B.BMP", "sub"}));
        QStringList shown{dialog->windowTitle()};
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            if (label->isVisibleTo(dialog.get())) shown << label->text();
        for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            if (button->isVisibleTo(dialog.get())) shown << button->text() << button->toolTip();
        for (int i = 0; i < 4; ++i)
            shown << files->model()->headerData(i, Qt::Horizontal).toString();
        for (int row = 0; row < 3; ++row) {
            shown << index(row, 3).data().toString();  // the date; and the folder's type
            if (index(row, 0).data() == "sub") shown << index(row, 2).data().toString();
        }
        QCOMPARE(english(shown), QStringList());
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
