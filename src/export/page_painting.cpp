// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/page_painting.h"

#include <QGuiApplication>
#include <QIODevice>
#include <QPageRanges>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

#include "canvas/canvas.h"
#include "canvas/glyph_cache.h"
#include "core/twips.h"
#include "export/sheet_document.h"

namespace zige {

namespace {

// Qt writes a page's media box in whole points, so A4 (595.28 x 841.89) comes out as 595 x 842.
// The box is written again at the paper's true size in as many bytes, in place, so the file's
// cross-reference offsets stay right. Its top edge stays at 842, where Qt puts the top of the
// drawing, and its bottom moves up. A writer that stores exact sizes leaves nothing to replace.
// The file is read a block at a time: a copybook's PDF may hold thousands of pages.
bool writeTrueMediaBox(QIODevice& pdf, const QPageLayout& layout) {
    const QSizeF exact = layout.fullRect(QPageLayout::Millimeter).size() * (72 / 25.4);
    const QSize whole = layout.fullRectPoints().size();
    const QByteArray written = "/MediaBox [0 0 " + QByteArray::number(double(whole.width()), 'f') +
                               ' ' + QByteArray::number(double(whole.height()), 'f') + ']';
    QByteArray box = "/MediaBox [0 " + QByteArray::number(whole.height() - exact.height(), 'f') +
                     ' ' + QByteArray::number(exact.width(), 'f') + ' ' +
                     QByteArray::number(whole.height()) + ']';
    if (box.size() > written.size()) return true;
    box.insert(box.size() - 1, QByteArray(written.size() - box.size(), ' '));
    constexpr qint64 kBlock = 1 << 20;
    QList<qint64> found;
    for (qint64 start = 0; start < pdf.size(); start += kBlock) {
        // Each block overlaps the next by a box less one byte, so no box is missed or seen twice.
        if (!pdf.seek(start)) return false;
        const QByteArray block = pdf.read(kBlock + written.size() - 1);
        for (qsizetype at = block.indexOf(written); at >= 0 && at < kBlock;
             at = block.indexOf(written, at + 1))
            found.append(start + at);
    }
    for (const qint64 at : found)
        if (!pdf.seek(at) || pdf.write(box) != box.size()) return false;
    return pdf.seek(pdf.size());
}

}  // namespace

QPageLayout a4FullPage() {
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

bool paintDocument(const SheetDocument& document, QPagedPaintDevice& device,
                   const Progress& progress) {
    // Full-page mode puts the origin on the paper's corner, whatever the printer can reach.
    QPageLayout layout = device.pageLayout();
    layout.setMode(QPageLayout::FullPageMode);
    device.setPageLayout(layout);
    // In millimetres, the one unit in which Qt keeps paper sizes exact.
    const QSizeF paper =
        device.pageLayout().fullRect(QPageLayout::Millimeter).size() * kTwipsPerMillimetre;
    const QRectF area(QPointF(0, 0), paper);  // twips
    const QList<PaperPage> pages = paperPages(document, area.height());
    // The pages the print dialog asked for, by their numbers from 1; all when it asked for none.
    const QPageRanges ranges = device.pageRanges();
    QList<int> numbers;
    for (int number = 1; number <= pages.size(); ++number)
        if (ranges.isEmpty() || ranges.contains(number)) numbers.append(number);

    QPainter painter;
    if (!painter.begin(&device)) return false;
    const auto glyphs = std::make_shared<GlyphCache>();
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        if (i > 0 && !device.newPage()) return false;
        {
            VectorCanvas canvas(painter, area, glyphs);
            const PaperPage& page = pages[numbers[i] - 1];
            document.draw(canvas, page.sheetPage, page.firstRow, page.rows);
            if (document.furnish)
                document.furnish(canvas, page.sheetPage, page.rows,
                                 {numbers[i], int(pages.size())});
        }
        if (progress && !progress(int(i + 1), int(numbers.size()))) {
            painter.end();
            return false;
        }
    }
    return painter.end();
}

bool writePdf(const SheetDocument& document, QIODevice& file, const Progress& progress) {
    QPdfWriter writer(&file);
    writer.setPageLayout(document.paper);
    writer.setCreator(QGuiApplication::applicationName());
    writer.setTitle(QStringLiteral("速成宝格"));
    return paintDocument(document, writer, progress) &&
           writeTrueMediaBox(file, writer.pageLayout());
}

}  // namespace zige
