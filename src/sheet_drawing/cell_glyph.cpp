// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_drawing/cell_glyph.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QRawFont>
#include <QtEndian>
#include <algorithm>
#include <cmath>

#include "canvas/canvas.h"
#include "core/twips.h"
#include "sheet_drawing/copybook.h"
#include "sheet_drawing/sheet_cell.h"
#include "views/character_views.h"

namespace zige {

namespace {

// How far `font`'s em box reaches above the baseline, in ems: as the font declares the box in
// its OS/2 table (typographic ascender and descender one em apart, as CJK faces set them),
// else 0.88 em, the usual ideographic em box.
double emBoxTop(const QFont& font) {
    thread_local QString family;
    thread_local double top = 0;
    if (family == font.family()) return top;
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.fontTable("OS/2");
    const double em = raw.unitsPerEm();
    top = 0.88;
    if (os2.size() >= 72 && em > 0) {
        const qint16 ascender = qFromBigEndian<qint16>(os2.constData() + 68);
        const qint16 descender = qFromBigEndian<qint16>(os2.constData() + 70);
        if (ascender - descender == std::lround(em)) top = ascender / em;
    }
    family = font.family();
    return top;
}

// A hollow copy's line: thin, and darker than a filled copy by a quarter of the lightness
// scale, so that a line shows as well as a pale area does.
constexpr double kOutlineWeight = 0.2 * kTwipsPerMillimetre;
ColorValue outlineColor(const Copybook& book) {
    Copybook darker;
    darker.settings.tint = book.settings.tint;
    darker.settings.lightness = std::max(0, book.settings.lightness - 25);
    return darker.traceColor();
}

}  // namespace

void setGlyphFont(Canvas& canvas, const Copybook& book) {
    canvas.FontName = book.placement.fontName;
    canvas.FontSize = book.placement.pointSize;
    canvas.FontBold = false;
}

QFont twipsFont(Canvas& canvas) {
    QFont font = canvas.printFont();
    font.setPixelSize(std::max(1, int(std::lround(canvas.FontSize * 20))));
    return font;
}

std::optional<GlyphFrame> glyphFrame(Canvas& canvas, const Copybook& book, const SheetCell& cell,
                                     const QString& character) {
    const SchoolSettings& school = book.settings.school;
    if (school.fit == GlyphFit::GridBox) {
        const QRectF& box = book.placement.gridBox;
        if (!(box.width() > 0) || !(box.height() > 0)) return std::nullopt;
        const double scaleX = cell.width() / box.width(), scaleY = cell.height() / box.height();
        return GlyphFrame{cell.left + (kPrintPosition - box.left()) * scaleX,
                          cell.top + (kPrintPosition - box.top()) * scaleY, scaleX, scaleY};
    }
    const QFont font = twipsFont(canvas);
    const QFontMetricsF metrics(font);
    const double em = std::min(cell.width(), cell.height()) * school.share / 100;
    const double scale = em / font.pixelSize();
    const double baseline = cell.top + (cell.height() - em) / 2 + emBoxTop(font) * em;
    return GlyphFrame{cell.left + (cell.width() - metrics.horizontalAdvance(character) * scale) / 2,
                      baseline - metrics.ascent() * scale, scale, scale};
}

void printInCell(Canvas& canvas, const Copybook& book, const SheetCell& cell,
                 const QString& character, ColorValue color) {
    setGlyphFont(canvas, book);
    canvas.ForeColor = color;
    const std::optional<GlyphFrame> frame = glyphFrame(canvas, book, cell, character);
    if (!frame) return;
    canvas.CurrentX = frame->x;
    canvas.CurrentY = frame->y;
    canvas.PrintScaled(character, frame->scaleX, frame->scaleY);
}

void drawTrace(Canvas& canvas, const Copybook& book, const SheetCell& cell,
               const QString& character) {
    const TraceStyle style = book.settings.school.traceStyle;
    if (style == TraceStyle::Fill)
        return printInCell(canvas, book, cell, character, book.traceColor());
    setGlyphFont(canvas, book);
    const std::optional<GlyphFrame> frame = glyphFrame(canvas, book, cell, character);
    if (!frame || character.isEmpty()) return;
    // The font's own outline, curves and all, placed as Print would place the glyph; both
    // styles take the same outline, so the line lies exactly on the filled copy's edge.
    const QFont font = twipsFont(canvas);
    QPainterPath glyph;
    glyph.addText(0, QFontMetricsF(font).ascent(), font, character);
    paintTrace(canvas, book,
               QTransform(frame->scaleX, 0, 0, frame->scaleY, frame->x, frame->y).map(glyph));
}

void paintTrace(Canvas& canvas, const Copybook& book, const QPainterPath& outline) {
    const TraceStyle style = book.settings.school.traceStyle;
    if (style != TraceStyle::Outline) canvas.fillPath(outline, book.traceColor());
    if (style != TraceStyle::Fill) canvas.strokePath(outline, {outlineColor(book), kOutlineWeight});
}

}  // namespace zige
