#include "title/TForm2.h"

#include "main/CentreOnScreen.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include "title/SvgPicture.h"

namespace korvane {

namespace {

// Keeps a label's text off the window's right edge by this much.
constexpr int kRightMargin = 4;

}  // namespace

TForm2::TForm2(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      Image1_(new SvgPicture(QStringLiteral(":/title.svg"), this)),
      Timer1_(new QTimer(this)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Korvane"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/window.svg")));
    setFixedSize(kClientSize);

    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setGeometry(rect());
    Image1_->setAttribute(Qt::WA_TransparentForMouseEvents);
    AddLabel("Label1", QStringLiteral("Ver. " KORVANE_VERSION), {184, 96});
    AddLabel("Label2", QStringLiteral("March 15th, 2004"), {144, 112});
    AddLabel("Label3", QStringLiteral("© 2026 Korvane developers"), {136, 128});

    CentreOnScreen(*this);

    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(kTitleMilliseconds);
    connect(Timer1_, &QTimer::timeout, this, &TForm2::Timer1Timer);
    Timer1_->start();
}

QLabel* TForm2::AddLabel(const char* name, const QString& text, QPoint place) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->adjustSize();
    // A line too long for its place is moved left so that none of it is cut off.
    const int rightmost = width() - kRightMargin - label->width();
    label->move(std::min(place.x(), rightmost), place.y());
    return label;
}

void TForm2::Timer1Timer() {
    GiveWayToMainWindow();
}

void TForm2::FormClick() {
    GiveWayToMainWindow();
}

void TForm2::GiveWayToMainWindow() {
    // Nothing ever starts the timer again: the title shows by itself only once.
    Timer1_->stop();
    hide();
    emit gaveWay();
}

void TForm2::ShowAsVersionWindow() {
    show();
    raise();
    activateWindow();
}

// The picture and the labels take no mouse input, so every click on the
// window ends up here.
void TForm2::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void TForm2::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) FormClick();
}

}  // namespace korvane
