#include <QtTest>
class T : public QObject { Q_OBJECT };
QTEST_MAIN(T)
#include "test_main_window.moc"
