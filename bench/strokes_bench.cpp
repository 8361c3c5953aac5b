// SPDX-License-Identifier: GPL-3.0-or-later
// The stroke table: reading and checking the whole file, as the first stroke feature does, next
// to reading its bytes alone; one character's strokes, every character in turn, next to
// building the same paths from points already in memory; and the same character again. Then
// the copybook of the 3500 common characters with stroke order, written as a PDF, next to the
// same figures, glyphs and stroke outlines drawn by bare QPainter calls on a QPdfWriter.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QPdfWriter>

#include "canvas/glyph_cache.h"
#include "export/page_painting.h"
#include "page_floor.h"
#include "sheet_drawing/sheet_model.h"
#include "text/hanzi_facts.h"
#include "text/stroke_table.h"

namespace {

const QString kTable = QStringLiteral(ZIGE_SOURCE_DIR "/data/strokes.bin");

void load(benchmark::State& state) {
    for (auto _ : state) {
        zige::StrokeTable table(kTable);
        benchmark::DoNotOptimize(table.available());
    }
}

void readBytes(benchmark::State& state) {
    for (auto _ : state) {
        QFile file(kTable);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll().size());
    }
}

void everyCharacter(benchmark::State& state) {
    zige::StrokeTable table(kTable);
    const QList<char32_t> all = table.characters();
    qsizetype next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.strokes(all[next]).size());
        next = (next + 1) % all.size();
    }
}

// The elements of every character's paths, replayed into new paths: quadratic curves are
// already cubic ones here.
void everyCharacterFloor(benchmark::State& state) {
    zige::StrokeTable table(kTable);
    QList<QList<QList<QPainterPath::Element>>> characters;  // character, stroke, element
    for (const char32_t character : table.characters()) {
        QList<QList<QPainterPath::Element>>& strokes = characters.emplace_back();
        for (const zige::Stroke& stroke : table.strokes(character)) {
            QList<QPainterPath::Element>& elements = strokes.emplace_back();
            for (int i = 0; i < stroke.outline.elementCount(); ++i)
                elements.append(stroke.outline.elementAt(i));
        }
    }
    qsizetype next = 0;
    for (auto _ : state) {
        QList<QPainterPath> paths;
        for (const QList<QPainterPath::Element>& elements : characters[next]) {
            QPainterPath& path = paths.emplace_back();
            for (qsizetype i = 0; i < elements.size(); ++i) {
                const QPainterPath::Element& e = elements[i];
                if (e.isMoveTo()) {
                    path.moveTo(e);
                } else if (e.isLineTo()) {
                    path.lineTo(e);
                } else {
                    path.cubicTo(e, elements[i + 1], elements[i + 2]);
                    i += 2;
                }
            }
        }
        benchmark::DoNotOptimize(paths.size());
        next = (next + 1) % characters.size();
    }
}

void sameCharacter(benchmark::State& state) {
    zige::StrokeTable table(kTable);
    for (auto _ : state) benchmark::DoNotOptimize(table.strokes(U'藏').size());
}

// Level 1 of the common-characters table (3500 characters; COPYBOOK_CHARACTERS sets fewer, as
// for a quick run) on the default sheet, each character's stroke-order rows before its model
// and three pale copies.
zige::SheetModel strokeBook() {
    const int count = qEnvironmentVariableIntValue("COPYBOOK_CHARACTERS");
    zige::SheetModel model;
    model.copybook.text =
        zige::commonCharacters(1, 1, count > 0 ? count : zige::commonLevelSize(1));
    model.copybook.strokes.rows = true;
    return model;
}

void exportStrokeBook(benchmark::State& state) {
    const zige::SheetModel model = strokeBook();
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        benchmark::DoNotOptimize(zige::writePdf(zige::sheetDocument(model), buffer));
    }
}

// The copybook's rows and the table's outlines, taken before timing, drawn 21 rows to an A4
// page: every cell's quick grid; in a stroke-order row the strokes up to the cell's, the last
// in red, through a transform onto the cell; in a practice row the model and three pale copies,
// each glyph scaled from the 2400-twip grid box onto the cell.
void floorStrokeBook(benchmark::State& state) {
    const zige::Copybook book = zige::buildCopybook(strokeBook());
    QHash<QString, QList<QPainterPath>> outlines;
    for (const zige::CopybookRow& row : book.rows)
        if (const QString character = row.characters.value(0);
            !outlines.contains(character) && !character.isEmpty())
            for (const zige::Stroke& stroke :
                 zige::StrokeTable::installed().strokes(character.toUcs4()[0]))
                outlines[character].append(stroke.outline);
    QFont font(zige::GlyphCache().family(QString()));
    font.setPixelSize(2400);
    const double ascent = QFontMetricsF(font).ascent(), u = page_floor::kUnit, s = 12 * u;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(zige::a4FullPage());
        QPainter p(&writer);
        p.scale(1200.0 / 1440, 1200.0 / 1440);
        p.setRenderHint(QPainter::Antialiasing);
        p.setFont(font);
        for (qsizetype first = 0; first < book.rows.size(); first += 21) {
            if (first > 0) writer.newPage();
            p.fillRect(QRectF(0, 0, 11905.5, 16837.8), Qt::white);
            for (int i = 0; i < 14; ++i)
                for (int j = 0; j < 21; ++j) {
                    const double x = (20 + 13 * i) * u, y = (18 + 13 * j) * u;
                    page_floor::quickGrid(p, x, y, s);
                    if (first + j >= book.rows.size()) continue;
                    const zige::CopybookRow& row = book.rows[first + j];
                    const QString character = row.characters.value(0);
                    const QList<QPainterPath>& strokes = outlines[character];
                    const qsizetype added = row.firstStroke.value_or(0) + i;
                    if (row.firstStroke && added >= strokes.size()) continue;
                    if (!row.firstStroke && i > 3) continue;
                    p.save();
                    p.translate(x, y);
                    if (row.firstStroke) {
                        p.scale(s / 1024, s / 1024);
                        for (qsizetype k = 0; k < added; ++k) p.fillPath(strokes[k], Qt::black);
                        p.fillPath(strokes[added], Qt::red);
                    } else {
                        p.scale(s / 2400, s / 2400);
                        p.setPen(i == 0 ? QColor(Qt::black) : QColor(204, 204, 204));
                        p.drawText(QPointF(0, ascent), character);
                    }
                    p.restore();
                }
        }
        p.end();
        benchmark::DoNotOptimize(buffer.size());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::RegisterBenchmark("stroke table load", load)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("stroke table load [floor]", readBytes)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("strokes of a character", everyCharacter)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("strokes of a character [floor]", everyCharacterFloor)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("strokes of the same character again", sameCharacter)
        ->Unit(benchmark::kMicrosecond);
    // Names with "copybook", which bench/run.sh repeats fewer times: each takes seconds.
    benchmark::RegisterBenchmark("PDF export copybook 3500 with stroke order", exportStrokeBook)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark("PDF export copybook 3500 with stroke order [floor]",
                                 floorStrokeBook)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
