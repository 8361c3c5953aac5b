// The font list: the filter's test, the filter and restore rebuilds with their running counter,
// the preferred-font step, and the window staying usable (or going away) during a rebuild.
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include "each_yield.h"
#include "fonts/font_list.h"
#include "window_under_test.h"

using namespace zige;
using zige::test::EachYield;
using zige::test::entries;

namespace {

// 300 names, a third of them Chinese, none of them a preferred font.
QStringList manyNames() {
    QStringList names;
    for (int i = 0; i < 300; ++i)
        names.append(i % 3 == 0 ? QStringLiteral("字体%1").arg(i)
                                : QStringLiteral("Face %1").arg(i));
    return names;
}

struct Window : zige::test::WindowUnderTest {
    using WindowUnderTest::WindowUnderTest;
    QComboBox* fonts() const { return child<QComboBox>("Combo1"); }
    QPushButton* button(bool filtering) const {
        return child<QPushButton>(filtering ? "Command5" : "Command6");
    }
};

}  // namespace

class FontsTest : public QObject {
    Q_OBJECT

private slots:
    void chineseFontName_data();
    void chineseFontName();
    void asciiCharacters();
    void filterListsNamesAsGiven();
    void counterRunsOverEveryFont_data();
    void counterRunsOverEveryFont();
    void preferredFontEndsEveryFill_data();
    void preferredFontEndsEveryFill();
    void restoreDuringFilter();
    void windowGoesAwayDuringRebuild_data();
    void windowGoesAwayDuringRebuild();
};

void FontsTest::chineseFontName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("kept");
    QTest::newRow("Chinese") << QStringLiteral("宋体") << true;
    QTest::newRow("vertical variant") << QStringLiteral("@宋体") << false;
    QTest::newRow("full-width letter") << QStringLiteral("ＭＳ 明朝") << true;
    QTest::newRow("full-width at sign") << QStringLiteral("＠宋体") << true;
    QTest::newRow("accented Latin letter") << QStringLiteral("Ärger") << true;
    QTest::newRow("spaces then at sign") << QStringLiteral("   @宋体") << false;
    QTest::newRow("spaces then Chinese") << QStringLiteral("  黑体 ") << true;
    QTest::newRow("spaces around Latin") << QStringLiteral(" Arial ") << false;
    QTest::newRow("only spaces are trimmed") << QStringLiteral("\tArial") << true;
    QTest::newRow("blank") << QStringLiteral("   ") << true;
}

void FontsTest::chineseFontName() {
    QFETCH(QString, name);
    QFETCH(bool, kept);
    QCOMPARE(isChineseFontName(name), kept);
}

// Of the printable ASCII characters, "@" and the 26 letters in either case are left out.
void FontsTest::asciiCharacters() {
    QString kept;
    for (char16_t c = 0x21; c < 0x7F; ++c)
        if (isChineseFontName(QString(QChar(c)) + QStringLiteral("x"))) kept += QChar(c);
    QCOMPARE(kept, QStringLiteral("!\"#$%&'()*+,-./0123456789:;<=>?[\\]^_`{|}~"));
}

void FontsTest::filterListsNamesAsGiven() {
    const QStringList names = {QStringLiteral(" 宋体"),   QStringLiteral("@宋体"),
                               QStringLiteral("Arial"),   QStringLiteral("  黑体 "),
                               QStringLiteral("123"),     QStringLiteral("＠Fang"),
                               QStringLiteral("  @仿宋"), QStringLiteral("courier")};
    Window w(names);
    QCOMPARE(entries(w.fonts()), names);  // the start-up fill tests nothing
    w.button(true)->click();
    QCOMPARE(entries(w.fonts()), (QStringList{names[0], names[3], names[4], names[5]}));
    w.button(false)->click();
    QCOMPARE(entries(w.fonts()), names);
}

void FontsTest::counterRunsOverEveryFont_data() {
    QTest::addColumn<bool>("filtering");
    QTest::addColumn<QString>("caption");
    QTest::newRow("filter") << true << QStringLiteral("过滤");
    QTest::newRow("restore") << false << QStringLiteral("恢复");
}

// The caption as each yield sees it; only the started button is disabled meanwhile.
void FontsTest::counterRunsOverEveryFont() {
    QFETCH(bool, filtering);
    QFETCH(QString, caption);
    Window w(manyNames());
    QPushButton* started = w.button(filtering);
    QStringList seen;
    bool othersLive = true;
    EachYield probe([&](int) {
        seen.append(started->isEnabled() ? QStringLiteral("enabled") : started->text());
        othersLive = othersLive && w.button(!filtering)->isEnabled() && w.fonts()->isEnabled();
        return started->text() != caption;
    });
    started->click();
    QCoreApplication::processEvents();

    QStringList expected;
    for (int i = 0; i < 300; ++i) expected.append(QString::number(i));
    QCOMPARE(seen, expected << QStringLiteral("enabled"));
    QVERIFY(othersLive);
    QCOMPARE(started->text(), caption);
    QCOMPARE(w.fonts()->count(), filtering ? 100 : 300);
}

void FontsTest::preferredFontEndsEveryFill_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("chosen");
    const QString song = kSongTi, kai = kKaiTiGB2312, hei = QStringLiteral("黑体");
    QTest::newRow("both") << QStringList{hei, kai, song} << kai;
    QTest::newRow("Song only") << QStringList{hei, song, QStringLiteral("仿宋")} << song;
    QTest::newRow("Kai only") << QStringList{kai, hei} << kai;
    QTest::newRow("neither") << QStringList{hei, QStringLiteral("仿宋")} << QString();
}

void FontsTest::preferredFontEndsEveryFill() {
    QFETCH(QStringList, names);
    QFETCH(QString, chosen);
    Window w(names);
    QCOMPARE(w.fonts()->currentText(), chosen);
    // A selection from before a rebuild does not survive it.
    for (bool filtering : {true, false}) {
        w.fonts()->setCurrentIndex(w.fonts()->count() - 1);
        w.button(filtering)->click();
        QCOMPARE(w.fonts()->currentIndex(), int(names.indexOf(chosen)));
    }
}

// Restore can run inside a filter's yield: it refills the whole list, and the filter then goes
// on appending from where it was.
void FontsTest::restoreDuringFilter() {
    QStringList names = manyNames();
    names[5] = kSongTi;
    Window w(names);
    bool restoreLive = false;
    QString chosenByRestore;
    EachYield probe([&](int pass) {
        if (pass == 101) {
            restoreLive = w.button(false)->isEnabled();
            w.button(false)->click();
            chosenByRestore = w.fonts()->currentText();
        }
        return pass < 101;
    });
    w.button(true)->click();

    QVERIFY(restoreLive);
    QCOMPARE(chosenByRestore, kSongTi);
    QStringList expected = names;
    for (qsizetype i = 101; i < names.size(); ++i)
        if (isChineseFontName(names[i])) expected.append(names[i]);
    QCOMPARE(entries(w.fonts()), expected);
    QCOMPARE(w.fonts()->currentIndex(), 5);
    for (bool filtering : {true, false}) QVERIFY(w.button(filtering)->isEnabled());
    QCOMPARE(w.button(true)->text() + w.button(false)->text(), QStringLiteral("过滤恢复"));
}

void FontsTest::windowGoesAwayDuringRebuild_data() {
    QTest::addColumn<bool>("filtering");
    QTest::addColumn<bool>("destroy");
    QTest::newRow("filter, window closed") << true << false;
    QTest::newRow("filter, window destroyed") << true << true;
    QTest::newRow("restore, window closed") << false << false;
    QTest::newRow("restore, window destroyed") << false << true;
}

// The rebuild stops at the yield that ended the window and touches nothing afterwards.
void FontsTest::windowGoesAwayDuringRebuild() {
    QFETCH(bool, filtering);
    QFETCH(bool, destroy);
    Window w(manyNames());
    QPushButton* button = w.button(filtering);
    int entriesAtClose = -1;
    EachYield probe([&](int pass) {
        if (pass < 10) return true;
        entriesAtClose = w.fonts()->count();
        if (destroy)
            delete w.window.data();
        else
            w.window->close();
        return false;
    });
    button->click();

    QCOMPARE(probe.passes(), 10);
    QCOMPARE(w.window.isNull(), destroy);
    if (destroy) return;
    QCOMPARE(w.fonts()->count(), entriesAtClose);
    QCOMPARE(button->text(), QStringLiteral("9"));
    QVERIFY(!button->isEnabled());
}

QTEST_MAIN(FontsTest)
#include "test_fonts.moc"
