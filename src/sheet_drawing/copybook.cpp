// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_drawing/copybook.h"

#include <QColor>
#include <QHash>
#include <algorithm>
#include <tuple>
#include <utility>

#include "canvas/glyph_cache.h"
#include "core/step_failed.h"
#include "sheet_drawing/copybook_rows.h"
#include "sheet_drawing/sheet_model.h"
#include "text/practice_text.h"

namespace zige {

namespace {

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

// How many of a kind a report line names.
constexpr qsizetype kShown = 5;

QString samples(const QStringList& clusters, bool byCodePoint = false) {
    QStringList shown;
    for (qsizetype i = 0; i < std::min(kShown, clusters.size()); ++i)
        shown.append(sample(clusters[i], byCodePoint));
    return shown.join(byCodePoint ? QStringLiteral("、") : QString()) +
           (clusters.size() > kShown ? QStringLiteral(" 等") : QString());
}

// The columns and the rows a sheet of `model`'s layout; 0 for a text that is no number, whose
// sheet cannot be drawn anyway.
std::pair<std::int32_t, std::int32_t> layoutCounts(const SheetModel& model) {
    const auto count = [](const auto& axis) {
        try {
            return axis().count;
        } catch (const StepFailed&) {
            return std::int32_t(0);
        }
    };
    return {count([&] { return model.across(); }), count([&] { return model.down(); })};
}

}  // namespace

QStringList practiceCharacters(const QString& text) {
    QStringList clusters;
    for (const TypedWord& word : typedWords(text))
        for (const TypedCharacter& c : word) clusters.append(c.character);
    return clusters;
}

bool hasPracticeText(const QString& text) {
    // Code unit by code unit, so the first character ends it: no separator is a surrogate.
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return !isPracticeSeparator(c.unicode()); });
}

QString reportSamples(const QStringList& characters) { return samples(characters); }

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
    // A hanzi with Latin letters after it: nothing to isolate, and nothing to cut short.
    if (!unlisted.isEmpty())
        lines.append(QStringLiteral("%1 处所注读音不是该字在字库中的读音，照所写标注：%2%3")
                         .arg(unlisted.size())
                         .arg(unlisted.mid(0, kShown).join(QStringLiteral("、")),
                              unlisted.size() > kShown ? QStringLiteral(" 等") : QString()));
    if (!strokes.problem.isEmpty()) lines.append(strokes.problem);
    if (!strokes.missing.isEmpty())
        lines.append(QStringLiteral("%1 个字没有笔顺数据：%2")
                         .arg(strokes.missing.size())
                         .arg(samples(strokes.missing)));
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
    std::tie(book.columns, book.rowsPerSheet) = layoutCounts(model);
    if (!hasPracticeText(model.copybook.text)) return book;
    StrokeRows strokeRows(book);

    GlyphCache glyphs;
    CopybookReport& report = book.report;
    report.family = glyphs.family(model.placement.fontName);
    // Each character is looked at once, however often the text repeats it.
    enum class Fate { Drawn, Substituted, Undrawable, Invisible };
    QHash<QString, Fate> fates;
    QHash<QString, qsizetype> substituteOf;
    const auto isDrawn = [&](const QString& cluster) {
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
        return *fate != Fate::Undrawable && *fate != Fate::Invisible;
    };
    // A word keeps the characters that are drawn, each with the reading typed or its own.
    for (const TypedWord& entry : practiceEntries(model.copybook.text, model.copybook.words)) {
        QStringList characters, readings;
        for (const TypedCharacter& typed : entry) {
            if (!isDrawn(typed.character)) continue;
            const ShownReading shown = shownReading(typed.character, typed.reading);
            if (!shown.listed)
                report.unlisted.append(
                    QStringLiteral("%1(%2)").arg(typed.character, shown.reading));
            characters.append(typed.character);
            readings.append(shown.reading);
        }
        if (characters.isEmpty()) continue;
        strokeRows.add(characters);
        appendEntryRows(book, characters, readings);
    }
    appendAnswerRows(book);
    return book;
}

bool isCopybookOf(const Copybook& book, const SheetModel& model) {
    return book.settings == model.copybook && book.placement == model.placement &&
           std::pair(book.columns, book.rowsPerSheet) == layoutCounts(model);
}

}  // namespace zige
