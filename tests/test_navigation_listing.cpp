// Previous/next through the code order and the character listing, on the real window: the
// listing's exact text, its counter, stopping it, the handlers that run during its yields, and
// the window closed or destroyed in the middle of it.
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "each_yield.h"
#include "grid_sheet/sheet_window.h"
#include "main_window/character_code.h"
#include "surface/picture_box.h"
#include "window_under_test.h"

using namespace zige;
using zige::test::EachYield;
using zige::test::WindowUnderTest;

namespace {

// The character that the listing writes on line `index` (from 0).
QString listed(int index) { return CharFromZonePosition(16 + index / 94, 1 + index % 94); }

struct Window : WindowUnderTest {
    using WindowUnderTest::WindowUnderTest;
    QComboBox* zones() const { return child<QComboBox>("Combo2"); }
    QComboBox* positions() const { return child<QComboBox>("Combo3"); }
    QPushButton* list() const { return child<QPushButton>("Command1"); }
    QPlainTextEdit* listingBox() const { return child<QPlainTextEdit>("Text1"); }
    PictureBox* view() const { return child<PictureBox>("Picture1"); }
    void clickListingBox() const { QTest::mouseClick(listingBox()->viewport(), Qt::LeftButton); }
    // True when the rice-grid view shows exactly what a redraw of the current state draws.
    bool viewsShowCurrentState() const {
        const QImage shown = view()->Image().copy();
        window->RefreshViews();
        return view()->Image() == shown;
    }
};

}  // namespace

class NavigationListingTest : public QObject {
    Q_OBJECT

private slots:
    void step_data();
    void step();
    void completeListing();
    void stoppedListing_data();
    void stoppedListing();
    void windowGoesAwayDuringListing_data();
    void windowGoesAwayDuringListing();
    void programEndsCleanlyWhenClosedInYield_data();
    void programEndsCleanlyWhenClosedInYield();
};

void NavigationListingTest::step_data() {
    QTest::addColumn<bool>("next");
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("position");  // 0: nothing selected
    QTest::addColumn<QString>("zoneAfter");
    QTest::addColumn<QString>("positionAfter");
    QTest::addColumn<QString>("character");  // empty: nothing rebuilt or redrawn

    const QString none;
    QTest::newRow("next crosses into zone 17") << true << 16 << 94 << "17"
                                               << "1" << QStringLiteral("薄");
    QTest::newRow("previous crosses into zone 16") << false << 17 << 1 << "16"
                                                   << "94" << QStringLiteral("剥");
    QTest::newRow("next within a zone") << true << 54 << 47 << "54"
                                        << "48" << QStringLiteral("中");
    QTest::newRow("next to an empty code") << true << 55 << 89 << "55"
                                           << "90" << CharFromZonePosition(55, 90);
    QTest::newRow("next past the empty codes") << true << 55 << 94 << "56"
                                               << "1" << QStringLiteral("亍");
    QTest::newRow("previous at the first code") << false << 16 << 1 << "16"
                                                << "1" << QStringLiteral("啊");
    QTest::newRow("next at the last code") << true << 87 << 94 << "87"
                                           << "94" << QStringLiteral("齄");
    QTest::newRow("next without a position") << true << 17 << 0 << "17"
                                             << "1" << QStringLiteral("薄");
    QTest::newRow("previous without a position") << false << 17 << 0 << "16"
                                                 << "94" << QStringLiteral("剥");
    QTest::newRow("previous without a position in the first zone") << false << 16 << 0 << "16"
                                                                   << "" << none;
    QTest::newRow("next without a position in the last zone") << true << 87 << 0 << "87"
                                                              << "1" << CharFromZonePosition(87, 1);
}

void NavigationListingTest::step() {
    QFETCH(bool, next);
    QFETCH(int, zone);
    QFETCH(int, position);
    QFETCH(QString, zoneAfter);
    QFETCH(QString, positionAfter);
    QFETCH(QString, character);

    Window w;
    QVERIFY(QTest::qWaitForWindowActive(w.window));
    w.zones()->setCurrentIndex(zone - 16);
    w.positions()->setCurrentIndex(position - 1);
    const QString before = QStringLiteral("X");
    w.window->CurrentChar = before;
    w.child<QLineEdit>("Text2")->setText(before);
    w.child<QLineEdit>("Text2")->setFocus();
    w.view()->Cls();
    QPushButton* button = w.child<QPushButton>(next ? "Command3" : "Command2");

    QTest::mouseClick(button, Qt::LeftButton);

    QCOMPARE(w.zones()->currentText(), zoneAfter);
    QCOMPARE(w.positions()->currentText(), positionAfter);
    const bool rebuilt = !character.isEmpty();
    QCOMPARE(w.window->CurrentChar, rebuilt ? character : before);
    QCOMPARE(w.child<QLineEdit>("Text2")->text(), rebuilt ? character : before);
    // The first view was blank before the click; a redraw puts the grid back.
    QCOMPARE(test::countPixels(w.view()->Image(), test::isRed) > 0, rebuilt);
    QVERIFY(button->isEnabled());
    QVERIFY(w.positions()->hasFocus());
}

// One full run, checked throughout (it costs a redraw per character). At some yields the user
// picks, types or steps; the listing keeps its order and finally returns to the lists' character.
void NavigationListingTest::completeListing() {
    const QString otherFont =
        test::installedCjkFamily().isEmpty() ? QStringLiteral("黑体") : test::installedCjkFamily();
    Window w({QStringLiteral("宋体"), otherFont});
    const auto pick = [&](const char* list) {
        QTest::keyClick(w.child<QComboBox>(list), Qt::Key_Down);
    };
    const auto click = [&](const char* button) {
        QTest::mouseClick(w.child<QPushButton>(button), Qt::LeftButton);
    };
    const auto type = [&] {
        QLineEdit* input = w.child<QLineEdit>("Text2");
        input->selectAll();
        QInputMethodEvent typed;
        typed.setCommitString(QStringLiteral("中"));
        QCoreApplication::sendEvent(input, &typed);
    };
    // At yield `pass` the user does `act`, after which the lists read `lists`.
    struct Action {
        int pass;
        std::function<void()> act;
        QString lists;
    };
    const QList<Action> actions = {{100, [&] { pick("Combo2"); }, QStringLiteral("17/1")},
                                   {200, [&] { pick("Combo3"); }, QStringLiteral("17/2")},
                                   {300, [&] { pick("Combo1"); }, QStringLiteral("17/2")},
                                   {400, [&] { pick("Combo4"); }, QStringLiteral("17/2")},
                                   {500, type, QStringLiteral("54/48")},
                                   {600, [&] { click("Command3"); }, QStringLiteral("54/49")},
                                   {700, [&] { click("Command2"); }, QStringLiteral("54/48")},
                                   {800, [&] { click("Command7"); }, QStringLiteral("54/48")},
                                   {900, [&] { pick("Combo2"); }, QStringLiteral("55/48")}};

    QStringList problems, captions;
    QImage previousView;
    bool viewsFollow = true;
    EachYield user([&](int pass) {
        captions.append(w.list()->isEnabled() ? QStringLiteral("enabled") : w.list()->text());
        // Before this yield's redraw the views show the previous character (啊 twice at first).
        if (pass <= 40) {
            viewsFollow = viewsFollow && (pass <= 2 || w.view()->Image() != previousView);
            previousView = w.view()->Image().copy();
        }
        if (w.window->CurrentChar != listed(pass - 1))
            problems.append(QStringLiteral("order at %1").arg(pass));
        for (const Action& action : actions) {
            if (action.pass != pass) continue;
            action.act();
            const QString lists =
                w.zones()->currentText() + QLatin1Char('/') + w.positions()->currentText();
            if (lists != action.lists)
                problems.append(QStringLiteral("lists at %1: %2").arg(pass).arg(lists));
            if (pass == 100 && w.window->CurrentChar != QStringLiteral("薄"))
                problems.append(QStringLiteral("zone choice"));
        }
        return pass < 6768;
    });
    w.clickListingBox();  // before the start: no effect on the listing
    QTest::mouseClick(w.list(), Qt::LeftButton);

    QCOMPARE(problems, QStringList());
    QVERIFY(viewsFollow || test::installedCjkFamily().isEmpty());
    QCOMPARE(w.child<QComboBox>("Combo1")->currentText(), otherFont);
    QCOMPARE(w.child<QComboBox>("Combo4")->currentText(), QStringLiteral("121"));
    QVERIFY(w.window->sheetWindow() && w.window->sheetWindow()->isVisible());
    w.window->sheetWindow()->close();
    QCOMPARE(w.prompts->asked.size(), 1);
    QCOMPARE(w.prompts->asked[0].text, QStringLiteral("点击按钮下方的文字显示框停止！"));
    QCOMPARE(w.prompts->asked[0].title, QStringLiteral("提示"));
    QCOMPARE(w.prompts->asked[0].buttons, Prompts::Buttons::Ok);

    const QString text = w.window->listingText();
    QCOMPARE(text.count(QLatin1Char('\n')), 6768);
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 6769);
    QCOMPARE(lines.first(), QStringLiteral("啊"));
    QCOMPARE(lines[6767], QStringLiteral("齄"));
    QCOMPARE(lines.last(), QStringLiteral("End"));
    for (int i = 0; i < 6768; ++i) QCOMPARE(lines[i], listed(i));
    for (int position = 90; position <= 94; ++position)  // the codes GB2312 leaves empty
        QVERIFY(!lines[(55 - 16) * 94 + position - 1].isEmpty());

    QStringList counted;
    for (int i = 1; i <= 6768; ++i) counted.append(QString::number(i));
    QCOMPARE(captions, counted);
    QCOMPARE(w.list()->text(), QStringLiteral("获取汉字"));
    QVERIFY(w.list()->isEnabled());
    QCOMPARE(w.window->CurrentChar, CharFromZonePosition(55, 48));
    QVERIFY(w.viewsShowCurrentState());
}

void NavigationListingTest::stoppedListing_data() {
    QTest::addColumn<int>("stopAt");   // the yield in which the user clicks the box
    QTest::addColumn<int>("emptyAt");  // the yield in which the user empties the box; 0: never
    QTest::newRow("first character") << 1 << 0;
    QTest::newRow("last of a zone") << 94 << 0;
    QTest::newRow("first of the next zone") << 95 << 0;
    QTest::newRow("later") << 300 << 0;
    QTest::newRow("box emptied, then stopped") << 3 << 3;
    QTest::newRow("box emptied, two more lines") << 5 << 3;
}

// A click on the box ends the listing after the character in progress, with "End" last.
void NavigationListingTest::stoppedListing() {
    QFETCH(int, stopAt);
    QFETCH(int, emptyAt);
    Window w;
    w.zones()->setCurrentIndex(3);
    w.positions()->setCurrentIndex(6);
    QPlainTextEdit* box = w.listingBox();
    QStringList expected;
    for (int i = emptyAt; i < stopAt; ++i) expected.append(listed(i));

    w.clickListingBox();  // before the start: no effect on the listing
    {
        EachYield user([&](int pass) {
            if (pass == emptyAt) {
                box->setFocus();
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(box, Qt::Key_Delete);
            }
            if (pass == stopAt) w.clickListingBox();
            return pass < stopAt;
        });
        QTest::mouseClick(w.list(), Qt::LeftButton);
    }
    QCOMPARE(w.window->listingText(),
             expected.join(QStringLiteral("\r\n")) + QStringLiteral("\r\nEnd"));
    QCOMPARE(w.list()->text(), QStringLiteral("获取汉字"));
    QVERIFY(w.list()->isEnabled());
    QCOMPARE(w.window->CurrentChar, CharFromZonePosition(19, 7));
    QVERIFY(w.viewsShowCurrentState());

    // The next listing asks again and starts from an empty box.
    {
        EachYield user([&](int pass) {
            if (pass == 2) w.clickListingBox();
            return pass < 2;
        });
        QTest::mouseClick(w.list(), Qt::LeftButton);
    }
    QCOMPARE(w.window->listingText(), QStringLiteral("啊\r\n阿\r\nEnd"));
    QCOMPARE(w.prompts->asked.size(), 2);
    QCOMPARE(w.prompts->asked[1].text, QStringLiteral("点击按钮下方的文字显示框停止！"));
}

void NavigationListingTest::windowGoesAwayDuringListing_data() {
    QTest::addColumn<QString>("how");   // closed, destroyed, or ended by the exit button
    QTest::addColumn<int>("goneAt");    // the yield that ends the window; 0: inside the hint
    QTest::addColumn<int>("filterAt");  // the yield that starts a filter; 0: none
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("caption");
    QTest::newRow("closed during the hint") << "close" << 0 << 0 << 0 << "获取汉字";
    QTest::newRow("destroyed during the hint") << "destroy" << 0 << 0 << 0 << "";
    QTest::newRow("closed in a yield") << "close" << 20 << 0 << 20 << "20";
    QTest::newRow("destroyed in a yield") << "destroy" << 20 << 0 << 0 << "";
    QTest::newRow("exit button in a yield") << "exit" << 20 << 0 << 20 << "20";
    QTest::newRow("closed in a filter's yield") << "close" << 20 << 5 << 5 << "5";
    QTest::newRow("destroyed in a filter's yield") << "destroy" << 20 << 5 << 0 << "";
}

// The listing stops where the window went and touches nothing after that.
void NavigationListingTest::windowGoesAwayDuringListing() {
    QFETCH(QString, how);
    QFETCH(int, goneAt);
    QFETCH(int, filterAt);
    QFETCH(int, lines);
    QFETCH(QString, caption);
    QStringList fontNames;
    for (int i = 0; i < 300; ++i) fontNames.append(QStringLiteral("字体%1").arg(i));
    Window w(fontNames);
    const bool destroy = how == QStringLiteral("destroy");
    const auto goAway = [&] {
        if (destroy)
            delete w.window.data();
        else if (how == QStringLiteral("exit"))
            QTest::mouseClick(w.child<QPushButton>("Command4"), Qt::LeftButton);  // answered Yes
        else
            w.window->close();
    };
    if (goneAt == 0) w.prompts->duringMessage = goAway;
    QPlainTextEdit* box = w.listingBox();
    box->setPlainText(QStringLiteral("before"));
    EachYield user([&](int pass) {
        if (pass == filterAt) QTest::mouseClick(w.child<QPushButton>("Command5"), Qt::LeftButton);
        if (pass < goneAt) return true;
        if (pass == goneAt) goAway();
        return false;
    });
    QTest::mouseClick(w.list(), Qt::LeftButton);

    QCOMPARE(user.passes(), goneAt);
    QCOMPARE(w.window.isNull(), destroy);
    if (destroy) return;
    QVERIFY(!w.window->isVisible());
    QCOMPARE(w.list()->text(), caption);
    if (goneAt == 0) {
        QCOMPARE(box->toPlainText(), QStringLiteral("before"));
        return;
    }
    const QStringList written = w.window->listingText().split(QStringLiteral("\r\n"));
    QCOMPARE(written.size(), lines);
    QCOMPARE(written.last(), listed(lines - 1));
    QVERIFY(!w.list()->isEnabled());
    // A filter started at yield 5 saw yields 6 to 20, its entries 0 to 14.
    QCOMPARE(w.child<QPushButton>("Command5")->text(),
             filterAt ? QStringLiteral("14") : QStringLiteral("过滤"));
}

void NavigationListingTest::programEndsCleanlyWhenClosedInYield_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("report");
    QTest::newRow("listing") << "listing"
                             << "lines=20 end=0 fonts=300";
    QTest::newRow("filter") << "filter"
                            << "lines=0 end=0 fonts=7";
    QTest::newRow("restore") << "restore"
                             << "lines=0 end=0 fonts=20";
    QTest::newRow("filter inside a listing") << "listing+filter"
                                             << "lines=5 end=0 fonts=5";
    QTest::newRow("exit button in a listing") << "listing+exit"
                                              << "lines=20 end=0 fonts=300";
}

// The program itself, in its own process: the window closed in the middle of a yield ends it
// with status 0.
void NavigationListingTest::programEndsCleanlyWhenClosedInYield() {
    QFETCH(QString, mode);
    QFETCH(QString, report);
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(ZIGE_CLOSE_DRIVER), {mode});
    QVERIFY2(program.waitForFinished(300000), "the program did not end");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()).trimmed(), report);
}

QTEST_MAIN(NavigationListingTest)
#include "test_navigation_listing.moc"
