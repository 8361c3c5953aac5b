// The main window driven headless: start-up state, layout, choosing and typing a character,
// the redraw triggers, activation, exit and close.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include "grid_sheet/sheet_window.h"
#include "main_window/main_window.h"
#include "surface/picture_box.h"
#include "test_support.h"

using namespace zige;
using namespace zige::test;

namespace {

QStringList fontsWithout() { return {QStringLiteral("DejaVu Sans"), QStringLiteral("AR PL UKai CN")}; }

// What an input method delivers when the user commits text: the way Chinese reaches the box.
void commit(QLineEdit* box, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(box, &event);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::shared_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<MainWindow> window;

    template <typename T>
    T* control(const char* name) const {
        T* widget = window->findChild<T*>(QLatin1String(name));
        if (!widget) qFatal("no control %s", name);
        return widget;
    }
    QComboBox* list(const char* name) const { return control<QComboBox>(name); }
    QImage view(const char* name) const { return control<PictureBox>(name)->Image(); }
    void pick(const char* name, const QString& text) {
        QComboBox* combo = list(name);
        combo->setCurrentIndex(combo->findText(text));
        emit combo->activated(combo->currentIndex());
    }
    void start(FontSource fonts = fontsWithout) {
        prompts = std::make_shared<ScriptedPrompts>();
        window = std::make_unique<MainWindow>(prompts, std::move(fonts));
        window->Form_Load();
    }

private slots:
    void init() { start(); }
    void cleanup() { window.reset(); }

    void startUpState() {
        struct Expected {
            const char* name;
            int count;
            const char* first;
            const char* last;
            const char* selected;
        };
        for (const Expected& e : {Expected{"Combo4", 191, "10", "200", "120"}, Expected{"Combo2", 72, "16", "87", "16"},
                                  Expected{"Combo3", 94, "1", "94", "1"}, Expected{"Combo5", 51, "0", "500", "10"},
                                  Expected{"Combo6", 61, "0", "600", "10"}, Expected{"Combo7", 278, "0", "2770", "2400"},
                                  Expected{"Combo8", 278, "0", "2770", "2400"}, Expected{"Combo9", 191, "10", "200", "16"}}) {
            QComboBox* combo = list(e.name);
            QCOMPARE(combo->count(), e.count);
            QCOMPARE(combo->itemText(0), QLatin1String(e.first));
            QCOMPARE(combo->itemText(combo->count() - 1), QLatin1String(e.last));
            QCOMPARE(combo->currentText(), QLatin1String(e.selected));
            QVERIFY(!combo->isEditable());
        }
        QCOMPARE(list("Combo7")->currentIndex(), 240);
        QCOMPARE(window->CurrentChar, QStringLiteral("啊"));
        QCOMPARE(control<QLineEdit>("Text2")->text(), QStringLiteral("啊"));
        QVERIFY(!control<QCheckBox>("Check1")->isChecked());
        QCOMPARE(control<QLabel>("Label11")->text(), QStringLiteral("啊 区位 1601 · GB B0A1 · U+554A · 字格 42.3 × 42.3 mm"));
        QVERIFY(control<QLabel>("Label12")->text().startsWith(QStringLiteral("未选择字体，用「")));
        QVERIFY(!control<QLabel>("Label11")->toolTip().isEmpty() && !control<QLabel>("Label12")->toolTip().isEmpty());
        // Neither preferred font is installed here: no selection, and the views still show 啊.
        QCOMPARE(list("Combo1")->count(), 2);
        QCOMPARE(list("Combo1")->currentIndex(), -1);
        for (const char* name : {"Picture1", "Picture2", "Picture3", "Picture4"})
            QVERIFY2(countPixels(view(name), isDark) > 200, name);
    }

    void preferredFonts_data() {
        QTest::addColumn<QStringList>("fonts");
        QTest::addColumn<QString>("selected");
        QTest::newRow("both") << QStringList{QStringLiteral("Arial"), QStringLiteral("楷体_GB2312"), QStringLiteral("宋体")}
                              << QStringLiteral("楷体_GB2312");
        QTest::newRow("song only") << QStringList{QStringLiteral("宋体"), QStringLiteral("Arial")} << QStringLiteral("宋体");
        QTest::newRow("vertical variant is not it") << QStringList{QStringLiteral("@宋体")} << QString();
    }
    void preferredFonts() {
        QFETCH(QStringList, fonts);
        QFETCH(QString, selected);
        start([fonts] { return fonts; });
        QCOMPARE(list("Combo1")->currentText(), selected);
        QCOMPARE(list("Combo1")->count(), fonts.size());
    }

    void libraryView_data() {
        QTest::addColumn<QString>("beside");  // what stands at hz.txt beside the program
        QTest::addColumn<QString>("text");    // what the view then begins with
        QTest::newRow("nothing") << "" << "未正常加载汉字库文件\"hz.txt\"";
        QTest::newRow("a folder") << "folder" << "未正常加载汉字库文件\"hz.txt\"";
        QTest::newRow("the library") << "library" << "一级汉字";
    }
    void libraryView() {
        QFETCH(QString, beside);
        QFETCH(QString, text);
        const QString path = MainWindow::libraryPath();
        QVERIFY(QFileInfo(path).dir() == QDir(QCoreApplication::applicationDirPath()));
        QDir().rmdir(path);
        QFile::remove(path);
        if (beside == "folder") QVERIFY(QDir().mkdir(path));
        if (beside == "library") QVERIFY(QFile::copy(ZIGE_SOURCE_DIR "/data/hz.txt", path));
        start([] { return QStringList{QStringLiteral("宋体"), QStringLiteral("Arial")}; });
        QDir().rmdir(path);
        QFile::remove(path);

        QTextDocument* document = control<QTextEdit>("RichTextBox1")->document();
        QVERIFY2(document->toPlainText().startsWith(text), qPrintable(document->toPlainText().left(40)));
        if (beside == "library") QVERIFY(document->toPlainText().contains("啊") && document->toPlainText().contains("齄"));
        // The whole text takes the library size and the chosen font; the caret stands at 0.
        int characters = 0;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                QCOMPARE(it.fragment().charFormat().fontPointSize(), 16.0);
                QCOMPARE(it.fragment().charFormat().fontFamilies().toStringList(), QStringList{QStringLiteral("宋体")});
                characters += it.fragment().length();
            }
        QVERIFY(characters >= 18);
        QCOMPARE(control<QTextEdit>("RichTextBox1")->textCursor().position(), 0);
    }

    void libraryFollowsSizeAndFontKeepingTheCaret() {
        QTextEdit* library = control<QTextEdit>("RichTextBox1");
        QTextCursor caret = library->textCursor();
        caret.setPosition(7);
        library->setTextCursor(caret);
        pick("Combo9", "20");
        pick("Combo1", "DejaVu Sans");
        QCOMPARE(library->textCursor().position(), 7);
        QTextCursor all(library->document());
        for (int i = 1; i <= library->document()->characterCount() - 1; ++i) {
            all.setPosition(i);
            QCOMPARE(all.charFormat().fontPointSize(), 20.0);
            QCOMPARE(all.charFormat().fontFamilies().toStringList(), QStringList{"DejaVu Sans"});
        }
    }

    void layout() {
        QCOMPARE(window->size(), QSize(709, 528));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QCOMPARE(window->objectName(), QStringLiteral("vorel"));
        struct Place {
            const char* name;
            QRect pixels;
        };
        for (const Place& p : {Place{"Command1", {4, 8, 65, 25}}, Place{"Combo3", {480, 11, 49, 20}},
                               Place{"Text1", {4, 40, 65, 449}}, Place{"RichTextBox1", {76, 40, 245, 449}},
                               Place{"Picture1", {328, 112, 185, 185}}, Place{"Picture4", {520, 304, 185, 185}},
                               Place{"Frame1", {328, 64, 377, 41}}, Place{"Combo8", {312, 16, 57, 20}},
                               Place{"Check1", {496, 64, 13, 12}}, Place{"Label12", {0, 512, 702, 12}}})
            QCOMPARE(control<QWidget>(p.name)->geometry(), p.pixels);
        QCOMPARE(control<QPushButton>("Command7")->text(), QStringLiteral("生成速成宝格"));
        QCOMPARE(control<QLabel>("Label10")->text(), QStringLiteral("字 大 小"));
        QCOMPARE(control<QGroupBox>("Frame1")->title(), QStringLiteral("字格定义(可适应不同字体)") + QString(22, QLatin1Char(' ')));
        QCOMPARE(control<QLabel>("Label3")->toolTip(), QStringLiteral("位号01~94"));
        QCOMPARE(control<QWidget>("Picture3")->toolTip(), QStringLiteral("八卦格"));
        QCOMPARE(control<QWidget>("Check1")->toolTip(), QStringLiteral("分析总体字体结构"));
        QCOMPARE(control<QPushButton>("Command5")->toolTip(), QStringLiteral("仅显示汉字字体"));

        // Tab order follows the design's tab indexes.
        QStringList order;
        QWidget* w = list("Combo9");
        do {
            if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
            w = w->nextInFocusChain();
        } while (w != list("Combo9") && order.size() < 40);
        QCOMPARE(order.mid(0, 8), (QStringList{"Combo9", "Command7", "Command6", "Command5", "Command4", "Combo8",
                                              "Combo7", "Combo6"}));
        QCOMPARE(order.indexOf(QStringLiteral("Combo3")) + 1, order.indexOf(QStringLiteral("Combo4")));
        QCOMPARE(order.last(), QStringLiteral("Check1"));
    }

    void choosingAZoneOrPosition() {
        pick("Combo2", QStringLiteral("87"));
        pick("Combo3", QStringLiteral("94"));
        QCOMPARE(window->CurrentChar, QStringLiteral("齄"));
        QCOMPARE(control<QLineEdit>("Text2")->text(), QStringLiteral("齄"));
        const QImage before = view("Picture4");
        pick("Combo2", QStringLiteral("55"));
        QCOMPARE(window->CurrentChar.size(), 1);  // 55/94 is empty in GB2312, and still drawn
        QVERIFY(view("Picture4") != before);
    }

    void typing_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed");  // committed at the end of `before`, or at 0 if it starts with "^"
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("position");
        QTest::addColumn<bool>("redrawn");
        QTest::newRow("zhong") << "" << "中" << "中" << "54" << "48" << true;
        QTest::newRow("a") << "" << "啊" << "啊" << "16" << "1" << true;
        QTest::newRow("paste two") << "" << "中国" << "中" << "54" << "48" << true;
        QTest::newRow("after") << "中" << "国" << "中" << "54" << "48" << true;
        QTest::newRow("in front") << "中" << "^国" << "国" << "25" << "90" << true;
        QTest::newRow("letter") << "" << "A" << "A" << "30" << "2" << false;
        QTest::newRow("full-width comma") << "" << "，" << "，" << "30" << "2" << false;
        QTest::newRow("beyond the BMP") << "" << QString::fromUcs4(U"\U00020000")
                                        << QString::fromUcs4(U"\U00020000") << "30" << "2" << false;
        QTest::newRow("beyond GB2312") << "" << "丂" << "丂" << "30" << "2" << false;
    }
    void typing() {
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(QString, box);
        QFETCH(QString, zone);
        QFETCH(QString, position);
        QFETCH(bool, redrawn);
        pick("Combo2", "30");
        pick("Combo3", "2");
        QLineEdit* text2 = control<QLineEdit>("Text2");
        text2->setText(before);
        const QImage drawn = view("Picture1");
        if (typed.startsWith(QLatin1Char('^'))) {
            text2->setCursorPosition(0);
            typed.remove(0, 1);
        } else {
            text2->end(false);
        }
        commit(text2, typed);
        QCOMPARE(text2->text(), box);
        QCOMPARE(window->CurrentChar, box);
        QCOMPARE(list("Combo2")->currentText(), zone);
        QCOMPARE(list("Combo3")->currentText(), position);
        QCOMPARE(view("Picture1") != drawn, redrawn);
        QVERIFY(control<QLabel>("Label11")->text().startsWith(box + " "));  // the lines follow typing
    }

    void deletingAndPasting() {
        QLineEdit* text2 = control<QLineEdit>("Text2");
        const QImage drawn = view("Picture1");
        text2->selectAll();
        QTest::keyClick(text2, Qt::Key_Delete);
        QCOMPARE(window->CurrentChar, QString());
        QCOMPARE(view("Picture1"), drawn);
        QGuiApplication::clipboard()->setText(QStringLiteral("中国"));
        text2->paste();
        QCOMPARE(text2->text(), QStringLiteral("中"));
        QCOMPARE(window->CurrentChar, QStringLiteral("中"));
    }

    void aLetterIsDrawnAtTheNextRedraw() {
        control<QLineEdit>("Text2")->clear();
        commit(control<QLineEdit>("Text2"), QStringLiteral("A"));
        const QImage drawn = view("Picture1");
        pick("Combo4", QStringLiteral("60"));  // any redraw shows the current character
        QVERIFY(view("Picture1") != drawn);
        QCOMPARE(window->CurrentChar, QStringLiteral("A"));
    }

    void gridBoxAndOverlayRedraw() {
        const QImage before = view("Picture2");
        pick("Combo7", QStringLiteral("1200"));
        QVERIFY(view("Picture2") != before);
        QVERIFY(shareOnColumn(view("Picture2"), 27, 2, 150, isRed) > 0.45);  // 10 + 1200 / 3 = 410 twips
        control<QCheckBox>("Check1")->click();
        pick("Combo2", QStringLiteral("30"));
        pick("Combo3", QStringLiteral("30"));
        const QImage overlaid = view("Picture4");
        control<QCheckBox>("Check1")->click();
        QVERIFY(countPixels(view("Picture4"), isDark) < countPixels(overlaid, isDark));
        // A bad value in a list is not reported and changes nothing else.
        list("Combo5")->addItem(QStringLiteral("x"));
        pick("Combo5", QStringLiteral("x"));
        QCOMPARE(countPixels(view("Picture1"), isWhite), 185 * 185);
        QVERIFY(prompts->asked.isEmpty());
    }

    void exitAsksAndCloseDoesNot() {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        prompts->answers = {Prompts::Answer::No};
        control<QPushButton>("Command4")->click();
        QCOMPARE(prompts->asked.size(), 1);
        QCOMPARE(prompts->asked[0].text, QStringLiteral("是否退出程序?"));
        QCOMPARE(prompts->asked[0].title, QStringLiteral("提示"));
        QCOMPARE(prompts->asked[0].buttons, Prompts::Buttons::YesNo);
        QVERIFY(window->isVisible());
        QCOMPARE(window->CurrentChar, QStringLiteral("啊"));

        control<QPushButton>("Command7")->click();
        QPointer<SheetWindow> sheet = window->sheetWindow();
        QVERIFY(sheet && sheet->isVisible());
        prompts->answers = {Prompts::Answer::Yes};
        control<QPushButton>("Command4")->click();
        QVERIFY(!window->isVisible());
        QTRY_VERIFY(!sheet);

        start();
        window->show();
        window->close();
        QVERIFY(prompts->asked.isEmpty());
        QVERIFY(!window->isVisible());
    }

    void comingBackPutsTheFocusOnThePositionList() {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTRY_VERIFY(list("Combo3")->hasFocus());
        control<QLineEdit>("Text2")->setFocus();
        control<QPushButton>("Command7")->click();
        QVERIFY(QTest::qWaitForWindowActive(window->sheetWindow()));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTRY_VERIFY(list("Combo3")->hasFocus());
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
