// SPDX-License-Identifier: GPL-3.0-or-later
// What reaches the files a copybook is saved as, through the sheet window headless: the same
// files from the window, under any desktop colours, as from `zige copybook`, a cancelled save
// that leaves nothing behind, and what the text's characters become.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "grid_sheet/copybook_page_characters.h"
#include "grid_sheet/copybook_page_pinyin.h"
#include "grid_sheet/sheet_window.h"
#include "test_support.h"
#include "ui/picture_box.h"

using namespace zige;
using namespace zige::test;

namespace {

QPalette darkPalette() {
    QPalette dark;
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        dark.setColor(role, QColor(30, 30, 30));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(230, 230, 230));
    return dark;
}

}  // namespace

class SheetOutputsTest : public QObject {
    Q_OBJECT

    std::shared_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<SheetWindow> window;
    std::unique_ptr<QTemporaryDir> folder;
    QImage plain;  // the sheet a new window shows

    template <typename T>
    T* control(const char* name) const {
        T* widget = window->findChild<T*>(QLatin1String(name));
        if (!widget) qFatal("no control %s", name);
        return widget;
    }
    QString path(const QString& name) const { return folder->filePath(name); }
    QImage screen() const {
        return control<PictureBox>("Picture2")->Image().convertToFormat(QImage::Format_RGB32);
    }
    void newWindow() {
        window = std::make_unique<SheetWindow>(prompts);
        window->Form_Load();
        window->show();
    }
    // Types into lists ("Combo5=8 Combo6=3") and redraws as a pick would.
    void redraw(const QString& texts) {
        for (const QString& text : texts.split(' ', Qt::SkipEmptyParts))
            control<QComboBox>(qPrintable(text.section('=', 0, 0)))
                ->setEditText(text.section('=', 1));
        window->Form_Resize();
    }
    // Saves the sheet through the menu entry `output` as `name`.
    void save(const char* output, const QString& name) {
        prompts->files = {path(name)};
        window->findChild<QAction*>(output)->trigger();
    }
    QLabel* openCopybook(const QString& text) {
        window->findChild<QAction*>("copybook")->trigger();
        control<QPlainTextEdit>("practiceText")->setPlainText(text);
        return control<QLabel>("report");
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("poppler-utils is not installed");
    }
    void init() {
        startWithoutSettings();
        folder = std::make_unique<QTemporaryDir>();
        prompts = std::make_shared<ScriptedPrompts>();
        newWindow();
        plain = screen();
    }
    void cleanup() {
        window.reset();
        QGuiApplication::setPalette(QPalette());
    }

    // `zige copybook` writes, byte for byte, the files the window saves for the same settings,
    // a set of images one file per page, for the practice page's settings and the sheet window's
    // lists, words and dictation, or a school preset changed on the other pages. The screen shows
    // what the first image holds. A dark desktop darkens the screen's canvas, never the paper.
    // The settings come back in the next run once the dialog is opened, the sheet plain till then.
    void commandWritesWhatTheWindowSaves_data() {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QString>("text");
        // "name=value" for a spin box, a list (an index, or an entry's text) or a text box; a
        // bare name ticks a box or clicks a button.
        QTest::addColumn<QStringList>("dialog");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("pale red in 田字格, pinyin on four lines, dark desktop")
            << true << "永字八法"
            << QStringList{"models=2", "traces=2", "grid=1", "tint=1", "lightness=60", "pinyin"}
            << QStringList{"--models", "2",   "--traces",    "2",  "--grid",  "tian",
                           "--tint",   "red", "--lightness", "60", "--pinyin"};
        QTest::newRow("words, simple pinyin")
            << false << "学习 长(cháng)城" << QStringList{"pinyin", "pinyinStyle=1", "unit=1"}
            << QStringList{"--pinyin-style", "simple", "--words"};
        QTest::newRow("dictation and answers")
            << false << "学习 银行(háng)" << QStringList{"unit=1", "dictation", "answers", "grid=1"}
            << QStringList{"--words", "--answers", "--grid", "tian"};
        QTest::newRow("school pages")
            << false << "永字八法"
            << QStringList{"preset-grade1", "paper=A5 纸",  "landscape",  "wholeRows",
                           "traceStyle=2",  "title=第一课", "grid=回宫格"}
            << QStringList{"--preset",    "grade1",       "--paper",       "A5",
                           "--landscape", "--whole-rows", "--trace-style", "both",
                           "--title",     "第一课",       "--grid",        "huigong"};
        QTest::newRow("stroke order on a school page with pinyin on four lines")
            << false << "永字" << QStringList{"preset-grade1", "pinyin",        "traceStyle=1",
                                              "strokeOrder",   "strokeNumbers", "traceStrokes=2"}
            << QStringList{"--preset",         "grade1",          "--pinyin",
                           "--trace-style",    "outline",         "--stroke-order",
                           "--stroke-numbers", "--trace-strokes", "2"};
    }
    void commandWritesWhatTheWindowSaves() {
        QFETCH(bool, dark);
        QFETCH(QString, text);
        QFETCH(QStringList, dialog);
        QFETCH(QStringList, options);
        openCopybook(text);
        for (const QString& setting : dialog) {
            const QString name = setting.section('=', 0, 0), value = setting.section('=', 1);
            bool number = false;
            const int index = value.toInt(&number);
            if (auto* box = window->findChild<QSpinBox*>(name)) box->setValue(index);
            if (auto* list = window->findChild<QComboBox*>(name))
                number ? list->setCurrentIndex(index) : list->setCurrentText(value);
            if (auto* line = window->findChild<QLineEdit*>(name)) line->setText(value);
            if (auto* tick = window->findChild<QCheckBox*>(name)) tick->setChecked(true);
            if (auto* button = window->findChild<QPushButton*>(name)) button->click();
        }
        redraw("Combo5=8 Combo6=3 Combo4=4 Combo9=16");
        const QImage shown = screen();
        if (dark) {
            QGuiApplication::setPalette(darkPalette());
            window->Form_Resize();
            QCOMPARE(screen().pixelColor(2, 2), QColor(30, 30, 30));
        }
        save("exportPng", "window.png");
        save("saveBmp", "window.bmp");
        save("exportPdf", "window.pdf");
        for (const char* name : {"command.png", "command.bmp", "command.pdf"}) {
            QProcess command;
            command.start(ZIGE_PROGRAM,
                          QStringList{"copybook", text} + options +
                              QStringList{"--columns", "8", "--rows", "3", "--row-gap", "4",
                                          "--top-margin", "16", "-o", path(name)});
            QVERIFY(command.waitForFinished(60000));
            QCOMPARE(command.exitCode(), 0);
        }
        for (const char* name : {"%1.png", "%1-2.png", "%1.bmp", "%1-2.bmp"})
            QCOMPARE(fileBytes(path(QString(name).arg("command"))),
                     fileBytes(path(QString(name).arg("window"))));
        const QList<QImage> pages = pdfPages(path("window.pdf"), 40);
        QCOMPARE(pdfPages(path("command.pdf"), 40), pages);
        QVERIFY(countPixels(pages.value(pages.size() - 1), isDark) > 50);  // models, not blanks
        QCOMPARE(shown, QImage(path("window.bmp")).convertToFormat(QImage::Format_RGB32));
        const CopybookSettings settings = window->copybook().settings;
        QGuiApplication::setPalette(QPalette());
        newWindow();
        QCOMPARE(screen(), plain);
        window->findChild<QAction*>("copybook")->trigger();
        QVERIFY(window->copybook().settings == settings);
    }

    // A copybook laid out wider than its paper is not cut without a word: the 纸张 page says so
    // and offers the columns that fit, which then print whole, the paper's right edge blank.
    void tooWideIsFitted() {
        const QLabel* report = openCopybook("永");
        redraw("Combo1=15");  // 14 columns of 15 units: 250.8 mm
        QVERIFY2(report->text().contains("最多放 11 列"), qPrintable(report->text()));
        control<QPushButton>("fitColumns")->click();
        QCOMPARE(control<QComboBox>("Combo5")->currentText(), "11");
        QVERIFY(!report->text().contains("截去"));
        save("exportPdf", "fitted.pdf");
        const QImage page = pdfPages(path("fitted.pdf"), 40).value(0);
        QCOMPARE(countPixels(page.copy(page.width() - 20, 0, 20, page.height()), isInk), 0);
    }

    // The reading pickers list each place of a character with more than one reading, write the
    // one picked into the text, and list only the first places of a long text; a GB18030 file's
    // hanzi become the text, and what is no hanzi is named.
    void readingsAndTextSources() {
        openCopybook("长城 校长");
        QPlainTextEdit* text = control<QPlainTextEdit>("practiceText");
        QCoreApplication::processEvents();
        QAbstractItemModel* listed = control<QTableView>("readings")->model();
        QCOMPARE(listed->rowCount(), 3);                             // 长 校 长
        for (const QString reading : {"cháng", "zhǎng", "cháng"}) {  // each replaces the last
            listed->setData(listed->index(0, 2), reading);
            QCoreApplication::processEvents();
        }
        QCOMPARE(text->toPlainText(), "长(cháng)城 校长");
        QCOMPARE(window->copybook().rows.value(0).readings, QStringList{"cháng"});

        control<QSpinBox>("tableLast")->setValue(3500);
        control<QPushButton>("tableAdd")->click();
        QCoreApplication::processEvents();
        QCOMPARE(listed->rowCount(), PinyinPage::kMostListed);
        QVERIFY(control<QLabel>("readingCount")->text().contains("只列出前 300 处"));

        QVERIFY(writeFile(path("gb18030.txt"),
                          QStringEncoder("GB18030").encode(u"长(cháng)城，hello!\n校长")));
        window->findChild<CharactersPage*>()->openTextFile(path("gb18030.txt"));
        QCOMPARE(text->toPlainText(), "长(cháng)城\n校长");
        QVERIFY(control<QLabel>("charactersNote")->text().contains("7 个不是汉字的字符已略去"));
    }

    // A long save shows its progress; 取消 leaves no new file behind and the old one as it was.
    void cancelledSaveLeavesNothing() {
        openCopybook(QString(2000, u'永'));
        QVERIFY(writeFile(path("book.png"), "old"));
        bool shown = false;
        QTimer cancel;
        connect(&cancel, &QTimer::timeout, [&] {
            for (QProgressDialog* dialog : window->findChildren<QProgressDialog*>())
                if (dialog->isVisible() && !shown) {
                    shown = true;
                    dialog->findChild<QPushButton*>()->click();
                }
        });
        cancel.start(20);
        save("exportPng", "book.png");
        QVERIFY(shown);
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"book.png"});
        QCOMPARE(fileBytes(path("book.png")), "old");
        QVERIFY(prompts->asked.size() == 1);  // the overwrite question, and no failure
    }

    // One cell per user-perceived character; what no face draws and what cannot be seen is left
    // out and named, in a report of a few lines however many there are, each isolated so that a
    // right-to-left mark cannot turn a line around.
    void whatTheTextHolds() {
        const QString text = QString::fromUcs4(U"永🇨🇳👍🏽e\u0301字\u200F");
        QCOMPARE(practiceCharacters(text).size(), 6);
        QString unknown;  // 300 characters of CJK extension G, which no installed face has
        for (char32_t c = 0x30000; c < 0x3012C; ++c) unknown += QString::fromUcs4(&c, 1);
        const QLabel* report = openCopybook(text + unknown);
        const Copybook& book = window->copybook();
        QCOMPARE(book.rows.value(0).characters, QStringList{"永"});
        QVERIFY(book.rows.size() <= 5);  // the emoji may be drawn where a face has them
        QCOMPARE(book.report.undrawable.size() + book.rows.size(), 305);
        QCOMPARE(book.report.invisible, QStringList{"\u200F"});
        const QStringList lines = report->text().split('\n');
        QVERIFY2(lines.size() <= 4, qPrintable(report->text()));
        QVERIFY(lines.filter("个字没有字体能显示，已略去：").value(0).endsWith(" 等"));
        QVERIFY(lines.filter("不可见的控制字符").value(0).endsWith("U+200F"));
        QVERIFY(report->sizeHint().height() < 8 * report->fontMetrics().lineSpacing());
    }
};

QTEST_MAIN(SheetOutputsTest)
#include "test_sheet_outputs.moc"
