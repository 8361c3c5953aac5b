// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet's print outputs, offscreen: the PDF of the default sheet and of 50 x 50 cells of 12
// units, and the default sheet as a 300 dpi PNG, each next to its floor: the same strokes drawn
// by bare QPainter calls on a QPdfWriter at the same page breaks, or into an image written by
// QImageWriter.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

#include "export/page_painting.h"
#include "export/print_image.h"
#include "export/sheet_document.h"
#include "page_floor.h"
#include "sheet_drawing/sheet_colors.h"

namespace {

struct Sheet {
    int columns, rows;
};

zige::SheetLayout layout(Sheet sheet) {
    zige::SheetLayout l;
    l.across = {sheet.columns, 12, 1, 20, 15};
    l.down = {sheet.rows, 12, 1, 18, 15};
    return l;
}

void exportPdf(benchmark::State& state, Sheet sheet) {
    const zige::SheetDocument document =
        zige::sheetDocument(layout(sheet), zige::Copybook(), zige::kPrintColors);
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        benchmark::DoNotOptimize(zige::writePdf(document, buffer));
    }
}

// Rows `first` to `first` + 20 of the sheet in twips, by bare QPainter calls.
void floorPage(QPainter& p, Sheet sheet, int first) {
    const double u = page_floor::kUnit;
    p.fillRect(QRectF(0, 0, 11905.5, 16837.8), Qt::white);
    for (int i = 0; i < sheet.columns; ++i)
        for (int j = 0; j < std::min(21, sheet.rows - first); ++j)
            page_floor::quickGrid(p, (20 + 13 * i) * u, (18 + 13 * j) * u, 12 * u);
}

// The same strokes on an A4 QPdfWriter, 21 rows to a page.
void floorPdf(benchmark::State& state, Sheet sheet) {
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(zige::a4FullPage());
        QPainter p(&writer);
        for (int first = 0; first < sheet.rows; first += 21) {
            if (first > 0) writer.newPage();
            p.resetTransform();
            p.scale(1200.0 / 1440, 1200.0 / 1440);
            floorPage(p, sheet, first);
        }
        p.end();
        benchmark::DoNotOptimize(bytes.size());
    }
}

void exportPng(benchmark::State& state) {
    const zige::SheetDocument document =
        zige::sheetDocument(layout({14, 21}), zige::Copybook(), zige::kPrintColors);
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        benchmark::DoNotOptimize(zige::writePng(zige::sheetImage(document, 0), buffer));
    }
}

// The same page drawn into an A4 image at 300 dpi and written by QImageWriter as the program
// writes it: a PNG with the page's three colours as its palette and the resolution recorded.
void floorPng(benchmark::State& state) {
    const int dotsPerMetre = int(std::lround(300 / 0.0254));
    const QList<QRgb> colours = {qRgb(255, 255, 255), qRgb(0, 0, 128), qRgb(255, 255, 192)};
    for (auto _ : state) {
        QImage image(2480, 3508, QImage::Format_RGB32);
        {
            QPainter p(&image);
            p.scale(300.0 / 1440, 300.0 / 1440);
            floorPage(p, {14, 21}, 0);
        }
        QImage indexed = image.convertToFormat(QImage::Format_Indexed8, colours);
        indexed.setDotsPerMeterX(dotsPerMetre);
        indexed.setDotsPerMeterY(dotsPerMetre);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter(&buffer, "png").write(indexed);
        benchmark::DoNotOptimize(bytes.size());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Names as bench/table.py pairs them: a measurement and its "[floor]".
    benchmark::RegisterBenchmark("PDF export default", exportPdf, Sheet{14, 21})
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PDF export default [floor]", floorPdf, Sheet{14, 21})
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PDF export 50x50", exportPdf, Sheet{50, 50})
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PDF export 50x50 [floor]", floorPdf, Sheet{50, 50})
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PNG export 300 dpi default", exportPng)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PNG export 300 dpi default [floor]", floorPng)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
