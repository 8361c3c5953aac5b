// SPDX-License-Identifier: GPL-3.0-or-later
// The character listing on the real main window against a bare Qt floor. run.sh runs both in a
// real X server with a window manager (offscreen, Qt never talks to a display and the cost of
// painting hides) and the font filter offscreen. Both report how often they painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFontDatabase>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStringDecoder>
#include <QWindow>
#include <memory>
#include <optional>

#include "canvas/glyph_cache.h"
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

// Shows `window`: in a real X server it must be mapped and painted before the clock starts.
void exposed(QWidget& window) {
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) &&
           waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::processEvents();
}

std::unique_ptr<zige::MainWindow> startedWindow(const QStringList& fontNames) {
    auto window = std::make_unique<zige::MainWindow>(std::make_shared<SilentPrompts>(),
                                                     [fontNames] { return fontNames; });
    window->Form_Load();
    exposed(*window);
    return window;
}

// The fonts installed, as the program starts with; the views then draw in the face the floor
// draws in. The listing box changes with every character, so its paints are the window's frames.
void listingWithViews(benchmark::State& state) {
    const auto window = startedWindow(QFontDatabase::families());
    PaintCounter box(window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->viewport());
    for (auto _ : state) window->Command1_Click();
    state.counters["lines"] = double(window->listingText().count(QLatin1Char('\n')) + 1);
    state.counters["paints/s"] = benchmark::Counter(box.paints, benchmark::Counter::kIsRate);
    state.counters["frames/s"] = window->screen()->refreshRate();
}

// Shows a 160-px image, as a view shows its canvas.
class ImageView : public QWidget {
public:
    explicit ImageView(QWidget* parent) : QWidget(parent), image(160, 160, QImage::Format_RGB32) {
        image.fill(Qt::white);
    }
    QImage image;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, image); }
};

// The listing's floor, bare Qt in a window of the main window's size: per character the line
// appended to a text box where the listing box is, the glyph drawn into one 160-px view image in
// the face the views draw in, and a yield; the two repaint once per 16 ms, their updates held in
// between.
void listingFloor(benchmark::State& state) {
    QStringList characters;
    QStringDecoder gbk("GBK");
    for (int zone = 16; zone <= 87; ++zone)
        for (int position = 1; position <= 94; ++position) {
            const char code[] = {char(zone + 0xA0), char(position + 0xA0)};
            characters.append(gbk(QByteArray(code, 2)));
        }
    QWidget window;
    window.setFixedSize(709, 528);
    QPlainTextEdit box(&window);
    box.setGeometry(4, 40, 65, 449);
    box.setLineWrapMode(QPlainTextEdit::NoWrap);
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ImageView view(&window);
    view.setGeometry(532, 316, 160, 160);
    QFont font(zige::GlyphCache().family(QString()));
    font.setPointSizeF(120);
    exposed(window);
    PaintCounter paints(box.viewport());
    const auto hold = [&](bool held) {
        box.setUpdatesEnabled(!held);
        view.setUpdatesEnabled(!held);
    };
    for (auto _ : state) {
        box.clear();
        QElapsedTimer sinceFrame;
        sinceFrame.start();
        hold(true);
        for (const QString& character : characters) {
            box.appendPlainText(character);
            view.image.fill(Qt::white);
            {
                QPainter p(&view.image);
                p.setFont(font);
                p.drawText(QPointF(0.67, 140.67), character);
            }
            const bool frame = sinceFrame.nsecsElapsed() >= 16'000'000;
            if (frame) hold(false), sinceFrame.start();
            QCoreApplication::processEvents();
            if (frame) hold(true);
        }
        hold(false);
        QCoreApplication::processEvents();
    }
    state.counters["paints/s"] = benchmark::Counter(paints.paints, benchmark::Counter::kIsRate);
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
    benchmark::RegisterBenchmark("filter over 300 fonts", filter300)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(10);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
