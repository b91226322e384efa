#include "title/SvgPicture.h"

#include <QPainter>

namespace korvane {

SvgPicture::SvgPicture(const QString& resource, QWidget* parent)
    : QWidget(parent), renderer_(resource) {}

void SvgPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    renderer_.render(&painter, rect());
}

}  // namespace korvane
