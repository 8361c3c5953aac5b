// The character listing and the font filter on the real window, offscreen: a complete listing
// with the views following each character, the same loop without the views, and a filter over
// 300 font names. Medians over a few repetitions.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>
#include <optional>

#include "main_window/character_code.h"
#include "main_window/listing.h"
#include "main_window/main_window.h"
#include "ui/prompts.h"

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

std::unique_ptr<zige::MainWindow> startedWindow(const QStringList& fontNames) {
    auto window = std::make_unique<zige::MainWindow>(std::make_shared<SilentPrompts>(),
                                                     [fontNames] { return fontNames; });
    window->Form_Load();
    window->show();
    QCoreApplication::processEvents();
    return window;
}

void listingWithViews(benchmark::State& state) {
    const auto window = startedWindow({QStringLiteral("宋体")});
    for (auto _ : state) window->Command1_Click();
    state.counters["lines"] = double(window->listingText().count(QLatin1Char('\n')) + 1);
}

// The listing's own loop (code, append, caret, caption, yield) with the redraw left out.
void listingWithoutViews(benchmark::State& state) {
    const auto window = startedWindow({QStringLiteral("宋体")});
    auto* box = window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    auto* button = window->findChild<QPushButton*>(QStringLiteral("Command1"));
    for (auto _ : state) {
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
    state.counters["lines"] = double(window->listingText().count(QLatin1Char('\n')) + 1);
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
    // Names as bench/table.py knows them; a whole listing takes seconds, so three runs.
    benchmark::RegisterBenchmark("complete listing", listingWithViews)
        ->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
    benchmark::RegisterBenchmark("listing without the views", listingWithoutViews)
        ->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
    benchmark::RegisterBenchmark("filter over 300 fonts", filter300)
        ->Unit(benchmark::kMillisecond)->Iterations(10);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
