// Zone/position codes against an independent code page 936 converter (glibc iconv).
#include <QtTest>
#include <iconv.h>

#include "main_window/character_code.h"
#include "surface/step_failed.h"

using namespace zige;

namespace {

// The character glibc gives for a two-byte CP936 code, or "" where it has none.
QString iconvCp936(unsigned char lead, unsigned char trail) {
    static iconv_t cd = iconv_open("UTF-8", "CP936");
    char in[2] = {char(lead), char(trail)};
    char out[16] = {};
    char* inPtr = in;
    char* outPtr = out;
    size_t inLeft = 2, outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1)) return {};
    return QString::fromUtf8(out, int(sizeof out - outLeft));
}

}  // namespace

class CharacterCodeTest : public QObject {
    Q_OBJECT

private slots:
    void everyGb2312CharacterAgreesWithCodePage936() {
        int hanzi = 0;
        for (int zone = 1; zone <= 87; ++zone)
            for (int position = 1; position <= 94; ++position) {
                const QString expected = iconvCp936(zone + 0xA0, position + 0xA0);
                if (expected.isEmpty()) continue;  // unassigned in code page 936
                const QString actual = CharFromZonePosition(zone, position);
                QCOMPARE(actual, expected);
                const auto code = ZonePositionFromChar(actual);
                QVERIFY(code.has_value());
                QCOMPARE(code->zone, zone);
                QCOMPARE(code->position, position);
                if (zone >= 16) ++hanzi;
            }
        QCOMPARE(hanzi, 6763);
        // Symbols where the converter named "GB2312" would differ from code page 936.
        QCOMPARE(CharFromZonePosition(1, 4), QString(QChar(0x00B7)));
        QCOMPARE(CharFromZonePosition(1, 10), QString(QChar(0x2014)));
    }

    void knownCodes_data() {
        QTest::addColumn<int>("zone");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("character");
        QTest::newRow("first") << 16 << 1 << QStringLiteral("啊");
        QTest::newRow("last") << 87 << 94 << QStringLiteral("齄");
        QTest::newRow("end of level 1") << 55 << 89 << QStringLiteral("座");
        QTest::newRow("zhong") << 54 << 48 << QStringLiteral("中");
        QTest::newRow("level 2 start") << 56 << 1 << QStringLiteral("亍");
        QTest::newRow("full-width comma") << 3 << 12 << QStringLiteral("，");
    }
    void knownCodes() {
        QFETCH(int, zone);
        QFETCH(int, position);
        QFETCH(QString, character);
        QCOMPARE(CharFromZonePosition(zone, position), character);
        QCOMPARE(ZonePositionFromChar(character)->zone, zone);
        QCOMPARE(ZonePositionFromChar(character)->position, position);
    }

    void emptyCodesOfZone55NeverFail() {
        for (int position = 90; position <= 94; ++position) {
            QVERIFY(iconvCp936(0xD7, position + 0xA0).isEmpty());
            const QString character = CharFromZonePosition(55, position);
            QCOMPARE(firstCharacter(character), character);
            QVERIFY(!character.isEmpty());
        }
    }

    void charactersWithoutATwoByteCode() {
        QVERIFY(!ZonePositionFromChar(QStringLiteral("A")));
        QVERIFY(!ZonePositionFromChar(QString()));
        QVERIFY(!ZonePositionFromChar(QStringLiteral("中国")));
        QVERIFY(!ZonePositionFromChar(QString::fromUcs4(U"\U00020000")));  // beyond the BMP
        QVERIFY(!ZonePositionFromChar(QStringLiteral("€")) || ZonePositionFromChar(QStringLiteral("€"))->zone < 16);
        // Beyond GB2312 but in code page 936: a trail byte below 0xA1 gives a position of 0 or less.
        const auto beyond = ZonePositionFromChar(QStringLiteral("丂"));  // 0x8140
        QVERIFY(beyond && beyond->zone < 0 && beyond->position <= 0);
        QVERIFY_THROWS_EXCEPTION(StepFailed, CharFromZonePosition(200, 1));
    }

    void firstCharacterKeepsSurrogatePairsWhole() {
        const QString wide = QString::fromUcs4(U"\U00020000");
        QCOMPARE(firstCharacter(wide + QStringLiteral("中")), wide);
        QCOMPARE(firstCharacter(QStringLiteral("中国")), QStringLiteral("中"));
        QCOMPARE(firstCharacter(QString()), QString());
    }
};

QTEST_GUILESS_MAIN(CharacterCodeTest)
#include "test_character_code.moc"
