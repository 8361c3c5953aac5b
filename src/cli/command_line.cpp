// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

#include "cli/copybook_command.h"
#include "core/translations.h"

namespace zige {

namespace {

const char kCopybook[] = "copybook";

int runProgramOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOptions({help, version});
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString error =
            parser.errorText().isEmpty()
                ? QStringLiteral("没有“%1”这个命令").arg(parser.positionalArguments().value(0))
                : parser.errorText();
        std::fputs(qPrintable(QStringLiteral("zige: %1（zige --help 有说明）\n").arg(error)),
                   stderr);
        return 2;
    }
    if (parser.isSet(version)) {
        std::fputs(
            qPrintable(QStringLiteral("zige %1\n").arg(QCoreApplication::applicationVersion())),
            stdout);
        return 0;
    }
    std::fputs(qPrintable(QStringLiteral(
                   "用法：zige [选项]\n"
                   "      zige copybook [选项] [文字] -o 文件\n"
                   "字格：书法练字的米字格、九宫格、八卦格和速成宝格。不带参数时打开程序的窗口。\n"
                   "\n"
                   "命令：\n"
                   "  copybook        不打开窗口，把字帖写成 PDF、PNG 或 BMP 文件\n"
                   "                  （zige copybook --help 有说明）\n"
                   "\n"
                   "选项：\n"
                   "  -h, --help      显示这份帮助\n"
                   "  -v, --version   显示版本\n")),
               stdout);
    return 0;
}

// Qt's own warnings (a runtime folder it made itself, a plugin's limits) are no business of a
// command's user; the program's own step log stays available through QT_LOGGING_RULES.
void quietQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const bool ours = context.category && std::strncmp(context.category, "zige", 4) == 0;
    if (ours || type == QtCriticalMsg || type == QtFatalMsg)
        std::fputs(qPrintable(message + QLatin1Char('\n')), stderr);
}

}  // namespace

bool wantsCommandLine(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        for (const char* word : {kCopybook, "-h", "--help", "-v", "--version"})
            if (std::strcmp(argv[i], word) == 0) return true;
    return false;
}

int runCommandLine(int argc, char* argv[]) {
    qInstallMessageHandler(quietQtMessages);
    // No window is shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("zige"));
    QGuiApplication::setApplicationVersion(QStringLiteral(ZIGE_VERSION));
    installChineseQtTexts();
    const QStringList arguments = QGuiApplication::arguments();
    const qsizetype command = arguments.indexOf(QLatin1String(kCopybook));
    if (command == 1) return runCopybookCommand(arguments.mid(command));
    return runProgramOptions(arguments);
}

}  // namespace zige
