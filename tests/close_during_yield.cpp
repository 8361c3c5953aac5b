// The program's own event loop with the main window going away in the 20th yield of a listing:
// closed, closed after a filter started in the 5th (argument "filter"), or ended by the exit
// button ("exit"). Prints what the window held at the end; its exit status is the event loop's.
#include <cstdio>
#include <optional>

#include "window_under_test.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString mode = QApplication::arguments().value(1);
    zige::test::WindowUnderTest w(zige::test::manyFontNames());
    std::optional<zige::test::EachYield> user;
    QTimer::singleShot(0, w.window.data(), [&] {
        user.emplace([&](int pass) {
            if (mode == QStringLiteral("filter") && pass == 5) w.click("Command5");
            if (pass < 20) return true;
            mode == QStringLiteral("exit") ? w.click("Command4")
                                           : void(w.window->close());  // the question answers Yes
            return false;
        });
        w.click("Command1");
    });
    const int status = QApplication::exec();
    const QStringList lines =
        w.window->listingText().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    std::printf("lines=%d end=%d fonts=%d\n", int(lines.size()),
                int(lines.contains(QStringLiteral("End"))), w.combo("Combo1")->count());
    return status;
}
