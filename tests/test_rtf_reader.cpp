// The RTF reader: the character library, tokenizer and parser cases, hostile input, and files
// written by real editors (tests/rtf_samples/: the .rtf were made from the .md/.html beside them
// with `pandoc -s -t rtf` and `soffice --headless --convert-to rtf`; the .txt is the text).
#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "test_support_gui.h"
#include "text/rtf_reader.h"

using namespace Qt::StringLiterals;
using namespace zige::test;

namespace {

const QString kSource = QStringLiteral(ZIGE_SOURCE_DIR);

// Paragraphs as '\n'; line separators and no-break spaces stay as they are.
QString textOf(const QTextDocument& document) {
    return document.toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

// What the reader makes of `rtf` in a document that held "keep": a refusal must leave it alone.
QString read(const QByteArray& rtf) {
    QTextDocument document(u"keep"_s);
    return zige::readRtf(rtf, document) ? textOf(document) : "not read: " + textOf(document);
}

// Looks as "b i u", the size in points, the colour, the family.
QString lookOf(const QTextDocument& document, const QString& needle) {
    for (QTextBlock b = document.begin(); b != document.end(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (!it.fragment().text().contains(needle)) continue;
            const QTextCharFormat f = it.fragment().charFormat();
            QStringList look;
            if (f.fontWeight() == QFont::Bold) look << u"b"_s;
            if (f.fontItalic()) look << u"i"_s;
            if (f.fontUnderline()) look << u"u"_s;
            look << QString::number(f.fontPointSize());
            if (f.hasProperty(QTextFormat::ForegroundBrush)) look << f.foreground().color().name();
            return (look + f.fontFamilies().toStringList()).join(u' ');
        }
    return u"not found"_s;
}

}  // namespace

class TestRtfReader : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // The 6763 GB2312 characters in code order, under two headings and 72 zone labels on lines
    // of their own; nothing else, such as the unassigned codes 0xD7FA..0xD7FE.
    void characterLibrary() {
        QTextDocument document;
        QVERIFY(zige::loadRichTextFile(kSource + u"/data/hz.txt"_s, document));
        QString expected, text = textOf(document) + u'\n';
        for (int zone = 16; zone <= 87; ++zone)
            for (int position = 1; position <= 94; ++position)
                expected += iconvCp936(zone + 0xA0, position + 0xA0);
        QCOMPARE(expected.size(), 6763);
        const QRegularExpression heading(u"^(一级汉字|二级汉字|\\[\\d\\d\\])\n"_s,
                                         QRegularExpression::MultilineOption);
        QCOMPARE(text.count(heading), 2 + 72);
        QCOMPARE(text.remove(heading).remove(u'\n'), expected);
    }

    // Whole documents and the text read from them.
    void text_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("expected");
        // clang-format off
        const std::pair<std::string_view, QString> rows[] = {
            // Code pages: of the document, of a font's charset or \cpg, raw bytes, unknown ones.
            {R"({\rtf1 \ansicpg936 \'d6\'d0\'CE\'C4})", u"中文"_s}, {R"({\rtf1 caf\'e9})", u"café"_s},
            {R"({\rtf1 \ansicpg936 \'81\'40\'fd\'9b})", u"丂龥"_s}, {"{\\rtf1 \\ansicpg936 \xd6\xd0}", u"中"_s},
            {R"({\rtf1 {\fonttbl{\f0 Times;}{\f1\fcharset134 S;}}\f0 caf\'e9 {\f1\'d6\'d0}\'e9})", u"café 中é"_s},
            {R"({\rtf1 {\fonttbl{\f1\fcharset134\cpg950 X;}}\f1\'a4\'a4})", u"中"_s},
            {R"({\rtf1 {\fonttbl{\f1\fcharset136 X;}}\f1\'a4\'a4})", u"中"_s}, {R"({\rtf1 \ansicpg12345 \'e9})", u"é"_s},
            // \u: negative, its fallback (a \'hh pair or a control word each count as one, the
            // group ends it, \uc comes back after a group), surrogates, out of range, controls.
            {R"({\rtf1 \u-255?})", u"！"_s}, {R"({\rtf1 \uc2\u20013\'d6\'d0x})", u"中x"_s},
            {R"({\rtf1 \u20013\tab x})", u"中x"_s}, {R"({\rtf1 {\uc3\u20013}ab})", u"中ab"_s},
            {R"({\rtf1 {\uc2 x}\u20013?y})", u"x中y"_s}, {R"({\rtf1 \u-10179?\u-8704?})", u"\U0001F600"_s},
            {R"({\rtf1 \u-10179?x\u-8704?y})", u"xy"_s}, {R"({\rtf1 \u70000?x\u-70000?y})", u"xy"_s},
            {"{\\rtf1 a\\'07\\'00\x01\\u7?\\u127?b}", u"ab"_s},
            // Destinations skipped, field results shown, \bin data skipped.
            {R"({\rtf1 {\*\unknown x{\b y}}a})", u"a"_s},
            {R"({\rtf1 {\stylesheet{\s0 N;}}{\info{\title t}}{\pict\pngblip 8950}{\header h}a})", u"a"_s},
            {R"({\rtf1 {\field{\*\fldinst HYPERLINK "u"}{\fldrslt link}} {\field{\fldinst PAGE}{\fldrslt 3}}})", u"link 3"_s},
            {R"({\rtf1 a{\pict\bin4 {{{{}b\bin3 }}}c})", u"abc"_s}, {R"({\rtf1 a\bin999999999 xyz})", u"a"_s},
            // Line ends, symbols, spaces and paragraphs; unknown words, hidden text, tables.
            {"{\\rtf1 a\\\nb\\\r\nc}", u"a\nb\nc"_s}, {"{\\rtf1 a\r\nb\rc}", u"abc"_s},
            {R"({\rtf1 a\tab b\line c\~d\-e\_f})", u"a\tb\u2028c\u00A0de\u2011f"_s}, {R"({\rtf1 \{\}\\})", u"{}\\"_s},
            {R"({\rtf1 \b  x\b0\par y})", u" x\ny"_s}, {R"({\rtf1 a\par b\par})", u"a\nb"_s},
            {R"({\rtf1 \par a\par\par b})", u"\na\n\nb"_s}, {R"({\rtf1 a{\v hidden}b})", u"ab"_s},
            {R"({\rtf1 \foo123 a\aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa b})", u"ab"_s},
            {R"({\rtf1 a\cell b\cell\row c\cell d\cell\row})", u"a\tb\nc\td"_s},
            // Hostile or broken input.
            {"{\\rtf1 a}}}}b}", u"ab"_s}, {"{\\rtf1 {\\b a{\\i b", u"ab"_s}, {"{\\rtf1 a\\'", u"a"_s},
            {"{\\rtf1 a\\'4}b", u"ab"_s}, {"{\\rtf1 a\\'zzb}", u"azzb"_s}, {"{\\rtf1 a\\", u"a"_s},
            {"{\\rtf1 \\fs99999999999999999999 a\\u99999999999999 b\\uc9999999999 c}", u"ac"_s},
            {"{\\rtf1\\uc31682\\u20013 abcdefghijklm}", u"中klm"_s}, {"{\\rtf", u""_s},
            {"\xEF\xBB\xBF \r\n{\\rtf1 x}", u"x"_s},
            // Not RTF at all.
            {"", u"not read: keep"_s}, {"hello", u"not read: keep"_s}, {"{\\rt", u"not read: keep"_s},
            {std::string_view("\0{\\rtf1 x}", 10), u"not read: keep"_s}};
        // clang-format on
        for (const auto& [rtf, expected] : rows) {
            const QByteArray bytes(rtf.data(), qsizetype(rtf.size()));
            QTest::newRow(bytes.left(60).toPercentEncoding(" {}\\'?*;").constData())
                << bytes << expected;
        }
        const QByteArray deep = QByteArray(100000, '{') + 'b' + QByteArray(100000, '}');
        QTest::newRow("deep nesting") << "{\\rtf1 a" + deep + "c}" << u"ac"_s;
        QTest::newRow("nesting within the bound")
            << "{\\rtf1 " + QByteArray(990, '{') + 'b' << u"b"_s;
    }
    void text() {
        QFETCH(QByteArray, rtf);
        QTEST(read(rtf), "expected");
    }

    void randomBytesShowNoControls() {
        QRandomGenerator random(20240);
        for (int round = 0; round < 50; ++round) {
            QByteArray rtf = "{\\rtf1\\ansicpg936 ";
            for (int i = 0; i < 4096; ++i) rtf += char(random.bounded(256));
            for (const QChar c : read(rtf)) QVERIFY(c >= u' ' || c == u'\t' || c == u'\n');
        }
    }

    // A body after the header below, or a file (a path from the source folder, with a leading
    // '/'), the text searched for and its look.
    void looks_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<QString>("look");
        // clang-format off
        const std::array<QString, 3> rows[] = {
            {"x", "x", "12 Arial"}, {R"(\b on\b0 off)", "on", "b 12 Arial"},
            {R"({\i\ul iu})", "iu", "i u 12 Arial"}, {R"({\b\i\fs40 in}out)", "out", "12 Arial"},
            {R"(\b\i\ul\fs40\cf1\f1 x\plain reset)", "reset", "12 Arial"}, {R"(\fs37 big)", "big", "18.5 Arial"},
            {R"(\fs99999999999999999999 huge)", "huge", "1638 Arial"},
            {R"(\cf1 red)", "red", "12 #ff0000 Arial"}, {R"(\cf9 nine)", "nine", "12 Arial"},
            // Font names in \'hh and in \u; one with an alternative.
            {R"(\f1\'d6\'d0)", "中", "12 宋体"}, {R"(\f2 x)", "x", "12 宋体"}, {R"(\f3 x)", "x", "12 Foo"},
            // The associated look applies after \dbch, not after \loch.
            {R"({\dbch\ab\ai\af1\afs28 \'d6\'d0})", "中", "b i 14 宋体"}, {R"({\loch\ab\af1 x})", "x", "12 Arial"},
            {"/data/hz.txt", "啊", "12 宋体"},
            {"/tests/rtf_samples/pandoc_notes.rtf", "临帖", "b 18 Helvetica"},
            {"/tests/rtf_samples/pandoc_notes.rtf", "永字八法", "u 12 Helvetica"},
            {"/tests/rtf_samples/pandoc_notes.rtf", "code", "12 Courier"},
            {"/tests/rtf_samples/lo_lesson.rtf", "横画", "b 14 AR PL UMing CN"},
            {"/tests/rtf_samples/lo_lesson.rtf", "红色", "12 #cc0000 WenQuanYi Zen Hei"}};
        // clang-format on
        for (const auto& [source, needle, look] : rows)
            QTest::addRow("%s %s", qPrintable(source), qPrintable(needle))
                << source << needle << look;
    }
    void looks() {
        QFETCH(QString, source);
        QTextDocument document;
        if (source.startsWith(u'/'))
            QVERIFY(zige::loadRichTextFile(kSource + source, document));
        else
            QVERIFY(zige::readRtf(
                R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\fnil\fcharset134 \'cb\'ce\'cc\'e5;})"
                R"({\f2\fnil\fcharset134 \u23435?\u20307? ;}{\f3 Foo{\*\falt Bar};}})"
                R"({\colortbl;\red255\green0\blue0;\red0\green128\blue0;})" +
                    source.toUtf8() + '}',
                document));
        QFETCH(QString, needle);
        QTEST(lookOf(document, needle), "look");
    }

    // Files: refused ones leave the document alone; plain text is read as code page 936; a
    // flood of paragraphs, which would take QTextDocument minutes and gigabytes, is cut.
    void initTestCase() {
        QVERIFY(writeFile(dir.filePath(u"big.txt"_s), "{\\rtf1 x}"));
        QVERIFY(QFile::resize(dir.filePath(u"big.txt"_s), 40 * 1024 * 1024));
        QVERIFY(QDir(dir.path()).mkdir(u"folder.txt"_s));
        QVERIFY(writeFile(dir.filePath(u"lib.txt"_s), "{\\rtf1\\ansicpg936 \\'d6\\'d0}"));
        QVERIFY(writeFile(dir.filePath(u"plain.txt"_s),
                          "\xd6\xd0\xce\xc4\r\n\xb5\xda\xb6\xfe\x01\xd0\xd0"));
        QVERIFY(writeFile(dir.filePath(u"empty.txt"_s), {}));
        QVERIFY(writeFile(dir.filePath(u"flood.rtf"_s),
                          "{\\rtf1 " + QByteArray("a\\par ").repeated(70000) + '}'));
        QVERIFY(writeFile(dir.filePath(u"flood.txt"_s), QByteArray("a\n").repeated(70000)));
    }
    void files_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");  // the text, of a flood its first paragraph
        // clang-format off
        for (const auto& [name, expected] : std::initializer_list<std::pair<const char*, QString>>{
                 {"missing.txt", "keep"}, {"folder.txt", "keep"}, {"big.txt", "keep"}, {"lib.txt", "中"},
                 {"plain.txt", "中文\n第二行"}, {"empty.txt", ""}, {"flood.rtf", "a"}, {"flood.txt", "a"}})
            QTest::newRow(name) << QString::fromLatin1(name) << expected;
        // clang-format on
        // Files written by editors, against the text beside them.
        const QDir samples(kSource + u"/tests/rtf_samples"_s);
        const QStringList names = samples.entryList({u"*.rtf"_s}, QDir::Files, QDir::Name);
        QVERIFY(names.size() >= 3);
        for (const QString& name : names)
            QTest::newRow(qPrintable(name))
                << samples.filePath(name)
                << QString::fromUtf8(fileBytes(samples.filePath(name).chopped(4) + u".txt"_s))
                       .chopped(1);
    }
    void files() {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QTextDocument document(u"keep"_s);
        QCOMPARE(zige::loadRichTextFile(QDir(dir.path()).filePath(name), document),
                 expected != u"keep"_s);
        const bool flood = name.startsWith(u"flood"_s);
        QCOMPARE(flood ? document.firstBlock().text() : document.toPlainText(), expected);
        QCOMPARE(document.blockCount() > 10000 && document.blockCount() < 70000, flood);
    }
};

QTEST_MAIN(TestRtfReader)
#include "test_rtf_reader.moc"
