#pragma once

#include <QObject>

class QToolBar;

namespace korvane {

// Gives a toolbar that the user floats out of the band a small tool window
// of its own, with the toolbar's name as title and a close box (Qt floats
// toolbars frameless). Closing that window hides the toolbar, as clearing
// its mark in the toolbar-settings dialog does. While the toolbar is dragged
// it stays frameless, as Qt needs it; the frame comes once it is dropped.
class FloatingToolbarFrame : public QObject {
    Q_OBJECT

  public:
    // Watches toolbar for the rest of its life; owned by it.
    static void Give(QToolBar* toolbar);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit FloatingToolbarFrame(QToolBar* toolbar);
    void Frame();

    QToolBar* toolbar_;
};

}  // namespace korvane
