// SPDX-License-Identifier: GPL-3.0-or-later
// A copybook of the first 3500 characters of GB2312 (default settings, A4: 167 pages of 21
// rows), saved as one PDF and as 300 dpi PNG pages through the program's export seam, each next
// to its floor: the same pages drawn by bare QPainter calls (the quick grid's strokes, a model
// glyph and three pale ones a row, each scaled from the grid box onto its cell) and written by
// QPdfWriter into one file, or into an image per page written by QImageWriter as the program
// writes such a page: its antialiased glyphs have more colours than a palette holds, so an RGB
// PNG. COPYBOOK_CHARACTERS sets another count (bench-smoke: 210).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "canvas/glyph_cache.h"
#include "export/page_painting.h"
#include "export/sheet_export.h"
#include "page_floor.h"
#include "sheet_drawing/sheet_model.h"

namespace {

constexpr int kRowsPerPage = 21;

// The first `count` characters of GB2312 in code order, from 啊 on.
QString firstCharacters(int count) {
    QByteArray codes;
    for (int zone = 16; codes.size() < 2 * count; ++zone)
        for (int position = 1; position <= 94 && codes.size() < 2 * count; ++position)
            codes += char(zone + 0xA0), codes += char(position + 0xA0);
    return QStringDecoder("GBK").decode(codes);
}

QString text() {
    static const QString characters =
        firstCharacters(qEnvironmentVariableIntValue("COPYBOOK_CHARACTERS") > 0
                            ? qEnvironmentVariableIntValue("COPYBOOK_CHARACTERS")
                            : 3500);
    return characters;
}

void exportCopybook(benchmark::State& state, zige::ExportFormat format) {
    zige::SheetModel model;
    model.copybook.text = text();
    const zige::SheetDocument document = zige::sheetDocument(model);
    QTemporaryDir folder;
    const QString path = folder.filePath(
        QString::fromLatin1(format == zige::ExportFormat::Pdf ? "book.pdf" : "book.png"));
    for (auto _ : state)
        if (!zige::exportDocument(document, format, path, 300).written())
            state.SkipWithError("not written");
}

// One page of rows `first`.. in twips on `p`: white paper, per cell the band and the quick grid's
// fifteen figures in navy, a model glyph in the row's first cell and pale ones in the next three.
void floorPage(QPainter& p, const QString& characters, int first, bool antialias) {
    const double u = page_floor::kUnit, s = 12 * u;
    const QColor pale(204, 204, 204);
    QFont font(zige::GlyphCache().family(QString()));
    font.setPixelSize(2400);
    const double ascent = QFontMetricsF(font).ascent();
    p.setRenderHint(QPainter::Antialiasing, antialias);
    p.fillRect(QRectF(0, 0, 11907, 16813), Qt::white);
    for (int j = 0; j < kRowsPerPage && first + j < characters.size(); ++j)
        for (int i = 0; i < 14; ++i) {
            const double x = (20 + 13 * i) * u, y = (18 + 13 * j) * u;
            const auto glyph = [&](const QColor& color) {
                p.save();
                p.translate(x + 10 * s / 2400, y + 10 * s / 2400);
                p.scale(s / 2400, s / 2400);
                p.setFont(font);
                p.setPen(color);
                p.drawText(QPointF(0, ascent), characters.mid(first + j, 1));
                p.restore();
            };
            page_floor::quickGridBand(p, x, y, s);
            if (i >= 1 && i <= 3) glyph(pale);
            page_floor::quickGridLines(p, x, y, s);
            if (i == 0) glyph(Qt::black);
        }
}

void floorPdf(benchmark::State& state) {
    QTemporaryDir folder;
    const QString characters = text();
    for (auto _ : state) {
        QFile file(folder.filePath(QStringLiteral("floor.pdf")));
        file.open(QIODevice::WriteOnly);
        QPdfWriter writer(&file);
        writer.setPageLayout(zige::a4FullPage());
        QPainter p(&writer);
        for (int first = 0; first < characters.size(); first += kRowsPerPage) {
            if (first > 0) writer.newPage();
            p.resetTransform();
            p.scale(writer.resolution() / 1440.0, writer.resolution() / 1440.0);
            floorPage(p, characters, first, true);
        }
    }
}

void floorPng(benchmark::State& state) {
    QTemporaryDir folder;
    const QString characters = text();
    const int dotsPerMetre = int(std::lround(300 / 0.0254));
    for (auto _ : state)
        for (int first = 0; first < characters.size(); first += kRowsPerPage) {
            QImage image(2481, 3503, QImage::Format_RGB32);
            {
                QPainter p(&image);
                p.scale(300.0 / 1440, 300.0 / 1440);
                floorPage(p, characters, first, false);
            }
            image.setDotsPerMeterX(dotsPerMetre);
            image.setDotsPerMeterY(dotsPerMetre);
            QImageWriter(folder.filePath(QStringLiteral("floor-%1.png").arg(first)), "png")
                .write(image);
        }
}

// `--peak-rss N`: a copybook of N rows saved as a PDF once, then the process's peak memory,
// which must not grow with the number of pages. The rows repeat the first 210 characters, so
// the fonts the PDF embeds are the same whatever N is.
int peakMemory(int rows) {
    zige::SheetModel model;
    const QString characters = firstCharacters(210);
    for (int row = 0; row < rows; ++row) model.copybook.text += characters[row % 210];
    QTemporaryDir folder;
    zige::exportDocument(zige::sheetDocument(model), zige::ExportFormat::Pdf,
                         folder.filePath(QStringLiteral("book.pdf")), 300);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak_rss_kb %ld\n", usage.ru_maxrss);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--peak-rss") == 0) return peakMemory(std::atoi(argv[2]));
    // Names as bench/table.py pairs them: a measurement and its "[floor]". One iteration each:
    // a whole copybook takes seconds.
    benchmark::RegisterBenchmark("copybook 3500 PDF", exportCopybook, zige::ExportFormat::Pdf)
        ->Unit(benchmark::kSecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark("copybook 3500 PDF [floor]", floorPdf)
        ->Unit(benchmark::kSecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark("copybook 3500 PNG 300 dpi", exportCopybook,
                                 zige::ExportFormat::Png)
        ->Unit(benchmark::kSecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark("copybook 3500 PNG 300 dpi [floor]", floorPng)
        ->Unit(benchmark::kSecond)
        ->Iterations(1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
