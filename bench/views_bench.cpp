// SPDX-License-Identifier: GPL-3.0-or-later
// RefreshViews against the bare QPainter calls it stands for.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <array>
#include <memory>

#include "canvas/glyph_cache.h"
#include "ui/picture_box.h"
#include "views/character_views.h"
#include "views_floor.h"

using namespace zige;

namespace {

// Two characters in turn, so no benchmark profits from drawing the same one again.
const QString kCharacters[2] = {QStringLiteral("啊"), QStringLiteral("齄")};

ViewInputs startUpInputs() {
    return {kCharacters[0],         QString(),
            QStringLiteral("120"),  QStringLiteral("10"),
            QStringLiteral("10"),   QStringLiteral("2400"),
            QStringLiteral("2400"), false};
}

struct Views {
    std::array<std::unique_ptr<PictureBox>, 4> boxes;
    std::array<Canvas*, 4> pointers{};
    Views() {
        const auto glyphs = std::make_shared<GlyphCache>();
        for (int i = 0; i < 4; ++i) {
            boxes[i] = std::make_unique<PictureBox>(nullptr, glyphs);
            boxes[i]->resize(185, 185);
            pointers[i] = &boxes[i]->canvas();
        }
    }
};

void RefreshViewsStartUp(benchmark::State& state) {
    Views views;
    ViewInputs inputs = startUpInputs();
    int n = 0;
    for (auto _ : state) {
        inputs.character = kCharacters[n++ % 2];
        RefreshViews(views.pointers, inputs);
        benchmark::DoNotOptimize(views.boxes[3]->Image().constBits());
    }
}

// The same lines, pens and fill straight into four images, and the character in all four.
void RefreshViewsFloor(benchmark::State& state) {
    bench::ViewsFloor floor(GlyphCache().family(QString()));
    int n = 0;
    for (auto _ : state) {
        floor.draw(kCharacters[n++ % 2]);
        benchmark::DoNotOptimize(floor.image(3).constBits());
    }
}

// With the overlay on, every call draws over what the quick grid holds: no growth per call.
void RefreshViewsOverlay(benchmark::State& state) {
    Views views;
    ViewInputs inputs = startUpInputs();
    inputs.overlay = true;
    int n = 0;
    for (auto _ : state) {
        for (int call = 0; call < 1000; ++call) {
            inputs.character = kCharacters[n++ % 2];
            RefreshViews(views.pointers, inputs);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::RegisterBenchmark("RefreshViews start-up", RefreshViewsStartUp)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("RefreshViews start-up [floor]", RefreshViewsFloor)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("RefreshViews overlay x1000", RefreshViewsOverlay)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("RefreshViews overlay x1000 [floor]", [](benchmark::State& state) {
        Views views;
        ViewInputs inputs = startUpInputs();  // overlay off: every call starts from a cleared view
        int n = 0;
        for (auto _ : state) {
            for (int call = 0; call < 1000; ++call) {
                inputs.character = kCharacters[n++ % 2];
                RefreshViews(views.pointers, inputs);
            }
        }
    })->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
