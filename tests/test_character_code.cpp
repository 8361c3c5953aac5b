// Zone/position codes against an independent code page 936 converter (glibc iconv).
#include <iconv.h>

#include <QtTest>

#include "core/step_failed.h"
#include "main_window/character_code.h"

using namespace zige;

namespace {

// The character glibc gives for a two-byte CP936 code, or "" where it has none.
QString iconvCp936(int lead, int trail) {
    static iconv_t cd = iconv_open("UTF-8", "CP936");
    char in[2] = {char(lead), char(trail)}, out[16] = {};
    char *inPtr = in, *outPtr = out;
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
                QCOMPARE(CharFromZonePosition(zone, position), expected);
                const auto code = ZonePositionFromChar(expected);
                QVERIFY(code.has_value());
                QCOMPARE(QPoint(code->zone, code->position), QPoint(zone, position));
                if (zone >= 16) ++hanzi;
            }
        QCOMPARE(hanzi, 6763);
        QCOMPARE(CharFromZonePosition(16, 1) + CharFromZonePosition(87, 94),
                 QStringLiteral("啊齄"));
        // Symbols where the converter named "GB2312" would differ from code page 936.
        QCOMPARE(CharFromZonePosition(1, 4), QString(QChar(0x00B7)));
        QCOMPARE(CharFromZonePosition(1, 10), QString(QChar(0x2014)));
    }

    // Zone 55 ends at position 89; the codes after it still give one character each.
    void emptyCodesOfZone55NeverFail() {
        for (int position = 90; position <= 94; ++position) {
            QVERIFY(iconvCp936(0xD7, position + 0xA0).isEmpty());
            const QString character = CharFromZonePosition(55, position);
            QVERIFY(!character.isEmpty());
            QCOMPARE(firstCharacter(character), character);
        }
    }

    void charactersWithoutATwoByteCodeAndFirstCharacter() {
        for (const QString& text :
             {QString("A"), QString(), QString("中国"), QString::fromUcs4(U"\U00020000")})
            QVERIFY2(!ZonePositionFromChar(text), qPrintable(text));
        // Beyond GB2312 but in code page 936: a trail byte below 0xA1 gives a position of 0 or
        // less.
        const auto beyond = ZonePositionFromChar("丂");  // 0x8140
        QVERIFY(beyond && beyond->zone < 0 && beyond->position <= 0);
        QVERIFY_THROWS_EXCEPTION(StepFailed, CharFromZonePosition(200, 1));
        // A surrogate pair stays whole.
        const QString wide = QString::fromUcs4(U"\U00020000");
        QCOMPARE(firstCharacter(wide + "中"), wide);
        QCOMPARE(firstCharacter("中国"), QStringLiteral("中"));
        QCOMPARE(firstCharacter(QString()), QString());
    }
};

QTEST_GUILESS_MAIN(CharacterCodeTest)
#include "test_character_code.moc"
