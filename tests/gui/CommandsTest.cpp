#include <QTest>
class CommandsTest : public QObject {
    Q_OBJECT
};
QTEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
