// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a window, waits for its first paint, then quits; prints the peak resident memory.
// Built three times: as zige's main window (optionally with the sheet window open, or asked to
// write the library's plain text for the text window), and as two floors made of bare Qt calls
// with no code of ours: the smallest widgets program (an empty window), and a window of the same
// size that shows the main window's captions in labels and the library's plain text in a text
// box, in the library's font and size.
#include <sys/resource.h>

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <memory>

#ifdef ZIGE_PROBE_MAIN_WINDOW
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

#ifdef ZIGE_PROBE_TEXT_WINDOW
// Every caption and the first information line of the main window, with its size in pixels.
std::unique_ptr<QWidget> textWindow() {
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(709, 528);
    QFont captions = window->font();
    captions.setPixelSize(12);
    window->setFont(captions);
    // clang-format off
    const char* const texts[] = {
        "获取汉字", "汉字库字号", "生成速成宝格", "退出", "汉字区号", "汉字位号", "汉字输入",
        "上一个字", "下一个字", "字体", "过滤", "恢复", "字 大 小", "字格定义(可适应不同字体)",
        "左边距", "顶边距", "宽度", "高度", "速成宝格覆盖显示", "16", "1", "啊", "120", "10", "2400",
        "啊 区位 1601 · GB B0A1 · U+554A · 字格 42.3 × 42.3 mm"};
    // clang-format on
    int y = 0;
    for (const char* text : texts) {
        auto* label = new QLabel(QString::fromUtf8(text), window.get());
        label->setGeometry(328, y, 380, 18);
        y += 19;
    }
    // The library view's place and size; plain text, so nothing of the rich-text reader.
    auto* library = new QTextEdit(window.get());
    library->setGeometry(76, 40, 245, 449);
    library->setReadOnly(true);
    // The face the main window's library is drawn in on its first line, then the text.
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/hz_plain.txt"));
    if (file.open(QIODevice::ReadOnly)) {
        const QString family = QString::fromUtf8(file.readLine()).trimmed();
        QFont font(family);
        font.setPointSize(16);
        font.setHintingPreference(QFont::PreferNoHinting);
        library->document()->setDefaultFont(font);
        library->setPlainText(QString::fromUtf8(file.readAll()));
    }
    return window;
}
#endif

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
#if defined(ZIGE_PROBE_MAIN_WINDOW)
    auto window = std::make_unique<zige::MainWindow>(std::make_shared<zige::DialogPrompts>());
    window->Form_Load();
    // For the text window: the face the library is drawn in, then its plain text.
    if (argc > 2 && std::strcmp(argv[1], "--library-text") == 0) {
        const auto* library = window->findChild<QTextEdit*>(QStringLiteral("RichTextBox1"));
        const QString family =
            QFontInfo(QTextCursor(library->document()).charFormat().font()).family();
        QFile out(QString::fromLocal8Bit(argv[2]));
        const bool written =
            out.open(QIODevice::WriteOnly) &&
            out.write((family + QLatin1Char('\n') + library->toPlainText()).toUtf8()) > 0;
        return written ? 0 : 1;
    }
#elif defined(ZIGE_PROBE_TEXT_WINDOW)
    auto window = textWindow();
#else
    auto window = std::make_unique<QWidget>();
#endif
    FirstPaint firstPaint;
    window->installEventFilter(&firstPaint);
    window->show();
#ifdef ZIGE_PROBE_MAIN_WINDOW
    if (argc > 1 && std::strcmp(argv[1], "--with-sheet") == 0) window->Command7_Click();
#endif
    const int status = QApplication::exec();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak_rss_kb %ld\n", usage.ru_maxrss);
    return status;
}
