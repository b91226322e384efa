// How long a 10 × 10 inversion takes from the handler's start until it has
// ended and the log pane holds the whole log. Run by hand or by `make bench`; not a test.
#include <QPlainTextEdit>
#include <QTest>

#include "GuiTestKit.h"

namespace korvane::test {

class LogPaneBench : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { window_.form->show(); }

    void inverse_data() {
        QTest::addColumn<int>("matrix");
        QTest::newRow("gaussian-integers") << 0;
        QTest::newRow("complex-fractions") << 1;
    }

    void inverse() {
        QFETCH(int, matrix);
        window_.Enter(matrix == 0 ? GaussianMatrix() : ComplexFractionMatrix());
        QBENCHMARK_ONCE {
            window_->N13Click();
            window_.WaitIdle();
        }
        const QString log = window_.Log()->toPlainText();
        qInfo("%lld lines, %lld characters",
              static_cast<long long>(log.count(QLatin1Char('\n')) + 1),
              static_cast<long long>(log.size()));
        QVERIFY(log.endsWith(QStringLiteral("です。")));
    }

  private:
    Window window_;
};

}  // namespace korvane::test

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    korvane::test::LogPaneBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "LogPaneBench.moc"
