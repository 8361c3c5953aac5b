// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <cstdio>
#include <memory>

#include "cli/command_line.h"
#include "core/translations.h"
#include "main_window/main_window.h"
#include "ui/prompts.h"

int main(int argc, char* argv[]) {
    // A command, help or version: no window, so no display needed.
    if (zige::wantsCommandLine(argc, argv)) return zige::runCommandLine(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zige"));
    QApplication::setOrganizationName(QStringLiteral("zige"));
    zige::installChineseQtTexts();
    // Qt takes its own options (-platform, -style, ...); anything left is no option of ours.
    if (const QStringList rest = QApplication::arguments().mid(1); !rest.isEmpty()) {
        std::fputs(
            qPrintable(
                QStringLiteral("zige: 不认识的参数“%1”（zige --help 有说明）\n").arg(rest.first())),
            stderr);
        return 2;
    }
    zige::MainWindow window(std::make_shared<zige::DialogPrompts>());
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
