#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace korvane {

// Paints an SVG picture scaled to the widget, sharp at any screen scale.
class SvgPicture : public QWidget {
    Q_OBJECT
  public:
    SvgPicture(const QString& resource, QWidget* parent);

    bool HasPicture() const { return renderer_.isValid(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QSvgRenderer renderer_;
};

}  // namespace korvane
