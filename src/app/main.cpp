#include <QApplication>
#include <memory>

#include "main_window/main_window.h"
#include "ui/prompts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zige"));
    zige::MainWindow window(std::make_shared<zige::DialogPrompts>());
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
