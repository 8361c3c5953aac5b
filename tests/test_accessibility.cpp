// SPDX-License-Identifier: GPL-3.0-or-later
// What the keyboard reaches and a screen reader says, on the real windows.
#include <QtTest>
#include <QtWidgets>

#include "grid_sheet/copybook_dialog.h"
#include "grid_sheet/sheet_window.h"
#include "window_under_test.h"

using namespace zige;
using namespace zige::test;

namespace {

// What a screen reader announces a control by: its label, else its name unless it is its value.
QString spokenName(QWidget* control) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    QString name = accessible->text(QAccessible::Name);
    for (const auto& [label, relation] : accessible->relations(QAccessible::Label))
        if (qobject_cast<QLabel*>(label->object())) name = label->text(QAccessible::Name);
    // A table answers its own name for every text, its value too.
    const bool table = accessible->role() == QAccessible::Table;
    return name == accessible->text(QAccessible::Value) && !table ? QString() : name;
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
    void initTestCase() { startWithoutSettings(); }
    // Tab goes round every control of each window and dialog page, each named on its own.
    void tabReachesNamedControls_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("controls");
        QTest::newRow("main window") << "vorel" << 24;
        QTest::newRow("sheet window") << "suchengge" << 17;
        const int pages[] = {10, 5, 6, 8, 10, 6};  // the copybook dialog's pages
        for (int page = 0; page < 6; ++page)
            QTest::addRow("copybook dialog page %d", page)
                << "copybookDialog:" + QString::number(page) << pages[page];
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
        dialog.findChild<QTabWidget*>("pages")->setCurrentIndex(window.section(':', 1).toInt());
        activate(*shown);
        QWidget* const first = QApplication::focusWidget();
        QWidget* at = first;
        QVERIFY(at);
        QStringList named;
        QSet<QString> names;
        do {
            const QString name = spokenName(at);
            named << at->objectName() + "=" + name;
            QVERIFY2(!name.isEmpty() && !names.contains(name), qPrintable(named.join(' ')));
            names << name;
            QTest::keyClick(at, Qt::Key_Tab);
            QVERIFY2(QApplication::focusWidget() != at, qPrintable(named.join(' ')));
            at = QApplication::focusWidget();
        } while (at != first && named.size() <= controls);
        QCOMPARE(named.size(), controls);
    }

    // Alt and a label's letter focus the control it names, on each page of the dialog.
    void dialogMnemonicsFocusTheirControls() {
        CopybookDialog dialog;
        activate(dialog);
        auto* pages = dialog.findChild<QTabWidget*>("pages");
        dialog.findChild<QCheckBox*>("millimetres")->setChecked(true);  // enables the lengths
        int mnemonics = 0;
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (!label->buddy()) continue;
            for (int page = 0; page < pages->count(); ++page)
                if (pages->widget(page)->isAncestorOf(label)) pages->setCurrentIndex(page);
            QTest::keySequence(&dialog, QKeySequence::mnemonic(label->text()));
            QVERIFY2(QApplication::focusWidget() == label->buddy(), qPrintable(label->text()));
            ++mnemonics;
        }
        QCOMPARE(mnemonics, 20);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
