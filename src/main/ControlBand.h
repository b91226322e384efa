#pragma once

#include <QMainWindow>

namespace korvane {

// The band ControlBar1 across the top of the main window: a tool bar area
// whose toolbars can be moved within it or floated out. It stays at least
// 32 pixels high, so it can still be double-clicked when every toolbar is
// hidden or floating.
class ControlBand : public QMainWindow {
    Q_OBJECT

  public:
    static constexpr int kMinimumHeight = 32;

    explicit ControlBand(QWidget* parent = nullptr);

  signals:
    void doubleClicked();

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace korvane
