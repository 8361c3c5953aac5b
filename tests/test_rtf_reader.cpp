// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF reader: the library, parser cases, hostile input, files of pandoc and soffice.
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

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

// The look of the last character of `needle`: "b i u", points, colour, family.
QString lookOf(const QTextDocument& document, const QString& needle) {
    const QTextCharFormat f = document.find(needle).charFormat();
    QStringList look;
    if (f.fontWeight() == QFont::Bold) look << u"b"_s;
    if (f.fontItalic()) look << u"i"_s;
    if (f.fontUnderline()) look << u"u"_s;
    look << QString::number(f.fontPointSize());
    if (f.hasProperty(QTextFormat::ForegroundBrush)) look << f.foreground().color().name();
    return (look + f.fontFamilies().toStringList()).join(u' ');
}

}  // namespace

class TestRtfReader : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // The 6763 GB2312 characters in code order under 2 headings and 72 zone labels, no more.
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
            // Code pages: of the document, of a font's charset, unknown ones.
            {R"({\rtf1 \ansicpg936 \'d6\'d0\'CE\'C4})", u"中文"_s}, {R"({\rtf1 \ansicpg12345 \'e9})", u"é"_s},
            {R"({\rtf1 {\fonttbl{\f0 Times;}{\f1\fcharset134 S;}}\f0 caf\'e9 {\f1\'d6\'d0}\'e9})", u"café 中é"_s},
            {R"({\rtf1 {\fonttbl{\f1\fcharset136 X;}}\f1\'a4\'a4})", u"中"_s},
            // \u: its fallback, surrogates, out of range, controls.
            {R"({\rtf1 \uc2\u20013\'d6\'d0x})", u"中x"_s}, {R"({\rtf1 {\uc2 x}\u20013?y})", u"x中y"_s},
            {R"({\rtf1 \u-10179?\u-8704?})", u"\U0001F600"_s}, {R"({\rtf1 \u-10179?x\u70000?y})", u"xy"_s},
            {"{\\rtf1 a\\'07\\'00\x01\\u7?\\u127?b}", u"ab"_s},
            // Destinations skipped, field results shown, \bin data skipped.
            {R"({\rtf1 {\*\unknown x{\b y}}{\stylesheet{\s0 N;}}{\info{\title t}}{\pict\pngblip 8950}{\header h}a})", u"a"_s},
            {R"({\rtf1 {\field{\*\fldinst HYPERLINK "u"}{\fldrslt link}} {\field{\fldinst PAGE}{\fldrslt 3}}})", u"link 3"_s},
            {R"({\rtf1 a{\pict\bin4 {{{{}b\bin3 }}}c})", u"abc"_s}, {R"({\rtf1 a\bin999999999 xyz})", u"a"_s},
            // Line ends, symbols, spaces, paragraphs and unknown words.
            {"{\\rtf1 a\\\nb\\\r\nc}", u"a\nb\nc"_s}, {"{\\rtf1 a\r\nb\rc}", u"abc"_s}, {R"({\rtf1 \{\}\\})", u"{}\\"_s},
            {R"({\rtf1 a\tab b\line c\~d\-e\_f})", u"a\tb\u2028c\u00A0de\u2011f"_s}, {R"({\rtf1 \b  x\b0\par y})", u" x\ny"_s},
            {R"({\rtf1 \par a\par b\par})", u"\na\nb"_s}, {R"({\rtf1 \foo123 a\aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa b})", u"ab"_s},
            // Hostile or broken input, one of each kind.
            {"{\\rtf1 a}}}}b}", u"ab"_s}, {"{\\rtf1 {\\b a{\\i b", u"ab"_s}, {"{\\rtf1 a\\'", u"a"_s}, {"{\\rtf1 a\\'zzb}", u"azzb"_s},
            {"{\\rtf1 \\fs99999999999999999999 a\\u99999999999999 b\\uc9999999999 c}", u"ac"_s},
            {"{\\rtf1\\uc31682\\u20013 abcdefghijklm}", u"中klm"_s}, {"\xEF\xBB\xBF \r\n{\\rtf1 x}", u"x"_s},
            // Not RTF at all, and the shortest that is.
            {"", u"not read: keep"_s}, {"{\\rt", u"not read: keep"_s}, {std::string_view("\0{\\rtf1 x}", 10), u"not read: keep"_s},
            {"{\\rtf", u""_s}};
        QTest::newRow("deep nesting") << "{\\rtf1 a" + QByteArray(100000, '{') + 'b' + QByteArray(100000, '}') + "c}" << u"ac"_s;
        QTest::newRow("nesting within the bound") << "{\\rtf1 " + QByteArray(990, '{') + 'b' << u"b"_s;
        // clang-format on
        for (const auto& [rtf, expected] : rows) {
            const QByteArray bytes(rtf.data(), qsizetype(rtf.size()));
            QTest::newRow(bytes.left(60).toPercentEncoding(" {}\\'?*;").constData())
                << bytes << expected;
        }
    }
    void text() {
        QFETCH(QByteArray, rtf);
        QTEST(read(rtf), "expected");
    }

    // A body after the header below, or a file from the source folder ("/..."): a text's look.
    void looks_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<QString>("look");
        // clang-format off
        const std::array<QString, 3> rows[] = {
            {R"(\b on\b0 off)", "on", "b 12 Arial"}, {R"({\b\i\fs40 in}out)", "out", "12 Arial"}, {R"(\fs37 big)", "big", "18.5 Arial"},
            {R"(\b\i\ul\fs40\cf1\f1 x\plain reset)", "reset", "12 Arial"}, {R"(\fs99999999999999999999 huge)", "huge", "1638 Arial"},
            {R"(\cf1 red)", "red", "12 #ff0000 Arial"}, {R"(\cf9 nine)", "nine", "12 Arial"},
            // Font names in \'hh and in \u, one with an alternative; the associated look after \dbch.
            {R"(\f1\'d6\'d0)", "中", "12 宋体"}, {R"(\f2 x)", "x", "12 宋体"}, {R"(\f3 x)", "x", "12 Foo"},
            {R"({\dbch\ab\ai\af1\afs28 \'d6\'d0})", "中", "b i 14 宋体"}, {"/data/hz.txt", "啊", "12 宋体"},
            {"/tests/rtf_samples/pandoc_notes.rtf", "永字八法", "u 12 Helvetica"}, {"/tests/rtf_samples/lo_lesson.rtf", "横画", "b 14 AR PL UMing CN"},
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

    // Files: too big is refused, plain text read as code page 936, a flood of paragraphs cut.
    void initTestCase() {
        QVERIFY(writeFile(dir.filePath(u"big.txt"_s), "{\\rtf1 x}" + QByteArray(4 << 20, ' ')));
        QVERIFY(writeFile(dir.filePath(u"plain.txt"_s),
                          "\xd6\xd0\xce\xc4\r\n\xb5\xda\xb6\xfe\x01\xd0\xd0"));
        QVERIFY(writeFile(dir.filePath(u"flood.rtf"_s),
                          "{\\rtf1 " + QByteArray("a\\par ").repeated(70000) + '}'));
        QVERIFY(writeFile(dir.filePath(u"flood.txt"_s), QByteArray("a\n").repeated(70000)));
    }
    void files_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");  // the text, of a flood its first paragraph
        // clang-format off
        for (const auto& [name, expected] : std::initializer_list<std::pair<const char*, QString>>{
                 {"big.txt", "keep"}, {"plain.txt", "中文\n第二行"}, {"flood.rtf", "a"}, {"flood.txt", "a"}})
            QTest::newRow(name) << QString::fromLatin1(name) << expected;
        // clang-format on
        const QDir samples(kSource + u"/tests/rtf_samples"_s);
        const QStringList names = samples.entryList({u"*.rtf"_s}, QDir::Files, QDir::Name);
        QVERIFY(names.size() >= 3);
        for (const QString& name : names) {
            const QString path = samples.filePath(name);
            QTest::newRow(qPrintable(name))
                << path << QString::fromUtf8(fileBytes(path.chopped(4) + u".txt"_s)).chopped(1);
        }
    }
    void files() {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QTextDocument document(u"keep"_s);
        QCOMPARE(zige::loadRichTextFile(QDir(dir.path()).filePath(name), document),
                 expected != u"keep"_s);
        const bool flood = name.startsWith(u"flood"_s);
        QCOMPARE(document.toPlainText().section(u'\n', 0, flood ? 0 : -1), expected);
        // A flood is cut at exactly 65536 paragraphs, whatever each of them holds.
        if (flood) QCOMPARE(document.blockCount(), 65536);
    }
};

QTEST_MAIN(TestRtfReader)
#include "test_rtf_reader.moc"
