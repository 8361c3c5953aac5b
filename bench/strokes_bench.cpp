// SPDX-License-Identifier: GPL-3.0-or-later
// The stroke table: reading and checking the whole file, as the first stroke feature does, next
// to reading its bytes alone; one character's strokes, every character in turn, next to
// building the same paths from points already in memory; and the same character again.
#include <benchmark/benchmark.h>

#include <QFile>

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

}  // namespace

int main(int argc, char** argv) {
    benchmark::RegisterBenchmark("stroke table load", load)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("stroke table load [floor]", readBytes)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("strokes of a character", everyCharacter)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("strokes of a character [floor]", everyCharacterFloor)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("strokes of the same character again", sameCharacter)
        ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
