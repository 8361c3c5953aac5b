// The main window driven headless: start-up state, the character library view, choosing and
// typing a character, the redraw triggers, activation, exit and close.
#include <QtTest>

#include "grid_sheet/sheet_window.h"
#include "main_window/info_lines.h"
#include "ui/picture_box.h"
#include "window_under_test.h"

using namespace zige;
using namespace zige::test;

namespace {

// The first position in the library text not in `family` at `size`, or -1.
int misformatted(const QTextEdit* library, qreal size, const QString& family) {
    QTextCursor cursor(library->document());
    for (int i = 1; i < library->document()->characterCount(); ++i) {
        cursor.setPosition(i);
        const QTextCharFormat format = cursor.charFormat();
        if (!qFuzzyCompare(format.fontPointSize(), size) ||
            format.fontFamilies().toStringList() != QStringList{family})
            return i;
    }
    return -1;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowUnderTest> w;

private slots:
    // Neither preferred font is installed here.
    void init() {
        w = std::make_unique<WindowUnderTest>(QStringList{"DejaVu Sans", "AR PL UKai CN"});
    }
    void cleanup() { w.reset(); }

    void startUpState() {
        QStringList lists;  // entries: first..last, selected
        for (const char* name :
             {"Combo4", "Combo2", "Combo3", "Combo5", "Combo6", "Combo7", "Combo8", "Combo9"}) {
            const QComboBox* c = w->combo(name);
            lists.append(QString("%1 %2: %3..%4, %5")
                             .arg(name)
                             .arg(c->count())
                             .arg(c->itemText(0), c->itemText(c->count() - 1), c->currentText()));
            QVERIFY(!c->isEditable());
        }
        QCOMPARE(lists, (QStringList{"Combo4 191: 10..200, 120", "Combo2 72: 16..87, 16",
                                     "Combo3 94: 1..94, 1", "Combo5 51: 0..500, 10",
                                     "Combo6 61: 0..600, 10", "Combo7 278: 0..2770, 2400",
                                     "Combo8 278: 0..2770, 2400", "Combo9 191: 10..200, 16"}));
        QCOMPARE(w->window->CurrentChar, QStringLiteral("啊"));
        QCOMPARE(w->child<QLineEdit>("Text2")->text(), QStringLiteral("啊"));
        QVERIFY(!w->child<QCheckBox>("Check1")->isChecked());
        QCOMPARE(w->child<QLabel>("Label11")->text(),
                 QStringLiteral(
                     "啊 a · 口部 · 10 画 · 区位 1601 · GB B0A1 · U+554A · 字格 42.3 × 42.3 mm"));
        QVERIFY(w->child<QLabel>("Label12")->text().startsWith(QStringLiteral("未选择字体，用「")));
        // No font selected, and the views still show 啊.
        QCOMPARE(w->combo("Combo1")->count(), 2);
        QCOMPARE(w->combo("Combo1")->currentIndex(), -1);
        for (const char* name : {"Picture1", "Picture2", "Picture3", "Picture4"})
            QVERIFY2(countPixels(w->view(name), isDark) > 200, name);
    }

    // hz.txt, read from beside the program, here from a folder of the test's own so that suites
    // running alongside never see it come and go: missing, a folder, or the library.
    void libraryView() {
        QCOMPARE(QFileInfo(w->window->libraryPath()).absoluteFilePath(),
                 QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("hz.txt"));
        QTemporaryDir folder;
        const QString path = folder.filePath("hz.txt");
        const QString failed = "未正常加载汉字库文件\"hz.txt\"";
        for (const auto& [beside, text] :
             {std::pair{"", failed}, {"folder", failed}, {"library", "一级汉字"}}) {
            const auto clear = [&] {
                QDir().rmdir(path);
                QFile::remove(path);
            };
            clear();
            if (beside == QString("folder")) QVERIFY(QDir().mkdir(path));
            if (beside == QString("library"))
                QVERIFY(QFile::copy(ZIGE_SOURCE_DIR "/data/hz.txt", path));
            w = std::make_unique<WindowUnderTest>(QStringList{"宋体", "Arial"}, path);
            clear();

            QTextEdit* library = w->child<QTextEdit>("RichTextBox1");
            const QString shown = library->toPlainText();
            QVERIFY2(shown.startsWith(text), qPrintable(shown.left(40)));
            if (beside == QString("library")) QVERIFY(shown.contains("啊") && shown.contains("齄"));
            // The whole text takes the library size and the chosen font; the caret stands at 0.
            QCOMPARE(misformatted(library, 16, "宋体"), -1);
            QCOMPARE(library->textCursor().position(), 0);
            // Both follow their lists later, the caret staying where it is.
            QTextCursor caret = library->textCursor();
            caret.setPosition(7);
            library->setTextCursor(caret);
            w->pick("Combo9", "20");
            w->pick("Combo1", "Arial");
            QCOMPARE(library->textCursor().position(), 7);
            QCOMPARE(misformatted(library, 20, "Arial"), -1);
        }
    }

    // Typed or pasted text is cut to its first character; only a GB2312 character (zones 16 to
    // 87) chooses a code and redraws, anything else is kept for the next redraw. From 30/2 with
    // `before` in the box, `typed` is committed at its end, at 0 after "^"; "" deletes it all.
    void typing() {
        const QString wide = QString::fromUcs4(U"\U00020000");
        for (const auto& [before, typed, box, lists] :
             QList<std::array<QString, 4>>{{"", "中", "中", "54/48"},
                                           {"", "中国", "中", "54/48"},
                                           {"中", "国", "中", "54/48"},
                                           {"中", "^国", "国", "25/90"},
                                           {"", "A", "A", "30/2"},
                                           {"", "，", "，", "30/2"},
                                           {"", wide, wide, "30/2"},
                                           {"", "丂", "丂", "30/2"},
                                           {"中", "", "", "30/2"}}) {
            w->pick("Combo2", "30");
            w->pick("Combo3", "2");
            QLineEdit* text2 = w->child<QLineEdit>("Text2");
            text2->setText(before);
            const QImage drawn = w->view();
            if (typed.isEmpty()) {
                text2->selectAll();
                QTest::keyClick(text2, Qt::Key_Delete);
            } else {
                text2->setCursorPosition(typed.startsWith('^') ? 0 : int(before.size()));
                w->commit(QString(typed).remove('^'));
            }
            const bool redrawn = lists != "30/2";
            QCOMPARE(typed + " → " + text2->text() + ' ' + w->window->CurrentChar + ' ' +
                         w->lists() + (w->view() != drawn ? " redrawn" : ""),
                     typed + " → " + box + ' ' + box + ' ' + lists + (redrawn ? " redrawn" : ""));
            QCOMPARE(w->child<QLabel>("Label11")->text(), characterInfo(box, "2400", "2400"));
            w->pick("Combo4", "120");  // any redraw shows what was kept
            QVERIFY(w->view() != drawn || redrawn);
        }
    }

    void gridBoxAndOverlayRedraw() {
        w->pick("Combo7", "1200");
        QVERIFY(shareOnColumn(w->view("Picture2"), 27, 2, 150, isRed) >
                0.45);  // 10 + 1200 / 3 = 410 twips
        w->child<QCheckBox>("Check1")->click();
        w->pick("Combo2", "30");
        w->pick("Combo3", "30");
        const QImage overlaid = w->view("Picture4");
        w->child<QCheckBox>("Check1")->click();
        QVERIFY(countPixels(w->view("Picture4"), isDark) < countPixels(overlaid, isDark));
        // A bad value in a list is not reported and changes nothing else.
        w->combo("Combo5")->addItem("x");
        w->pick("Combo5", "x");
        QCOMPARE(countPixels(w->view(), isWhite), 185 * 185);
        QVERIFY(w->prompts->asked.isEmpty());
    }

    void exitAsksAndCloseDoesNot() {
        QVERIFY(QTest::qWaitForWindowExposed(w->window));
        w->prompts->answers = {Prompts::Answer::No};
        w->click("Command4");
        QCOMPARE(w->questions(), QStringList{"提示: 是否退出程序? (YesNo)"});
        QVERIFY(w->window->isVisible());
        QCOMPARE(w->window->CurrentChar, QStringLiteral("啊"));

        w->click("Command7");
        QPointer<SheetWindow> sheet = w->window->sheetWindow();
        QVERIFY(sheet && sheet->isVisible());
        w->prompts->answers = {Prompts::Answer::Yes};
        w->click("Command4");
        QVERIFY(!w->window->isVisible());
        QTRY_VERIFY(!sheet);

        init();
        w->window->close();
        QVERIFY(w->prompts->asked.isEmpty());
        QVERIFY(!w->window->isVisible());
    }

    void comingBackPutsTheFocusOnThePositionList() {
        w->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w->window));
        QTRY_VERIFY(w->combo("Combo3")->hasFocus());
        w->child<QLineEdit>("Text2")->setFocus();
        w->click("Command7");
        QVERIFY(QTest::qWaitForWindowActive(w->window->sheetWindow()));
        w->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w->window));
        QTRY_VERIFY(w->combo("Combo3")->hasFocus());
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
