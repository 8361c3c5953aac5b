// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven headless: codes, information lines, choosing, redraws, the listing.
#include <QtTest>

#include "canvas/glyph_cache.h"
#include "grid_sheet/sheet_window.h"
#include "main_window/character_code.h"
#include "main_window/info_lines.h"
#include "window_under_test.h"

using namespace zige;
using namespace zige::test;

namespace {

// The character that the listing writes on line `index` (from 0).
QString listed(int index) { return CharFromZonePosition(16 + index / 94, 1 + index % 94); }

// Calls `seen` with every event of the objects it filters, letting all through.
struct EventWatch : QObject {
    explicit EventWatch(std::function<void(QObject*, QEvent*)> seen) : seen(std::move(seen)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        seen(watched, event);
        return false;
    }
    std::function<void(QObject*, QEvent*)> seen;
};

// Whether the whole library text is in `family` at `size` points.
bool formattedAs(const QTextEdit* library, qreal size, const QString& family) {
    QTextCursor cursor(library->document());
    for (int i = 1; i < library->document()->characterCount(); ++i) {
        cursor.setPosition(i);
        const QTextCharFormat format = cursor.charFormat();
        if (!qFuzzyCompare(format.fontPointSize(), size) ||
            format.fontFamilies().toStringList() != QStringList{family})
            return false;
    }
    return true;
}

const QString kWide = QString::fromUcs4(U"\U00020000");

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowUnderTest> w;

private slots:
    void init() { w = std::make_unique<WindowUnderTest>(); }
    void cleanup() { w.reset(); }

    // 退出 asks without an icon, and No keeps the program (Yes is run end to end).
    void exitAsks() {
        w->prompts->answers = {Prompts::Answer::No};
        w->click("Command4");
        QCOMPARE(w->questions(), QStringList{"提示: 是否退出程序? (YesNo)"});
        QVERIFY(w->window->isVisible());
    }

    // hz.txt missing, a folder, or the library: the text follows both lists, the caret kept.
    void libraryView_data() {
        QTest::addColumn<QString>("beside");
        QTest::addColumn<QString>("shown");
        const QString failed = "未正常加载汉字库文件\"hz.txt\"";
        QTest::newRow("missing") << "" << failed;
        QTest::newRow("a folder") << "folder" << failed;
        QTest::newRow("the library") << "library" << QString("一级汉字");
    }
    void libraryView() {
        QFETCH(QString, beside);
        QFETCH(QString, shown);
        QTemporaryDir folder;
        const QString path = folder.filePath("hz.txt");
        if (beside == "folder") QVERIFY(QDir().mkdir(path));
        if (beside == "library") QVERIFY(QFile::copy(ZIGE_SOURCE_DIR "/data/hz.txt", path));
        w = std::make_unique<WindowUnderTest>(QStringList{"宋体", "Arial"}, path);
        QTextEdit* library = w->child<QTextEdit>("RichTextBox1");
        QVERIFY2(library->toPlainText().startsWith(shown), qPrintable(library->toPlainText()));
        QVERIFY(formattedAs(library, 16, "宋体") && library->textCursor().position() == 0);
        QTextCursor caret = library->textCursor();
        caret.setPosition(7);
        library->setTextCursor(caret);
        w->pick("Combo9", "20");
        w->pick("Combo1", "Arial");
        QVERIFY(formattedAs(library, 20, "Arial") && library->textCursor().position() == 7);
    }

    // Both ways for every code of zones 1 to 87 that code page 936 assigns.
    void everyCodeAgreesWithCodePage936() {
        QStringList wrong;
        int hanzi = 0;
        for (int zone = 1; zone <= 87; ++zone)
            for (int position = 1; position <= 94; ++position) {
                const QString expected = iconvCp936(zone + 0xA0, position + 0xA0);
                if (expected.isEmpty()) continue;  // unassigned in code page 936
                hanzi += zone >= 16;
                const auto code = ZonePositionFromChar(expected);
                if (CharFromZonePosition(zone, position) != expected || !code ||
                    QPoint(code->zone, code->position) != QPoint(zone, position))
                    wrong.append(QString("%1/%2").arg(zone).arg(position));
            }
        QCOMPARE(wrong, QStringList());
        QCOMPARE(hanzi, 6763);
    }

    // The information lines of every kind of character, and the font line.
    void infoLines() {
        const QString empty = CharFromZonePosition(55, 90), box = " · 字格 42.3 × 42.3 mm";
        const QString hanzi = "啊 a · 口部 · 10 画 · 区位 1601 · GB B0A1 · U+554A";
        QStringList got{characterInfo("啊", "2400", "1200"), characterInfo("啊", "2400", "x")};
        for (const QString& c : {empty, QString("，"), QString("丂"), kWide, QString()})
            got << characterInfo(c, "2400", "2400");
        QCOMPARE(got, (QStringList{hanzi + " · 字格 42.3 × 21.2 mm", hanzi,
                                   empty + " 区位 5590 · GB D7FA · U+E810" + box,
                                   "， 区位 0312 · GB A3AC · U+FF0C · 符号，不是汉字" + box,
                                   "丂 不在 GB2312 字符集内（GBK 扩展字） · U+4E02" + box,
                                   kWide + " 不在 GB2312 字符集内 · U+20000" + box, "未选择汉字"}));
        GlyphCache fonts;
        const QString cjk = installedCjkFamily(), latin = "DejaVu Sans";
        if (cjk.isEmpty() || !QFontDatabase::families().contains(latin))
            QSKIP("no CJK font or no DejaVu Sans (a font without CJK) installed");
        QCOMPARE(fontInfo(fonts, cjk, "120", "啊"), "字体「" + cjk + "」 · 120 磅（42.3 mm）");
        QVERIFY(
            fontInfo(fonts, "No Such Font", "120", "啊").startsWith("注意：未安装字体「No Such"));
        QVERIFY(fontInfo(fonts, latin, "120", "啊")
                    .startsWith("注意：所选字体「DejaVu Sans」不含此字"));
    }

    // Typing ("^": at 0), deleting or a step: only a character of the lists' zones redraws.
    void choosing_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("after");  // the lists, CurrentChar, the box, " drawn"
        // clang-format off
        QTest::newRow("typed after the first") << "30/2" << "中" << "国" << "54/48 中 中 drawn";
        QTest::newRow("typed before the first") << "30/2" << "中" << "^国" << "25/90 国 国 drawn";
        QTest::newRow("typed, a zone not listed") << "30/2" << "" << "，" << "30/2 ， ，";
        QTest::newRow("typed, a surrogate pair") << "30/2" << "" << kWide + "中"
                                                 << "30/2 " + kWide + ' ' + kWide;
        QTest::newRow("deleted") << "30/2" << "中" << "delete" << "30/2  ";
        QTest::newRow("next across zones") << "16/94" << "X" << "next" << "17/1 薄 薄 drawn";
        QTest::newRow("previous at the start") << "16/1" << "X" << "previous" << "16/1 啊 啊 drawn";
        QTest::newRow("next at the end") << "87/94" << "X" << "next" << "87/94 齄 齄 drawn";
        QTest::newRow("previous, no position") << "17/" << "X" << "previous" << "16/94 剥 剥 drawn";
        QTest::newRow("previous fails") << "16/" << "X" << "previous" << "16/ X X";
        // clang-format on
    }
    void choosing() {
        QFETCH(QString, from);
        QFETCH(QString, box);
        QFETCH(QString, action);
        QVERIFY(QTest::qWaitForWindowActive(w->window));
        w->combo("Combo2")->setCurrentIndex(from.section('/', 0, 0).toInt() - 16);
        w->combo("Combo3")->setCurrentIndex(from.section('/', 1).toInt() - 1);
        QLineEdit* text2 = w->child<QLineEdit>("Text2");
        text2->setText(box);
        text2->setFocus();
        w->window->CurrentChar = box;
        w->child<PictureBox>("Picture1")->canvas().Cls();
        const char* button = action == "next" ? "Command3" : "Command2";
        if (action == "next" || action == "previous") {
            QTest::mouseClick(w->child(button), Qt::LeftButton);
        } else if (action == "delete") {
            text2->selectAll();
            QTest::keyClick(text2, Qt::Key_Delete);
        } else {
            text2->setCursorPosition(action.startsWith('^') ? 0 : int(box.size()));
            w->commit(QString(action).remove('^'));
        }
        QTEST(w->lists() + ' ' + w->window->CurrentChar + ' ' + text2->text() +
                  (countPixels(w->view(), isRed) ? " drawn" : ""),
              "after");
        // A step's button comes back with the focus on the position list; typing sets the line.
        if (box == "X")
            QVERIFY(w->child(button)->isEnabled() && w->combo("Combo3")->hasFocus());
        else
            QCOMPARE(w->child<QLabel>("Label11")->text(),
                     characterInfo(text2->text(), "2400", "2400"));
    }

    // The grid box and the overlay switch redraw.
    void gridBoxAndOverlayRedraw() {
        w->pick("Combo7", "1200");
        QVERIFY(shareOnColumn(w->view("Picture2"), 27, 2, 150, isRed) > 0.45);  // 10 + 1200 / 3
        w->child<QCheckBox>("Check1")->click();
        w->pick("Combo3", "30");
        const QImage overlaid = w->view("Picture4");
        w->child<QCheckBox>("Check1")->click();
        QVERIFY(countPixels(w->view("Picture4"), isDark) < countPixels(overlaid, isDark));
    }

    // Each code's character on a line, then "End", whatever the user does in its yields.
    void listing_data() {
        QTest::addColumn<int>("emptyAt");  // the yield in which the user empties the box; 0: never
        QTest::addColumn<int>("stopAt");   // the yield in which the user clicks the box; 0: never
        // clang-format off
        QTest::newRow("the user busy") << 0 << 0; QTest::newRow("stopped at once") << 0 << 1;
        QTest::newRow("emptied, stopped") << 3 << 3; QTest::newRow("two more lines") << 3 << 5;
        // clang-format on
    }
    void listing() {
        QFETCH(int, emptyAt);
        QFETCH(int, stopAt);
        const QString cjk = installedCjkFamily(), otherFont = cjk.isEmpty() ? "黑体" : cjk;
        w = std::make_unique<WindowUnderTest>(QStringList{"宋体", otherFont});
        const int count = stopAt ? stopAt : 6768;
        QStringList problems, expected;
        QImage previousView;
        w->clickListingBox();  // before the start: no effect on the listing
        w->listWith([&](int pass) {
            // Before this yield's redraw the quick view shows the previous character (啊 twice).
            if (w->list()->isEnabled() || w->list()->text() != QString::number(pass) ||
                w->window->CurrentChar != listed(pass - 1) ||
                (!cjk.isEmpty() && pass > 2 && pass <= 40 && w->view("Picture4") == previousView))
                problems << QString::number(pass);
            previousView = w->view("Picture4");
            if (pass == 100) w->pick("Combo2", "17");
            if (pass == 300) w->pick("Combo1", otherFont);
            if (pass == 500) w->child<QLineEdit>("Text2")->selectAll(), w->commit("中");
            if (pass == 600) w->click("Command3");
            if (pass == 800) w->click("Command7");
            if (pass == emptyAt) w->child<QPlainTextEdit>("Text1")->clear();
            if (pass == stopAt) w->clickListingBox();
            return pass < count;
        });

        QCOMPARE(problems, QStringList());
        for (int i = emptyAt; i < count; ++i) expected.append(listed(i));
        QCOMPARE(w->window->listingText(), expected.join("\r\n") + "\r\nEnd");
        QVERIFY(w->list()->text() == "获取汉字" && w->list()->isEnabled());
        const QImage shown = w->view();
        w->window->RefreshViews();
        QCOMPARE(w->view(), shown);
        QCOMPARE(w->lists() + ' ' + w->window->CurrentChar,
                 stopAt ? "16/1 啊" : "54/49 " + CharFromZonePosition(54, 49));
        if (!stopAt) {
            QCOMPARE(w->combo("Combo1")->currentText(), otherFont);
            QVERIFY(w->window->sheetWindow() && w->window->sheetWindow()->isVisible());
            w->window->sheetWindow()->close();
        }
        w->listWith([&](int) {
            w->clickListingBox();
            return false;
        });
        QCOMPARE(w->window->listingText(), QStringLiteral("啊\r\nEnd"));
        QCOMPARE(w->questions(), QStringList(2, "提示: 点击按钮下方的文字显示框停止！ (Ok)"));
    }

    // A listing paints once per display frame at most; its end, and later changes, are painted.
    void listingPaintsOncePerFrame() {
        QVERIFY(QTest::qWaitForWindowExposed(w->window));
        const double rate = w->window->screen()->refreshRate();
        const double frame = 1000.0 / (rate >= 1 ? rate : 60);
        QWidget* box = w->child<QPlainTextEdit>("Text1")->viewport();
        const auto drawnAt = [&] {  // before a yield's redraw, the previous character is drawn
            return listed(std::max(w->list()->text().toInt() - 2, 0));
        };
        QElapsedTimer clock;
        QList<double> requests;  // when update requests reach the window, in milliseconds
        QList<std::pair<QString, QImage>> frames;  // the character and the rice view at a frame
        QStringList problems;
        int paints = 0, paintsAtEnd = 0, framesSincePass = 0;
        EventWatch watch([&](QObject* watched, QEvent* event) {
            if (event->type() == QEvent::UpdateRequest && w->list()->text().toInt() > 0) {
                requests.append(clock.nsecsElapsed() / 1e6);
                ++framesSincePass;
                const QString lines = characterInfo(drawnAt(), w->combo("Combo7")->currentText(),
                                                    w->combo("Combo8")->currentText());
                if (w->child<QLabel>("Label11")->text() != lines)
                    problems << "lines at frame " + QString::number(requests.size());
                if (frames.size() < 3 && drawnAt() != listed(0))
                    frames.append({drawnAt(), w->view()});
            }
            paints += event->type() == QEvent::Paint && watched == box;
        });
        w->window->installEventFilter(&watch);
        box->installEventFilter(&watch);
        QImage rice = w->view();
        clock.start();
        w->listWith([&](int pass) {
            if (w->view() != rice && framesSincePass == 0)
                problems << "rice view drawn without a frame in pass " + QString::number(pass);
            rice = w->view();
            framesSincePass = 0;
            paintsAtEnd = paints;
            if (requests.size() < 5 || clock.elapsed() < 12 * frame) return true;
            w->clickListingBox();
            return false;
        });
        QCOMPARE(problems, QStringList());
        QVERIFY2(requests.size() >= 5, "the window did not follow the listing");
        for (qsizetype i = 1; i < requests.size(); ++i)
            QVERIFY2(requests[i] - requests[i - 1] >= 0.75 * frame, "two paints in one frame");
        QTRY_VERIFY2(paints > paintsAtEnd, "the end of the listing is not painted");
        const int painted = paints;
        box->update();
        QTRY_VERIFY2(paints > painted, "the window no longer paints after the listing");
        for (const auto& [character, image] : frames) {
            w->window->CurrentChar = character;
            w->window->RefreshViews();
            const QImage drawn = w->view();
            int differ = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    differ += isDark(image.pixel(x, y)) != isDark(drawn.pixel(x, y));
            QVERIFY2(differ < countPixels(image, isDark) / 50,
                     qPrintable("the rice view at a frame is not " + character));
        }
    }

    // The window closed or destroyed in a yield: the listing and a filter stop, touching nothing.
    void windowGoesAway_data() {
        QTest::addColumn<int>("goneAt");
        QTest::addColumn<int>("filterAt");  // 0: no filter
        // Listing caption, lines, last; filter caption, fonts; "": destroyed.
        QTest::addColumn<QString>("left");
        // clang-format off
        QTest::newRow("closed in the hint") << 0 << 0 << "获取汉字 1 before, 过滤 300";
        QTest::newRow("closed in yield") << 20 << 0 << "20 20 " + listed(19) + ", 过滤 300";
        QTest::newRow("closed in a filter") << 20 << 5 << "5 5 " + listed(4) + ", 14 5";
        QTest::newRow("destroyed in the hint") << 0 << 0 << "";
        QTest::newRow("destroyed in yield") << 20 << 0 << "";
        QTest::newRow("destroyed in a filter") << 20 << 5 << "";
        // clang-format on
    }
    void windowGoesAway() {
        QFETCH(int, goneAt);
        QFETCH(int, filterAt);
        QFETCH(QString, left);
        const bool destroy = left.isEmpty();
        w = std::make_unique<WindowUnderTest>(manyFontNames());
        const auto goAway = [&] { destroy ? delete w->window.data() : void(w->window->close()); };
        if (goneAt == 0) w->prompts->duringMessage = goAway;
        w->child<QPlainTextEdit>("Text1")->setPlainText("before");
        QTimer::singleShot(0, [&] {
            w->listWith([&](int pass) {
                if (pass == filterAt) w->click("Command5");
                if (pass == goneAt) goAway();
                return pass < goneAt;
            });
            if (destroy) QCoreApplication::quit();
        });
        QTimer::singleShot(60000, w->window, [] { QCoreApplication::exit(1); });  // it hung
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(w->window.isNull(), destroy);
        if (destroy) return;
        const QStringList lines = w->window->listingText().split("\r\n");
        auto* filter = w->child<QPushButton>("Command5");
        QCOMPARE(w->list()->text() + ' ' + QString::number(lines.size()) + ' ' + lines.last() +
                     ", " + filter->text() + ' ' + QString::number(w->combo("Combo1")->count()),
                 left);
        QVERIFY(!w->window->isVisible() && w->list()->isEnabled() == !goneAt &&
                filter->isEnabled() == !filterAt);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
