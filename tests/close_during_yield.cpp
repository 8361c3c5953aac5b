// The program's own start-up and event loop with the main window closed from inside a yield of
// a listing or a font list rebuild (argument: listing, filter, restore, listing+filter, or
// listing+exit, which ends it with the exit button instead).
// Prints what the window held at the end; its exit status is the event loop's.
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "each_yield.h"
#include "main_window/main_window.h"
#include "test_support.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString mode = QApplication::arguments().value(1);
    QStringList names;
    for (int i = 0; i < 300; ++i)
        names.append(i % 3 == 0 ? QStringLiteral("字体%1").arg(i)
                                : QStringLiteral("Face %1").arg(i));
    zige::MainWindow window(std::make_shared<zige::test::ScriptedPrompts>(),
                            [names] { return names; });
    window.Form_Load();
    window.show();

    const auto button = [&](const char* name) {
        return window.findChild<QPushButton*>(QLatin1String(name));
    };
    std::unique_ptr<zige::test::EachYield> user;
    QTimer::singleShot(0, &window, [&] {
        user = std::make_unique<zige::test::EachYield>([&](int pass) {
            if (mode == QStringLiteral("listing+filter") && pass == 5) button("Command5")->click();
            if (pass < 20) return true;
            if (mode.endsWith(QStringLiteral("exit")))
                button("Command4")->click();  // the scripted question answers Yes
            else
                window.close();
            return false;
        });
        const char* started = mode.startsWith(QStringLiteral("listing")) ? "Command1"
                              : mode == QStringLiteral("filter")         ? "Command5"
                                                                         : "Command6";
        button(started)->click();
    });
    const int status = QApplication::exec();

    const QString text = window.listingText();
    const QStringList lines = text.isEmpty() ? QStringList() : text.split(QStringLiteral("\r\n"));
    std::printf("lines=%d end=%d fonts=%d\n", int(lines.size()),
                int(lines.contains(QStringLiteral("End"))),
                window.findChild<QComboBox*>(QStringLiteral("Combo1"))->count());
    return status;
}
