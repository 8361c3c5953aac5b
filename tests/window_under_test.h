#pragma once

#include <QComboBox>
#include <QPointer>
#include <QStringList>
#include <memory>

#include "main_window/main_window.h"
#include "test_support.h"

namespace zige::test {

// A started main window on the heap with scripted prompts and its own font names, held by a
// QPointer so a test can close or destroy it from inside a handler's yield.
struct WindowUnderTest {
    explicit WindowUnderTest(const QStringList& fontNames = {QStringLiteral("宋体")})
        : prompts(std::make_shared<ScriptedPrompts>()),
          window(new MainWindow(prompts, [fontNames] { return fontNames; })) {
        window->Form_Load();
        window->show();
    }
    ~WindowUnderTest() { delete window.data(); }
    WindowUnderTest(const WindowUnderTest&) = delete;
    WindowUnderTest& operator=(const WindowUnderTest&) = delete;

    template <typename T>
    T* child(const char* name) const {
        return window->findChild<T*>(QLatin1String(name));
    }

    std::shared_ptr<ScriptedPrompts> prompts;
    QPointer<MainWindow> window;
};

inline QStringList entries(const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts.append(list->itemText(i));
    return texts;
}

}  // namespace zige::test
