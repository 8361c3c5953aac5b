// Previous/next through the code order and the character listing, on the real window: the
// listing's exact text, its counter, stopping it, the handlers that run during its yields, and
// the window closed or destroyed in the middle of it.
#include <QtTest>

#include "grid_sheet/sheet_window.h"
#include "main_window/character_code.h"
#include "ui/frame_pacer.h"
#include "window_under_test.h"

using namespace zige;
using namespace zige::test;

namespace {

// The character that the listing writes on line `index` (from 0).
QString listed(int index) { return CharFromZonePosition(16 + index / 94, 1 + index % 94); }

const QString kHint = "提示: 点击按钮下方的文字显示框停止！ (Ok)";

struct Window : WindowUnderTest {
    using WindowUnderTest::WindowUnderTest;
    QPushButton* list() const { return child<QPushButton>("Command1"); }
    void clickListingBox() const {
        QTest::mouseClick(child<QPlainTextEdit>("Text1")->viewport(), Qt::LeftButton);
    }
    // Runs a listing in which `user` acts at every yield.
    void listWith(const std::function<bool(int)>& user) const {
        EachYield each(user);
        QTest::mouseClick(list(), Qt::LeftButton);
    }
    // The listing has ended: caption back, enabled, and the views show the current state.
    bool listingDone() const {
        const QImage shown = view();
        window->RefreshViews();
        return list()->text() == "获取汉字" && list()->isEnabled() && view() == shown;
    }
};

// When the window's update requests get through (to paint), and how often a widget paints.
struct PaintLog : QObject {
    PaintLog(QWidget* window, QWidget* widget) : widget(widget) {
        window->installEventFilter(this);
        widget->installEventFilter(this);
        clock.start();
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::UpdateRequest) requests.append(clock.nsecsElapsed() / 1e6);
        if (event->type() == QEvent::Paint && watched == widget) ++paints;
        return false;
    }
    QWidget* widget;
    QElapsedTimer clock;
    QList<double> requests;  // milliseconds
    int paints = 0;
};

}  // namespace

class NavigationListingTest : public QObject {
    Q_OBJECT

private slots:
    // Previous and next from a zone/position ("17/": a zone without a position). The views were
    // blank before the click and the character "X"; only a change of character redraws.
    void step() {
        const QString empty = CharFromZonePosition(55, 90), last = CharFromZonePosition(87, 1);
        const QString line = "%1 %2: %3 %4, grid %5";
        for (const auto& [button, from, after] :
             QList<std::tuple<QString, QString, QString>>{{"next", "16/94", "17/1 薄"},
                                                          {"previous", "17/1", "16/94 剥"},
                                                          {"next", "55/89", "55/90 " + empty},
                                                          {"next", "55/94", "56/1 亍"},
                                                          {"previous", "16/1", "16/1 啊"},
                                                          {"next", "87/94", "87/94 齄"},
                                                          {"next", "17/", "17/1 薄"},
                                                          {"previous", "17/", "16/94 剥"},
                                                          {"previous", "16/", "16/ X"},
                                                          {"next", "87/", "87/1 " + last}}) {
            Window w;
            QVERIFY(QTest::qWaitForWindowActive(w.window));
            w.combo("Combo2")->setCurrentIndex(from.section('/', 0, 0).toInt() - 16);
            w.combo("Combo3")->setCurrentIndex(from.section('/', 1).toInt() - 1);
            w.window->CurrentChar = "X";
            w.child<QLineEdit>("Text2")->setText("X");
            w.child("Text2")->setFocus();
            w.child<PictureBox>("Picture1")->canvas().Cls();
            QTest::mouseClick(w.child(button == "next" ? "Command3" : "Command2"), Qt::LeftButton);
            const QString text = w.child<QLineEdit>("Text2")->text();
            const bool grid = countPixels(w.view(), isRed) > 0;
            QCOMPARE(
                line.arg(button, from, w.lists() + ' ' + w.window->CurrentChar, text).arg(grid),
                line.arg(button, from, after, after.section(' ', 1)).arg(!after.endsWith('X')));
            QVERIFY(w.combo("Combo3")->hasFocus());
        }
    }

    // One full run (a redraw per character). At some yields the user picks, types or steps; the
    // listing keeps its order and finally returns to the lists' character.
    void completeListing() {
        const QString otherFont = installedCjkFamily().isEmpty() ? "黑体" : installedCjkFamily();
        Window w({"宋体", otherFont});
        const QMap<int, std::pair<std::function<void()>, QString>> actions = {
            // at yield: act, lists after
            {100, {[&] { w.pick("Combo2", "17"); }, "17/1"}},
            {300, {[&] { w.pick("Combo1", otherFont); }, "17/1"}},
            {500,
             {[&] {
                  w.child<QLineEdit>("Text2")->selectAll();
                  w.commit("中");
              },
              "54/48"}},
            {600, {[&] { w.click("Command3"); }, "54/49"}},
            {800, {[&] { w.click("Command7"); }, "54/49"}}};
        QStringList problems, captions;
        QImage previousView;
        const bool drawsHanzi = !installedCjkFamily().isEmpty();
        w.clickListingBox();  // before the start: no effect on the listing
        w.listWith([&](int pass) {
            captions.append(w.list()->isEnabled() ? "enabled" : w.list()->text());
            // Before this yield's redraw the views show the previous character (啊 twice at first).
            if (drawsHanzi && pass > 2 && pass <= 40 && w.view() == previousView)
                problems.append(QString("views at %1").arg(pass));
            previousView = w.view();
            if (w.window->CurrentChar != listed(pass - 1))
                problems.append(QString("order at %1").arg(pass));
            if (actions.contains(pass)) {
                actions[pass].first();
                if (w.lists() != actions[pass].second)
                    problems.append(QString("lists at %1: ").arg(pass) + w.lists());
            }
            if (pass == 100 && w.window->CurrentChar != "薄") problems.append("zone choice");
            return pass < 6768;
        });

        QCOMPARE(problems, QStringList());
        QCOMPARE(w.combo("Combo1")->currentText(), otherFont);
        QVERIFY(w.window->sheetWindow() && w.window->sheetWindow()->isVisible());
        w.window->sheetWindow()->close();
        QCOMPARE(w.questions(), QStringList{kHint});
        QStringList expected, counted;
        for (int i = 0; i < 6768; ++i)
            expected.append(listed(i)), counted.append(QString::number(i + 1));
        const QStringList lines = w.window->listingText().split("\r\n");
        QCOMPARE(lines, expected << "End");
        QCOMPARE(lines.first() + lines[6767], QStringLiteral("啊齄"));
        QCOMPARE(captions, counted);
        QCOMPARE(w.window->CurrentChar, CharFromZonePosition(54, 49));
        QVERIFY(w.listingDone());
    }

    // A click on the box ends the listing after the character in progress, with "End" last.
    void stoppedListing_data() {
        QTest::addColumn<int>("stopAt");   // the yield in which the user clicks the box
        QTest::addColumn<int>("emptyAt");  // the yield in which the user empties the box; 0: never
        QTest::newRow("first character") << 1 << 0;
        QTest::newRow("first of the next zone") << 95 << 0;
        QTest::newRow("box emptied, then stopped") << 3 << 3;
        QTest::newRow("box emptied, two more lines") << 5 << 3;
    }
    void stoppedListing() {
        QFETCH(int, stopAt);
        QFETCH(int, emptyAt);
        Window w;
        w.combo("Combo2")->setCurrentIndex(3);
        w.combo("Combo3")->setCurrentIndex(6);
        const auto stopIn = [&](int stop) {
            return [&w, stop, emptyAt](int pass) {
                if (pass == emptyAt) {
                    w.child("Text1")->setFocus();
                    QTest::keyClick(w.child("Text1"), Qt::Key_A, Qt::ControlModifier);
                    QTest::keyClick(w.child("Text1"), Qt::Key_Delete);
                }
                if (pass == stop) w.clickListingBox();
                return pass < stop;
            };
        };
        QStringList expected;
        for (int i = emptyAt; i < stopAt; ++i) expected.append(listed(i));
        w.clickListingBox();  // before the start: no effect on the listing
        w.listWith(stopIn(stopAt));
        QCOMPARE(w.window->listingText(), expected.join("\r\n") + "\r\nEnd");
        QCOMPARE(w.window->CurrentChar, CharFromZonePosition(19, 7));
        QVERIFY(w.listingDone());
        // The next listing asks again and starts from an empty box.
        emptyAt = 0;
        w.listWith(stopIn(2));
        QCOMPARE(w.window->listingText(), QStringLiteral("啊\r\n阿\r\nEnd"));
        QCOMPARE(w.questions(), (QStringList{kHint, kHint}));
    }

    // While a listing runs, the window paints at most once per display frame but keeps painting;
    // its last state is painted when the listing ends, and later changes paint as before.
    void listingPaintsOncePerFrame() {
        Window w;
        QVERIFY(QTest::qWaitForWindowExposed(w.window));
        const double frame = FramePacer(w.window).intervalMs();
        QWidget* box = w.child<QPlainTextEdit>("Text1")->viewport();
        // Filters run last-installed first: this one sees only what the listing's pacer lets by.
        PaintLog log(w.window, box);
        int paintsAtEnd = 0;
        qsizetype first = 0;
        w.listWith([&](int pass) {
            if (pass == 1) first = log.requests.size();
            paintsAtEnd = log.paints;
            if (log.requests.size() - first < 5 || log.clock.elapsed() < 12 * frame) return true;
            w.clickListingBox();
            return false;
        });
        const QList<double> seen = log.requests.mid(first);
        QVERIFY2(seen.size() >= 5, "the window did not follow the listing");
        // Each gap is at least a frame by the pacer's clock; ours may read one a little late.
        for (qsizetype i = 1; i < seen.size(); ++i)
            QVERIFY2(seen[i] - seen[i - 1] >= frame / 2, "two paints in one frame");
        QVERIFY2((seen.last() - seen.first()) / double(seen.size() - 1) >= frame - 0.5,
                 "more paints than frames");
        QTRY_VERIFY2(log.paints > paintsAtEnd, "the end of the listing is not painted");
        const int painted = log.paints;
        box->update();
        QTRY_VERIFY2(log.paints > painted, "the window no longer paints after the listing");
    }

    // The listing stops where the window went and touches nothing after that: closed or
    // destroyed inside the hint (yield 0) or in yield 20, with or without a filter started in
    // yield 5 (which then saw yields 6 to 20, its entries 0 to 14).
    void windowGoesAwayDuringListing() {
        struct Row {
            bool destroy;
            int goneAt, filterAt, lines;
            const char* caption;
        };
        for (const Row& r : {Row{false, 0, 0, 0, "获取汉字"},
                             {true, 0, 0, 0, ""},
                             {false, 20, 0, 20, "20"},
                             {true, 20, 0, 0, ""},
                             {false, 20, 5, 5, "5"},
                             {true, 20, 5, 0, ""}}) {
            Window w(manyFontNames());
            const auto goAway = [&] {
                r.destroy ? delete w.window.data() : void(w.window->close());
            };
            if (r.goneAt == 0) w.prompts->duringMessage = goAway;
            w.child<QPlainTextEdit>("Text1")->setPlainText("before");
            int passes = 0;
            w.listWith([&](int pass) {
                passes = pass;
                if (pass == r.filterAt) w.click("Command5");
                if (pass == r.goneAt) goAway();
                return pass < r.goneAt;
            });
            QCOMPARE(passes, r.goneAt);
            QCOMPARE(w.window.isNull(), r.destroy);
            if (r.destroy) continue;
            QVERIFY(!w.window->isVisible());
            QCOMPARE(w.list()->text(), QString(r.caption));
            const QStringList written = w.window->listingText().split("\r\n");
            QCOMPARE(written.last(), r.goneAt ? listed(r.lines - 1) : "before");
            if (r.goneAt == 0) continue;
            QCOMPARE(written.size(), r.lines);
            QVERIFY(!w.list()->isEnabled());
            QCOMPARE(w.child<QPushButton>("Command5")->text(), QString(r.filterAt ? "14" : "过滤"));
        }
    }

    // The program itself, in its own process: the window gone in the middle of a yield ends it
    // with status 0.
    void programEndsCleanlyWhenClosedInYield() {
        for (const auto& [mode, report] : {std::pair{"close", "lines=20 end=0 fonts=300"},
                                           {"filter", "lines=5 end=0 fonts=5"},
                                           {"exit", "lines=20 end=0 fonts=300"}}) {
            QProcess program;
            program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            program.start(ZIGE_CLOSE_DRIVER, {mode});
            QVERIFY2(program.waitForFinished(300000), mode);
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
            QCOMPARE(program.exitCode(), 0);
            QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()).trimmed(), report);
        }
    }
};

QTEST_MAIN(NavigationListingTest)
#include "test_navigation_listing.moc"
