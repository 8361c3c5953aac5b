// SPDX-License-Identifier: GPL-3.0-or-later
// A copybook's files from the sheet window: as the command's, cancelled, and its text.
#include "grid_sheet/copybook_page_characters.h"
#include "grid_sheet/copybook_page_pinyin.h"
#include "window_under_test.h"

using namespace zige;
using namespace zige::test;

class SheetOutputsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<SheetUnderTest> s;
    QImage plain;  // the sheet a new window shows

    QLabel* openCopybook(const QString& text) {
        s->practise(text);
        return s->child<QLabel>("report");
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("poppler-utils is not installed");
    }
    void init() {
        s = std::make_unique<SheetUnderTest>();
        plain = s->screen();
    }
    void cleanup() {
        s.reset();
        QGuiApplication::setPalette(QPalette());
    }

    // `zige copybook` writes the window's files byte for byte, under any desktop colours.
    void commandWritesWhatTheWindowSaves_data() {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QString>("text");
        // "name=value" for a spin box, list (index or text) or text box; a bare name ticks/clicks.
        QTest::addColumn<QStringList>("dialog");
        QTest::addColumn<QString>("options");
        // clang-format off
        QTest::newRow("pale red in 田字格, pinyin on four lines, dark desktop") << true << "永字八法"
            << QStringList{"models=2", "traces=2", "grid=1", "tint=1", "lightness=60", "pinyin"}
            << "--models 2 --traces 2 --grid tian --tint red --lightness 60 --pinyin";
        QTest::newRow("words, simple pinyin") << false << "学习 长(cháng)城"
            << QStringList{"pinyin", "pinyinStyle=1", "unit=1"} << "--pinyin-style simple --words";
        QTest::newRow("dictation and answers") << false << "学习 银行(háng)"
            << QStringList{"unit=1", "dictation", "answers", "grid=1"} << "--words --answers --grid tian";
        QTest::newRow("school pages") << false << "永字八法"
            << QStringList{"preset-grade1", "paper=A5 纸", "landscape", "wholeRows", "traceStyle=2", "title=第一课",
                           "grid=回宫格"}
            << "--preset grade1 --paper A5 --landscape --whole-rows --trace-style both --title 第一课 --grid huigong";
        QTest::newRow("stroke order on a school page with pinyin on four lines") << false << "永字"
            << QStringList{"preset-grade1", "pinyin", "traceStyle=1", "strokeOrder", "strokeNumbers", "traceStrokes=2"}
            << "--preset grade1 --pinyin --trace-style outline --stroke-order --stroke-numbers --trace-strokes 2";
        // clang-format on
    }
    void commandWritesWhatTheWindowSaves() {
        QFETCH(bool, dark);
        QFETCH(QString, text);
        QFETCH(QStringList, dialog);
        QFETCH(QString, options);
        openCopybook(text);
        for (const QString& setting : dialog) {
            const QString name = setting.section('=', 0, 0), value = setting.section('=', 1);
            bool number = false;
            const int index = value.toInt(&number);
            if (auto* box = s->window.findChild<QSpinBox*>(name)) box->setValue(index);
            if (auto* list = s->window.findChild<QComboBox*>(name))
                number ? list->setCurrentIndex(index) : list->setCurrentText(value);
            if (auto* line = s->window.findChild<QLineEdit*>(name)) line->setText(value);
            if (auto* tick = s->window.findChild<QCheckBox*>(name)) tick->setChecked(true);
            if (auto* button = s->window.findChild<QPushButton*>(name)) button->click();
        }
        s->typeAndPick("Combo5=8 Combo6=3 Combo4=4 Combo9=16");
        const QImage shown = s->screen();
        if (dark) {
            QPalette darkDesktop(QColor(30, 30, 30), QColor(30, 30, 30));  // white text
            darkDesktop.setColor(QPalette::Base, QColor(30, 30, 30));
            QGuiApplication::setPalette(darkDesktop);
            s->window.Form_Resize();
            QCOMPARE(s->screen().pixelColor(2, 2), QColor(30, 30, 30));
        }
        for (const auto& [entry, type] :
             {std::pair{"exportPng", "png"}, {"saveBmp", "bmp"}, {"exportPdf", "pdf"}}) {
            s->exported(entry, QString("window.") + type);
            QProcess command;
            command.start(
                ZIGE_PROGRAM,
                QStringList{"copybook", text} +
                    (options + " --columns 8 --rows 3 --row-gap 4").split(' ') +
                    QStringList{"--top-margin", "16", "-o", s->path(QString("command.") + type)});
            QVERIFY(command.waitForFinished(60000));
            QCOMPARE(command.exitCode(), 0);
        }
        for (const char* name : {"%1.png", "%1-2.png", "%1.bmp", "%1-2.bmp"})
            QCOMPARE(fileBytes(s->path(QString(name).arg("command"))),
                     fileBytes(s->path(QString(name).arg("window"))));
        const QList<QImage> pages = pdfPages(s->path("window.pdf"), 40);
        QCOMPARE(pdfPages(s->path("command.pdf"), 40), pages);
        QVERIFY(countPixels(pages.value(pages.size() - 1), isDark) > 50);  // models, not blanks
        QCOMPARE(shown, QImage(s->path("window.bmp")).convertToFormat(QImage::Format_RGB32));
        const CopybookSettings settings = s->window.copybook().settings;
        QGuiApplication::setPalette(QPalette());
        const std::shared_ptr<ScriptedPrompts> prompts = s->prompts;
        s.reset();
        SheetWindow next(prompts);
        next.Form_Load();
        next.show();
        QCOMPARE(
            childOf<PictureBox>(&next, "Picture2")->Image().convertToFormat(QImage::Format_RGB32),
            plain);
        childOf<QAction>(&next, "copybook")->trigger();
        QVERIFY(next.copybook().settings == settings);
    }

    // Too wide for its paper: the columns that fit are offered, and print whole.
    void tooWideIsFitted() {
        const QLabel* report = openCopybook("永");
        s->typeAndPick("Combo1=15");  // 14 columns of 15 units: 250.8 mm
        QVERIFY2(report->text().contains("最多放 11 列"), qPrintable(report->text()));
        s->child<QPushButton>("fitColumns")->click();
        QCOMPARE(s->child<QComboBox>("Combo5")->currentText(), "11");
        QVERIFY(!report->text().contains("截去"));
        s->exported("exportPdf", "fitted.pdf");
        const QImage page = pdfPages(s->path("fitted.pdf"), 40).value(0);
        QCOMPARE(countPixels(page.copy(page.width() - 20, 0, 20, page.height()), isInk), 0);
    }

    // The reading pickers write the one picked; a GB18030 file's hanzi become the text.
    void readingsAndTextSources() {
        openCopybook("长城 校长");
        QPlainTextEdit* text = s->child<QPlainTextEdit>("practiceText");
        QCoreApplication::processEvents();
        QAbstractItemModel* listed = s->child<QTableView>("readings")->model();
        QCOMPARE(listed->rowCount(), 3);                             // 长 校 长
        for (const QString reading : {"cháng", "zhǎng", "cháng"}) {  // each replaces the last
            listed->setData(listed->index(0, 2), reading);
            QCoreApplication::processEvents();
        }
        QCOMPARE(text->toPlainText(), "长(cháng)城 校长");
        QCOMPARE(s->window.copybook().rows.value(0).readings, QStringList{"cháng"});

        s->child<QSpinBox>("tableLast")->setValue(3500);
        s->child<QPushButton>("tableAdd")->click();
        QCoreApplication::processEvents();
        QCOMPARE(listed->rowCount(), PinyinPage::kMostListed);
        QVERIFY(s->child<QLabel>("readingCount")->text().contains("只列出前 300 处"));

        QVERIFY(writeFile(s->path("gb18030.txt"),
                          QStringEncoder("GB18030").encode(u"长(cháng)城，hello!\n校长")));
        s->window.findChild<CharactersPage*>()->openTextFile(s->path("gb18030.txt"));
        QCOMPARE(text->toPlainText(), "长(cháng)城\n校长");
        QVERIFY(s->child<QLabel>("charactersNote")->text().contains("7 个不是汉字的字符已略去"));
    }

    // A long save shows its progress; 取消 leaves no new file behind and the old one as it was.
    void cancelledSaveLeavesNothing() {
        openCopybook(QString(2000, u'永'));
        QVERIFY(writeFile(s->path("book.png"), "old"));
        bool shown = false;
        QTimer cancel;
        connect(&cancel, &QTimer::timeout, [&] {
            for (QProgressDialog* dialog : s->window.findChildren<QProgressDialog*>())
                if (dialog->isVisible() && !shown) {
                    shown = true;
                    dialog->findChild<QPushButton*>()->click();
                }
        });
        cancel.start(20);
        s->exported("exportPng", "book.png");
        QVERIFY(shown);
        QCOMPARE(QDir(s->folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"book.png"});
        QCOMPARE(fileBytes(s->path("book.png")), "old");
        QVERIFY(s->prompts->asked.size() == 1);  // the overwrite question, and no failure
    }

    // One cell per grapheme cluster; what no face draws or cannot be seen is named, in a few lines.
    void whatTheTextHolds() {
        const QString text = QString::fromUcs4(U"永🇨🇳👍🏽e\u0301字\u200F");
        QCOMPARE(practiceCharacters(text).size(), 6);
        QString unknown;  // 300 characters of CJK extension G, which no installed face has
        for (char32_t c = 0x30000; c < 0x3012C; ++c) unknown += QString::fromUcs4(&c, 1);
        const QLabel* report = openCopybook(text + unknown);
        const Copybook& book = s->window.copybook();
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
