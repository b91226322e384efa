#include <QTest>
class WindowTest : public QObject {
    Q_OBJECT
};
QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
