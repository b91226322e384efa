#pragma once

#include <QSpinBox>

namespace korvane {

// A count box of 1..10 that changes only one step at a time through its
// arrows (buttons, arrow keys, wheel). Typed characters, pasting and cutting
// are refused with a beep.
class StepSpinBox : public QSpinBox {
    Q_OBJECT

  public:
    explicit StepSpinBox(QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace korvane
