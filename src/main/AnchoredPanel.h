#pragma once

#include <QFrame>
#include <QMargins>
#include <QRect>
#include <vector>

namespace korvane {

// A sunken panel whose children sit at fixed positions; an anchored child
// keeps its distances to all four edges when the panel is resized.
class AnchoredPanel : public QFrame {
    Q_OBJECT

  public:
    explicit AnchoredPanel(QWidget* parent = nullptr);

    // At (x, y) with its own preferred size, or with the given size.
    void Place(QWidget* child, int x, int y);
    void Place(QWidget* child, QRect geometry);
    // Keeps the given distances to the left, top, right and bottom edges.
    void Anchor(QWidget* child, QMargins distances);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Anchored {
        QWidget* child;
        QMargins distances;
    };
    void Fit(const Anchored& anchored);

    std::vector<Anchored> anchored_;
};

}  // namespace korvane
