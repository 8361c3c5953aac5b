// SPDX-License-Identifier: GPL-3.0-or-later
// What the keyboard reaches and a screen reader says, on the real windows: Tab goes round every
// control of the two windows and the copybook dialog, each with a name of its own, and the
// dialog's labels take the focus to their controls with Alt and their letter.
#include <QtTest>
#include <QtWidgets>

#include "grid_sheet/copybook_dialog.h"
#include "grid_sheet/sheet_window.h"
#include "window_under_test.h"

using namespace zige;
using namespace zige::test;

namespace {

// What a screen reader announces a control by: the label that names it, else its own name. A
// list's own name is its current entry, its value: that names nothing.
QString spokenName(QWidget* control) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    const auto labels = accessible->relations(QAccessible::Label);
    const QString name = labels.isEmpty() ? accessible->text(QAccessible::Name)
                                          : labels.first().first->text(QAccessible::Name);
    return name == accessible->text(QAccessible::Value) ? QString() : name;
}

void activate(QWidget& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void tabReachesNamedControls_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("controls");
        QTest::newRow("main window") << "vorel" << 24;
        QTest::newRow("sheet window") << "suchengge" << 17;
        QTest::newRow("copybook dialog") << "copybookDialog" << 9;
    }
    void tabReachesNamedControls() {
        QFETCH(QString, window);
        QFETCH(int, controls);
        const WindowUnderTest main;
        SheetWindow sheet(std::make_shared<ScriptedPrompts>());
        sheet.Form_Load();
        CopybookDialog dialog;
        QWidget* const shown = window == "vorel"       ? static_cast<QWidget*>(main.window)
                               : window == "suchengge" ? static_cast<QWidget*>(&sheet)
                                                       : &dialog;
        activate(*shown);

        // Tab from the first control until the focus comes back to it; a control that keeps
        // the Tab key for itself ends the round early.
        QWidget* const first = QApplication::focusWidget();
        QVERIFY(first);
        QStringList named;
        QSet<QString> names;
        for (QWidget* at = first; named.size() <= controls;) {
            const QString name = spokenName(at);
            named << at->objectName() + "=" + name;
            QVERIFY2(!name.isEmpty(), qPrintable(named.join(' ')));
            QVERIFY2(!names.contains(name), qPrintable(named.join(' ')));
            names << name;
            QTest::keyClick(at, Qt::Key_Tab);
            QWidget* next = QApplication::focusWidget();
            QVERIFY2(next != at, qPrintable(named.join(' ')));
            if (next == first) break;
            at = next;
        }
        QCOMPARE(named.size(), controls);
    }

    // Alt and a label's letter focus the control the label names.
    void dialogMnemonicsFocusTheirControls() {
        CopybookDialog dialog;
        activate(dialog);
        const auto labels = dialog.findChildren<QLabel*>();
        int mnemonics = 0;
        for (QLabel* label : labels) {
            if (!label->buddy()) continue;
            const QKeySequence keys = QKeySequence::mnemonic(label->text());
            QVERIFY2(!keys.isEmpty(), qPrintable(label->text()));
            QTest::keySequence(&dialog, keys);
            QCOMPARE(QApplication::focusWidget(), label->buddy());
            ++mnemonics;
        }
        QCOMPARE(mnemonics, 5);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
