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

using namespace zige;

namespace {

// Two characters in turn, so no benchmark profits from drawing the same one again.
const QString kCharacters[2] = {QStringLiteral("啊"), QStringLiteral("齄")};

ViewInputs startUpInputs() {
    return {kCharacters[0],       QString(),           QStringLiteral("120"), QStringLiteral("10"),
            QStringLiteral("10"), QStringLiteral("2400"), QStringLiteral("2400"), false};
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

// The same lines, pens and fill straight into four images, and the character drawn once.
void RefreshViewsFloor(benchmark::State& state) {
    std::array<QImage, 4> images;
    for (QImage& image : images) image = QImage(185, 185, QImage::Format_RGB32);
    QFont font(GlyphCache().family(QString()));
    font.setPointSizeF(120);
    const QPen solid(QColor(255, 0, 0), 1, Qt::SolidLine, Qt::FlatCap);
    const QPen dashDot(QColor(255, 0, 0), 1, Qt::DashDotLine, Qt::FlatCap);
    const QPen heavy(QColor(255, 0, 0), 2, Qt::SolidLine, Qt::FlatCap);
    const auto lines = [](QPainter& p, const QPen& pen, std::initializer_list<QLineF> ls) {
        p.setPen(pen);
        for (const QLineF& l : ls) p.drawLine(l);
    };
    const QLineF outline[] = {{1, 1, 162, 1}, {1, 1, 1, 162}, {1, 161, 162, 161}, {161, 1, 161, 162}};
    int n = 0;
    for (auto _ : state) {
        for (int i = 0; i < 4; ++i) {
            images[i].fill(Qt::white);
            QPainter p(&images[i]);
            if (i == 3) {
                p.fillRect(QRect(54, 1, 54, 161), QColor(192, 192, 255));
                p.setPen(dashDot);
                p.drawRect(QRect(54, 1, 53, 160));
                p.setPen(heavy);
                for (const QLineF& l : outline) p.drawLine(l);
                lines(p, heavy, {{81, 0, 81, 162}, {0, 81, 162, 81}});
            } else {
                p.setPen(solid);
                for (const QLineF& l : outline) p.drawLine(l);
            }
            if (i == 0) lines(p, dashDot, {{1, 81, 162, 81}, {81, 1, 81, 162}, {1, 1, 161, 161}, {1, 161, 161, 1}});
            if (i == 1 || i == 3)
                lines(p, dashDot, {{54, 1, 54, 162}, {107, 1, 107, 162}, {1, 54, 162, 54}, {1, 107, 162, 107}});
            if (i == 2) {
                lines(p, solid, {{81, 1, 81, 162}, {1, 81, 162, 81}});
                lines(p, dashDot, {{49, 49, 49, 114}, {113, 49, 113, 114}, {49, 49, 114, 49}, {49, 113, 114, 113}});
            }
            if (i >= 2)
                lines(p, dashDot, {{1, 49, 49, 1}, {113, 1, 161, 49}, {1, i == 3 ? 121. : 113., i == 3 ? 41. : 49., 161},
                                   {i == 3 ? 121. : 113., 161, 161, i == 3 ? 121. : 113.}});
            if (i == 0) {
                p.setFont(font);
                p.setPen(Qt::black);
                p.drawText(QPointF(0.67, 0.67 + 140), kCharacters[n++ % 2]);
            }
        }
        benchmark::DoNotOptimize(images[3].constBits());
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
    benchmark::RegisterBenchmark("RefreshViews start-up", RefreshViewsStartUp)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("RefreshViews start-up [floor]", RefreshViewsFloor)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("RefreshViews overlay x1000", RefreshViewsOverlay)->Unit(benchmark::kMillisecond);
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
