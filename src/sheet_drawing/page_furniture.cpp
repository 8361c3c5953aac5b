// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_drawing/page_furniture.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>

#include "canvas/canvas.h"
#include "core/twips.h"
#include "sheet_drawing/cell_glyph.h"
#include "sheet_drawing/copybook.h"
#include "sheet_drawing/sheet_colors.h"
#include "sheet_drawing/sheet_layout.h"

namespace zige {

namespace {

// Each line's band and its text's size in points.
constexpr int kTitleBand = 1200, kNameBand = 900, kFooterBand = 800;  // hundredths of a mm
constexpr float kTitleSize = 16, kNameSize = 12, kFooterSize = 10;

constexpr double twipsOf(int hundredths) { return hundredths / 100.0 * kTwipsPerMillimetre; }

// Prints `text` at `size` points with its left end at `left`, centred down the band from
// `top` `band` high; returns how wide it is, in twips.
double printLine(Canvas& canvas, const QString& text, float size, double left, double top,
                 int band) {
    canvas.FontSize = size;
    const QFontMetricsF metrics(twipsFont(canvas));
    canvas.CurrentX = left;
    canvas.CurrentY = top + (twipsOf(band) - metrics.height()) / 2;
    canvas.Print(text);
    return metrics.horizontalAdvance(text);
}

double textWidth(Canvas& canvas, const QString& text, float size) {
    canvas.FontSize = size;
    return QFontMetricsF(twipsFont(canvas)).horizontalAdvance(text);
}

// 姓名 ____ 班级 ____ 日期 ____ across `width`, the blanks sharing what the words leave.
void printNameLine(Canvas& canvas, double left, double top, double width, ColorValue ink) {
    const QString words[] = {QStringLiteral("姓名"), QStringLiteral("班级"),
                             QStringLiteral("日期")};
    constexpr double kShares[] = {0.4, 0.3, 0.3};
    const double space = textWidth(canvas, QStringLiteral("字"), kNameSize) / 2;
    double blanks = width;
    for (const QString& word : words) blanks -= textWidth(canvas, word, kNameSize) + 3 * space;
    blanks = std::max(0.0, blanks);
    const QFontMetricsF metrics(twipsFont(canvas));
    const double baseline = top + (twipsOf(kNameBand) - metrics.height()) / 2 + metrics.ascent();
    const double underline = baseline + 0.5 * kTwipsPerMillimetre;
    double x = left;
    for (int i = 0; i < 3; ++i) {
        x += printLine(canvas, words[i], kNameSize, x, top, kNameBand) + space;
        QPainterPath line(QPointF(x, underline));
        line.lineTo(x + blanks * kShares[i], underline);
        canvas.strokePath(line, {ink, 0.2 * kTwipsPerMillimetre});
        x += blanks * kShares[i] + 2 * space;
    }
}

}  // namespace

int headerRoom(const SchoolSettings& s) {
    return (s.title.trimmed().isEmpty() ? 0 : kTitleBand) + (s.nameLine ? kNameBand : 0);
}

int footerRoom(const SchoolSettings& s) { return s.pageNumbers ? kFooterBand : 0; }

double headerAbove(const SchoolSettings& s, const SheetAxis& down) {
    const int header = headerRoom(s);
    return header > 0 ? twipsOf(header) + down.gap * down.unit : 0;
}

void drawPageFurniture(Canvas& canvas, const SheetLayout& layout, std::int32_t rows,
                       const Copybook& book, const SheetColors& colors, PageNumber page) {
    const SchoolSettings& s = book.settings.school;
    const SheetAxis& a = layout.across;
    const SheetAxis& d = layout.down;
    if (a.count <= 0 || rows <= 0 || headerRoom(s) + footerRoom(s) == 0) return;
    // Across the cells, from the first column's left edge to the last one's right edge.
    const double left = a.before * a.unit;
    const double width = (double(a.count) * a.size + double(a.count - 1) * a.gap) * a.unit;
    const double firstRow = d.before * d.unit;
    const double lastRow = firstRow + (double(rows) * d.size + double(rows - 1) * d.gap) * d.unit;
    canvas.FontName = book.placement.fontName;
    canvas.FontBold = false;
    canvas.ForeColor = colors.ink;
    // Centred over the cells; a line wider than they are is made smaller to fit.
    const auto centred = [&](const QString& text, float size, double top, int band) {
        const float fitted = std::min(size, float(size * width / textWidth(canvas, text, size)));
        printLine(canvas, text, fitted, left + (width - textWidth(canvas, text, fitted)) / 2, top,
                  band);
    };
    if (const double header = headerAbove(s, d); header > 0 && header <= firstRow) {
        double top = firstRow - header;
        if (!s.title.trimmed().isEmpty()) {
            centred(s.title.trimmed(), kTitleSize, top, kTitleBand);
            top += twipsOf(kTitleBand);
        }
        if (s.nameLine) printNameLine(canvas, left, top, width, colors.ink);
    }
    const double below = d.after * d.unit;
    if (s.pageNumbers && twipsOf(kFooterBand) <= below)
        centred(QStringLiteral("第 %1 页 / 共 %2 页").arg(page.number).arg(page.total), kFooterSize,
                lastRow, kFooterBand);
}

}  // namespace zige
