// SPDX-License-Identifier: GPL-3.0-or-later
// The character listing on the real main window. run.sh runs the listings in a real X server
// with a window manager (offscreen, Qt never talks to a display and the cost of painting hides)
// and the font filter offscreen. The listings report how often the window painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QWindow>
#include <memory>
#include <optional>

#include "canvas/glyph_cache.h"
#include "main_window/character_code.h"
#include "main_window/listing.h"
#include "main_window/main_window.h"
#include "ui/frame_pacer.h"
#include "ui/prompts.h"
#include "views_floor.h"

namespace {

class SilentPrompts : public zige::Prompts {
public:
    Answer message(QWidget*, const QString&, const QString&, Buttons, Icon) override {
        return Answer::Ok;
    }
    std::optional<QString> saveFileName(QWidget*, const QString&, const QString&) override {
        return std::nullopt;
    }
};

// Counts the paints of one widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

std::unique_ptr<zige::MainWindow> startedWindow(const QStringList& fontNames) {
    auto window = std::make_unique<zige::MainWindow>(std::make_shared<SilentPrompts>(),
                                                     [fontNames] { return fontNames; });
    window->Form_Load();
    window->show();
    // In a real X server the window must be mapped and painted before the clock starts.
    QElapsedTimer waited;
    waited.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) &&
           waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::processEvents();
    return window;
}

void report(benchmark::State& state, const zige::MainWindow& window, const PaintCounter& box) {
    state.counters["lines"] = double(window.listingText().count(QLatin1Char('\n')) + 1);
    // The listing box changes with every character, so its paints are the window's frames.
    state.counters["paints"] = benchmark::Counter(box.paints, benchmark::Counter::kAvgIterations);
    state.counters["paints/s"] = benchmark::Counter(box.paints, benchmark::Counter::kIsRate);
}

// The fonts installed, as the program starts with; the views then draw in the face the
// RefreshViews floor draws in.
void listingWithViews(benchmark::State& state) {
    const auto window = startedWindow(QFontDatabase::families());
    PaintCounter box(window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->viewport());
    for (auto _ : state) window->Command1_Click();
    report(state, *window, box);
}

// The listing's own loop (code, append, caret, caption, yield, paced paints) without the redraw.
void listingWithoutViews(benchmark::State& state) {
    const auto window = startedWindow(QFontDatabase::families());
    auto* box = window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    auto* button = window->findChild<QPushButton*>(QStringLiteral("Command1"));
    PaintCounter paints(box->viewport());
    for (auto _ : state) {
        const zige::FramePacer pacer(window.get());
        box->clear();
        int counter = 0;
        for (int zone = 16; zone <= 87; ++zone)
            for (int position = 1; position <= 94; ++position) {
                zige::appendListingLine(*box, zige::CharFromZonePosition(zone, position));
                zige::showListingEnd(*box);
                button->setText(QString::number(++counter));
                QCoreApplication::processEvents();
            }
        zige::appendListingLine(*box, QStringLiteral("End"), zige::LineBreak::Always);
        zige::showListingEnd(*box);
    }
    report(state, *window, paints);
}

// The listing's redraws alone: RefreshViews for each character, with no yield in between.
void listingRedraws(benchmark::State& state) {
    const auto window = startedWindow(QFontDatabase::families());
    for (auto _ : state)
        for (int zone = 16; zone <= 87; ++zone)
            for (int position = 1; position <= 94; ++position) {
                window->CurrentChar = zige::CharFromZonePosition(zone, position);
                window->RefreshViews();
            }
    QCoreApplication::processEvents();
}

// The listing's floor: the RefreshViews floor once for each character the listing draws, in the
// face the views draw in when no font is chosen.
void listingFloor(benchmark::State& state) {
    QStringList characters;
    QStringDecoder gbk("GBK");
    for (int zone = 16; zone <= 87; ++zone)
        for (int position = 1; position <= 94; ++position) {
            const char code[] = {char(zone + 0xA0), char(position + 0xA0)};
            characters.append(gbk(QByteArray(code, 2)));
        }
    zige::bench::ViewsFloor floor(zige::GlyphCache().family(QString()));
    for (auto _ : state)
        for (const QString& character : characters) floor.draw(character);
    benchmark::DoNotOptimize(floor.image(3).constBits());
}

void filter300(benchmark::State& state) {
    QStringList names;
    for (int i = 0; i < 300; ++i)
        names.append(i % 3 == 0 ? QStringLiteral("字体%1").arg(i)
                                : QStringLiteral("Face %1").arg(i));
    const auto window = startedWindow(names);
    for (auto _ : state) window->Command5_Click();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Names as bench/table.py knows them. A whole listing takes seconds: one iteration each.
    benchmark::RegisterBenchmark("complete listing", listingWithViews)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->UseRealTime();
    benchmark::RegisterBenchmark("complete listing [floor]", listingFloor)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->UseRealTime();
    benchmark::RegisterBenchmark("listing's redraws alone", listingRedraws)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->UseRealTime();
    benchmark::RegisterBenchmark("listing without the views", listingWithoutViews)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->UseRealTime();
    benchmark::RegisterBenchmark("filter over 300 fonts", filter300)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(10);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
