// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and formatting the character library by start-up's own code, against setPlainText of
// the same text.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTextDocument>

#include "fonts/font_list.h"
#include "main_window/library.h"
#include "text/rtf_reader.h"

namespace {

const QString kLibrary = QStringLiteral(ZIGE_SOURCE_DIR "/data/hz.txt");

void readAndFormat(benchmark::State& state) {
    for (auto _ : state) {
        QTextDocument document;
        zige::loadLibraryDocument(document, kLibrary);
        zige::formatLibraryDocument(document, 16, zige::kSongTi);  // the lists' start-up values
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
