// SPDX-License-Identifier: GPL-3.0-or-later
// The font list: the filter, the preferred font after every fill, a restore inside a filter.
#include <QtTest>

#include "fonts/font_list.h"
#include "window_under_test.h"

using namespace zige;
using namespace zige::test;

namespace {

QStringList entries(const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts.append(list->itemText(i));
    return texts;
}

}  // namespace

class FontsTest : public QObject {
    Q_OBJECT

private slots:
    // The filter drops names starting with "@" or an ASCII letter; every fill picks 楷体_GB2312,
    // else 宋体.
    void fills_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<QString>("chosen");
        const QStringList kept = {" 宋体",     "  黑体 ", "123", "_Private", "＠Fang",
                                  "ＭＳ 明朝", "Ärger",   "   ", "\tArial"},
                          left = {"@宋体", "  @仿宋", " Arial", "courier"},
                          both = {"黑体", kKaiTiGB2312, kSongTi}, song = {"黑体", kSongTi};
        // clang-format off
        QTest::newRow("names as given") << left + kept << kept << "";
        QTest::newRow("both preferred") << both << both << kKaiTiGB2312;
        QTest::newRow("宋体 only") << song + QStringList{"Arial"} << song << kSongTi;
        // clang-format on
    }
    void fills() {
        QFETCH(QStringList, names);
        QFETCH(QStringList, kept);
        QFETCH(QString, chosen);
        WindowUnderTest w(names);
        QComboBox* fonts = w.combo("Combo1");
        QStringList seen{fonts->currentText()};
        for (const char* button : {"Command5", "Command6"}) {
            fonts->setCurrentIndex(fonts->count() - 1);
            w.click(button);
            seen << entries(fonts).join('|') << fonts->currentText();
        }
        QCOMPARE(seen, (QStringList{chosen, kept.join('|'), chosen, names.join('|'), chosen}));
    }

    // A restore in a filter's 101st yield refills the list; the filter goes on where it was.
    void restoreDuringFilter() {
        QStringList names = manyFontNames(), wrong;
        names[5] = kSongTi;
        WindowUnderTest w(names);
        QPushButton *filter = w.child<QPushButton>("Command5"),
                    *restore = w.child<QPushButton>("Command6");
        QComboBox* fonts = w.combo("Combo1");
        QString chosenByRestore;
        EachYield probe([&](int pass) {
            if (pass > 101) return false;  // the restore's first yield
            if (filter->text() != QString::number(pass - 1) || filter->isEnabled() ||
                !restore->isEnabled() || !fonts->isEnabled())
                wrong.append(QString::number(pass));
            if (pass == 101) restore->click(), chosenByRestore = fonts->currentText();
            return pass < 101;
        });
        filter->click();

        QCOMPARE(wrong, QStringList());
        QCOMPARE(chosenByRestore, kSongTi);
        QStringList expected = names;
        for (qsizetype i = 101; i < names.size(); ++i)
            if (isChineseFontName(names[i])) expected.append(names[i]);
        QCOMPARE(entries(fonts), expected);
        QCOMPARE(fonts->currentIndex(), 5);
        QVERIFY(filter->isEnabled() && restore->isEnabled());
        QCOMPARE(filter->text() + restore->text(), QStringLiteral("过滤恢复"));
    }
};

QTEST_MAIN(FontsTest)
#include "test_fonts.moc"
