// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtTest>
#include <QtWidgets>

#include "main_window/main_window.h"
#include "test_support.h"
#include "ui/picture_box.h"

namespace zige::test {

// Acts once in every pass over the event queue, so a test can step in between the items of a
// handler that yields once per item. Each pass runs `step` with its number (1, 2, ...). The
// next call is posted as the current one starts, and Qt delivers events posted during a pass
// only in the following pass, so every yield sees exactly one call, yields nested inside `step`
// (a handler it starts) included. Returning false stops it.
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

// A started, shown main window on the heap with scripted prompts, its own font names and
// optionally its own library file, held by a QPointer so a test can close or destroy it from
// inside a handler's yield.
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
        T* widget = window->findChild<T*>(QLatin1String(name));
        if (!widget) qFatal("no control %s", name);
        return widget;
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

    // The listing: its button, the click on its box that stops it, and a run in which `user` acts
    // at every yield.
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

// 300 font names, a third of them Chinese, none of them a preferred font.
inline QStringList manyFontNames() {
    QStringList names;
    for (int i = 0; i < 300; ++i)
        names.append((i % 3 ? QStringLiteral("Face %1") : QStringLiteral("字体%1")).arg(i));
    return names;
}

}  // namespace zige::test
