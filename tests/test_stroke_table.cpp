// SPDX-License-Identifier: GPL-3.0-or-later
// The stroke table: the checked-in file, and damaged ones.
#include <QTemporaryDir>
#include <QtTest>
#include <thread>

#include "test_support_gui.h"
#include "text/hanzi_facts.h"
#include "text/stroke_table.h"
#include "text/stroke_table_format.h"
#include "text/stroke_table_writer.h"

using namespace zige;
using namespace zige::test;

namespace {

const QString kTable = ZIGE_SOURCE_DIR "/data/strokes.bin";

}  // namespace

class StrokeTableTest : public QObject {
    Q_OBJECT

private slots:
    // GB2312's hanzi with Unihan's stroke counts, each stroke one closed outline in the box.
    void strokesLieInTheirBox() {
        StrokeTable table(kTable);
        QVERIFY2(table.available(), qPrintable(table.problem()));
        const QList<char32_t> characters = table.characters();
        QCOMPARE(QSet<char32_t>(characters.begin(), characters.end()).size(), 6763);
        const QRectF box(0, 0, 1024, 1024);
        QStringList wrong;
        for (const char32_t character : characters) {
            const QList<Stroke> all = table.strokes(character);
            const std::optional<HanziFacts> facts = hanziFacts(character);
            if (!facts || facts->strokes != all.size())
                wrong << QString::fromUcs4(&character, 1) + QString::number(all.size());
            for (qsizetype i = 0; i < all.size(); ++i) {
                const QPainterPath& outline = all[i].outline;
                const QPolygonF& median = all[i].median;
                const auto in = [&](QPointF p) {
                    return outline.intersects(QRectF(p - QPointF(1, 1), QSizeF(2, 2)));
                };
                const auto inside = std::count_if(median.begin(), median.end(), in);
                if (outline.toSubpathPolygons().size() != 1 ||
                    !box.contains(outline.boundingRect()) || median.size() < 2 ||
                    2 * inside < median.size())
                    wrong << QString::fromUcs4(&character, 1) + QString::number(i + 1);
            }
        }
        QCOMPARE(wrong.join(u' '), QString());
        // Top-down and in writing order: 三 from its top stroke, 川 from its left one.
        QList<qreal> down, across;
        for (const Stroke& stroke : table.strokes(U'三')) down << stroke.median[0].y();
        for (const Stroke& stroke : table.strokes(U'川')) across << stroke.median[0].x();
        QVERIFY(down.size() == 3 && down[0] < 400 && std::is_sorted(down.begin(), down.end()));
        QVERIFY(across.size() == 3 && std::is_sorted(across.begin(), across.end()));
    }

    // A missing, short or changed file leaves the table unavailable, with its reason.
    void damagedFileIsUnavailable_data() {
        QTest::addColumn<QByteArray>("bytes");  // null: no file at all
        QTest::addColumn<QString>("problem");
        const QByteArray good = fileBytes(kTable);
        const auto changed = [&](qsizetype at, char byte) {
            QByteArray bytes = good;
            bytes[at] = byte;
            return bytes;
        };
        const QString damaged = "笔顺数据文件已损坏";
        QTest::newRow("missing") << QByteArray() << "找不到笔顺数据文件";
        QTest::newRow("empty") << QByteArray("") << damaged;
        QTest::newRow("cut short") << good.left(good.size() / 2) << damaged;
        QTest::newRow("magic") << changed(0, 'z') << damaged;
        QTest::newRow("version") << changed(8, 2) << "笔顺数据文件的版本不对";
        QTest::newRow("count") << changed(16, char(good[16] + 1)) << damaged;
        QTest::newRow("a point") << changed(good.size() - 2, char(good[good.size() - 2] ^ 4))
                                 << damaged;
    }
    void damagedFileIsUnavailable() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString path = dir.filePath("strokes.bin");
        StrokeTable table(path);  // read on first use, not here
        if (!bytes.isNull()) QVERIFY(writeFile(path, bytes));
        QCOMPARE(table.available(), false);
        QCOMPARE(table.problem(), problem);
        QCOMPARE(table.characters(), QList<char32_t>());
        QCOMPARE(table.strokes(U'字').size(), 0);
    }

    // Threads sharing one table from its first use each get every character's strokes whole.
    void sharedBetweenThreads() {
        StrokeTable alone(kTable), shared(kTable);
        const QList<char32_t> all = alone.characters();
        QHash<char32_t, QRectF> ink;
        for (const char32_t c : all) ink[c] = alone.strokes(c).constLast().outline.boundingRect();
        std::atomic<int> wrong = 0;
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t)
            threads.emplace_back([&, t] {
                for (qsizetype i = t; i < all.size(); i += 4)
                    for (const char32_t c : {all[i], U'永'})
                        wrong += shared.strokes(c).constLast().outline.boundingRect() != ink[c];
            });
        for (std::thread& thread : threads) thread.join();
        QCOMPARE(wrong, 0);
    }

    // A record leaving the box or with an unknown segment gives no strokes; the rest reads.
    void malformedRecordsGiveNoStrokes() {
        const StrokeSource line{{{100, 500}, {900, 500}}, {1}, {{120, 500}, {880, 500}}};
        StrokeSource beyond = line, unknown = line;
        beyond.outline[1].rx() = 1025;
        unknown.segments[0] = 0;
        StrokeTable table = StrokeTable::fromBytes(
            writeStrokeTable({{U'一', {line}}, {U'二', {line, beyond}}, {U'三', {unknown}}}));
        QVERIFY(table.available());
        QCOMPARE(table.strokes(U'一').size(), 1);
        QCOMPARE(table.strokes(U'二').size(), 0);
        QCOMPARE(table.strokes(U'三').size(), 0);
    }
};

QTEST_GUILESS_MAIN(StrokeTableTest)
#include "test_stroke_table.moc"
