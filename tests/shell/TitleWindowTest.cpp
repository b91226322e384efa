#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "title/SvgPicture.h"
#include "title/TForm2.h"

using korvane::TForm2;

namespace {

QTimer* TimerOf(TForm2& form) {
    return form.findChild<QTimer*>(QStringLiteral("Timer1"));
}

// Fires the timer's tick the way the event loop would, without waiting 2 s.
void Tick(TForm2& form) {
    QVERIFY(QMetaObject::invokeMethod(TimerOf(form), "timeout"));
}

QPoint ScreenCentre(const QWidget& window) {
    return window.screen()->availableGeometry().center();
}

// A title window in front of a main window that has never been shown.
struct StartUp {
    QMainWindow main;
    TForm2 title;
    StartUp() {
        main.resize(640, 453);
        QObject::connect(&title, &TForm2::gaveWay, &main, [this] {
            main.show();
            main.raise();
            main.activateWindow();
        });
        title.show();
    }
};

}  // namespace

class TitleWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void isABorderlessFixedWindowCentredOnTheScreen();
    void showsItsLabelsWhollyOverThePicture();
    void tickGivesWayToTheMainWindowOnce();
    void clickGivesWayToTheMainWindow_data();
    void clickGivesWayToTheMainWindow();
    void versionWindowStaysUntilClicked();
    void tickHidesAndSignalsOnce();
};

void TitleWindowTest::isABorderlessFixedWindowCentredOnTheScreen() {
    TForm2 form;
    QCOMPARE(form.objectName(), QStringLiteral("Form2"));
    QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(form.minimumSize(), QSize(250, 150));
    QCOMPARE(form.maximumSize(), QSize(250, 150));
    QVERIFY(form.isHidden());
    form.show();
    QCOMPARE(form.geometry().center(), ScreenCentre(form));

    auto* picture = form.findChild<korvane::SvgPicture*>(QStringLiteral("Image1"));
    QVERIFY(picture != nullptr);
    QVERIFY(picture->HasPicture());
    QCOMPARE(picture->geometry(), form.rect());
}

void TitleWindowTest::showsItsLabelsWhollyOverThePicture() {
    TForm2 form;
    const struct {
        const char* name;
        QString text;
        int y;
    } labels[] = {
        {"Label1", QStringLiteral("Ver. 1.2.1"), 96},
        {"Label2", QStringLiteral("March 15th, 2004"), 112},
        {"Label3", QStringLiteral("© 2026 Korvane developers"), 128},
    };
    for (const auto& expected : labels) {
        auto* label = form.findChild<QLabel*>(QString::fromLatin1(expected.name));
        QVERIFY2(label != nullptr, expected.name);
        QCOMPARE(label->text(), expected.text);
        QCOMPARE(label->y(), expected.y);
        QVERIFY2(form.rect().contains(label->geometry()), expected.name);
        QVERIFY(!label->autoFillBackground());
        // Clicks on a label must reach the window.
        QVERIFY(label->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label1"))->pos(), QPoint(184, 96));
}

void TitleWindowTest::tickGivesWayToTheMainWindowOnce() {
    StartUp run;
    Tick(run.title);
    QVERIFY(run.title.isHidden());
    QVERIFY(run.main.isVisible());
    QVERIFY(!TimerOf(run.title)->isActive());

    // With a tiny interval, a timer still counting would tick within the wait.
    TimerOf(run.title)->setInterval(1);
    run.title.show();  // as the version window
    QTest::qWait(30);
    QVERIFY(run.title.isVisible());
    QVERIFY(!TimerOf(run.title)->isActive());
}

void TitleWindowTest::clickGivesWayToTheMainWindow_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("window") << QStringLiteral("Form2");
    QTest::newRow("picture") << QStringLiteral("Image1");
    QTest::newRow("Label1") << QStringLiteral("Label1");
    QTest::newRow("Label2") << QStringLiteral("Label2");
    QTest::newRow("Label3") << QStringLiteral("Label3");
}

void TitleWindowTest::clickGivesWayToTheMainWindow() {
    QFETCH(QString, target);
    StartUp run;
    QWidget* widget =
        target == run.title.objectName() ? &run.title : run.title.findChild<QWidget*>(target);
    QVERIFY(widget != nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    QVERIFY(run.title.isHidden());
    QVERIFY(run.main.isVisible());
    QVERIFY(!TimerOf(run.title)->isActive());
}

void TitleWindowTest::versionWindowStaysUntilClicked() {
    StartUp run;
    Tick(run.title);
    run.main.hide();  // the version window brings the main window back too

    run.title.show();  // as the version window
    QVERIFY(run.title.isVisible());
    QCOMPARE(run.title.geometry().center(), ScreenCentre(run.title));
    QTest::qWait(20);
    QVERIFY(run.title.isVisible());

    QTest::mouseClick(run.title.findChild<QWidget*>(QStringLiteral("Label2")), Qt::LeftButton);
    QVERIFY(run.title.isHidden());
    QVERIFY(run.main.isVisible());
}

void TitleWindowTest::tickHidesAndSignalsOnce() {
    TForm2 form;
    QSignalSpy gaveWay(&form, &TForm2::gaveWay);
    form.show();
    Tick(form);
    QVERIFY(form.isHidden());
    QVERIFY(!TimerOf(form)->isActive());
    QCOMPARE(gaveWay.count(), 1);
}

QTEST_MAIN(TitleWindowTest)
#include "TitleWindowTest.moc"
