// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_drawing/copybook.h"

#include <QColor>
#include <QHash>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <optional>

#include "canvas/glyph_cache.h"
#include "sheet_drawing/sheet_model.h"
#include "text/hanzi_facts.h"

namespace zige {

namespace {

bool isSkipped(char32_t c) { return QChar::isSpace(c) || c == U'\uFEFF'; }

// Nothing to see: control and format characters (zero-width spaces and joiners, direction
// marks and overrides) and line or paragraph separators.
bool isInvisible(const QString& cluster) {
    const QList<uint> codes = cluster.toUcs4();
    return std::all_of(codes.begin(), codes.end(), [](char32_t c) {
        switch (QChar::category(c)) {
            case QChar::Other_Control:
            case QChar::Other_Format:
            case QChar::Separator_Line:
            case QChar::Separator_Paragraph:
                return true;
            default:
                return false;
        }
    });
}

// How a character is named in a report line: one that shows nothing or an empty box by its code
// points, the others isolated in brackets and cut short, so that no sample can turn the line
// around or run on for pages.
QString sample(const QString& cluster, bool byCodePoint) {
    const QList<uint> codes = cluster.toUcs4();
    if (byCodePoint) {
        QStringList names;
        for (const char32_t c : codes)
            names.append(QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper());
        return names.join(QLatin1Char(' '));
    }
    constexpr qsizetype kLongest = 4;  // code points: a base and a few marks
    QString shown =
        codes.size() > kLongest
            ? QString::fromUcs4(reinterpret_cast<const char32_t*>(codes.constData()), kLongest) +
                  QStringLiteral("…")
            : cluster;
    return QStringLiteral("「\u2068%1\u2069」").arg(shown);
}

QString samples(const QStringList& clusters, bool byCodePoint = false) {
    constexpr qsizetype kShown = 5;
    QStringList shown;
    for (qsizetype i = 0; i < std::min(kShown, clusters.size()); ++i)
        shown.append(sample(clusters[i], byCodePoint));
    return shown.join(byCodePoint ? QStringLiteral("、") : QString()) +
           (clusters.size() > kShown ? QStringLiteral(" 等") : QString());
}

}  // namespace

QStringList practiceCharacters(const QString& text) {
    QStringList clusters;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype start = 0, end; start < text.size(); start = end) {
        end = finder.toNextBoundary();
        if (end <= start) end = text.size();
        const QString cluster = text.sliced(start, end - start);
        const QList<uint> codes = cluster.toUcs4();
        if (!std::all_of(codes.begin(), codes.end(), isSkipped)) clusters.append(cluster);
    }
    return clusters;
}

bool hasPracticeText(const QString& text) {
    for (const char32_t c : QStringView(text).toUcs4())
        if (!isSkipped(c)) return true;
    return false;
}

QStringList CopybookReport::lines() const {
    QStringList lines;
    for (const Substitute& s : substituted)
        lines.append(QStringLiteral("字体「%1」中没有 %2 个字，改用「%3」显示：%4")
                         .arg(family)
                         .arg(s.characters.size())
                         .arg(s.family, samples(s.characters)));
    if (!undrawable.isEmpty())
        lines.append(QStringLiteral("%1 个字没有字体能显示，已略去：%2")
                         .arg(undrawable.size())
                         .arg(samples(undrawable, true)));
    if (!invisible.isEmpty())
        lines.append(QStringLiteral("%1 个不可见的控制字符已略去：%2")
                         .arg(invisible.size())
                         .arg(samples(invisible, true)));
    return lines;
}

int Copybook::sheetCount(std::int32_t rowsPerSheet) const {
    if (rowsPerSheet <= 0 || rows.isEmpty()) return 1;
    return int((rows.size() + rowsPerSheet - 1) / rowsPerSheet);
}

ColorValue Copybook::traceColor() const {
    const double lightness = std::clamp(settings.lightness, 0, 100) / 100.0;
    const QColor c =
        QColor::fromHslF(0, settings.tint == TraceTint::Red ? 1.0 : 0.0, float(lightness));
    return rgb(c.red(), c.green(), c.blue());
}

Copybook buildCopybook(const SheetModel& model) {
    Copybook book;
    book.settings = model.copybook;
    book.placement = model.placement;
    if (!hasPracticeText(model.copybook.text)) return book;
    const QStringList clusters = practiceCharacters(model.copybook.text);

    GlyphCache glyphs;
    CopybookReport& report = book.report;
    report.family = glyphs.family(model.placement.fontName);
    // Each character is looked at once, however often the text repeats it.
    enum class Fate { Drawn, Substituted, Undrawable, Invisible };
    QHash<QString, Fate> fates;
    QHash<QString, qsizetype> substituteOf;
    for (const QString& cluster : clusters) {
        auto fate = fates.constFind(cluster);
        if (fate == fates.constEnd()) {
            Fate f = Fate::Drawn;
            if (isInvisible(cluster)) {
                f = Fate::Invisible;
                report.invisible.append(cluster);
            } else if (!glyphs.canDraw(report.family, cluster)) {
                f = Fate::Undrawable;
                report.undrawable.append(cluster);
            } else if (const QString drawn = glyphs.familyDrawing(report.family, cluster);
                       drawn.compare(report.family, Qt::CaseInsensitive) != 0) {
                f = Fate::Substituted;
                QHash<QString, qsizetype>::const_iterator it = substituteOf.constFind(drawn);
                if (it == substituteOf.constEnd()) {
                    it = substituteOf.insert(drawn, report.substituted.size());
                    report.substituted.append({drawn, {}});
                }
                report.substituted[*it].characters.append(cluster);
            }
            fate = fates.insert(cluster, f);
        }
        if (*fate == Fate::Undrawable || *fate == Fate::Invisible) continue;
        const QList<uint> codes = cluster.toUcs4();
        const std::optional<HanziFacts> facts =
            codes.size() == 1 ? hanziFacts(codes[0]) : std::nullopt;
        book.rows.append({cluster, facts ? facts->reading : QString()});
        // Whole rows: the row of models and traces is followed by an empty one to write in.
        if (model.copybook.school.wholeRows) book.rows.append(CopybookRow{});
    }
    return book;
}

}  // namespace zige
