#include <QTest>
class PartsTest : public QObject {
    Q_OBJECT
};
QTEST_MAIN(PartsTest)
#include "PartsTest.moc"
