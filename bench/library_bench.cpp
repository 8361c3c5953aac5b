// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and formatting the character library as start-up does, against setPlainText of the
// same text.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include "text/rtf_reader.h"

namespace {

const QString kLibrary = QStringLiteral(ZIGE_SOURCE_DIR "/data/hz.txt");

void readAndFormat(benchmark::State& state) {
    for (auto _ : state) {
        QTextDocument document;
        zige::loadRichTextFile(kLibrary, document);
        QTextCursor all(&document);
        all.select(QTextCursor::Document);
        QTextCharFormat format;
        format.setFontPointSize(16);
        format.setFontFamilies({QStringLiteral("宋体")});
        all.mergeCharFormat(format);
        benchmark::DoNotOptimize(document.characterCount());
    }
}

void setPlainText(benchmark::State& state) {
    QTextDocument loaded;
    zige::loadRichTextFile(kLibrary, loaded);
    const QString text = loaded.toPlainText();
    for (auto _ : state) {
        QTextDocument document;
        document.setPlainText(text);
        benchmark::DoNotOptimize(document.characterCount());
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::RegisterBenchmark("hz.txt read + format", readAndFormat)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("hz.txt read + format [floor]", setPlainText)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
