#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace korvane {

class SvgPicture;

// The title window: first on screen at start-up, it gives way to the main
// window after a short while or at a click (the signal gaveWay). Shown again
// later, it serves as the version window, which stays until clicked or until
// the main window is activated (the main window hides it then).
class TForm2 : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kTitleMilliseconds = 2000;
    static constexpr QSize kClientSize{250, 150};

    // The timer starts counting here, before the main window exists.
    explicit TForm2(QWidget* parent = nullptr);

  signals:
    // The title window hid itself; the main window is to come up.
    void gaveWay();

  public slots:
    // Shows the window again as the version window and brings it to the front.
    void ShowAsVersionWindow();
    void Timer1Timer();
    void FormClick();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QLabel* AddLabel(const char* name, const QString& text, QPoint place);
    void GiveWayToMainWindow();

    SvgPicture* Image1_;
    QTimer* Timer1_;
    bool pressed_ = false;
};

}  // namespace korvane
