// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <memory>

#include "main_window/main_window.h"
#include "ui/prompts.h"
#include "ui/translations.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zige"));
    zige::installChineseQtTexts();
    zige::MainWindow window(std::make_shared<zige::DialogPrompts>());
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
