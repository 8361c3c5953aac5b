// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/rtf_reader.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <array>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "text/cp936.h"

namespace zige {
namespace {

// Library files are tens of KiB; anything far bigger is not one, and laying out a few MiB of
// text already takes the view about half a second.
constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;
// Groups nested deeper than this still balance their braces, but show nothing.
constexpr int kMaxDepth = 1000;
// Keeps the arithmetic of hostile parameters far from overflow.
constexpr qint64 kMaxParam = 1'000'000'000;
// Hostile tables must not grow without bound; real ones hold a few dozen entries.
constexpr int kMaxTableEntries = 4096;
// Past this many paragraphs and runs the rest of a file is dropped: a library has a few hundred,
// and millions would cost QTextDocument seconds and gigabytes.
constexpr int kMaxPieces = 1 << 16;
constexpr int kDefaultHalfPoints = 24;
constexpr int kMaxHalfPoints = 3276;

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c) {
    static constexpr auto kValues = [] {
        std::array<qint8, 256> values{};
        values.fill(-1);
        for (int i = 0; i < 10; ++i) values['0' + i] = qint8(i);
        for (int i = 0; i < 6; ++i) values['a' + i] = values['A' + i] = qint8(10 + i);
        return values;
    }();
    return kValues[static_cast<unsigned char>(c)];
}

// Invisible or structural characters never reach the document: controls, the replacement
// character of bytes the code page rejects, and the noncharacters QTextDocument uses internally.
bool isDropped(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2029 || (c >= 0xFDD0 && c <= 0xFDEF) ||
           c >= 0xFFFD;
}

struct Token {
    enum Kind { End, Open, Close, Word, Symbol, Byte };
    Kind kind = End;
    QByteArrayView word;  // letters of a control word; empty for one too long to be valid
    bool hasParam = false;
    int param = 0;
    char ch = 0;  // the character of a control symbol, or the byte of text
};

struct Tokenizer {
    const char* p;
    const char* end;

    Token next() {
        while (p < end) {
            const char c = *p++;
            if (c == '{') return {Token::Open, {}, false, 0, 0};
            if (c == '}') return {Token::Close, {}, false, 0, 0};
            if (c == '\r' || c == '\n') continue;
            if (c != '\\') return byte(c);
            if (p == end) break;  // a lone backslash at the end
            if (isLetter(*p)) return word();
            const char s = *p++;
            if (s == '\\' || s == '{' || s == '}') return byte(s);
            if (s == '\r' || s == '\n') return named("par");
            if (s != '\'') return {Token::Symbol, {}, false, 0, s};
            // A truncated escape is dropped with its hex digits; a non-hex character is text.
            int value = 0;
            int digits = 0;
            for (; digits < 2 && p < end && hexValue(*p) >= 0; ++digits, ++p)
                value = value * 16 + hexValue(*p);
            if (digits == 2) return byte(char(value));
        }
        return {};
    }

    // The byte a \'hh escape at the current position stands for, or -1.
    int escapedByte() const {
        if (end - p < 4 || p[0] != '\\' || p[1] != '\'') return -1;
        const int high = hexValue(p[2]);
        const int low = hexValue(p[3]);
        return high < 0 || low < 0 ? -1 : high * 16 + low;
    }

    // Moves the text bytes that come next, plain or \'hh, into out, leaving anything else to
    // next(): a library file is almost all such bytes, and a token for each costs several times
    // more.
    void takeText(std::string& out) {
        char chunk[256];  // std::string's push_back is a call per byte
        std::size_t n = 0;
        while (p < end) {
            const char c = *p;
            if (c == '\r' || c == '\n') {
                ++p;
                continue;
            }
            if (c != '\\' && c != '{' && c != '}') {
                chunk[n++] = c;
                ++p;
            } else if (const int b = escapedByte(); b >= 0) {
                chunk[n++] = char(b);
                p += 4;
            } else {
                break;
            }
            if (n == sizeof chunk) {
                out.append(chunk, n);
                n = 0;
            }
        }
        out.append(chunk, n);
    }

    static Token byte(char c) { return {Token::Byte, {}, false, 0, c}; }
    static Token named(const char* name) {
        return {Token::Word, QByteArrayView(name), false, 0, 0};
    }

    Token word() {
        const char* start = p;
        while (p < end && isLetter(*p)) ++p;
        Token t{Token::Word, QByteArrayView(start, p - start), false, 0, 0};
        if (p - start > 32) t.word = {};
        const bool negative = p + 1 < end && *p == '-' && isDigit(p[1]);
        if (negative) ++p;
        if (p < end && isDigit(*p)) {
            qint64 value = 0;
            for (; p < end && isDigit(*p); ++p)
                value = std::min(value * 10 + (*p - '0'), kMaxParam);
            t.hasParam = true;
            t.param = int(negative ? -value : value);
        }
        if (p < end && *p == ' ') ++p;
        if (t.word == QByteArrayView("bin") && t.hasParam && t.param > 0)
            p += std::min<qint64>(t.param, end - p);  // raw binary data, never text
        return t;
    }
};

// clang-format off
enum class Kw {
    Skip, FontTable, ColorTable, Char, Par, Line, Tab, Cell, Row, Plain, Font, DefaultFont,
    FontSize, Bold, Italic, Underline, UnderlineNone, Hidden, Color, Uc, U, AnsiCpg, Cpg,
    FontCharset, Red, Green, Blue, DoubleByte, SingleByte, AssocFont, AssocFontSize, AssocBold,
    AssocItalic
};
// clang-format on

struct Keyword {
    const char* name;
    Kw kw;
    char16_t ch = 0;
};

// Sorted by name for the binary search in lookup().
// clang-format off
constexpr Keyword kKeywords[] = {
    {"ab", Kw::AssocBold}, {"af", Kw::AssocFont}, {"afs", Kw::AssocFontSize},
    {"ai", Kw::AssocItalic}, {"annotation", Kw::Skip}, {"ansicpg", Kw::AnsiCpg}, {"b", Kw::Bold},
    {"blue", Kw::Blue}, {"bullet", Kw::Char, 0x2022}, {"cell", Kw::Cell}, {"cf", Kw::Color},
    {"colortbl", Kw::ColorTable}, {"cpg", Kw::Cpg}, {"datastore", Kw::Skip},
    {"dbch", Kw::DoubleByte}, {"deff", Kw::DefaultFont}, {"emdash", Kw::Char, 0x2014},
    {"emspace", Kw::Char, 0x2003}, {"endash", Kw::Char, 0x2013}, {"enspace", Kw::Char, 0x2002},
    {"f", Kw::Font}, {"fcharset", Kw::FontCharset}, {"fldinst", Kw::Skip},
    {"fonttbl", Kw::FontTable}, {"footer", Kw::Skip}, {"footerf", Kw::Skip}, {"footerl", Kw::Skip},
    {"footerr", Kw::Skip}, {"footnote", Kw::Skip}, {"fs", Kw::FontSize}, {"ftncn", Kw::Skip},
    {"ftnsep", Kw::Skip}, {"ftnsepc", Kw::Skip}, {"green", Kw::Green}, {"header", Kw::Skip},
    {"headerf", Kw::Skip}, {"headerl", Kw::Skip}, {"headerr", Kw::Skip}, {"hich", Kw::SingleByte},
    {"i", Kw::Italic}, {"info", Kw::Skip}, {"latentstyles", Kw::Skip},
    {"ldblquote", Kw::Char, 0x201C}, {"line", Kw::Line}, {"listoverridetable", Kw::Skip},
    {"listtable", Kw::Skip}, {"loch", Kw::SingleByte}, {"lquote", Kw::Char, 0x2018},
    {"nestcell", Kw::Cell}, {"nestrow", Kw::Row}, {"nonesttables", Kw::Skip}, {"object", Kw::Skip},
    {"par", Kw::Par}, {"pict", Kw::Skip}, {"plain", Kw::Plain}, {"rdblquote", Kw::Char, 0x201D},
    {"red", Kw::Red}, {"revtbl", Kw::Skip}, {"row", Kw::Row}, {"rquote", Kw::Char, 0x2019},
    {"rsidtbl", Kw::Skip}, {"shp", Kw::Skip}, {"stylesheet", Kw::Skip}, {"tab", Kw::Tab},
    {"themedata", Kw::Skip}, {"u", Kw::U}, {"uc", Kw::Uc}, {"ul", Kw::Underline},
    {"uld", Kw::Underline}, {"uldash", Kw::Underline}, {"uldb", Kw::Underline},
    {"ulnone", Kw::UnderlineNone}, {"ulth", Kw::Underline}, {"ulw", Kw::Underline},
    {"ulwave", Kw::Underline}, {"v", Kw::Hidden},
};
// clang-format on

const Keyword* lookup(QByteArrayView word) {
    const auto it = std::lower_bound(
        std::begin(kKeywords), std::end(kKeywords), word,
        [](const Keyword& k, QByteArrayView w) { return QByteArrayView(k.name) < w; });
    return it != std::end(kKeywords) && QByteArrayView(it->name) == word ? it : nullptr;
}

// The code page a font's character set implies; 0 means the document's own.
int charsetCodePage(int charset) {
    static constexpr std::pair<int, int> kCharsets[] = {
        {77, 10000}, {128, 932},  {129, 949},  {134, 936},  {136, 950},
        {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256},
        {186, 1257}, {204, 1251}, {222, 874},  {238, 1250}, {255, 437}};
    for (const auto& [set, codePage] : kCharsets)
        if (set == charset) return codePage;
    return 0;
}

QStringDecoder decoderFor(int codePage) {
    static constexpr std::pair<int, const char*> kNames[] = {
        {936, kCodePage936},    {950, "Big5"},          {932, "Shift_JIS"},
        {949, "windows-949"},   {437, "IBM437"},        {10000, "macintosh"},
        {65001, "UTF-8"},       {874, "windows-874"},   {1250, "windows-1250"},
        {1251, "windows-1251"}, {1252, "windows-1252"}, {1253, "windows-1253"},
        {1254, "windows-1254"}, {1255, "windows-1255"}, {1256, "windows-1256"},
        {1257, "windows-1257"}, {1258, "windows-1258"}};
    for (const auto& [page, name] : kNames) {
        if (page != codePage) continue;
        if (QStringDecoder decoder(name); decoder.isValid()) return decoder;
    }
    // Unknown code pages still show their ASCII correctly.
    return QStringDecoder(QStringDecoder::Latin1);
}

// What a run of text looks like.
struct Look {
    int font = -1;  // -1: the document's default font
    int halfPoints = kDefaultHalfPoints;
    int color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const Look&) const = default;
};

struct State {
    enum Dest : quint8 { Text, Skip, FontTable, ColorTable };
    Dest dest = Text;
    bool hidden = false;
    // After \dbch the associated font, size, bold and italic (\af \afs \ab \ai) apply: that is
    // how some editors format Chinese text. Unset (-1, 0) they leave the plain value.
    bool doubleByte = false;
    struct Associated {
        qint8 bold = -1;
        qint8 italic = -1;
        int font = -1;
        int halfPoints = 0;
    } assoc;
    Look look;
    int uc = 1;
    int codePage = 0;  // from \cpg; 0: the font's or the document's

    Look effectiveLook() const {
        Look l = look;
        if (!doubleByte) return l;
        if (assoc.font >= 0) l.font = assoc.font;
        if (assoc.halfPoints > 0) l.halfPoints = assoc.halfPoints;
        if (assoc.bold >= 0) l.bold = assoc.bold;
        if (assoc.italic >= 0) l.italic = assoc.italic;
        return l;
    }
};

struct Font {
    QString name;
    int charsetCodePage = 0;
    int cpg = 0;
};

class Parser {
public:
    Parser(QByteArrayView rtf, QTextDocument& document)
        : tokens{rtf.data(), rtf.data() + rtf.size()}, cursor(&document) {}

    void run() {
        cursor.beginEditBlock();  // one layout pass for the whole document
        stack.reserve(64);
        stack.push_back({});
        for (Token t = nextToken(); t.kind != Token::End && !full; t = nextToken()) {
            if (overflow > 0) {
                overflow += t.kind == Token::Open ? 1 : t.kind == Token::Close ? -1 : 0;
                continue;
            }
            if (t.kind == Token::Open || t.kind == Token::Close) {
                flushBytes();
                skip = 0;  // a \u fallback never runs past its group
                if (t.kind == Token::Close && stack.size() > 1) {
                    stack.pop_back();
                    if (state().dest != State::FontTable) closeFontEntry();
                } else if (t.kind == Token::Open && int(stack.size()) >= kMaxDepth)
                    ++overflow;
                else if (t.kind == Token::Open)
                    stack.push_back(stack.back());
            } else if (skip > 0) {
                --skip;  // \'hh, a character or a control word: each is one fallback character
            } else if (t.kind == Token::Byte) {
                byte(t.ch);
            } else {
                flushBytes();
                if (t.kind == Token::Symbol)
                    symbol(t.ch);
                else
                    word(t.word, t.hasParam, t.param);
            }
        }
        flushBytes();
        flushRun();
        // The last paragraph's own \par would leave an empty paragraph behind it.
        for (; pendingBlocks > 1 && spend(); --pendingBlocks) cursor.insertBlock();
        cursor.endEditBlock();
    }

private:
    State& state() { return stack.back(); }

    Token nextToken() {
        if (overflow == 0 && skip == 0 && state().dest == State::Text && !state().hidden)
            tokens.takeText(bytes);
        return tokens.next();
    }

    void byte(char c) {
        switch (state().dest) {
            case State::Text:
                if (!state().hidden) bytes.push_back(c);
                break;
            case State::FontTable:
                if (c == ';') {
                    flushBytes();
                    closeFontEntry();
                } else if (fontEntry >= 0) {
                    bytes.push_back(c);
                }
                break;
            case State::ColorTable:
                if (c == ';' && colors.size() < kMaxTableEntries) {
                    colors.append(colorSet ? QColor(red, green, blue) : QColor());
                    red = green = blue = 0;
                    colorSet = false;
                }
                break;
            case State::Skip:
                break;
        }
    }

    void symbol(char c) {
        if (c == '*')
            state().dest = State::Skip;  // an optional destination this reader does not know
        else if (c == '~')
            text(u"\u00A0");
        else if (c == '_')
            text(u"\u2011");
        // \- (optional hyphen) and anything else show nothing.
    }

    void word(QByteArrayView name, bool hasParam, int n) {
        State& s = state();
        const Keyword* k = lookup(name);
        if (s.dest == State::Skip || !k) return;
        const bool on = !hasParam || n != 0;
        switch (k->kw) {
            case Kw::Skip:
                s.dest = State::Skip;
                return;
            case Kw::FontTable:
                s.dest = State::FontTable;
                return;
            case Kw::ColorTable:
                s.dest = State::ColorTable;
                return;
            case Kw::Uc:
                s.uc = std::clamp(hasParam ? n : 1, 0, 10);
                return;
            case Kw::U:
                if (hasParam) unicode(n);
                return;
            default:
                break;
        }
        if (s.dest == State::FontTable) {
            if (k->kw == Kw::Font) {
                closeFontEntry();
                const int id = hasParam ? n : 0;
                if (fonts.size() < kMaxTableEntries || fonts.contains(id)) {
                    fontEntry = id;
                    fonts[id] = {};
                }
            } else if (fontEntry >= 0 && k->kw == Kw::FontCharset) {
                fonts[fontEntry].charsetCodePage = charsetCodePage(n);
            } else if (fontEntry >= 0 && k->kw == Kw::Cpg) {
                fonts[fontEntry].cpg = std::max(n, 0);
            }
            return;
        }
        if (s.dest == State::ColorTable) {
            int* channel = k->kw == Kw::Red     ? &red
                           : k->kw == Kw::Green ? &green
                           : k->kw == Kw::Blue  ? &blue
                                                : nullptr;
            if (channel) {
                *channel = std::clamp(n, 0, 255);
                colorSet = true;
            }
            return;
        }
        switch (k->kw) {
            case Kw::Char:
                text(QStringView(&k->ch, 1));
                break;
            case Kw::Par:
                if (!s.hidden) ++pendingBlocks;
                break;
            case Kw::Line:
                text(u"\u2028");
                break;
            case Kw::Tab:
                text(u"\t");
                break;
            // Cells of a row are separated by tabs, and a row is a paragraph.
            case Kw::Cell:
                if (!s.hidden) cellEnded = true;
                break;
            case Kw::Row:
                if (!s.hidden) ++pendingBlocks;
                break;
            case Kw::Plain:
                s.look = {};
                s.assoc = {};
                s.hidden = s.doubleByte = false;
                break;
            case Kw::Font:
                s.look.font = hasParam ? std::max(n, 0) : 0;
                break;
            case Kw::DefaultFont:
                defaultFont = hasParam ? std::max(n, 0) : 0;
                break;
            case Kw::FontSize:
                if (hasParam && n > 0) s.look.halfPoints = std::min(n, kMaxHalfPoints);
                break;
            case Kw::Bold:
                s.look.bold = on;
                break;
            case Kw::Italic:
                s.look.italic = on;
                break;
            case Kw::Underline:
                s.look.underline = on;
                break;
            case Kw::UnderlineNone:
                s.look.underline = false;
                break;
            case Kw::Hidden:
                s.hidden = on;
                break;
            case Kw::Color:
                s.look.color = hasParam ? n : 0;
                break;
            case Kw::DoubleByte:
                s.doubleByte = true;
                break;
            case Kw::SingleByte:
                s.doubleByte = false;
                break;
            case Kw::AssocFont:
                s.assoc.font = hasParam ? std::max(n, 0) : 0;
                break;
            case Kw::AssocFontSize:
                if (hasParam && n > 0) s.assoc.halfPoints = std::min(n, kMaxHalfPoints);
                break;
            case Kw::AssocBold:
                s.assoc.bold = on;
                break;
            case Kw::AssocItalic:
                s.assoc.italic = on;
                break;
            case Kw::AnsiCpg:
                if (n > 0) documentCodePage = n;
                break;
            case Kw::Cpg:
                s.codePage = std::max(n, 0);
                break;
            default:
                break;
        }
    }

    void unicode(int n) {
        skip = state().uc;
        if (n < 0) n += 65536;
        if (n < 0 || n > 0xFFFF) return;
        const char16_t c = char16_t(n);
        if (QChar::isHighSurrogate(c)) {
            highSurrogate = c;
        } else if (QChar::isLowSurrogate(c)) {
            const char16_t pair[2] = {highSurrogate, c};
            if (highSurrogate) text(QStringView(pair, 2));
        } else if (!isDropped(c)) {
            text(QStringView(&c, 1));
        }
    }

    // Text in the current state: a run of the document, or part of a font's name.
    void text(QStringView s) {
        highSurrogate = 0;
        const State& st = state();
        if (st.dest == State::FontTable) {
            if (fontEntry >= 0) fonts[fontEntry].name += s;
            return;
        }
        if (st.dest != State::Text || st.hidden || full) return;
        const Look look = st.effectiveLook();
        if (pendingBlocks > 0 && !runText.isEmpty() && runLook == look) {
            // Paragraphs in the same look go in with one insertText: its newlines become blocks,
            // and each insert call costs more than the text it carries.
            for (; pendingBlocks > 0 && spend(); --pendingBlocks) runText += u'\n';
            cellEnded = false;
        } else if (pendingBlocks > 0) {
            flushRun();
            for (; pendingBlocks > 0 && spend(); --pendingBlocks) cursor.insertBlock();
            cellEnded = false;  // the row's last cell ends with the row
        } else if (!runText.isEmpty() && !(runLook == look)) {
            flushRun();
        }
        if (full) return;
        if (runText.isEmpty()) {
            if (!spend()) return;  // a run counts as one piece from its first character
            runLook = look;
        }
        if (cellEnded) runText += u'\t';
        cellEnded = false;
        runText += s;
    }

    // Decodes the buffered bytes together, so a character split over two \'hh is whole.
    void flushBytes() {
        if (bytes.empty()) return;
        const State& st = state();
        int codePage = documentCodePage;
        if (st.dest == State::FontTable) {
            if (fontEntry >= 0) codePage = fontCodePage(fonts[fontEntry]);
        } else if (st.codePage > 0) {
            codePage = st.codePage;
        } else if (const auto it = fonts.constFind(fontId(st.effectiveLook()));
                   it != fonts.cend()) {
            codePage = fontCodePage(*it);
        }
        if (codePage != decoderCodePage) {
            decoder = decoderFor(codePage);
            decoderCodePage = codePage;
        }
        decoder.resetState();
        QString decoded = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
        bytes.clear();
        decoded.removeIf([](QChar c) { return isDropped(c.unicode()); });
        if (!decoded.isEmpty()) text(decoded);
    }

    int fontId(const Look& look) const { return look.font < 0 ? defaultFont : look.font; }

    int fontCodePage(const Font& f) const {
        if (f.cpg > 0) return f.cpg;
        return f.charsetCodePage > 0 ? f.charsetCodePage : documentCodePage;
    }

    void closeFontEntry() {
        if (fontEntry < 0) return;
        Font& f = fonts[fontEntry];
        f.name = f.name.trimmed();
        fontEntry = -1;
    }

    void flushRun() {
        if (runText.isEmpty()) return;
        QTextCharFormat format;
        const auto font = fonts.constFind(fontId(runLook));
        if (font != fonts.cend() && !font->name.isEmpty())
            format.setFontFamilies(QStringList{font->name});
        format.setFontPointSize(runLook.halfPoints / 2.0);
        format.setFontWeight(runLook.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(runLook.italic);
        format.setFontUnderline(runLook.underline);
        if (runLook.color >= 0 && runLook.color < colors.size() && colors[runLook.color].isValid())
            format.setForeground(colors[runLook.color]);
        cursor.insertText(runText, format);
        runText.clear();
    }

    bool spend() {
        full = pieces >= kMaxPieces;
        if (!full) ++pieces;
        return !full;
    }

    Tokenizer tokens;
    QTextCursor cursor;
    std::vector<State> stack;
    int overflow = 0;  // groups opened beyond kMaxDepth and not yet closed
    int skip = 0;      // fallback characters still to skip after \u
    char16_t highSurrogate = 0;
    std::string bytes;  // text bytes not yet decoded; a plain buffer, as every text byte goes in
    QString runText;    // decoded text in runLook, not yet inserted
    Look runLook;
    bool cellEnded = false;  // a tab is due before the next text of the row
    int pendingBlocks = 0;   // paragraph ends not yet inserted
    int pieces = 0;          // paragraphs and runs inserted
    bool full = false;       // kMaxPieces reached: the rest is dropped
    int documentCodePage = 1252;
    int defaultFont = 0;
    QHash<int, Font> fonts;
    int fontEntry = -1;  // the font table entry being read
    QList<QColor> colors;
    int red = 0, green = 0, blue = 0;
    bool colorSet = false;
    QStringDecoder decoder;
    int decoderCodePage = -1;
};

// Where the RTF starts, after a byte order mark and blanks; -1 when the bytes are not RTF.
qsizetype rtfStart(QByteArrayView data) {
    qsizetype start = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (start < data.size() && QByteArrayView(" \t\r\n").contains(data[start])) ++start;
    return data.sliced(start).startsWith("{\\rtf") ? start : -1;
}

}  // namespace

bool readRtf(const QByteArray& rtf, QTextDocument& document) {
    const qsizetype start = rtfStart(rtf);
    if (start < 0) return false;
    const bool undo = document.isUndoRedoEnabled();
    document.clear();
    document.setUndoRedoEnabled(false);
    Parser(QByteArrayView(rtf).sliced(start), document).run();
    document.setUndoRedoEnabled(undo);
    return true;
}

bool loadRichTextFile(const QString& path, QTextDocument& document) {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxFileBytes) return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray data = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError || data.size() > kMaxFileBytes) return false;
    if (readRtf(data, document)) return true;

    // Plain library files come from Chinese editors, so they are code page 936 unless they say
    // otherwise with a UTF-8 byte order mark.
    QString text = data.startsWith("\xEF\xBB\xBF")
                       ? QStringDecoder(QStringDecoder::Utf8).decode(data)
                       : fromCp936(data);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.removeIf([](QChar c) { return c != u'\n' && c != u'\t' && isDropped(c.unicode()); });
    for (qsizetype i = 0, lines = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' && ++lines == kMaxPieces) text.truncate(i);
    }
    document.setPlainText(text);
    return true;
}

}  // namespace zige
