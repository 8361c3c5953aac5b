// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtTest>
#include <QtWidgets>

#include "grid_sheet/sheet_window.h"
#include "main_window/main_window.h"
#include "test_support.h"
#include "ui/picture_box.h"

namespace zige::test {

// Runs `step` with its number (1, 2, ...) in every pass over the event queue till it says false.
class EachYield : public QObject {
public:
    explicit EachYield(std::function<bool(int pass)> step) : step_(std::move(step)) { post(); }

private:
    void post() {
        QMetaObject::invokeMethod(
            this, [this] { stopped_ = stopped_ || (post(), !step_(++passes_)); },
            Qt::QueuedConnection);
    }
    std::function<bool(int)> step_;
    int passes_ = 0;
    bool stopped_ = false;
};

// The child of `parent` named `name`; a test that names one that is not there stops.
template <typename T = QWidget>
T* childOf(const QObject* parent, const char* name) {
    T* child = parent->findChild<T*>(QLatin1String(name));
    if (!child) qFatal("no control %s", name);
    return child;
}

// A shown main window with scripted prompts, font names and library; a test may destroy it.
struct WindowUnderTest {
    explicit WindowUnderTest(const QStringList& fontNames = {QStringLiteral("宋体")},
                             const QString& libraryPath = {})
        : prompts(std::make_shared<ScriptedPrompts>()),
          window(new MainWindow(prompts, [fontNames] { return fontNames; })) {
        if (!libraryPath.isEmpty()) window->setLibraryPath(libraryPath);
        window->Form_Load();
        window->show();
    }
    ~WindowUnderTest() { delete window.data(); }
    WindowUnderTest(const WindowUnderTest&) = delete;

    template <typename T = QWidget>
    T* child(const char* name) const {
        return childOf<T>(window, name);
    }
    QComboBox* combo(const char* name) const { return child<QComboBox>(name); }
    QImage view(const char* name = "Picture1") const {
        return child<PictureBox>(name)->Image().copy();
    }
    QString lists() const {
        return combo("Combo2")->currentText() + QLatin1Char('/') + combo("Combo3")->currentText();
    }
    void click(const char* button) const { child<QPushButton>(button)->click(); }
    // Chooses `text` in a list as the user does, which fires its handler even when unchanged.
    void pick(const char* list, const QString& text) const {
        combo(list)->setCurrentIndex(combo(list)->findText(text));
        emit combo(list)->activated(combo(list)->currentIndex());
    }
    // What an input method delivers when the user commits text: the way Chinese reaches a box.
    void commit(const QString& text) const {
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(child("Text2"), &event);
    }
    // Every question asked so far, as "title: text (Ok)" or "(YesNo)", and " [icon]" if it had one.
    QStringList questions() const {
        QStringList asked;
        for (const auto& q : prompts->asked)
            asked << q.title + ": " + q.text +
                         (q.buttons == Prompts::Buttons::Ok ? " (Ok)" : " (YesNo)") +
                         (q.icon == Prompts::Icon::None ? "" : " [icon]");
        return asked;
    }

    // The listing's button, the click that stops it, and a run with `user` acting in its yields.
    QPushButton* list() const { return child<QPushButton>("Command1"); }
    void clickListingBox() const {
        QTest::mouseClick(child<QPlainTextEdit>("Text1")->viewport(), Qt::LeftButton);
    }
    void listWith(const std::function<bool(int)>& user) const {
        EachYield each(user);
        QTest::mouseClick(list(), Qt::LeftButton);
    }

    std::shared_ptr<ScriptedPrompts> prompts;
    QPointer<MainWindow> window;
};

// A shown sheet window with scripted prompts, empty settings and a folder for its files.
struct SheetUnderTest {
    explicit SheetUnderTest(
        std::shared_ptr<ScriptedPrompts> scripted = std::make_shared<ScriptedPrompts>())
        : prompts((startWithoutSettings(), std::move(scripted))), window(prompts) {
        window.Form_Load();
        window.show();
    }
    template <typename T = QWidget>
    T* child(const char* name) const {
        return childOf<T>(&window, name);
    }
    QAction* action(const char* name) const { return child<QAction>(name); }
    QImage image() const { return child<PictureBox>("Picture2")->Image(); }
    QImage screen() const { return image().convertToFormat(QImage::Format_RGB32); }
    QString path(const QString& name) const { return folder.filePath(name); }
    // Triggers the menu entry `output`, its save dialog answering `name`; the file's path.
    QString exported(const char* output, const QString& name) const {
        prompts->files = {path(name)};
        action(output)->trigger();
        return path(name);
    }
    // Types into lists ("Combo5=8 Combo6=3"), then picks in the last one.
    void typeAndPick(const QString& texts) const {
        QComboBox* list = nullptr;
        for (const QString& text : texts.split(u' ')) {
            list = child<QComboBox>(qPrintable(text.section(u'=', 0, 0)));
            list->setEditText(text.section(u'=', 1));
        }
        emit list->activated(list->currentIndex());
    }
    // Opens the copybook dialog and types the characters to practise.
    void practise(const QString& text) const {
        action("copybook")->trigger();
        child<QPlainTextEdit>("practiceText")->setPlainText(text);
    }

    std::shared_ptr<ScriptedPrompts> prompts;
    SheetWindow window;
    QTemporaryDir folder;
};

// 300 font names, a third of them Chinese, none of them a preferred font.
inline QStringList manyFontNames() {
    QStringList names;
    for (int i = 0; i < 300; ++i)
        names.append((i % 3 ? QStringLiteral("Face %1") : QStringLiteral("字体%1")).arg(i));
    return names;
}

}  // namespace zige::test
