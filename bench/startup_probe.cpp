// Starts like zige does, waits for the main window's first paint, then quits; prints the peak
// resident memory. Built twice: as zige's main window (optionally with the sheet window open)
// and as the smallest Qt widgets program, the floor.
#include <sys/resource.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <memory>

#ifndef ZIGE_MINIMAL_PROBE
#include "main_window/main_window.h"
#include "ui/prompts.h"
#endif

namespace {

// Quits at the first paint of the watched window.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
#ifdef ZIGE_MINIMAL_PROBE
    auto window = std::make_unique<QWidget>();
#else
    auto window = std::make_unique<zige::MainWindow>(std::make_shared<zige::DialogPrompts>());
    window->Form_Load();
#endif
    FirstPaint firstPaint;
    window->installEventFilter(&firstPaint);
    window->show();
#ifndef ZIGE_MINIMAL_PROBE
    if (argc > 1 && std::strcmp(argv[1], "--with-sheet") == 0) window->Command7_Click();
#endif
    const int status = QApplication::exec();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak_rss_kb %ld\n", usage.ru_maxrss);
    return status;
}
