// The RTF reader: the character library, tokenizer and parser cases, hostile input, and files
// written by real editors (tests/rtf_samples/: the .rtf were made from the .md/.html beside them
// with `pandoc -s -t rtf` and `soffice --headless --convert-to rtf`; the .txt is the text).
#include <iconv.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "text/rtf_reader.h"

using namespace Qt::StringLiterals;

namespace {

const QString kSource = QStringLiteral(ZIGE_SOURCE_DIR);

// Paragraphs as '\n'; line separators and no-break spaces stay as they are.
QString textOf(const QTextDocument& document) {
    return document.toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

QString read(const QByteArray& rtf) {
    QTextDocument document;
    return zige::readRtf(rtf, document) ? textOf(document) : u"<not read>"_s;
}

QTextCharFormat formatOf(const QTextDocument& document, const QString& needle) {
    for (QTextBlock b = document.begin(); b != document.end(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(needle)) return it.fragment().charFormat();
    return {};
}

QString describe(const QTextCharFormat& f) {
    QStringList parts;
    if (f.fontWeight() == QFont::Bold) parts << u"b"_s;
    if (f.fontItalic()) parts << u"i"_s;
    if (f.fontUnderline()) parts << u"u"_s;
    parts << QString::number(f.fontPointSize());
    if (f.hasProperty(QTextFormat::ForegroundBrush)) parts << f.foreground().color().name();
    return (parts + f.fontFamilies().toStringList()).join(u' ');
}

bool writeFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// glibc's converter, independent of the one the reader and the generator use.
QString fromCp936(QByteArray code) {
    static const iconv_t cd = iconv_open("UTF-8", "CP936");
    char out[16];
    char* in = code.data();
    char* to = out;
    size_t inLeft = size_t(code.size());
    size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &in, &inLeft, &to, &outLeft) == size_t(-1) || inLeft != 0) return {};
    return QString::fromUtf8(out, to - out);
}

}  // namespace

class TestRtfReader : public QObject {
    Q_OBJECT

private slots:
    void characterLibrary() {
        QTextDocument document;
        QVERIFY(zige::loadRichTextFile(kSource + u"/data/hz.txt"_s, document));
        QHash<QChar, int> seen;
        int headings = 0;  // two levels, then labels "[16]" to "[87]"
        for (QTextBlock b = document.begin(); b != document.end(); b = b.next()) {
            const QString line = b.text();
            if (line.startsWith(u'[') || line == u"一级汉字"_s || line == u"二级汉字"_s)
                ++headings;
            else
                for (const QChar c : line) ++seen[c];
        }
        QCOMPARE(headings, 2 + 72);

        int expected = 0;
        for (int zone = 16; zone <= 87; ++zone) {
            for (int position = 1; position <= 94; ++position) {
                const QByteArray code = QByteArray(1, char(zone + 0xA0)) + char(position + 0xA0);
                const QString ch = fromCp936(code);
                if (zone == 55 && position >= 90) {  // unassigned in GB2312
                    QVERIFY(ch.isEmpty());
                    continue;
                }
                QCOMPARE(ch.size(), 1);
                QVERIFY2(seen.value(ch[0]) == 1, code.toHex().constData());
                ++expected;
            }
        }
        QCOMPARE(expected, 6763);
        QCOMPARE(seen.size(), expected);  // nothing else, such as the codes 0xD7FA..0xD7FE
        QCOMPARE(describe(formatOf(document, u"啊"_s)), u"12 宋体"_s);
    }

    void text_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* name, const char* body, const QString& expected) {
            QTest::newRow(name) << QByteArray(body) << expected;
        };
        row("hex pair split over escapes", R"(\ansicpg936 \'d6\'d0\'CE\'C4)", u"中文"_s);
        row("code page 936 beyond GB2312", R"(\ansicpg936 \'81\'40\'fd\'9b)", u"丂龥"_s);
        row("raw code page bytes", "\\ansicpg936 \xd6\xd0", u"中"_s);
        row("document code page 1252", R"(caf\'e9)", u"café"_s);
        row("font charset 134 in a 1252 document",
            R"({\fonttbl{\f0 Times;}{\f1\fcharset134 S;}}\f0 caf\'e9 {\f1\'d6\'d0}\'e9)",
            u"café 中é"_s);
        row("\\cpg overrides the charset", R"({\fonttbl{\f1\fcharset134\cpg950 X;}}\f1\'a4\'a4)",
            u"中"_s);
        row("charset 136", R"({\fonttbl{\f1\fcharset136 X;}}\f1\'a4\'a4)", u"中"_s);
        row("unknown code page is Latin-1", R"(\ansicpg12345 \'e9)", u"é"_s);
        row("\\u negative", R"(\u-255?)", u"！"_s);
        row("\\uc2 skips a \\'hh pair", R"(\uc2\u20013\'d6\'d0x)", u"中x"_s);
        row("a control word is one fallback", R"(\u20013\tab x)", u"中x"_s);
        row("fallback ends with its group", R"({\uc3\u20013}ab)", u"中ab"_s);
        row("\\uc restored after a group", R"({\uc2 x}\u20013?y)", u"x中y"_s);
        row("surrogate pair", R"(\u-10179?\u-8704?)", u"\U0001F600"_s);
        row("lone surrogates dropped", R"(\u-10179?x\u-8704?y)", u"xy"_s);
        row("\\u out of range dropped", R"(\u70000?x\u-70000?y)", u"xy"_s);
        row("controls stripped", "a\\'07\\'00\x01\\u7?\\u127?b", u"ab"_s);
        row("unknown destinations skipped", R"({\*\unknown x{\b y}}a)", u"a"_s);
        row("known destinations skipped",
            R"({\stylesheet{\s0 Normal;}}{\info{\title t}}{\pict\pngblip 89504e47}{\header h}a)",
            u"a"_s);
        row("field result shown, instruction hidden",
            R"({\field{\*\fldinst HYPERLINK "u"}{\fldrslt link}} {\field{\fldinst PAGE}{\fldrslt 3}})",
            u"link 3"_s);
        row("\\bin data skipped", R"(a{\pict\bin4 {{{{}b\bin3 }}}c)", u"abc"_s);
        row("\\bin beyond the end", R"(a\bin999999999 xyz)", u"a"_s);
        row("backslash and line end is a paragraph", "a\\\nb\\\r\nc", u"a\nb\nc"_s);
        row("raw line ends ignored", "a\r\nb\rc", u"abc"_s);
        row("tab, line, no-break space and hyphens", R"(a\tab b\line c\~d\-e\_f)",
            u"a\tb\u2028c\u00A0de\u2011f"_s);
        row("escaped braces and backslash", R"(\{\}\\)", u"{}\\"_s);
        row("one space after a control word is eaten", R"(\b  x\b0\par y)", u" x\ny"_s);
        row("last \\par leaves no empty paragraph", R"(a\par b\par)", u"a\nb"_s);
        row("other empty paragraphs kept", R"(\par a\par\par b)", u"\na\n\nb"_s);
        row("unknown and over-long control words dropped",
            R"(\foo123 a\aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa b)", u"ab"_s);
        row("hidden text", R"(a{\v hidden}b)", u"ab"_s);
        row("table cells and rows", R"(a\cell b\cell\row c\cell d\cell\row)", u"a\tb\nc\td"_s);
    }

    void text() {
        QFETCH(QByteArray, body);
        QFETCH(QString, expected);
        QCOMPARE(read("{\\rtf1 " + body + '}'), expected);
    }

    // Looks are written as in describe(): "b i u", the size in points, the colour, the family.
    void formats_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<QString>("look");
        auto row = [](const char* name, const char* body, const QString& needle,
                      const QString& look) {
            QTest::newRow(name) << QByteArray(body) << needle << look;
        };
        row("defaults", "x", u"x"_s, u"12 Arial"_s);
        row("bold", R"(\b on\b0 off)", u"on"_s, u"b 12 Arial"_s);
        row("italic, underline", R"({\i\ul iu})", u"iu"_s, u"i u 12 Arial"_s);
        row("group end restores", R"({\b\i\fs40 in}out)", u"out"_s, u"12 Arial"_s);
        row("\\plain resets", R"(\b\i\ul\fs40\cf1\f1 x\plain reset)", u"reset"_s, u"12 Arial"_s);
        row("\\fs", R"(\fs37 big)", u"big"_s, u"18.5 Arial"_s);
        row("huge \\fs clamped", R"(\fs99999999999999999999 huge)", u"huge"_s, u"1638 Arial"_s);
        row("colour", R"(\cf1 red)", u"red"_s, u"12 #ff0000 Arial"_s);
        row("colour index out of range", R"(\cf9 nine)", u"nine"_s, u"12 Arial"_s);
        row("font name in \\'hh", R"(\f1\'d6\'d0)", u"中"_s, u"12 宋体"_s);
        row("font name in \\u", R"(\f2 x)", u"x"_s, u"12 宋体"_s);
        row("font with alternative", R"(\f3 x)", u"x"_s, u"12 Foo"_s);
        row("associated look after \\dbch", R"({\dbch\ab\ai\af1\afs28 \'d6\'d0})", u"中"_s,
            u"b i 14 宋体"_s);
        row("no associated look after \\loch", R"({\loch\ab\af1 x})", u"x"_s, u"12 Arial"_s);
    }

    void formats() {
        QFETCH(QByteArray, body);
        QFETCH(QString, needle);
        QTextDocument document;
        QVERIFY(zige::readRtf(
            R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\fnil\fcharset134 \'cb\'ce\'cc\'e5;})"
            R"({\f2\fnil\fcharset134 \u23435?\u20307? ;}{\f3 Foo{\*\falt Bar};}})"
            R"({\colortbl;\red255\green0\blue0;\red0\green128\blue0;})" +
                body + '}',
            document));
        QTEST(describe(formatOf(document, needle)), "look");
    }

    void hostile_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* name, const QByteArray& rtf, const QString& expected) {
            QTest::newRow(name) << rtf << expected;
        };
        const QByteArray deep = QByteArray(100000, '{') + 'b' + QByteArray(100000, '}');
        row("deep nesting", "{\\rtf1 a" + deep + "c}", u"ac"_s);
        row("nesting within the bound", "{\\rtf1 " + QByteArray(990, '{') + 'b', u"b"_s);
        row("extra closing braces", "{\\rtf1 a}}}}b}", u"ab"_s);
        row("unclosed groups", "{\\rtf1 {\\b a{\\i b", u"ab"_s);
        row("truncated \\'", "{\\rtf1 a\\'", u"a"_s);
        row("\\'4 before a brace", "{\\rtf1 a\\'4}b", u"ab"_s);
        row("bad hex digits", "{\\rtf1 a\\'zzb}", u"azzb"_s);
        row("lone backslash at the end", "{\\rtf1 a\\", u"a"_s);
        row("huge numbers",
            "{\\rtf1 \\fs99999999999999999999 a\\u99999999999999 b\\uc9999999999 c}", u"ac"_s);
        row("\\uc31682", "{\\rtf1\\uc31682\\u20013 abcdefghijklm}", u"中klm"_s);
        row("header only", "{\\rtf", QString());
        row("byte order mark and blanks", "\xEF\xBB\xBF \r\n{\\rtf1 x}", u"x"_s);
    }

    void hostile() {
        QFETCH(QByteArray, rtf);
        QTEST(read(rtf), "expected");
    }

    void randomBytesShowNoControls() {
        QRandomGenerator random(20240);
        for (int round = 0; round < 50; ++round) {
            QByteArray rtf = "{\\rtf1\\ansicpg936 ";
            for (int i = 0; i < 4096; ++i) rtf += char(random.bounded(256));
            const QString text = read(rtf);
            for (const QChar c : text) QVERIFY(c >= u' ' || c == u'\t' || c == u'\n');
        }
    }

    // Millions of paragraphs would take QTextDocument minutes and gigabytes; the reader cuts them.
    void floodsAreCut() {
        QTemporaryDir dir;
        const QString rtf = dir.filePath(u"flood.rtf"_s), plain = dir.filePath(u"flood.txt"_s);
        QVERIFY(writeFile(rtf, "{\\rtf1 " + QByteArray("a\\par ").repeated(70000) + '}'));
        QVERIFY(writeFile(plain, QByteArray("a\n").repeated(70000)));
        for (const QString& path : {rtf, plain}) {
            QTextDocument document;
            QVERIFY(zige::loadRichTextFile(path, document));
            QVERIFY(document.blockCount() > 10000);
            QVERIFY(document.blockCount() < 70000);
            QCOMPARE(document.firstBlock().text(), u"a"_s);
        }
    }

    void notRtfLeavesDocumentAlone() {
        QTextDocument document(u"keep"_s);
        for (const QByteArray& bytes : {QByteArray(), QByteArray("hello"),
                                        QByteArray("\0{\\rtf1 x}", 10), QByteArray("{\\rt")}) {
            QVERIFY(!zige::readRtf(bytes, document));
            QCOMPARE(document.toPlainText(), u"keep"_s);
        }
    }

    void loadRichTextFile() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QTextDocument document(u"keep"_s);
        const QString big = dir.filePath(u"big.txt"_s);
        QVERIFY(writeFile(big, "{\\rtf1 x}"));
        QVERIFY(QFile::resize(big, 40 * 1024 * 1024));
        QVERIFY(QDir(dir.path()).mkdir(u"folder.txt"_s));
        for (const QString& name : {u"missing.txt"_s, u"folder.txt"_s, u"big.txt"_s}) {
            QVERIFY2(!zige::loadRichTextFile(dir.filePath(name), document), qPrintable(name));
            QCOMPARE(document.toPlainText(), u"keep"_s);
        }

        const QString rtf = dir.filePath(u"lib.txt"_s);
        QVERIFY(writeFile(rtf, "{\\rtf1\\ansicpg936 \\'d6\\'d0}"));
        QVERIFY(zige::loadRichTextFile(rtf, document));
        QCOMPARE(document.toPlainText(), u"中"_s);

        // Not RTF: plain text in code page 936.
        const QString plain = dir.filePath(u"plain.txt"_s);
        QVERIFY(writeFile(plain, "\xd6\xd0\xce\xc4\r\n\xb5\xda\xb6\xfe\x01\xd0\xd0"));
        QVERIFY(zige::loadRichTextFile(plain, document));
        QCOMPARE(document.toPlainText(), u"中文\n第二行"_s);

        const QString empty = dir.filePath(u"empty.txt"_s);
        QVERIFY(writeFile(empty, {}));
        QVERIFY(zige::loadRichTextFile(empty, document));
        QVERIFY(document.isEmpty());
    }

    void editorSamples_data() {
        QTest::addColumn<QString>("path");
        const QDir dir(kSource + u"/tests/rtf_samples"_s);
        const QStringList names = dir.entryList({u"*.rtf"_s}, QDir::Files, QDir::Name);
        QVERIFY(names.size() >= 3);
        for (const QString& name : names) QTest::newRow(qPrintable(name)) << dir.filePath(name);
    }

    void editorSamples() {
        QFETCH(QString, path);
        QFile expectedFile(path.chopped(4) + u".txt"_s);
        QVERIFY(expectedFile.open(QIODevice::ReadOnly));
        const QString expected = QString::fromUtf8(expectedFile.readAll()).chopped(1);
        QTextDocument document;
        QVERIFY(zige::loadRichTextFile(path, document));
        QCOMPARE(document.toPlainText(), expected);
    }

    void editorSampleLooks() {
        QTextDocument pandoc, office;
        QVERIFY(zige::loadRichTextFile(kSource + u"/tests/rtf_samples/pandoc_notes.rtf"_s, pandoc));
        QVERIFY(zige::loadRichTextFile(kSource + u"/tests/rtf_samples/lo_lesson.rtf"_s, office));
        QCOMPARE(describe(formatOf(pandoc, u"临帖"_s)), u"b 18 Helvetica"_s);
        QCOMPARE(describe(formatOf(pandoc, u"永字八法"_s)), u"u 12 Helvetica"_s);
        QCOMPARE(describe(formatOf(pandoc, u"code"_s)), u"12 Courier"_s);
        QCOMPARE(describe(formatOf(office, u"横画"_s)), u"b 14 AR PL UMing CN"_s);
        QCOMPARE(describe(formatOf(office, u"红色"_s)), u"12 #cc0000 WenQuanYi Zen Hei"_s);
    }
};

QTEST_MAIN(TestRtfReader)
#include "test_rtf_reader.moc"
