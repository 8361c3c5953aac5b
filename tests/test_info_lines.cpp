// The two information lines under the views.
#include <QFontDatabase>
#include <QtTest>

#include "canvas/glyph_cache.h"
#include "main_window/character_code.h"
#include "main_window/info_lines.h"
#include "test_support.h"

using namespace zige;

class InfoLinesTest : public QObject {
    Q_OBJECT

private slots:
    void codes_data() {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("line");
        const QString box = " · 字格 42.3 × 42.3 mm", wide = QString::fromUcs4(U"\U00020000");
        QTest::newRow("first") << "啊"
                               << "啊 a · 口部 · 10 画 · 区位 1601 · GB B0A1 · U+554A" + box;
        QTest::newRow("last") << "齄"
                              << "齄 zhā · 鼻部 · 23 画 · 区位 8794 · GB F7FE · U+9F44" + box;
        QTest::newRow("letter") << "A"
                                << "A 单字节字符，不是汉字 · U+0041" + box;
        QTest::newRow("symbol") << "，"
                                << "， 区位 0312 · GB A3AC · U+FF0C · 符号，不是汉字" + box;
        QTest::newRow("gbk only") << "丂"
                                  << "丂 不在 GB2312 字符集内（GBK 扩展字） · U+4E02" + box;
        QTest::newRow("beyond") << wide << wide + " 不在 GB2312 字符集内 · U+20000" + box;
        QTest::newRow("nothing") << ""
                                 << "未选择汉字";
    }
    void codes() {
        QFETCH(QString, character);
        QFETCH(QString, line);
        QCOMPARE(characterInfo(character, "2400", "2400"), line);
    }

    void emptyCodeAndGridBox() {
        const QString empty = CharFromZonePosition(55, 90),
                      line = characterInfo(empty, "2400", "1200");
        QVERIFY2(line.startsWith(empty + " 区位 5590 · GB D7FA · U+") &&
                     line.endsWith("字格 42.3 × 21.2 mm"),
                 qPrintable(line));
        QCOMPARE(
            characterInfo("字", "x", "2400"),
            QString("字 zì · 子部 · 6 画 · 区位 5554 · GB D7D6 · U+5B57"));  // unreadable: no box
    }

    void fontLine() {
        GlyphCache fonts;
        const QString cjk = test::installedCjkFamily(), latin = "DejaVu Sans";
        if (cjk.isEmpty()) QSKIP("no CJK font installed");
        QCOMPARE(fontInfo(fonts, cjk, "120", "啊"), "字体「" + cjk + "」 · 120 磅（42.3 mm）");
        QVERIFY(fontInfo(fonts, "No Such Font Anywhere", "120", "啊")
                    .startsWith("注意：未安装字体「No Such Font Anywhere」"));
        QVERIFY(fontInfo(fonts, "", "x", "啊").startsWith("未选择字体，用「"));
        if (!QFontDatabase::families().contains(latin))
            QSKIP("DejaVu Sans (a font without CJK) is not installed");
        const QString line = fontInfo(fonts, latin, "120", "啊");
        QVERIFY2(line.startsWith("注意：所选字体「DejaVu Sans」不含此字，实际显示的是「"),
                 qPrintable(line));
        QVERIFY(fontInfo(fonts, latin, "120", "A").startsWith("字体「DejaVu Sans」"));
    }
};

QTEST_MAIN(InfoLinesTest)
#include "test_info_lines.moc"
