#include "main/AnchoredPanel.h"

#include <algorithm>

namespace korvane {

AnchoredPanel::AnchoredPanel(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
}

void AnchoredPanel::Place(QWidget* child, int x, int y) {
    Place(child, QRect(QPoint(x, y), child->sizeHint()));
}

void AnchoredPanel::Place(QWidget* child, QRect geometry) {
    child->setParent(this);
    child->setGeometry(geometry);
}

void AnchoredPanel::Anchor(QWidget* child, QMargins distances) {
    child->setParent(this);
    anchored_.push_back({child, distances});
    Fit(anchored_.back());
}

void AnchoredPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    for (const Anchored& anchored : anchored_) {
        Fit(anchored);
    }
}

void AnchoredPanel::Fit(const Anchored& anchored) {
    const QMargins& d = anchored.distances;
    const int width = std::max(0, this->width() - d.left() - d.right());
    const int height = std::max(0, this->height() - d.top() - d.bottom());
    anchored.child->setGeometry(d.left(), d.top(), width, height);
}

}  // namespace korvane
