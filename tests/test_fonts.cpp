// The font list: the filter's test, the filter and restore rebuilds with their running counter,
// the preferred-font step, and the window staying usable (or going away) during a rebuild.
#include <QtTest>

#include "fonts/font_list.h"
#include "window_under_test.h"

using namespace zige;
using namespace zige::test;

namespace {

struct Window : WindowUnderTest {
    using WindowUnderTest::WindowUnderTest;
    QComboBox* fonts() const { return combo("Combo1"); }
    QPushButton* button(bool filtering) const {
        return child<QPushButton>(filtering ? "Command5" : "Command6");
    }
    QStringList entries() const {
        QStringList texts;
        for (int i = 0; i < fonts()->count(); ++i) texts.append(fonts()->itemText(i));
        return texts;
    }
};

}  // namespace

class FontsTest : public QObject {
    Q_OBJECT

private slots:
    void chineseFontName() {
        for (const auto& [name, kept] : {std::pair{"宋体", true},
                                         {"@宋体", false},
                                         {"ＭＳ 明朝", true},
                                         {"＠宋体", true},
                                         {"Ärger", true},
                                         {"   @宋体", false},
                                         {" Arial ", false},
                                         {"   ", true},
                                         {"\tArial", true}})  // only spaces are trimmed
            QVERIFY2(isChineseFontName(name) == kept, name);
        // Of the printable ASCII characters, "@" and the 26 letters in either case are left out.
        QString keptAscii;
        for (char16_t c = 0x21; c < 0x7F; ++c)
            if (isChineseFontName(QString(QChar(c)) + 'x')) keptAscii += QChar(c);
        QCOMPARE(keptAscii, QStringLiteral("!\"#$%&'()*+,-./0123456789:;<=>?[\\]^_`{|}~"));
    }

    void filterListsNamesAsGiven() {
        const QStringList names = {" 宋体", "@宋体",  "Arial",   "  黑体 ",
                                   "123",   "＠Fang", "  @仿宋", "courier"};
        Window w(names);
        QCOMPARE(w.entries(), names);  // the start-up fill tests nothing
        w.button(true)->click();
        QCOMPARE(w.entries(), (QStringList{names[0], names[3], names[4], names[5]}));
        w.button(false)->click();
        QCOMPARE(w.entries(), names);
    }

    // The caption as each yield sees it; only the started button is disabled meanwhile.
    void counterRunsOverEveryFont() {
        for (const bool filtering : {true, false}) {
            Window w(manyFontNames());
            const QString caption = filtering ? "过滤" : "恢复";
            QPushButton* started = w.button(filtering);
            QStringList seen, expected;
            bool othersLive = true;
            EachYield probe([&](int) {
                seen.append(started->isEnabled() ? "enabled" : started->text());
                othersLive =
                    othersLive && w.button(!filtering)->isEnabled() && w.fonts()->isEnabled();
                return started->text() != caption;
            });
            started->click();
            QCoreApplication::processEvents();
            for (int i = 0; i < 300; ++i) expected.append(QString::number(i));
            QCOMPARE(seen, expected << "enabled");
            QVERIFY(othersLive);
            QCOMPARE(started->text(), caption);
            QCOMPARE(w.fonts()->count(), filtering ? 100 : 300);
        }
    }

    // After every fill 楷体_GB2312, else 宋体, else nothing is selected, whatever was before.
    void preferredFontEndsEveryFill() {
        const QString song = kSongTi, kai = kKaiTiGB2312, hei = "黑体";
        for (const auto& [names, chosen] :
             QList<std::pair<QStringList, QString>>{{{hei, kai, song}, kai},
                                                    {{hei, song, "仿宋"}, song},
                                                    {{kai, hei}, kai},
                                                    {{hei, "仿宋"}, ""},
                                                    {{"@" + song}, ""}}) {
            Window w(names);
            QCOMPARE(w.fonts()->currentText(), chosen);
            for (bool filtering : {true, false}) {
                w.fonts()->setCurrentIndex(w.fonts()->count() - 1);
                w.button(filtering)->click();
                QCOMPARE(w.fonts()->currentIndex(), int(names.indexOf(chosen)));
            }
        }
    }

    // Restore can run inside a filter's yield: it refills the whole list, and the filter then goes
    // on appending from where it was.
    void restoreDuringFilter() {
        QStringList names = manyFontNames();
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
        QCOMPARE(w.entries(), expected);
        QCOMPARE(w.fonts()->currentIndex(), 5);
        QVERIFY(w.button(true)->isEnabled() && w.button(false)->isEnabled());
        QCOMPARE(w.button(true)->text() + w.button(false)->text(), QStringLiteral("过滤恢复"));
    }

    // The rebuild stops at the yield that ended the window and touches nothing afterwards.
    void windowGoesAwayDuringRebuild() {
        for (const bool filtering : {true, false})
            for (const bool destroy : {false, true}) {
                Window w(manyFontNames());
                QPushButton* button = w.button(filtering);
                int entriesAtClose = -1;
                EachYield probe([&](int pass) {
                    if (pass < 10) return true;
                    entriesAtClose = w.fonts()->count();
                    destroy ? delete w.window.data() : void(w.window->close());
                    return false;
                });
                button->click();
                QCOMPARE(probe.passes(), 10);
                QCOMPARE(w.window.isNull(), destroy);
                if (destroy) continue;
                QCOMPARE(w.fonts()->count(), entriesAtClose);
                QCOMPARE(button->text(), QStringLiteral("9"));
                QVERIFY(!button->isEnabled());
            }
    }
};

QTEST_MAIN(FontsTest)
#include "test_fonts.moc"
